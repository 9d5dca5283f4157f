// Checks the committed demo question bank (examples/bank/) and the shipped style files
// (data/) against the formats the program reads, so that a regenerated bank or an edited
// style cannot break a run on the demo material.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr std::array<int, 22> kVerseCount = {
    0, 32, 29, 31, 25, 21, 23, 25, 39, 33, 21, 36, 21, 14, 23, 33, 27, 27, 26, 18, 17, 20};

const fs::path kRoot = TV_SOURCE_DIR;
const fs::path kBank = kRoot / "examples" / "bank";
const fs::path kData = kRoot / "data";

const std::vector<std::string> kRegularFiles = {"RJ.A", "RJ.B", "RJ.C"};
const std::vector<std::string> kReferenceFiles = {"cv.b", "co.b", "cv.c", "co.c"};

std::vector<std::string> ftvFiles() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kBank)) {
        std::string name = entry.path().filename().string();
        if (name.rfind("FTV.", 0) == 0) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Lines of a file without their LF; fails the test on a CR or a missing file.
std::vector<std::string> readLines(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot open " << path;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        EXPECT_EQ(line.find('\r'), std::string::npos) << path << ": CR in line " << lines.size() + 1;
        lines.push_back(line);
    }
    return lines;
}

struct Located {
    int chapter = 0;
    int verse = 0;
};

// Columns 1-2 chapter and 4-5 verse, right-aligned; column 3 a blank, column 6 a TAB.
bool parseHead(const std::string& line, Located& at) {
    if (line.size() < 7 || line[2] != ' ' || line[5] != '\t') return false;
    auto field = [](char a, char b, int& out) {
        if (!std::isdigit(static_cast<unsigned char>(b))) return false;
        if (a != ' ' && !std::isdigit(static_cast<unsigned char>(a))) return false;
        out = (a == ' ' ? 0 : (a - '0') * 10) + (b - '0');
        return true;
    };
    return field(line[0], line[1], at.chapter) && field(line[3], line[4], at.verse);
}

using VerseCounts = std::map<std::pair<int, int>, int>;

// Checks what every question file shares and returns the count per verse.
VerseCounts checkQuestionLines(const std::string& name) {
    const auto lines = readLines(kBank / name);
    EXPECT_FALSE(lines.empty()) << name;
    VerseCounts counts;
    Located prev;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Located at;
        const std::string where = name + ":" + std::to_string(i + 1);
        if (!parseHead(lines[i], at)) {
            ADD_FAILURE() << where << ": bad question line head";
            continue;
        }
        EXPECT_GE(at.chapter, 1) << where;
        EXPECT_LE(at.chapter, 21) << where;
        if (at.chapter < 1 || at.chapter > 21) continue;
        EXPECT_GE(at.verse, 1) << where;
        EXPECT_LE(at.verse, kVerseCount[at.chapter]) << where;
        EXPECT_TRUE(at.chapter > prev.chapter ||
                    (at.chapter == prev.chapter && at.verse >= prev.verse))
            << where << ": out of order";
        prev = at;
        ++counts[{at.chapter, at.verse}];
    }
    for (const auto& [verse, n] : counts)
        EXPECT_LE(n, 255) << name << ": too many questions in " << verse.first << ":" << verse.second;
    return counts;
}

int total(const VerseCounts& counts, int bc, int bv, int ec, int ev) {
    int n = 0;
    for (const auto& [verse, c] : counts)
        if (verse >= std::make_pair(bc, bv) && verse <= std::make_pair(ec, ev)) n += c;
    return n;
}

// "question TAB answer", both parts non-empty, without the run of three blanks that ends the
// text in the tab layout.
void expectQuestionAndAnswer(const std::string& text, const std::string& where) {
    const auto tab = text.find('\t');
    ASSERT_NE(tab, std::string::npos) << where << ": no TAB before the answer";
    EXPECT_GT(tab, 0u) << where << ": empty question";
    EXPECT_LT(tab + 1, text.size()) << where << ": empty answer";
    EXPECT_EQ(text.find('\t', tab + 1), std::string::npos) << where << ": second TAB";
    EXPECT_EQ(text.find("   "), std::string::npos) << where << ": three blanks in a row";
}

// ---------------------------------------------------------------------------------------

TEST(DemoBank, RegularListsHaveQuestionLines) {
    for (const auto& name : kRegularFiles) {
        const auto counts = checkQuestionLines(name);
        EXPECT_GE(total(counts, 1, 1, 21, 20), 1200) << name;
        const auto lines = readLines(kBank / name);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string where = name + ":" + std::to_string(i + 1);
            EXPECT_LE(lines[i].size(), 254u) << where << ": readers keep 254 characters";
            if (lines[i].size() > 6) expectQuestionAndAnswer(lines[i].substr(6), where);
        }
    }
}

