#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "bank/bank.h"
#include "bank/interrogative.h"
#include "bank/question_file.h"
#include "support/support.h"

using namespace tv;

namespace {

const BankNames NAMES = {"RJ.A", "FTV.58", "cv.b", "co.b", "count.58A"};

// A small bank: chapter fields with a blank, a zero and two digits, a one-digit verse
// followed by a TAB, James, a last line without a line end, an empty line at the end.
void write_small_bank(const test::TempDir& dir) {
    dir.write("RJ.A",
              " 1  1\tWho wrote?\n"
              " 1  1\tTo whom?\n"
              "01  3\tWhat?\n"
              " 9  5\tWhy?\n"
              "17 27\tJames 1:27\n"
              "21 20\tLast");
    dir.write("FTV.58", " 1  1\tF1V\tPaul, a servant\n 9  5\tQTVR\ttext\n\n");
    dir.write("cv.b", "18 26\tCV\tq\n");
    dir.write("co.b", " 1  3\tCO\tq\r\n 1 45\tCO\tq\r\n");  // CR LF line ends
}

// The expected count file: every verse with zeros, then the hand-checked lines.
std::string expected_index(const std::map<int, std::string>& lines) {
    std::string s;
    for (int c = 1; c <= 21; ++c)
        for (int v = 1; v <= 45; ++v) {
            const int n = (c - 1) * 45 + v;
            s += lines.count(n) ? lines.at(n)
                                : std::to_string(c) + " " + std::to_string(v) + " 0 0 0 0 0";
            s += "\n";
        }
    return s;
}

// The count file of the small bank, checked by hand: line (chapter - 1) * 45 + verse.
std::string small_bank_index() {
    return expected_index({
        {1, "1 1 2 1 0 0 0"},
        {3, "1 3 1 0 0 1 0"},
        {45, "1 45 0 0 0 1 0"},
        {8 * 45 + 5, "9 5 1 1 0 0 0"},
        {16 * 45 + 27, "17 27 1 0 0 0 0"},
        {17 * 45 + 26, "18 26 0 0 1 0 0"},
        {20 * 45 + 20, "21 20 1 0 0 0 0"},
    });
}

Style index_style(char INDX) {
    Style s;
    s.INDX = INDX;
    s.BCHAP = 1;
    s.BVER = 2;
    s.ECHAP = 21;
    s.EVER = 45;
    return s;
}

struct BankRun {
    test::TempDir dir;
    ScriptFace face;
    Console con{face};
    BankTables t;
    BankRun() {
        con.normal();
        con.clear();
    }
    void index(char INDX, const std::string& path_list = "") {
        index_material(con, dir.files(), index_style(INDX), NAMES, default_season(), t, path_list);
    }
};

}  // namespace

TEST(QuestionRef, ChapterAndVerseFields) {
    struct Case {
        std::string line;
        int chapter, verse;
    };
    const Case cases[] = {
        {" 9  1\tq", 9, 1}, {"09  1\tq", 9, 1},   {"21  1\tq", 21, 1},  {" 1  5\tq", 1, 5},
        {" 1 45 q", 1, 45}, {" 1:12\tq", 1, 12},  {" 3  7", 3, 7},       {"10\t 8\tq", 10, 8},
    };
    for (const Case& c : cases) {
        const QuestionRef r = read_question_ref(c.line, default_season());
        EXPECT_EQ(r.problem, "") << c.line;
        EXPECT_EQ(r.chapter, c.chapter) << c.line;
        EXPECT_EQ(r.verse, c.verse) << c.line;
    }
}

TEST(BuildIndex, WritesTheCountFileByteForByte) {
    BankRun run;
    write_small_bank(run.dir);
    build_index(run.con, run.dir.files(), NAMES, default_season(), run.t);
    const std::string want = small_bank_index();
    const std::string got = run.dir.read("count.58A");
    EXPECT_EQ(std::count(got.begin(), got.end(), '\n'), 945);
    EXPECT_EQ(got, want);
    EXPECT_EQ(run.t.QCOUNT[9][5], 1);
    EXPECT_EQ(run.t.RCOUNT[18][26], 1);
    // No temporary file is left beside it.
    EXPECT_FALSE(run.dir.exists("count.58A.tv-new"));
}

