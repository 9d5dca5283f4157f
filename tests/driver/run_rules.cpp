#include "run_rules.h"

#include <algorithm>
#include <array>
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
using std::to_string;

std::vector<std::string> lines_of(const fs::path& p) {
    std::vector<std::string> out;
    std::istringstream in(slurp(p));
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        out.push_back(l);
    }
    return out;
}

int width(const std::string& s) {  // characters of a UTF-8 line
    return static_cast<int>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string trim(std::string s) {
    s.erase(0, std::min(s.find_first_not_of(' '), s.size()));
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

int number(const std::string& s) {
    try {
        return std::stoi(s);
    } catch (const std::exception&) {
        return -1;
    }
}

// The four kinds of question, in the order of the list's count columns.
constexpr char TYPES[] = "nFRO";
int type_index(char letter) { return static_cast<int>(std::string_view(TYPES).find(letter)); }

struct Verse {
    int ch = 0, v = 0;
    int key() const { return ch * 100 + v; }
};

Verse verse_of(const std::string& line) { return {number(line.substr(0, 2)), number(line.substr(3, 2))}; }

// A question line's code and text as the list shows them (7.7).
std::pair<std::string, std::string> code_and_text(char type, const std::string& l) {
    auto upto_tab = [&](size_t from) { return from >= l.size() ? "" : l.substr(from, l.find('\t', from) - from); };
    if (type == 'n') return {"", upto_tab(6)};
    if (type != 'F') return {l.substr(6, 2), upto_tab(9)};
    const std::string code = upto_tab(6);
    return {code, upto_tab(6 + code.size() + 1)};
}

struct Sector {
    Verse from, to;
    std::array<int, 5> count{};  // regular, FTV, CV Ref, CO Ref, SIT
};

struct Position {
    int p, s, k;
    char letter;
    int ch, v;  // chapter within the book
    std::string code, text;
};

struct Shown {  // a position as the packet shows it
    std::string number, code;
    char letter;
    int ch, v;
};

class Checker {
public:
    Checker(const fs::path& dir, const std::string& name) : dir_(dir) {
        style_ = lines_of(dir / (name + ".spe"));
        style_.insert(style_.begin(), "");
        season_ = load_season(Files(dir));
        name_ = style_[4];
        read_bank();
        read_list();
        pats_ = lines_of(dir / "pat.txt");
    }

    RunReport check() {
        report_.quizzes = static_cast<int>(quizzes_.size());
        if (report_.quizzes != n(12)) fail(0, 0, "the list holds " + to_string(report_.quizzes) + " quizzes");
        if (static_cast<int>(pats_.size()) != n(12)) fail(0, 0, "pat.txt holds " + to_string(pats_.size()) + " patterns");
        check_sectors();
        for (size_t q = 1; q <= quizzes_.size() && q <= pats_.size(); ++q) check_quiz(static_cast<int>(q));
        check_packet();
        return report_;
    }

private:
    int n(int line) const { return number(style_.at(line)); }
    char c(int line) const { return style_.at(line).empty() ? ' ' : style_.at(line)[0]; }
    Verse material(int line) const {
        std::istringstream in(style_.at(line));
        Verse v;
        in >> v.ch >> v.v;
        return v;
    }
    void fail(int q, int p, const std::string& what) {
        report_.broken.push_back("quiz " + to_string(q) + " position " + to_string(p) + ": " + what);
    }

    void read_bank() {
        const std::string LL = c(1) == 'L' ? "LL" : "", list(1, c(8));
        const int pct = n(25);
        const std::string names[] = {"RJ." + list, "FTV." + to_string(pct / 10 % 10) + to_string(pct % 10),
                                     c(8) == 'C' ? "cv.c" : "cv.b", c(8) == 'C' ? "co.c" : "co.b"};
        for (int t = 0; t < 4; ++t) {
            bank_[t] = lines_of(dir_ / (LL + names[t]));
            before_[t] = static_cast<int>(std::count_if(bank_[t].begin(), bank_[t].end(), [&](auto& l) {
                return verse_of(l).key() < material(2).key();
            }));
        }
    }

    // The chapter a table or list shows as a book letter (or the book of `at`) and a
    // chapter within the book: its number across the books.
    int absolute(char letter, int within, int at = 0) const {
        for (const Book& b : season_.books)
            if (letter ? b.letter == letter : b.offset + within >= at && within <= b.chapters())
                return b.offset + within;
        return -1;
    }

    void read_list() {
        const std::regex entry(R"((\d+) ([A-Z]) *(\d+): *(\d+) +(\d+): *(\d+) +(\d+) +(\d+) +(\d+) +(\d+) +(\d+))"),
            header(R"(^  Que Sec Num.*Quiz +(\d+)$)"),
            position(R"(^ *(\d+)\. *(\d+) *(\d+)  (\S) (.{5})  (.{6})(.*)$)"),
            reset(R"(^Regular Question Repeats begin quiz (\d+)( sector (\d+))?$)"),
            spec(R"(^(CV|CO|FTV) [Rr]epeats begin quiz (\d+)$)"),
            sectors(R"(^Sectors (repeat Quest \d+ Quiz|or Questions repeated in quiz) (\d+)$)"),
            given_up(R"(^Abandoning -?\d+ Percent interrogatives on quiz (\d+)$)");
        std::smatch m;
        for (const std::string& l : lines_of(dir_ / (name_ + ".inf"))) {
            if (std::regex_match(l, m, header)) {
                quizzes_.emplace_back();
            } else if (!quizzes_.empty() && std::regex_match(l, m, position)) {
                std::string text = m[7];
                if (text.ends_with("...")) text.resize(text.size() - 3);
                quizzes_.back().push_back({number(m[1]), number(m[2]), number(m[3]), m.str(4)[0],
                                           number(m.str(5).substr(0, 2)), number(m.str(5).substr(3)),
                                           trim(m[6]), text.substr(0, text.find_last_not_of(' ') + 1)});
            } else if (quizzes_.empty()) {
                for (std::sregex_iterator e(l.begin(), l.end(), entry), end; e != end; ++e) {
                    Sector s;
                    const int from = absolute((*e)[2].str()[0], number((*e)[3]));
                    s.from = {from, number((*e)[4])};
                    s.to = {absolute(0, number((*e)[5]), from), number((*e)[6])};
                    for (int t = 0; t < 5; ++t) s.count[t] = number((*e)[7 + t]);
                    sectors_[number((*e)[1])] = s;
                }
            } else if (std::regex_match(l, m, reset)) {
                if (m[2].matched) restarted_[number(m[1])].insert(number(m[3]));
                else regular_reset_.insert(number(m[1]));
            } else if (std::regex_match(l, m, spec)) {
                type_reset_[m[1] == "CV" ? 2 : m[1] == "CO" ? 3 : 1].insert(number(m[2]));
            } else if (std::regex_match(l, m, sectors)) {
                sectors_repeat_.insert(number(m[2]));
            } else if (std::regex_match(l, m, given_up)) {
                given_up_ = number(m[1]);
                report_.share_given_up = true;
            }
        }
    }

    // Sectors follow one another through the material; at level L none begins in a
    // chapter the level leaves out.
    void check_sectors() {
        if (static_cast<int>(sectors_.size()) != n(7) && c(13) != 'C')
            fail(0, 0, to_string(sectors_.size()) + " sectors for " + to_string(n(7)) + " questions a quiz");
        Verse next = material(2);
        for (auto& [s, sec] : sectors_) {
            if (sec.from.key() < next.key() || sec.to.key() < sec.from.key())
                fail(0, 0, "sector " + to_string(s) + " out of order");
            if (c(1) == 'L' && season_.level_l_skips(sec.from.ch))
                fail(0, 0, "sector " + to_string(s) + " begins in a chapter level L leaves out");
            next = sec.from;
        }
        if (!sectors_.empty() && sectors_.rbegin()->second.to.key() != material(3).key())
            fail(0, 0, "the last sector does not end with the material");
    }

    // The bank line of question k of sector s of type t: the lines before the
    // material, those of the sectors before s, then k.
    const std::string* bank_line(int t, int s, int k) const {
        if (!sectors_.count(s) || k < 1 || k > sectors_.at(s).count[t]) return nullptr;
        int line = before_[t] + k;
        for (int e = 1; e < s; ++e) line += sectors_.count(e) ? sectors_.at(e).count[t] : 0;
        return line <= static_cast<int>(bank_[t].size()) ? &bank_[t][line - 1] : nullptr;
    }

    void check_pattern(int q, const std::string& pat) {
        const int early = n(26), late = n(27), window = late - early + 1;
        std::array<int, 4> count{};
        const int specs = static_cast<int>(pat.size() - std::count(pat.begin(), pat.end(), 'n'));
        for (int p = 1; p <= static_cast<int>(pat.size()); ++p) {
            const int t = type_index(pat[p - 1]);
            if (t < 0) continue;
            ++count[t];
            if (t > 0 && (p < early || p > n(7) || (p > late && !(p == late + 1 && specs >= window))))
                fail(q, p, "a specialty outside the window " + to_string(early) + "-" + to_string(late));
        }
        const int total = count[1] + count[2] + count[3];
        if (pat.size() != 30 || static_cast<int>(pat.find_first_not_of("nFROS")) != -1 ||
            (c(28) != 'N' && pat != style_[29]))
            fail(q, 0, "pattern " + pat);
        const int ranges[][3] = {{total, 16, 15}, {count[1], 18, 17}, {count[2], 20, 19}, {count[3], 22, 21}};
        for (auto [got, min, max] : ranges)
            if (got < n(min) || got > n(max)) fail(q, 0, "specialty count " + to_string(got) + " outside its range in " + pat);
    }

    void check_quiz(int q) {
        const std::string& pat = pats_[q - 1];
        check_pattern(q, pat);
        const std::vector<Position>& quiz = quizzes_[q - 1];
        if (static_cast<int>(quiz.size()) != static_cast<int>(sectors_.size()))
            fail(q, 0, to_string(quiz.size()) + " positions");
        if (regular_reset_.count(q)) used_[0].clear();
        for (int s : restarted_[q]) {  // before quiz q, all but the one it took first
            if (static_cast<int>(used_[0][s].size()) < sectors_[s].count[0] - 1)
                fail(q, 0, "sector " + to_string(s) + " restarted with questions unused");
            used_[0][s].clear();
        }
        std::set<int> taken;
        for (const Position& pos : quiz) taken.insert(pos.s);
        check_specialty_repeats(q, pat, taken);
        if (taken.size() != quiz.size() && !sectors_repeat_.count(q)) fail(q, 0, "a sector gives two questions");
        int regular = 0, asking = 0;
        for (const Position& pos : quiz) {
            const char type = pos.p <= static_cast<int>(pat.size()) ? pat[pos.p - 1] : '?';
            const int t = type_index(type);
            const std::string* line = t < 0 ? nullptr : bank_line(t, pos.s, pos.k);
            if (!line) {
                fail(q, pos.p, std::string("no question ") + to_string(pos.k) + " of type " + type + " in sector " + to_string(pos.s));
                continue;
            }
            const Verse at = verse_of(*line);
            const Sector& sec = sectors_[pos.s];
            if (pos.letter != season_.book_of(at.ch).letter || pos.ch != season_.within(at.ch) || pos.v != at.v)
                fail(q, pos.p, "the list's reference is not its question's");
            if (at.v < 1 || at.v > season_.verses(at.ch) || at.key() < material(2).key() || at.key() > material(3).key())
                fail(q, pos.p, "a reference outside the material");
            // A specialty of a verse without regular questions may lie between two sectors.
            const bool spec = t > 0;
            const int lo = !spec ? sec.from.key() : sectors_.count(pos.s - 1) ? sectors_[pos.s - 1].to.key() : 0;
            const int hi = spec && sectors_.count(pos.s + 1) ? sectors_[pos.s + 1].from.key() : sec.to.key();
            if (at.key() < lo || at.key() > hi) fail(q, pos.p, std::string("a reference outside its sector ") + type + " " + to_string(pos.s) + "/" + to_string(pos.k) + " " + to_string(at.key()) + " " + to_string(sec.from.key()) + "-" + to_string(sec.to.key()));
            auto [code, text] = code_and_text(type, *line);
            if (trim(code) != pos.code || !text.starts_with(pos.text)) fail(q, pos.p, "the list's text is not its question's: " + pos.text);
            if (!used_[t][pos.s].insert(pos.k).second) {
                ++report_.early_repeats;
                if (n(14) <= 0) fail(q, pos.p, std::string("question ") + type + " " + to_string(pos.s) + "/" + to_string(pos.k) + " used again before its repeats");
            }
            ++uses_[t][pos.s];
            if (t == 0) ++regular, asking += is_interrogative(*line);
        }
        const int wanted = regular * n(10) / 100;
        if (n(10) != 50 && (given_up_ == 0 || q < given_up_) && asking != wanted)
            fail(q, 0, to_string(asking) + " interrogatives where " + to_string(wanted) + " were asked for");
    }

    // A type's questions are used again only once every sector that still holds an
    // unused one is taken in the quiz, or when the FTV repeats are due (7.4).
    void check_specialty_repeats(int q, const std::string& pat, const std::set<int>& taken) {
        int ftv = 0;
        for (auto& [s, sec] : sectors_) ftv += sec.count[1];
        if (q == 1) ftv_due_ = n(17) > 0 ? ftv * 4 / n(17) / 5 : 100;
        const bool due = q > ftv_due_ && q > 3 && pat.find('F') < static_cast<size_t>(n(7));
        if (due && !type_reset_[1].count(q)) fail(q, 0, "FTV repeats were due");
        for (int t = 1; t < 4; ++t) {
            if (!type_reset_[t].count(q)) continue;
            for (auto& [s, sec] : sectors_)
                if (!(t == 1 && due) && uses_[t][s] < sec.count[t] && !taken.count(s))
                    fail(q, 0, std::string("repeats of ") + TYPES[t] + " began with questions left in sector " + to_string(s));
            used_[t].clear();
            uses_[t].clear();
            if (t == 1) ftv_due_ = q + ftv * 4 / std::max(n(17), 1) / 5;
        }
    }

    // Each layout's positions: the number shown (up to AB), the type code and the
    // reference; and the layout's own widths and lengths.
    std::vector<std::vector<Shown>> read_packet() {
        const std::string text = slurp(dir_ / (name_ + ".qui"));
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string l; std::getline(in, l);) lines.push_back(l);
        std::vector<std::vector<Shown>> out;
        std::smatch m;
        const char layout = c(6);
        if (layout == 'P') {
            const std::regex title(R"(^\f?.*Quiz Number +\d+$)"),
                first(R"(^(.{6})(..)\. (.{61})([A-Z]) (..):(..)$)");
            int page = 0;
            for (const std::string& l : lines) {
                if (!l.empty() && l[0] == '\f') page = 0;
                if (++page > n(5)) fail(static_cast<int>(out.size()), 0, "a page longer than " + style_[5] + " lines");
                if (width(l) - (l[0] == '\f') > 78) fail(static_cast<int>(out.size()), 0, "a line wider than 78: " + l);
                if (std::regex_match(l, m, title)) out.emplace_back();
                else if (!out.empty() && std::regex_match(l, m, first))
                    out.back().push_back({trim(m[2]), trim(m[1]), m.str(4)[0], number(m[5]), number(m[6])});
            }
        } else if (layout == 'C') {
            const std::regex header(R"(^    ([A-Z]) (..).(..)(.*)Quiz (\d+)$)");
            if (lines.size() % 18 != 0) fail(0, 0, "the cards are not 18 lines each");
            for (size_t i = 0; i < lines.size(); ++i) {
                if (width(lines[i]) > 48) fail(static_cast<int>(out.size()), 0, "a card line wider than 48: " + lines[i]);
                if (lines[i] == "    Quiz Number " + to_string(out.size() + 1)) out.emplace_back();
                if (out.empty() || !std::regex_match(lines[i], m, header)) continue;
                if (i % 18 != 2 || i + 3 >= lines.size()) fail(static_cast<int>(out.size()), 0, "a card header off its place");
                const std::string num = i + 3 < lines.size() ? lines[i + 3] : "";
                out.back().push_back({trim(num.substr(0, num.find('.'))), trim(m[4]), m.str(1)[0], number(m[2]), number(m[3])});
            }
        } else {
            const std::regex header(R"(^Quiz (\d+)\t.*)"), line(R"(^([^\t]*)\t([^\t]*)\t.*\(([A-Z]) (..).(..)\)$)");
            for (const std::string& l : lines) {
                if (std::regex_match(l, m, header)) out.emplace_back();
                else if (!out.empty() && std::regex_match(l, m, line)) {
                    if (std::count(l.begin(), l.end(), '\t') != 4) fail(static_cast<int>(out.size()), 0, "not five fields: " + l);
                    out.back().push_back({trim(m[1]), trim(m[2]), m.str(3)[0], number(m[4]), number(m[5])});
                }
            }
            if (std::count(lines.begin(), lines.end(), "<pb>") != static_cast<long>(out.size())) fail(0, 0, "a quiz without <pb>");
        }
        return out;
    }

    // The packet and the list hold the same quizzes, position by position.
    void check_packet() {
        const auto packet = read_packet();
        if (packet.size() != quizzes_.size()) fail(0, 0, "the packet holds " + to_string(packet.size()) + " quizzes");
        for (size_t q = 0; q < packet.size() && q < quizzes_.size(); ++q) {
            if (packet[q].size() != quizzes_[q].size()) fail(static_cast<int>(q + 1), 0, "packet and list differ in positions");
            for (size_t i = 0; i < packet[q].size() && i < quizzes_[q].size(); ++i) {
                const Shown& s = packet[q][i];
                const Position& l = quizzes_[q][i];
                const std::string shown = l.p <= n(9) ? to_string(l.p) : "";
                if (s.letter != l.letter || s.ch != l.ch || s.v != l.v || s.code.substr(0, 5) != l.code.substr(0, 5) ||
                    s.number != shown)
                    fail(static_cast<int>(q + 1), l.p, "packet and list disagree: " + s.code + " " + s.letter + " " +
                                                           to_string(s.ch) + ":" + to_string(s.v));
            }
        }
    }

    fs::path dir_;
    std::vector<std::string> style_, pats_;
    Season season_;
    std::string name_;
    std::array<std::vector<std::string>, 4> bank_;
    std::array<int, 4> before_{};
    std::map<int, Sector> sectors_;
    std::vector<std::vector<Position>> quizzes_;
    std::set<int> regular_reset_, sectors_repeat_;
    std::map<int, std::set<int>> restarted_;
    std::array<std::set<int>, 4> type_reset_;
    int given_up_ = 0, ftv_due_ = 0;
    std::array<std::map<int, std::set<int>>, 4> used_;  // per type and sector, since its repeats began
    std::array<std::map<int, int>, 4> uses_;
    RunReport report_;
};

}  // namespace

RunReport check_run(const fs::path& dir, const std::string& style) { return Checker(dir, style).check(); }

}  // namespace tv::test