// Sectoring by verse passes over at most four verses without regular questions before it
// takes a chapter as ended; the demo bank must show that case.
TEST(DemoBank, SomeChapterHasFiveVersesWithoutRegularQuestions) {
    bool found = false;
    for (const auto& name : kRegularFiles) {
        const auto counts = checkQuestionLines(name);
        for (int ch = 1; ch <= 21 && !found; ++ch) {
            int run = 0;
            for (int v = 1; v <= kVerseCount[ch]; ++v) {
                run = counts.count({ch, v}) ? 0 : run + 1;
                if (run >= 5 && v < kVerseCount[ch]) found = true;
            }
        }
    }
    EXPECT_TRUE(found);
}

// The interrogative index clears its mark for these openings; the demo lists should hold
// each one that fits this material.
TEST(DemoBank, RegularListsExerciseTheInterrogativeExceptions) {
    const std::vector<std::string> exceptions = {
        "What I ",   "When I ",    "When a ",    "When he ",   "When God",   "When we ",
        "When Gent", "When temp",  "When you ",  "When his ",  "When the ",  "How much m",
        "How beauti", "How much l", "When this ", "When they ", "Where sin ", "Where you ",
        "How shall w", "When there ", "When everyth", "Where these "};
    std::set<std::string> seen;
    bool lowerCaseWhat = false;
    for (const auto& name : kRegularFiles)
        for (const auto& line : readLines(kBank / name)) {
            for (const auto& e : exceptions)
                if (line.compare(6, e.size(), e) == 0) seen.insert(e);
            if (line.compare(6, 5, "what ") == 0) lowerCaseWhat = true;
        }
    for (const auto& e : exceptions) EXPECT_TRUE(seen.count(e)) << "no question opens \"" << e << "\"";
    EXPECT_TRUE(lowerCaseWhat);
}

TEST(DemoBank, FtvLinesCarryTypeCodesAndVerseText) {
    const auto names = ftvFiles();
    ASSERT_FALSE(names.empty());
    bool anyVr = false;
    for (const auto& name : names) {
        checkQuestionLines(name);
        std::set<char> kinds;
        int quotes = 0, long254 = 0;
        const auto lines = readLines(kBank / name);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            const std::string where = name + ":" + std::to_string(i + 1);
            ASSERT_GE(line.size(), 12u) << where;
            EXPECT_LE(line.size(), 508u) << where << ": readers keep 508 characters";
            if (line.size() > 254) ++long254;
            const auto tab = line.find('\t', 6);
            ASSERT_NE(tab, std::string::npos) << where << ": no TAB after the type code";
            const std::string text = line.substr(tab + 1);
            EXPECT_EQ(text.find('\t'), std::string::npos) << where;
            if (line[6] == 'Q') {
                ++quotes;
                EXPECT_EQ(tab, 10u) << where << ": quote text must start in column 12";
            } else {
                EXPECT_EQ(line[6], 'F') << where;
                EXPECT_TRUE(tab == 9 || tab == 10) << where << ": code of 3 or 4 characters";
                // The page layout prints the first five words, up to the fifth blank.
                int blanks = 0;
                for (std::size_t k = 1; k < text.size(); ++k) blanks += text[k] == ' ';
                EXPECT_GE(blanks, 5) << where;
            }
            const char kind = line[8];
            EXPECT_TRUE(std::string("abcdeV").find(kind) != std::string::npos)
                << where << ": kind letter in column 9";
            if (kind == 'V' && line[9] == 'R') {
                anyVr = true;
                kinds.insert('R');
            } else {
                kinds.insert(kind);
            }
        }
        EXPECT_GE(kinds.size(), 4u) << name << ": kinds should vary";
        EXPECT_GT(quotes, 0) << name;
        EXPECT_GT(long254, 0) << name << ": no line needs the second 254 characters";
    }
    EXPECT_TRUE(anyVr);
}

TEST(DemoBank, ReferenceFilesHaveTwoCharacterCodes) {
    for (const auto& name : kReferenceFiles) {
        const auto counts = checkQuestionLines(name);
        std::set<int> chapters;
        for (const auto& [verse, n] : counts) chapters.insert(verse.first);
        EXPECT_EQ(chapters.size(), 21u) << name << ": every chapter should have some";
        const auto lines = readLines(kBank / name);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string where = name + ":" + std::to_string(i + 1);
            ASSERT_GE(lines[i].size(), 12u) << where;
            EXPECT_LE(lines[i].size(), 254u) << where;
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(lines[i][6])) &&
                        std::isupper(static_cast<unsigned char>(lines[i][7])))
                << where << ": code in columns 7-8";
            EXPECT_EQ(lines[i][8], '\t') << where << ": TAB in column 9";
            // The text follows "According to Romans chapter 1 verse 5, " when printed.
            EXPECT_TRUE(std::islower(static_cast<unsigned char>(lines[i][9])))
                << where << ": question should continue the printed reference";
            expectQuestionAndAnswer(lines[i].substr(9), where);
        }
    }
}