TEST(BuildIndex, ScreenTexts) {
    BankRun run;
    write_small_bank(run.dir);
    run.con.write_at(1, 10, "left from before");
    build_index(run.con, run.dir.files(), NAMES, default_season(), run.t);
    const Screen& s = run.con.screen();
    EXPECT_EQ(s.line(3), "  Creating index of questions...") << test::dump(s);
    EXPECT_EQ(s.line(4), "");
    EXPECT_EQ(s.line(10), "");
    EXPECT_EQ(s.col(), 1);
    EXPECT_EQ(s.row(), 5);
    EXPECT_EQ(s.at(3, 3).fg, YELLOW);
    EXPECT_EQ(s.at(3, 3).bg, BLUE);
    EXPECT_EQ(s.at(70, 10).bg, BLUE);
}

TEST(BuildIndex, LinesOutsideTheFormatAreReportedWithFileAndLine) {
    struct Case {
        std::string file, content, message;
    };
    const std::string ok = " 1  1\tq\n";
    const Case cases[] = {
        {"RJ.A", ok + "x1  2\tq\n", "cannot index \"RJ.A\" (line 2): the chapter field \"x1\" is not a number"},
        {"RJ.A", ok + "1  45\tq\n", "cannot index \"RJ.A\" (line 2): the chapter field \"1 \" is not a number"},
        {"RJ.A", ok + "22  1\tq\n", "cannot index \"RJ.A\" (line 2): chapter 22 is outside 1-21"},
        {"RJ.A", ok + " 0  1\tq\n", "cannot index \"RJ.A\" (line 2): chapter 0 is outside 1-21"},
        {"FTV.58", ok + ok + " 2 46\tq\n", "cannot index \"FTV.58\" (line 3): verse 46 is outside 1-45"},
        {"FTV.58", " 2  0\tq\n", "cannot index \"FTV.58\" (line 1): verse 0 is outside 1-45"},
        {"cv.b", ok + " 2 5x\tq\n", "cannot index \"cv.b\" (line 2): the verse field \"5x\" is not a number"},
        {"cv.b", " 2 \n", "cannot index \"cv.b\" (line 1): the line has no verse number"},
        // A line that ends right after the chapter field.
        {"cv.b", ok + " 2\n", "cannot index \"cv.b\" (line 2): the line has no verse number"},
        {"RJ.A", ok + "12", "cannot index \"RJ.A\" (line 2): the line has no verse number"},
        {"co.b", ok + "\n" + ok, "cannot index \"co.b\" (line 2): the line is empty"},
        {"co.b", " 2  3\tq\n 2  1\tq\n",
         "cannot index \"co.b\" (line 2): chapter 2 verse 1 comes after chapter 2 verse 3: the lines "
         "must be sorted by chapter and verse"},
        {"co.b", " 3  1\tq\n 2 40\tq\n",
         "cannot index \"co.b\" (line 2): chapter 2 verse 40 comes after chapter 3 verse 1: the lines "
         "must be sorted by chapter and verse"},
        {"RJ.A", "", "cannot index \"RJ.A\": the file holds no question"},
        {"cv.b", "\n  \n", "cannot index \"cv.b\": the file holds no question"},
    };
    for (const Case& c : cases) {
        BankRun run;
        for (const std::string& name : {NAMES.F3, NAMES.F4, NAMES.F5, NAMES.F6}) run.dir.write(name, ok);
        run.dir.write(c.file, c.content);
        try {
            run.index('Y');
            ADD_FAILURE() << "no error for " << c.content;
        } catch (const IoError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_FALSE(run.dir.exists("count.58A")) << c.message;
    }
}

TEST(BuildIndex, AtMost255QuestionsOfOneKindInAVerse) {
    BankRun run;
    std::string many;
    for (int i = 0; i < 255; ++i) many += "12 30\tq\n";
    for (const std::string& name : {NAMES.F3, NAMES.F4, NAMES.F5, NAMES.F6}) run.dir.write(name, many);
    run.index('Y');
    EXPECT_EQ(run.t.QCOUNT[12][30], 255);
    EXPECT_EQ(run.t.OCOUNT[12][30], 255);

    run.dir.write("FTV.58", many + "12 30\tq\n");
    try {
        run.index('Y');
        FAIL();
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(),
                     "cannot index \"FTV.58\" (line 256): more than 255 questions for chapter 12 verse 30");
    }
}

TEST(BuildIndex, AMissingQuestionFileIsAnIoError) {
    BankRun run;
    write_small_bank(run.dir);
    std::filesystem::remove(run.dir.path() / "cv.b");
    EXPECT_THROW(run.index('Y'), IoError);
}

