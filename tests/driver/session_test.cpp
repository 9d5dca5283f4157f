// Whole sessions of the program on the demo workspace (shipped styles, demo bank),
// each compared with a transcript in tests/data/sessions/: every screen the program
// waited on (the rows that changed, their colours, the cursor), the keys given there,
// the screen left at the end, and every file the session wrote or changed.
// A transcript is written by a run of the program with TV_GOLDEN_UPDATE=1 and read
// before it is committed; any later difference is a change of behaviour to look at.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <map>

#include "driver/cycle.h"
#include "support/support.h"

using namespace tv;
namespace fs = std::filesystem;

namespace {

// Keys as text: characters stand for themselves, <Name> for Enter, Esc, Space and
// the extended keys.
const std::map<std::string, int> KEY_NAMES = {
    {"Ret", key::ENTER}, {"Esc", key::ESC}, {"Sp", ' '}, {"Bs", key::BACKSPACE},
    {"Up", key::EXT + key::UP}, {"Down", key::EXT + key::DOWN}, {"Left", key::EXT + key::LEFT},
    {"Right", key::EXT + key::RIGHT}, {"Home", key::EXT + key::HOME}, {"End", key::EXT + key::END},
    {"PgUp", key::EXT + key::PGUP}, {"PgDn", key::EXT + key::PGDN}, {"Del", key::EXT + key::DEL}};

std::deque<int> parse_keys(const std::string& script) {
    std::deque<int> out;
    for (size_t i = 0; i < script.size(); ++i) {
        size_t end = script[i] == '<' ? script.find('>', i) : std::string::npos;
        if (end == std::string::npos) {
            out.push_back(static_cast<unsigned char>(script[i]));
            continue;
        }
        out.push_back(KEY_NAMES.at(script.substr(i + 1, end - i - 1)));
        i = end;
    }
    return out;
}

std::string key_name(int k) {
    for (auto& [name, code] : KEY_NAMES)
        if (code == k) return "<" + name + ">";
    return std::string(1, static_cast<char>(k));
}

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

// The keyboard of a session: keys from the script. At every wait the transcript takes
// the keys given since the last wait that changed something, the cursor, and the rows
// that changed since then.
class Recorder : public Face {
public:
    explicit Recorder(const std::string& script) : keys_(parse_keys(script)) {
        Screen blank;
        for (int r = 1; r <= Screen::ROWS; ++r) rows_[r - 1] = row_picture(blank, r);
    }
    int wait_key(const Screen& screen) override {
        take(screen);
        if (keys_.empty()) throw ScriptExhausted("the session's keys ran out");
        int k = keys_.front();
        keys_.pop_front();
        typed_ += key_name(k);
        return k;
    }
    // Takes the screen into the transcript when it changed since it was last taken.
    void take(const Screen& screen) {
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
    bool key_waiting(const Screen&) override { return !keys_.empty(); }
    // The transcript with the keys given since the last change and the keys never read.
    std::string finished() const {
        return log + (typed_.empty() ? "" : "keys " + typed_ + "\n") + "=== " +
               std::to_string(keys_.size()) + " keys left\n";
    }
    std::string log;

private:
    std::deque<int> keys_;
    std::string rows_[Screen::ROWS], cursor_, typed_;
};

using Snapshot = std::map<std::string, std::string>;

Snapshot files_of(const fs::path& dir) {
    Snapshot out;
    for (auto& e : fs::directory_iterator(dir))
        if (e.is_regular_file()) out[e.path().filename().string()] = test::slurp(e.path());
    return out;
}

// A session: its name, which is also that of its transcript and of the folder of
// files (tests/data/sessions/NAME/) laid over the demo workspace before the start.
struct Session {
    const char* name;
    const char* keys;
};

std::string run_session(const Session& s) {
    test::TempDir dir;
    test::copy_from_source("data", dir.path());
    test::copy_from_source("examples/bank", dir.path());
    const std::string own = std::string("tests/data/sessions/") + s.name;
    if (fs::is_directory(test::source_dir() / own)) test::copy_from_source(own, dir.path());
    const Snapshot before = files_of(dir.path());

    Recorder face(s.keys);
    Console con(face);
    Random rng;
    FixedClock clock(4321);
    MemoryPrinter printer;
    std::string end;
    try {
        end = "program ended with " +
              std::to_string(run_program(con, dir.files(), rng, clock, printer));
    } catch (const ScriptExhausted&) {
        end = "keys ran out";
    } catch (const IoError& e) {
        end = std::string("I/O error: ") + e.what();
    }
    face.take(con.screen());  // the screen the program left behind
    std::string out = face.finished() + "=== " + end + "\n";
    for (auto& [name, content] : files_of(dir.path())) {
        auto old = before.find(name);
        if (old != before.end() && old->second == content) continue;
        out += "=== file " + name + "\n" + content;
        if (!content.empty() && content.back() != '\n') out += "\n=== (no line end)\n";
    }
    if (!printer.lines.empty()) {
        out += "=== printed " + std::to_string(printer.jobs) + " copies, last line:\n" +
               printer.lines.back() + "\n";
    }
    return out;
}

void check_against_transcript(const Session& s) {
    const std::string actual = run_session(s);
    const fs::path golden = test::source_dir() / "tests/data/sessions" / (std::string(s.name) + ".txt");
    if (std::getenv("TV_GOLDEN_UPDATE")) {
        std::ofstream(golden, std::ios::binary) << actual;
        return;
    }
    const std::string expected = test::slurp(golden);
    if (actual == expected) return;
    // The first line that differs, with the transcript kept for a look at the rest.
    size_t at = 0, line = 1;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        line += actual[at++] == '\n';
    const fs::path kept = fs::temp_directory_path() / (std::string("tv-session-") + s.name + ".txt");
    std::ofstream(kept, std::ios::binary) << actual;
    auto line_at = [&](const std::string& t) {
        size_t b = t.rfind('\n', at == 0 ? 0 : at - 1);
        b = b == std::string::npos || at == 0 ? 0 : b + 1;
        return t.substr(b, t.find('\n', b) - b);
    };
    ADD_FAILURE() << s.name << ": the session differs from its transcript at line " << line
                  << "\n  expected: " << line_at(expected) << "\n  actual:   " << line_at(actual)
                  << "\n  (whole session in " << kept.string() << ")";
}

class Sessions : public testing::TestWithParam<Session> {};

TEST_P(Sessions, MatchTheirTranscripts) { check_against_transcript(GetParam()); }

const Session SESSIONS[] = {
    // Practice as it stands, every combination automatic, then Exit.
    {"practice_automatic", "<Ret><Esc><Ret><Ret><Ret><Ret><Ret><Up><Ret>"},
    // Practice quiz by quiz: the first combination rejected, the last accepted with
    // a capital Y (copies asked for, none printed); a second run left with Esc at
    // the first prompt.
    {"practice_by_hand", "<Ret><Esc><Ret><Ret><Ret><Down><Ret>xnyyyyyyyyyY<Ret>0<Ret><Ret>"
                         "<Ret><Esc><Ret><Ret><Ret><Down><Ret><Esc><Ret><Up><Ret>"},
    // Practice in the tab layout, then P on the closing screen: a word, then 2 copies
    // (a blank after the number is no fault).
    {"practice_tab_copies", "<Ret><Down><Down><Down><Down>t<Esc><Ret><Ret><Ret><Ret>P<Ret>two<Ret>"
                            "2 <Ret><Ret><Up><Ret>"},
    // Season (page layout, sectored by verse) with 14 quizzes: the repeat warning,
    // declined.
    {"season_page", "<Down><Down><Down><Ret><Right><Right>14<Ret><Esc><Ret><Ret><Ret><Ret>n<Ret>"
                    "<Ret><Ret><Ret><Up><Ret>"},
    // League (card layout, sectored by question) with 6 quizzes.
    {"league_card", "<Down><Ret><Right><Right>6<Ret><Esc><Ret><Ret><Ret><Ret><Ret><Up><Ret>"},
    // JamesCup (tab layout, sectored by chapter, a fixed pattern) with 5 quizzes: a
    // wrong total on the chapter screen, another with a zero on the last chapter
    // (which counts as one sector), each cleared by the next count typed, then a right
    // one whose last count, one digit, Return ends and accepts.
    {"jamescup_chapters", "<Down><Down><Ret><Right><Right>5<Ret><Esc><Ret><Ret><Ret>5<Down><Ret>"
                          "<Down><Down><Down>0<Up><Ret><Down>3<Ret><Ret><Ret><Ret><Up><Ret>"},
    // Deleting from the menu: League with Shift-D; D on "Enter New Specs" and on
    // Exit, d on a style change nothing.
    // JamesCup up to the approval menu, left there: the list file holds the sectors.
    {"jamescup_esc", "<Down><Down><Ret><Esc><Ret><Ret><Ret><Ret><Ret>n<Ret><Down><Esc><Up><Ret>"},
    // A new style from the template: typed on the form, refused by the checks and
    // mended, its specialty types placed by hand, run; then its form again, left.
    {"new_style", "<Down><Down><Down><Down><Ret>2<Right>5<Down><Left><Left>r<Right>4<Right>20<Down>"
                  "weekly<Ret>wkpack<Ret>t<Ret>12<Ret><Ret>10<Ret><Ret>7<Ret><Ret><Ret><Ret><Ret>"
                  "<Ret><Ret><Ret>y<Esc><Ret><Right>1<Down><Left>1<Down><Right>0<Down><Up><Up><Up>"
                  "<Up>2<Left><Esc><Ret><Right><Right>f<Ret><Right>o<Right><Right><Right><Right>r"
                  "<Ret><Sp><Ret><Ret><Ret><Ret><Down><Down><Down><Down><Ret><Esc><Esc><Up><Ret>"},
    // FTV Min above its Max: the checks refuse the form until it is mended.
    {"unmet_ranges", "<Ret><Esc><Ret><Esc><Ret>1<Esc><Ret><Down>2<Ret><Esc><Ret><Up><Down><Sp><Ret><Ret>"
                     "<Ret><Ret><Up><Ret>"},
    // Esc on the approval menu: no packet written, back to the menu.
    {"approval_esc", "<Ret><Esc><Ret><Ret><Ret><Down><Esc><Up><Ret>"},
    // A style file edited by hand with 101 quizzes: accepting the form names the setting
    // and puts the cursor on it; unmended, Esc on the title still leaves unsaved for Exit.
    {"refused_style", "<Ret><Esc><Ret><Ret><Esc><Esc><Up><Ret>"},
    // Values beyond the limits of the fields of a new style's form (and James for a
    // begin chapter of 6); on the title other keys wait, Down goes back; then left.
    {"form_limits", "<Down><Down><Down><Down><Ret>6<Left>j<Right>99<Ret>99<Ret><Ret><Ret>x<Ret>45<Ret>99<Ret>"
                    "40<Ret>456<Ret>0<Ret>101<Ret>q<Ret>9<Ret>9<Ret>9<Ret><Esc>x<Down><Esc><Esc><Up><Ret>"},
    // A verse index that does not match the bank, with reindexing off: rebuilt, with a
    // note; the second run reuses it as it stands.
    {"stale_index", "<Ret><Esc><Ret><Ret><Ret><Ret><Ret><Ret><Ret><Esc><Ret><Ret><Ret><Ret><Ret>"
                    "<Up><Ret>"},
    // No question without an interrogative opening, 0 percent asked for: the share
    // is given up on quiz 1 and noticed at the end.
    {"no_interrogatives", "<Ret><Esc><Ret><Ret><Ret><Ret><Ret><Ret><Ret><Up><Ret>"},
    // A style named like the menu's last entry in capitals is run like any other.
    {"exit_lookalike", "<Ret><Esc><Ret><Ret><Ret><Ret><Ret><Up><Ret>"},
    // The only FTV question lies outside the material: the warning, then back to the
    // menu with an empty packet.
    {"no_ftv_in_material", "<Ret><Esc><Ret><Ret><Ret><Ret><Ret><Up><Ret>"},
    // Four specialties in windows of 1-10 and 1-12: the two closest spacings of the
    // generator's extra cards.
    {"window_1_10", "<Ret><Esc><Ret><Ret><Ret><Ret><Ret><Up><Ret>"},
    {"window_1_12", "<Ret><Esc><Ret><Ret><Ret><Ret><Ret><Up><Ret>"},
    {"delete_style", "<Down>D<Down><Down><Down>D<Down>D<Down>d<Down><Up><Up><Ret>"},
    // A bank line with its verse in one column: named with its file and line once the
    // pattern review is over; Return goes back to the menu and no packet is written.
    {"bad_bank_line", "<Ret><Esc><Ret><Ret><Ret><Up><Ret>"},
    // The three-book workspace (Hebrews and 1-2 Peter) run as it stands.
    // Style files edited by hand: one in lower case, with drawn patterns, run up to the
    // sector table; one with types set by hand that cannot be placed: Return refused,
    // Esc back to the form, nothing saved.
    {"hand_edited", "<Ret><Esc><Ret><Ret><Esc><Down><Ret><Esc><Ret>O<Right>O<Ret><Esc><Esc><Esc><Up><Ret>"},
    // Romans 1:30-2:29 in six sectors by chapter, counted 0 and 6: chapter 2 runs out
    // after the fourth sector and the last two are shown empty; Esc, then 1 and 5.
    {"short_chapter", "<Ret><Esc><Ret><Ret>0<Down>6<Down><Ret><Esc>1<Down>5<Down><Ret><Ret><Ret><Ret><Up><Ret>"},
    // Fewer regular questions in the material than a quiz asks for: the run is given up.
    {"too_few_questions", "<Ret><Esc><Ret><Ret><Ret><Up><Ret>"},
    {"hebrews_peter", "<Ret><Esc><Ret><Ret><Ret><Ret><Ret><Up><Ret>"},
    // A list longer than the menu: its last seventeen lines are shown. Shift-D takes off
    // the highlighted "Practice" only (the same name above stays) and then "Style2";
    // every other line keeps its place. A listed style without its file is told, and
    // the menu comes back.
    {"long_list", "D<Down><Down>D<Up><Up><Up><Ret><Ret><Up><Ret>"},
    // By chapter with fewer questions per packet than chapters (Romans 1-5 in 3): the
    // count is raised to one sector per chapter for the whole run. James 4 (17 verses)
    // in 20 sectors: the first three are empty and the run is given up.
    {"chapter_counts", "<Ret><Esc><Ret><Ret><Ret><Ret><Ret><Ret><Ret>"
                       "<Down><Down><Ret><Esc><Ret><Ret><Ret><Ret><Ret><Up><Ret>"},
};

INSTANTIATE_TEST_SUITE_P(Demo, Sessions, testing::ValuesIn(SESSIONS),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
