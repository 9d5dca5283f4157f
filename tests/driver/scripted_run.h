// Whole runs of the program on the demo workspace (shipped styles, demo bank) with
// keys from a script, for the recorded sessions and the table of flows.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "driver/cycle.h"
#include "support/support.h"

namespace tv::test {

// Keys as text: characters stand for themselves, <Name> for Enter, Esc, Space and
// the extended keys.
inline const std::map<std::string, int> KEY_NAMES = {{"Ret", key::ENTER}, {"Esc", key::ESC}, {"Sp", ' '}, {"Bs", key::BACKSPACE},
    {"Up", key::EXT + key::UP}, {"Down", key::EXT + key::DOWN}, {"Left", key::EXT + key::LEFT}, {"Right", key::EXT + key::RIGHT},
    {"Home", key::EXT + key::HOME}, {"End", key::EXT + key::END}, {"PgUp", key::EXT + key::PGUP}, {"PgDn", key::EXT + key::PGDN},
    {"Del", key::EXT + key::DEL}};

// The keys of a script; `seen` is told of every screen the program waits on or shows,
// and of the screen it leaves at the end, and keeps their text.
class KeyScript : public ScriptFace {
public:
    explicit KeyScript(const std::string& script) {
        for (size_t i = 0, end; i < script.size(); ++i) {
            end = script[i] == '<' ? script.find('>', i) : std::string::npos;
            add({end == std::string::npos ? static_cast<unsigned char>(script[i])
                                          : KEY_NAMES.at(script.substr(i + 1, end - i - 1))});
            i = end == std::string::npos ? i : end;
        }
    }
    int wait_key(const Screen& screen) override {
        seen(screen);
        return ScriptFace::wait_key(screen);
    }
    // So is every screen shown while the program works (the progress lines of a run).
    void show(const Screen& screen) override { seen(screen); }
    virtual void seen(const Screen& screen) { shown.push_back(dump(screen)); }
    std::vector<std::string> shown;
};

using Snapshot = std::map<std::string, std::string>;

// What a run did: its exit status, the files it wrote new or changed, what it printed.
struct RunResult {
    int status;
    Snapshot after, changed;
    MemoryPrinter printer;
};

// Runs the program on the demo workspace with `overlay` (a folder of the source tree,
// or none) laid over it, seed and clock fixed, until it ends (ScriptExhausted when the
// keys run out first: the test fails with the screen it was on). `printer`: whether
// there is one.
inline RunResult run_scripted(KeyScript& face, const std::string& overlay, bool printer = true) {
    TempDir dir;
    copy_from_source("data", dir.path());
    copy_from_source("examples/bank", dir.path());
    if (!overlay.empty()) copy_from_source(overlay, dir.path());
    auto files = [&] {
        Snapshot out;
        for (auto& e : std::filesystem::directory_iterator(dir.path()))
            if (e.is_regular_file()) out[e.path().filename().string()] = slurp(e.path());
        return out;
    };
    const Snapshot before = files();
    RunResult r;
    r.printer.present = printer;
    Console con(face);
    Random rng;
    FixedClock clock(4321);
    r.status = run_program(con, dir.files(), rng, clock, r.printer);
    face.seen(con.screen());
    r.after = files();
    for (auto& [name, content] : r.after)
        if (auto old = before.find(name); old == before.end() || old->second != content) r.changed[name] = content;
    return r;
}

}  // namespace tv::test