TEST(FoundOnPath, WorkingFolderThenEachDirectoryOfTheList) {
    test::TempDir dir;
    const Files files = dir.files();
    std::filesystem::create_directories(dir.path() / "a");
    std::filesystem::create_directories(dir.path() / "b" / "count.00A");  // a folder, not the file
    dir.write("b/count.00B", "");
    dir.write("count.58A", "");
    const std::string b = (dir.path() / "b").string();

    EXPECT_TRUE(found_on_path(files, "count.58A", ""));
    EXPECT_TRUE(found_on_path(files, "count.00B", "a:" + b));
    EXPECT_TRUE(found_on_path(files, "count.00B", "a::b"));  // relative to the working folder
    EXPECT_FALSE(found_on_path(files, "count.00B", "a"));
    EXPECT_FALSE(found_on_path(files, "count.00A", "a:" + b + ":"));
    EXPECT_FALSE(found_on_path(files, "count.58B", ""));
}

TEST(LoadIndex, SevenFreeFormatNumbersPerEntryStoredAtTheirVerse) {
    test::TempDir dir;
    // Every number on a line of its own, with blanks and TABs around.
    std::string text;
    for (int c = 1; c <= 21; ++c)
        for (int v = 1; v <= 45; ++v)
            for (int n : {c, v, v == 3 ? 7 : 0, c == 2 ? 1 : 0, 0, 0, c == 21 && v == 45 ? 255 : 0})
                text += " \t" + std::to_string(n) + "\n";
    dir.write("count.58A", text);
    BankTables t;
    t.QCOUNT[5][5] = 9;  // left from before: cleared
    ASSERT_TRUE(load_index(dir.files(), "count.58A", default_season(), t));
    EXPECT_EQ(t.QCOUNT[1][3], 7);
    EXPECT_EQ(t.QCOUNT[21][3], 7);
    EXPECT_EQ(t.QCOUNT[5][5], 0);
    EXPECT_EQ(t.FCOUNT[2][44], 1);
    EXPECT_EQ(t.FCOUNT[3][44], 0);
    EXPECT_EQ(t.SCOUNT[21][45], 255);
}

TEST(LoadIndex, EntriesOutOfPlaceOrOutsideTheFormatAreRefused) {
    const std::string good = expected_index({{2, "1 2 3 0 0 0 0"}});
    auto replace = [&](const std::string& from, const std::string& to) {
        std::string s = good;
        s.replace(s.find(from), from.size(), to);
        return s;
    };
    const std::string cases[] = {
        replace("1 2 3 0 0 0 0\n1 3 0 0 0 0 0\n", "1 3 0 0 0 0 0\n1 2 3 0 0 0 0\n"),  // swapped
        replace("1 3 0 0 0 0 0\n", ""),                                                 // missing
        replace("21 45 0 0 0 0 0\n", ""),                                               // ends early
        replace("7 7 0 0 0 0 0", "7 7 0 x 0 0 0"),                                      // not a number
        replace("7 7 0 0 0 0 0", "7 7 0 256 0 0 0"),                                    // not a byte
        replace("7 7 0 0 0 0 0", "7 7 0 -1 0 0 0"),
        replace("7 7 0 0 0 0 0", "7 7 0 0 0 0"),                                        // six fields
        replace("1 1 0 0 0 0 0\n", "1 1 0 0 0 0 0\n1 1 0 0 0 0 0\n"),                   // twice
        "",
    };
    for (const std::string& text : cases) {
        test::TempDir dir;
        dir.write("count.58A", text);
        BankTables t;
        EXPECT_FALSE(load_index(dir.files(), "count.58A", default_season(), t));
    }
    test::TempDir dir;
    dir.write("count.58A", good + "1 1 9 9 9 9 9\n");  // the reading ends with 21:45
    BankTables t;
    EXPECT_TRUE(load_index(dir.files(), "count.58A", default_season(), t));
    EXPECT_EQ(t.QCOUNT[1][2], 3);
    EXPECT_EQ(t.QCOUNT[1][1], 0);
    EXPECT_THROW(load_index(dir.files(), "count.00A", default_season(), t), IoError);
}

