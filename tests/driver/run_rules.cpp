#include "run_rules.h"

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "bank/interrogative.h"
#include "bank/season.h"
#include "support/support.h"

namespace tv::test {
namespace {

namespace fs = std::filesystem;
using std::string, std::to_string;

std::vector<string> lines_of(const string& text) {
    std::vector<string> out;
    std::istringstream in(text);
    for (string l; std::getline(in, l);) out.push_back(l);
    return out;
}

int num(const string& s) {  // the number a text begins with, after blanks; 0 for none
    int n = 0;
    std::istringstream(s) >> n;
    return n;
}

string trim(const string& s) {
    const size_t b = s.find_first_not_of(' ');
    return b == string::npos ? "" : s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// A verse as one number, chapter x 100 + verse; of a question line, its columns 1-5.
int verse_of(const string& l) { return num(l.substr(0, 2)) * 100 + num(l.substr(3, 2)); }
string ref(const string& letter, const string& ch, const string& v) {
    return letter + to_string(num(ch)) + ":" + to_string(num(v));
}

constexpr std::string_view TYPES = "nFRO";  // the list's count columns: regular, FTV, CV Ref, CO Ref

// How each layout shows a quiz's title and a position; the groups of the number,
// the type code, the book letter, the chapter and the verse (0: not shown).
struct Layout {
    const char *title, *position;
    int group[5];
};
const std::map<char, Layout> LAYOUTS = {
    {'P', {R"(\f?.*Quiz Number +\d+)", R"((.{6})(..)\. .{61}([A-Z]) (..):(..))", {2, 1, 3, 4, 5}}},
    {'C', {R"(    Quiz Number +\d+)", R"(    ([A-Z]) (..).(..)(.*)Quiz \d+)", {0, 4, 1, 2, 3}}},
    {'T', {R"(Quiz \d+\t.*)", R"(([^\t]*)\t([^\t]*)\t.*\(([A-Z]) (..).(..)\))", {1, 2, 3, 4, 5}}}};

struct Sector {
    int from, to, count[4];
};  // verses as chapter x 100 + verse

struct Position {
    int p, s, k;
    string shown, code, text;
};  // shown: the reference as "R3:16"

class Checker {
public:
    Checker(const fs::path& dir, const string& name)
        : dir_(dir), st_(lines_of("\n" + slurp(dir / (name + ".spe")))), season_(load_season(Files(dir))) {
        const string LL = c(1) == 'L' ? "LL" : "", pct = to_string(n(25) / 10 % 10) + to_string(n(25) % 10);
        const string files[] = {"RJ." + st_[8], "FTV." + pct, c(8) == 'C' ? "cv.c" : "cv.b", c(8) == 'C' ? "co.c" : "co.b"};
        for (int t = 0; t < 4; ++t) {
            bank_[t] = lines_of(slurp(dir / (LL + files[t])));
            before_[t] = std::count_if(bank_[t].begin(), bank_[t].end(), [&](auto& l) { return verse_of(l) < verse(2); });
        }
        read_list(lines_of(slurp(dir / (st_[4] + ".inf"))));
    }

    RunReport check() {
        const std::vector<string> pats = lines_of(slurp(dir_ / "pat.txt"));
        report_.quizzes = static_cast<int>(quizzes_.size());
        if (report_.quizzes != n(12) || pats.size() != quizzes_.size()) fail(0, 0, "quizzes or patterns missing");
        for (auto& [s, sec] : sectors_)
            if (c(1) == 'L' && season_.level_l_skips(sec.from / 100)) fail(0, s, "a sector begins where level L skips");
        for (size_t q = 1; q <= quizzes_.size() && q <= pats.size(); ++q) check_quiz(static_cast<int>(q), pats[q - 1]);
        check_packet();
        return report_;
    }

private:
    int n(int line) const { return num(st_.at(line)); }
    char c(int line) const { return st_.at(line).empty() ? ' ' : st_.at(line)[0]; }
    int verse(int line) const { return num(st_.at(line)) * 100 + num(st_.at(line).substr(st_.at(line).find(' '))); }
    void fail(int q, int p, const string& what) {
        report_.broken.push_back("quiz " + to_string(q) + " position " + to_string(p) + ": " + what);
    }

    void read_list(const std::vector<string>& lines) {
        const std::regex sector(R"((\d+) ([A-Z]) *(\d+): *(\d+) +(\d+): *(\d+) +(\d+) +(\d+) +(\d+) +(\d+))"),
            position(R"( *(\d+)\. *(\d+) *(\d+)  (\S) (..).(..)  (.{6})(.*?)(\.\.\.)? *)"),
            log(R"((Regular Question|CV|CO|FTV) [Rr]epeats begin quiz (\d+)( sector (\d+))?|)"
                R"(Sectors (repeat Quest \d+ Quiz|or Questions repeated in quiz) (\d+)|)"
                R"(Abandoning -?\d+ Percent interrogatives on quiz (\d+))");
        std::smatch m;
        for (const string& l : lines) {
            if (l.starts_with("  Que Sec Num")) {
                quizzes_.emplace_back();
            } else if (!quizzes_.empty() && std::regex_match(l, m, position)) {
                quizzes_.back().push_back({num(m[1]), num(m[2]), num(m[3]), ref(m[4], m[5], m[6]), trim(m[7]), m[8]});
            } else if (quizzes_.empty()) {  // the sector table
                for (std::sregex_iterator e(l.begin(), l.end(), sector), end; e != end; ++e) {
                    const Book* book = season_.book_for_key((*e)[2].str()[0]);
                    const int first = num((*e)[3]), last = num((*e)[5]), offset = book ? book->offset : 0;
                    Sector& s = sectors_[num((*e)[1])];
                    s.from = (offset + first) * 100 + num((*e)[4]);
                    s.to = (offset + last + (last < first && book ? book->chapters() : 0)) * 100 + num((*e)[6]);
                    for (int t = 0; t < 4; ++t) s.count[t] = num((*e)[7 + t]);
                }
            } else if (std::regex_match(l, m, log)) {
                const int t = m[1] == "FTV" ? 1 : m[1] == "CV" ? 2 : m[1] == "CO" ? 3 : 0;
                if (m[3].matched)
                    restarted_.insert({num(m[2]), num(m[4])});
                else if (m[1].matched)
                    reset_.insert({t, num(m[2])});
                two_from_a_sector_.insert(num(m[6]));
                if (m[7].matched) given_up_ = num(m[7]);
            }
        }
    }

    // Question k of sector s of type t is a line of the type's file: after the lines
    // before the material and those of the sectors before s.
    const string* bank_line(int t, int s, int k) const {
        if (t < 0 || !sectors_.count(s) || k < 1 || k > sectors_.at(s).count[t]) return nullptr;
        int line = before_[t] + k;
        for (auto& [e, sec] : sectors_) line += e < s ? sec.count[t] : 0;
        return line <= static_cast<int>(bank_[t].size()) ? &bank_[t][line - 1] : nullptr;
    }

    // The specialties of a pattern within the style's ranges and inside the window;
    // the last card of a deck that fills the window may fall just after it.
    void check_pattern(int q, const string& pat) {
        const int early = n(26), late = n(27), specs = 30 - static_cast<int>(std::count(pat.begin(), pat.end(), 'n'));
        int count[4] = {0, 0, 0, 0};
        for (int p = 1; p <= static_cast<int>(pat.size()); ++p) {
            if (pat[p - 1] == 'n') continue;
            if (TYPES.find(pat[p - 1]) != string::npos) ++count[TYPES.find(pat[p - 1])];
            if (p < early || p > n(7) || (p > late && (p > late + 1 || specs < late - early + 1)))
                fail(q, p, "a specialty outside the window");
        }
        if (pat.size() != 30 || pat.find_first_not_of("nFROS") != string::npos || (c(28) != 'N' && pat != st_[29]))
            fail(q, 0, "pattern " + pat);
        const int ranges[][3] = {{specs, 16, 15}, {count[1], 18, 17}, {count[2], 20, 19}, {count[3], 22, 21}};
        for (auto [got, min, max] : ranges)
            if (got < n(min) || got > n(max)) fail(q, 0, "specialties outside their ranges: " + pat);
    }

    // A type's questions are used again only after its repeats began; these begin
    // only when each sector still holding an unused question of it is taken in the
    // quiz, or when the FTV repeats are due (they are at every FQUIZ quizzes).
    void begin_repeats(int q, const string& pat, const std::set<int>& taken) {
        int ftv = 0;
        for (auto& [s, sec] : sectors_) ftv += sec.count[1];
        const int every = ftv * 4 / std::max(n(17), 1) / 5;
        if (q == 1) ftv_due_ = every;
        const bool due = q > ftv_due_ && q > 3 && pat.find('F') < static_cast<size_t>(n(7));
        if (due && !reset_.count({1, q})) fail(q, 0, "FTV repeats were due");
        for (int t = 0; t < 4; ++t) {
            if (!reset_.count({t, q})) continue;
            for (auto& [s, sec] : sectors_)
                if (t > 0 && !(t == 1 && due) && uses_[t][s] < sec.count[t] && !taken.count(s))
                    fail(q, s, string("repeats of type ") + TYPES[t] + " began with this sector's questions unused");
            used_[t].clear(), uses_[t].clear();
            if (t == 1) ftv_due_ = q + every;
        }
        for (int s = 1; s <= 30; ++s)
            if (restarted_.count({q, s})) {
                if (static_cast<int>(used_[0][s].size()) < sectors_[s].count[0] - 1) fail(q, s, "sector restarted early");
                used_[0][s].clear();
            }
    }

    void check_quiz(int q, const string& pat) {
        check_pattern(q, pat);
        const std::vector<Position>& quiz = quizzes_[q - 1];
        std::set<int> taken;
        for (const Position& pos : quiz) taken.insert(pos.s);
        if (quiz.size() != sectors_.size()) fail(q, 0, to_string(quiz.size()) + " positions");
        if (taken.size() != quiz.size() && !two_from_a_sector_.count(q)) fail(q, 0, "a sector gives two questions");
        begin_repeats(q, pat, taken);
        int regular = 0, asking = 0;
        for (const Position& pos : quiz) {
            const int t = static_cast<int>(TYPES.find(pos.p <= static_cast<int>(pat.size()) ? pat[pos.p - 1] : '?'));
            const string* line = bank_line(t, pos.s, pos.k);
            if (!line) {
                fail(q, pos.p, "no question " + to_string(pos.k) + " in sector " + to_string(pos.s));
                continue;
            }
            const int at = verse_of(*line), ch = at / 100;
            const string shown =
                string(1, season_.book_of(ch).letter) + to_string(season_.within(ch)) + ":" + to_string(at % 100);
            // A specialty of a verse without regular questions may lie between two sectors.
            const int lo = t == 0 ? sectors_[pos.s].from : sectors_.count(pos.s - 1) ? sectors_[pos.s - 1].to : 0;
            const int hi = t > 0 && sectors_.count(pos.s + 1) ? sectors_[pos.s + 1].from : sectors_[pos.s].to;
            if (at % 100 < 1 || at % 100 > season_.verses(ch) || at < verse(2) || at > verse(3) || at < lo || at > hi)
                fail(q, pos.p, shown + " outside the material or its sector");
            // The list's code and text are the question's: FTV "code<TAB>verse", CV
            // and CO Ref the code in columns 7-8 and the question from column 10.
            const size_t tab = line->find('\t', 6), from = t == 0 ? 6 : t == 1 ? tab + 1 : 9;
            const string code = trim(t == 0 ? "" : t == 1 ? line->substr(6, tab - 6) : line->substr(6, 2));
            if (shown != pos.shown || code != pos.code || line->compare(std::min(from, line->size()), pos.text.size(), pos.text))
                fail(q, pos.p, "the list does not show its question " + *line);
            if (!used_[t][pos.s].insert(pos.k).second && ++report_.early_repeats && n(14) <= 0)
                fail(q, pos.p,
                    string("question ") + TYPES[t] + " " + to_string(pos.s) + "/" + to_string(pos.k) +
                        " used again before its repeats");
            ++uses_[t][pos.s];
            if (t == 0) ++regular, asking += is_interrogative(*line);
        }
        // A repeat that began during the quiz may free the questions it took before.
        for (int t = 1; t < 4; ++t)
            if (reset_.count({t, q})) used_[t].clear();
        for (auto [restarted_quiz, s] : restarted_)
            if (restarted_quiz == q) used_[0][s].clear();
        if (n(10) != 50 && (given_up_ == 0 || q < given_up_) && asking != regular * n(10) / 100)
            fail(q, 0, to_string(asking) + " interrogatives of " + to_string(regular));
    }

    // The packet shows the list's quizzes, position by position: the number (up to
    // AB), the type code and the reference; each layout keeps its widths and lengths.
    void check_packet() {
        const Layout& layout = LAYOUTS.at(LAYOUTS.count(c(6)) ? c(6) : 'T');
        const std::regex title(layout.title), position(layout.position);
        const std::vector<string> lines = lines_of(slurp(dir_ / (st_[4] + ".qui")));
        std::vector<std::vector<string>> packet;
        int page = 0, widest = 0;
        std::smatch m;
        for (size_t i = 0; i < lines.size(); ++i) {
            // One byte per character, so that the layouts' column widths match (question texts
            // may hold curly quotes and accented letters).
            string l;
            for (char ch : lines[i])
                if ((ch & 0xC0) != 0x80) l += (ch & 0x80) ? '?' : ch;
            widest = std::max(widest, static_cast<int>(l.size() - std::count(l.begin(), l.end(), '\f')));
            page = l.starts_with('\f') ? 1 : page + 1;
            if (c(6) == 'P' && page > n(5)) fail(static_cast<int>(packet.size()), 0, "a page longer than Lines/Pg");
            if (std::regex_match(l, m, title)) packet.emplace_back();
            if (packet.empty() || !std::regex_match(l, m, position)) continue;
            if (c(6) == 'C' && i % 18 != 2) fail(static_cast<int>(packet.size()), 0, "a card not of 18 lines");
            if (c(6) == 'T' && std::count(l.begin(), l.end(), '\t') != 4)
                fail(static_cast<int>(packet.size()), 0, "a tab line of other fields");
            const int* g = layout.group;
            packet.back().push_back(
                (g[0] ? trim(m[g[0]]) : "") + "|" + trim(m[g[1]]).substr(0, 5) + "|" + ref(m[g[2]], m[g[3]], m[g[4]]));
        }
        if (widest > (c(6) == 'P' ? 78 : c(6) == 'C' ? 48 : 9999) || (c(6) == 'C' && lines.size() % 18))
            fail(0, 0, "a line of " + to_string(widest) + " characters, or a card cut short");
        if (c(6) == 'T' && std::count(lines.begin(), lines.end(), "<pb>") != static_cast<long>(packet.size()))
            fail(0, 0, "a quiz without <pb>");
        for (size_t q = 0; q < quizzes_.size(); ++q) {
            std::vector<string> list;
            for (const Position& pos : quizzes_[q])
                list.push_back(
                    (pos.p <= n(9) && c(6) != 'C' ? to_string(pos.p) : "") + "|" + pos.code.substr(0, 5) + "|" + pos.shown);
            if (q >= packet.size() || packet[q] != list) fail(static_cast<int>(q + 1), 0, "the packet and the list disagree");
        }
    }

    fs::path dir_;
    std::vector<string> st_, bank_[4];  // the style's lines from 1, the question files
    Season season_;
    int before_[4] = {0, 0, 0, 0}, given_up_ = 0, ftv_due_ = 0;
    std::map<int, Sector> sectors_;
    std::vector<std::vector<Position>> quizzes_;
    std::set<std::pair<int, int>> reset_, restarted_;  // (type, quiz), (quiz, sector)
    std::set<int> two_from_a_sector_;
    std::map<int, std::set<int>> used_[4];  // per type and sector, since its repeats began
    std::map<int, int> uses_[4];
    RunReport report_;
};

}  // namespace

RunReport check_run(const fs::path& dir, const string& style) { return Checker(dir, style).check(); }

}  // namespace tv::test