// ---------------------------------------------------------------------------------------
// Style files

struct Style {
    std::string lg;
    int bchap = 0, bver = 0, echap = 0, ever = 0;
    std::string name4;
    int lpp = 0;
    std::string out;
    int qmax = 0;
    std::string reglst;
    int ab = 0, ipc = 0;
    std::string indx;
    int qnum = 0;
    std::string sec1;
    int repeatpct = 0, spmax = 0, spmin = 0, fmax = 0, fmin = 0, rmax = 0, rmin = 0;
    int omax = 0, omin = 0, smax = 0, smin = 0, primpct = 0, spearly = 0, splate = 0;
    std::string setspc, typ;
};

Style readStyle(const fs::path& path) {
    const auto lines = readLines(path);
    EXPECT_EQ(lines.size(), 29u) << path;
    Style s;
    if (lines.size() != 29) return s;
    auto num = [&](int n) { return std::stoi(lines[n - 1]); };
    std::istringstream(lines[1]) >> s.bchap >> s.bver;
    std::istringstream(lines[2]) >> s.echap >> s.ever;
    s.lg = lines[0];
    s.name4 = lines[3];
    s.lpp = num(5);
    s.out = lines[5];
    s.qmax = num(7);
    s.reglst = lines[7];
    s.ab = num(9);
    s.ipc = num(10);
    s.indx = lines[10];
    s.qnum = num(12);
    s.sec1 = lines[12];
    s.repeatpct = num(14);
    s.spmax = num(15);
    s.spmin = num(16);
    s.fmax = num(17);
    s.fmin = num(18);
    s.rmax = num(19);
    s.rmin = num(20);
    s.omax = num(21);
    s.omin = num(22);
    s.smax = num(23);
    s.smin = num(24);
    s.primpct = num(25);
    s.spearly = num(26);
    s.splate = num(27);
    s.setspc = lines[27];
    s.typ = lines[28];
    return s;
}

std::string ftvName(int primpct) {
    return primpct == 100 ? "FTV.00" : "FTV." + std::to_string(primpct);
}

std::vector<std::string> styleNames() {
    auto list = readLines(kData / "Specs.lst");
    EXPECT_FALSE(list.empty());
    if (!list.empty()) {
        EXPECT_EQ(list.back(), "Enter New Specs");
        list.pop_back();
    }
    EXPECT_LE(list.size(), 16u) << "the menu shows at most 16 style names";
    list.push_back("New");  // the new-style template
    return list;
}

