// A handful of whole sessions, each compared with a transcript in tests/data/sessions/
// because a person reads its screens: every screen the program waited on (the rows that
// changed, their colours, the cursor), the keys given there, the screen left at the end,
// the size and hash of every file the session wrote or changed, and the copies printed
// (what the files must hold is asserted elsewhere: the flows, the rules of a run, the
// golden packets).
// A transcript is written by a run with TV_GOLDEN_UPDATE=1, which prints what changed;
// read that before committing it.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "scripted_run.h"

using namespace tv;
namespace fs = std::filesystem;

namespace {

// A screen row as text: its characters, trailing blanks cut, then its colour runs as
// "column:fg,bg" (hexadecimal) wherever the colours change along the row.
std::string row_picture(const Screen& s, int r) {
    const char* HEX = "0123456789abcdef";
    char num[8];
    std::snprintf(num, sizeof num, "%02d|", r);
    std::string out = num + s.line(r) + "\n  :";
    for (int c = 1; c <= Screen::COLS; ++c) {
        const Cell& cell = s.at(c, r);
        if (c == 1 || cell.fg != s.at(c - 1, r).fg || cell.bg != s.at(c - 1, r).bg)
            out += " " + std::to_string(c) + ":" + HEX[cell.fg] + "," + HEX[cell.bg];
    }
    return out + "\n";
}

// At every wait the transcript takes the keys given since the last wait that changed
// something, the cursor, and the rows that changed since then.
class Recorder : public test::KeyScript {
public:
    explicit Recorder(const std::string& script) : KeyScript(script) {
        Screen blank;
        for (int r = 1; r <= Screen::ROWS; ++r) rows_[r - 1] = row_picture(blank, r);
    }
    int wait_key(const Screen& screen) override {
        const int k = KeyScript::wait_key(screen);
        for (auto& [name, code] : test::KEY_NAMES)
            if (code == k) return typed_ += "<" + name + ">", k;
        return typed_ += static_cast<char>(k), k;
    }
    void seen(const Screen& screen) override {
        std::string changed;
        for (int r = 1; r <= Screen::ROWS; ++r) {
            std::string now = row_picture(screen, r);
            if (now != rows_[r - 1]) changed += now;
            rows_[r - 1] = now;
        }
        std::string cursor = std::to_string(screen.col()) + "," + std::to_string(screen.row());
        if (!changed.empty() || cursor != cursor_) {
            if (!typed_.empty()) log += "keys " + typed_ + "\n";
            typed_.clear();
            log += "--- cursor " + cursor + "\n" + changed;
            cursor_ = cursor;
        }
    }
    // The transcript with the keys given since the last change and the keys never read.
    std::string finished() const {
        return log + (typed_.empty() ? "" : "keys " + typed_ + "\n") + "=== " + std::to_string(left()) + " keys left\n";
    }
    std::string log;

private:
    std::string rows_[Screen::ROWS], cursor_, typed_;
};

// A session: what it shows (the first line of its transcript), its name (that of the
// transcript and of the folder tests/data/sessions/NAME/ laid over the workspace) and keys.
struct Session {
    const char* shows;
    const char* name;
    const char* keys;
};

void PrintTo(const Session& s, std::ostream* os) { *os << s.name; }

std::string run_session(const Session& s) {
    Recorder face(s.keys);
    const std::string own = std::string("tests/data/sessions/") + s.name;
    const test::RunResult r = test::run_scripted(face, fs::is_directory(test::source_dir() / own) ? own : "");
    std::string out =
        std::string("# ") + s.shows + "\n" + face.finished() + "=== program ended with " + std::to_string(r.status) + "\n";
    for (auto& [name, content] : r.changed)
        out += "=== file " + name + "  " + std::to_string(content.size()) + " bytes  hash " +
               std::to_string(std::hash<std::string>{}(content)) + "\n";
    return out + "=== " + std::to_string(r.printer.jobs) + " copies printed\n";
}

// What changed in a transcript, as the system's diff shows it: each hunk headed by the
// keys given before it; at most 80 lines. The new transcript is kept for a look.
std::string differences(const fs::path& golden, const std::string& actual) {
    const fs::path now = fs::temp_directory_path() / ("tv-session-" + golden.filename().string());
    std::ofstream(now, std::ios::binary) << actual;
    const std::string command = "diff -U1 -F '^keys' '" + golden.string() + "' '" + now.string() + "' | head -80";
    std::string out;
    FILE* diff = popen(command.c_str(), "r");
    for (char line[512]; diff && std::fgets(line, sizeof line, diff);) out += line;
    if (diff) pclose(diff);
    return out;
}

class Sessions : public testing::TestWithParam<Session> {};

TEST_P(Sessions, MatchTheirTranscripts) {
    const Session& s = GetParam();
    const std::string actual = run_session(s);
    const fs::path golden = test::source_dir() / "tests/data/sessions" / (std::string(s.name) + ".txt");
    const std::string expected = fs::exists(golden) ? test::slurp(golden) : "";
    if (actual != expected && std::getenv("TV_GOLDEN_UPDATE")) {
        std::printf("%s: transcript written, what changed:\n%s", s.name, differences(golden, actual).c_str());
        std::ofstream(golden, std::ios::binary) << actual;
    } else if (actual != expected) {
        ADD_FAILURE() << s.name << ": the session differs from its transcript:\n" << differences(golden, actual);
    }
}

const Session SESSIONS[] = {
    // Practice: the first combination drawn again, the last accepted with a capital Y,
    // no copies printed; then a run stopped with Esc at its first quiz.
    {"The menu, the form, the pattern review, the sector table, the approval of each quiz, the copies prompt and the "
     "closing screen; a run stopped at its first quiz",
        "practice_by_hand",
        "<Ret><Esc><Ret><Ret><Ret><Down><Ret>xnyyyyyyyyyY<Ret>0<Ret><Ret><Ret><Esc><Ret><Ret><Ret><Down><Ret><Esc><Ret><Up><"
        "Ret>"},
    // JamesCup with 5 quizzes: a wrong total, a zero on the last chapter (one sector),
    // then a right one whose last count, one digit, Return ends and accepts.
    {"The specialty type screen of a fixed pattern and the chapter screen: totals refused, then accepted", "jamescup_chapters",
        "<Down><Down><Ret><Right><Right>5<Ret><Esc><Ret><Ret><Ret>5<Down><Ret><Down><Down><Down>0<Up>"
        "<Ret><Down>3<Ret><Ret><Ret><Ret><Up><Ret>"},
    // Typed on the form, refused by the checks and mended, types placed by hand, run;
    // then its form again, left.
    {"A new style from the template: the form, the checks' refusal, the specialty types placed by hand, the run", "new_style",
        "<Down><Down><Down><Down><Ret>2<Right>5<Down><Left><Left>r<Right>4<Right>20<Down>weekly<Ret>wkpack<Ret>"
        "t<Ret>12<Ret><Ret>10<Ret><Ret>7<Ret><Ret><Ret><Ret><Ret><Ret><Ret><Ret>y<Esc><Ret><Right>1<Down><Left>1<Down><Right>"
        "0<Down><Up><Up><Up><Up>2<Left><Esc><Ret><Right><Right>f<Ret><Right>o<Right><Right><Right><Right>r<Ret><Sp><Ret>"
        "<Ret><Ret><Ret><Down><Down><Down><Down><Ret><Esc><Esc><Up><Ret>"},
    // co.b line 4 has its verse in one column: told as the bank is read, before the
    // pattern review.
    {"A file problem: a bad bank line named with its file and line, then back to the menu", "bad_bank_line",
        "<Ret><Esc><Ret><Ret><Up><Ret>"},
    // Shift-D takes off the highlighted "Practice" only (the same name above stays),
    // then "Style2"; a listed style without its file is told.
    {"A style list longer than the menu: its last lines shown, two deleted, a listed style without its file", "long_list",
        "D<Down><Down>D<Up><Up><Up><Ret><Ret><Up><Ret>"}};

INSTANTIATE_TEST_SUITE_P(
    Demo, Sessions, testing::ValuesIn(SESSIONS), [](const auto& test) { return std::string(test.param.name); });

}  // namespace