TEST(IndexMaterial, BuildsLoadsAndCountsWithTheScreenOfTheStep) {
    BankRun run;
    write_small_bank(run.dir);
    run.con.write_at(1, 3, std::string(80, '#'));
    run.t.TQUEST = 99;
    run.t.FTYPE[1] = {' ', 'x'};
    run.index('Y');
    const Screen& s = run.con.screen();
    EXPECT_EQ(s.line(3), "  Sectoring material...") << test::dump(s);
    EXPECT_EQ(s.line(4), "");
    EXPECT_EQ(s.at(80, 3).bg, BLUE);
    EXPECT_EQ(s.at(3, 3).fg, YELLOW);
    EXPECT_TRUE(run.dir.exists("count.58A"));
    // Material 1:2 to 21:45.
    EXPECT_EQ(run.t.BEFORE, 2);
    EXPECT_EQ(run.t.TQUEST, 4);
    EXPECT_EQ(run.t.FBEFORE, 1);
    EXPECT_EQ(run.t.FQUEST, 1);
    EXPECT_EQ(run.t.RQUEST, 1);
    EXPECT_EQ(run.t.OQUEST, 2);
    EXPECT_TRUE(run.t.FTYPE[1].empty());
}

TEST(IndexMaterial, WithIndxNAMatchingIndexIsReusedAsItIs) {
    BankRun run;
    write_small_bank(run.dir);
    build_index(run.con, run.dir.files(), NAMES, default_season(), run.t);
    const std::string kept = run.dir.read("count.58A");
    run.con.clear();
    run.index('N');
    EXPECT_EQ(run.dir.read("count.58A"), kept);
    EXPECT_EQ(run.t.TQUEST, 4);
    EXPECT_EQ(run.con.screen().line(4), "");
    EXPECT_EQ(run.con.screen().line(3), "  Sectoring material...");
}

TEST(IndexMaterial, WithIndxNAMissingIndexIsBuiltUnlessFoundAlongThePath) {
    BankRun run;
    write_small_bank(run.dir);
    run.index('N');
    EXPECT_TRUE(run.dir.exists("count.58A"));
    EXPECT_EQ(run.con.screen().line(4), "");  // built silently, as asked for

    // Found along the path only: nothing is built, and the working folder lacks it.
    std::filesystem::create_directories(run.dir.path() / "elsewhere");
    std::filesystem::rename(run.dir.path() / "count.58A", run.dir.path() / "elsewhere" / "count.58A");
    EXPECT_THROW(run.index('N', "elsewhere"), IoError);
    EXPECT_FALSE(run.dir.exists("count.58A"));
}

TEST(IndexMaterial, WithIndxNAStaleOrBrokenIndexIsRebuiltWithANote) {
    const std::string stale[] = {
        expected_index({{1, "1 1 1 1 0 0 0"}}),  // counts of older question files
        expected_index({}).substr(0, 100),        // cut short
        "garbage\n",
        [] {  // the counts of the files, but a SIT count where the bank has none
            std::string sit = small_bank_index();
            sit[sit.find('\n') - 1] = '3';
            return sit;
        }(),
    };
    for (const std::string& old : stale) {
        BankRun run;
        write_small_bank(run.dir);
        run.dir.write("count.58A", old);
        run.face.add({key::ENTER});  // the note waits for Return
        run.index('N');
        EXPECT_EQ(run.face.left(), 0u);
        EXPECT_EQ(run.dir.read("count.58A"), small_bank_index());
        const Screen& s = run.con.screen();
        EXPECT_EQ(s.line(3), "  Sectoring material...") << test::dump(s);
        EXPECT_EQ(s.line(4),
                  "  The verse index count.58A did not match the question files; it was rebuilt.");
        EXPECT_EQ(s.at(3, 4).fg, YELLOW);
        EXPECT_EQ(s.line(6), "  Press Return to Continue");
        EXPECT_EQ(run.t.QCOUNT[1][1], 2);
        EXPECT_EQ(run.t.TQUEST, 4);
    }
}

// Bytes above 127 (accented letters, UTF-8 dashes) are question text like any other:
// the index counts the lines and the texts come back as they were.
TEST(BuildIndex, BytesAbove127AreTextLikeAnyOther) {
    BankRun run;
    write_small_bank(run.dir);
    const std::string odd = " 9  5\t\xc9sa\xef" "e \xe2\x80\x94 qui? \xff\tr\xe9" "ponse";
    run.dir.write("RJ.A", " 1  1\tWho wrote?\n" + odd + "\n");
    build_index(run.con, run.dir.files(), NAMES, default_season(), run.t);
    EXPECT_EQ(run.t.QCOUNT[9][5], 1);
    EXPECT_EQ(QuestionFile::load(run.dir.files(), "RJ.A").line(2), odd);
    EXPECT_FALSE(is_interrogative(odd));
}