void expectValidStyle(const std::string& name, const Style& s) {
    SCOPED_TRACE(name);
    EXPECT_EQ(s.lg.size(), 1u);
    EXPECT_NE(s.lg, "L") << "the demo bank has no LL files";
    for (int ch : {s.bchap, s.echap}) {
        EXPECT_GE(ch, 1);
        EXPECT_LE(ch, 21);
    }
    if (s.bchap < 1 || s.bchap > 21 || s.echap < 1 || s.echap > 21) return;
    EXPECT_GE(s.bver, 1);
    EXPECT_LE(s.bver, kVerseCount[s.bchap]);
    EXPECT_GE(s.ever, 1);
    EXPECT_LE(s.ever, kVerseCount[s.echap]);

    EXPECT_TRUE(s.name4.size() >= 1 && s.name4.size() <= 10) << s.name4;
    for (char c : s.name4)
        EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(c)) || (c >= '1' && c <= '9'))
            << "output name " << s.name4;
    EXPECT_GE(s.lpp, 18);
    EXPECT_LE(s.lpp, 500);
    EXPECT_TRUE(s.out == "P" || s.out == "C" || s.out == "T");
    EXPECT_GE(s.qmax, 2);
    EXPECT_LE(s.qmax, 30);
    EXPECT_TRUE(s.reglst == "A" || s.reglst == "B" || s.reglst == "C");
    EXPECT_GE(s.ab, 1);
    EXPECT_LE(s.ab, 99);
    EXPECT_LE(s.ipc, 100);
    EXPECT_TRUE(s.indx == "Y" || s.indx == "N");
    EXPECT_GE(s.qnum, 1);
    EXPECT_LE(s.qnum, 100);
    EXPECT_TRUE(s.sec1 == "C" || s.sec1 == "V" || s.sec1 == "Q");
    EXPECT_LE(s.repeatpct, 100);
    EXPECT_LE(s.spmax, 20);
    EXPECT_LE(s.spmin, s.spmax);
    for (auto [mx, mn] : {std::pair{s.fmax, s.fmin}, {s.rmax, s.rmin}, {s.omax, s.omin}}) {
        EXPECT_LE(mx, 10);
        EXPECT_LE(mn, mx);
        EXPECT_GE(mn, 0);
    }
    EXPECT_EQ(s.smax, 0) << "the bank has no SIT file";
    EXPECT_EQ(s.smin, 0);
    const int p = s.primpct;
    EXPECT_TRUE((p >= 57 && p <= 60) || (p >= 68 && p <= 70) || (p >= 78 && p <= 80) ||
                (p >= 88 && p <= 90) || (p >= 97 && p <= 100))
        << "Pct Prim FTV " << p;
    EXPECT_GE(s.spearly, 1);
    EXPECT_LE(s.spearly, 10);
    EXPECT_LE(s.spearly, s.splate);
    EXPECT_TRUE(s.setspc == "Y" || s.setspc == "N");

    // The checks the form applies before a style can be accepted.
    EXPECT_LE(s.fmin + s.rmin + s.omin + s.smin, s.spmin);
    EXPECT_GE(s.fmax + s.rmax + s.omax + s.smax, s.spmax);
    EXPECT_LE(s.splate, s.qmax);
    EXPECT_GE(s.splate - s.spearly + 1, s.spmax);
    if (s.setspc == "Y") {
        EXPECT_EQ(s.fmin, s.fmax);
        EXPECT_EQ(s.rmin, s.rmax);
        EXPECT_EQ(s.omin, s.omax);
    }
    EXPECT_TRUE(s.bchap < s.echap || (s.bchap == s.echap && s.bver <= s.ever));

    // Position-type line.
    ASSERT_EQ(s.typ.size(), 30u);
    if (s.setspc == "N") {
        for (int pos = 1; pos <= 30; ++pos)
            EXPECT_EQ(s.typ[pos - 1], pos >= s.spearly && pos <= s.splate ? 'A' : 'n')
                << "position " << pos;
    } else {
        std::map<char, int> n;
        for (int pos = 1; pos <= 30; ++pos) {
            const char c = s.typ[pos - 1];
            if (c == 'n') continue;
            EXPECT_TRUE(c == 'F' || c == 'R' || c == 'O') << "position " << pos;
            EXPECT_TRUE(pos >= s.spearly && pos <= s.splate) << "position " << pos;
            ++n[c];
        }
        EXPECT_EQ(n['F'], s.fmax);
        EXPECT_EQ(n['R'], s.rmax);
        EXPECT_EQ(n['O'], s.omax);
        EXPECT_EQ(n['F'] + n['R'] + n['O'], s.spmax);
    }
}

TEST(ShippedStyles, EveryListedStyleIsValid) {
    std::set<std::string> outputs;
    for (const auto& name : styleNames()) {
        const fs::path path = kData / (name + ".spe");
        ASSERT_TRUE(fs::exists(path)) << path;
        const Style s = readStyle(path);
        expectValidStyle(name, s);
        EXPECT_TRUE(outputs.insert(s.name4).second) << name << ": output name used twice";
    }
}

// A run stops when the material holds fewer regular questions than sectors or no question
// of a specialty type the style asks for; the tables also hold at most 100 regular and 50
// FTV questions per sector, so the average sector must stay well below that.
TEST(ShippedStyles, DemoBankServesEveryStyle) {
    for (const auto& name : styleNames()) {
        SCOPED_TRACE(name);
        const Style s = readStyle(kData / (name + ".spe"));
        const std::string regular = "RJ." + s.reglst;
        const std::string suffix = s.reglst == "C" ? ".c" : ".b";
        for (const auto& file : {regular, ftvName(s.primpct), "cv" + suffix, "co" + suffix})
            ASSERT_TRUE(fs::exists(kBank / file)) << file;

        auto inMaterial = [&](const std::string& file) {
            return total(checkQuestionLines(file), s.bchap, s.bver, s.echap, s.ever);
        };
        const int tquest = inMaterial(regular);
        const int fquest = inMaterial(ftvName(s.primpct));
        EXPECT_GE(tquest, s.qmax);
        EXPECT_LE(tquest / s.qmax, 80);
        EXPECT_LE(fquest / s.qmax, 40);
        if (s.fmax > 0) {
            EXPECT_GT(fquest, 0);
        }
        if (s.rmax > 0) {
            EXPECT_GT(inMaterial("cv" + suffix), 0);
        }
        if (s.omax > 0) {
            EXPECT_GT(inMaterial("co" + suffix), 0);
        }
    }
}

TEST(ShippedStyles, EveryFtvFileBelongsToAShippedStyle) {
    std::set<std::string> used;
    for (const auto& name : styleNames()) used.insert(ftvName(readStyle(kData / (name + ".spe")).primpct));
    for (const auto& file : ftvFiles()) EXPECT_TRUE(used.count(file)) << file << " is unused";
}

}  // namespace
