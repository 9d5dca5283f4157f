#include <gtest/gtest.h>

#include <tuple>
#include <functional>
#include <map>

#include "bank/bank.h"
#include "bank/interrogative.h"
#include "bank/question_file.h"
#include "support/support.h"

using namespace tv;

namespace {

const BankNames NAMES = {"RJ.A", "FTV.58", "cv.b", "co.b", "count.58A"};

// The expected count file: every verse with zeros, then the hand-checked lines.
std::string expected_index(const std::map<int, std::string>& lines) {
    std::string s;
    for (int c = 1; c <= 21; ++c)
        for (int v = 1; v <= 45; ++v) {
            const int n = (c - 1) * 45 + v;
            s += lines.count(n) ? lines.at(n) : std::to_string(c) + " " + std::to_string(v) + " 0 0 0 0 0";
            s += "\n";
        }
    return s;
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

struct Silent : MaterialReport {
    void material_begins() override {}
    void building_index() override {}
    void sectoring_material() override {}
    void index_rebuilt(const std::string&) override {}
};

// Lines written "chapter verse\tq" carry the code of their file's kind.
std::string coded(const std::string& file, std::string text) {
    const std::string code = file == "FTV.58" ? "F1a\t" : file == "cv.b" ? "CV\t" : file == "co.b" ? "CO\t" : "";
    for (size_t at = text.find("\tq"); at != std::string::npos; at = text.find("\tq", at + code.size() + 2))
        text.insert(at + 1, code);
    return text;
}

struct BankRun {
    test::TempDir dir;
    void write(const std::string& file, const std::string& text) { dir.write(file, coded(file, text)); }
    Silent report;
    BankTables t;
    // Indexes the bank as read; `meanwhile` runs between the reading and the index.
    void index(char INDX, const std::function<void()>& meanwhile = {}) {
        const RunBank bank = read_bank(dir.files(), NAMES);
        if (meanwhile) meanwhile();
        index_material(report, dir.files(), index_style(INDX), bank, NAMES, default_season(), t);
    }
};

}  // namespace

TEST(BuildIndex, LinesOutsideTheFormatAreReportedWithFileAndLine) {
    const std::string ok = " 1  1\tq\n";
    // The file, its content, the message.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"RJ.A", ok + "x1  2\tq\n", "cannot index \"RJ.A\" (line 2): the chapter field \"x1\" is not a number"},
        {"RJ.A", ok + "1  45\tq\n", "cannot index \"RJ.A\" (line 2): the chapter field \"1 \" is not a number"},
        {"RJ.A", ok + "22  1\tq\n", "cannot index \"RJ.A\" (line 2): chapter 22 is outside 1-21"},
        {"FTV.58", ok + ok + " 2 30\tq\n", "cannot index \"FTV.58\" (line 3): Romans 2 has 29 verses"},
        {"cv.b", ok + " 2 5x\tq\n", "cannot index \"cv.b\" (line 2): the verse field \"5x\" is not a number"},
        {"cv.b", ok + " 2 123\tq\n", "cannot index \"cv.b\" (line 2): the verse field \"123\" is wider than columns 4-5"},
        {"cv.b", ok + " 2\n", "cannot index \"cv.b\" (line 2): the line has no verse number"},
        {"RJ.A", ok + "12", "cannot index \"RJ.A\" (line 2): the line has no verse number"},
        {"co.b", ok + "\n" + ok, "cannot index \"co.b\" (line 2): the line is empty"},
        {"co.b", ok + " \r\r\n\n" + ok, "cannot index \"co.b\" (line 2): the line is empty"},
        {"co.b", "x\n\n" + ok, "cannot index \"co.b\" (line 1): the chapter field \"x\" is not a number"},
        {"co.b", " 3  1\tq\n 2 20\tq\n",
            "cannot index \"co.b\" (line 2): chapter 2 verse 20 comes after chapter 3 verse 1: the lines "
            "must be sorted by chapter and verse"},
        {"cv.b", "\n  \n", "cannot index \"cv.b\": the file holds no question"},
        {"co.b", ok + " 1  2\tCV\tz\n",
            "cannot index \"co.b\" (line 2): the code \"CV\" is unknown: a line of this file has CO in columns 7-8, then a TAB"},
        {"cv.b", ok + " 1  2\tCVR\tz\n",
            "cannot index \"cv.b\" (line 2): the code \"CVR\" is unknown: a line of this file has CV in columns 7-8, then a TAB"},
        {"FTV.58", ok + " 1  2\tQTa\tz\n",
            "cannot index \"FTV.58\" (line 2): the quote code \"QTa\" is not four characters (such as QTa1)"},
        {"FTV.58", ok + " 1  2\tF1\tz\n",
            "cannot index \"FTV.58\" (line 2): the FTV code \"F1\" is not three to five characters (such as F1a)"}};
    for (const auto& [file, content, message] : cases) {
        BankRun run;
        for (const std::string& name : {NAMES.F3, NAMES.F4, NAMES.F5, NAMES.F6}) run.write(name, ok);
        run.write(file, content);
        EXPECT_EQ(test::error_of([&] { run.index('Y'); }), message);
        EXPECT_FALSE(run.dir.exists("count.58A")) << message;
    }
}

// Every file's lines are checked as the bank is read, before the run goes on.
TEST(BuildIndex, EveryFileIsCheckedAsTheBankIsRead) {
    for (const std::string& bad : {NAMES.F3, NAMES.F4, NAMES.F5, NAMES.F6}) {
        BankRun run;
        for (const std::string& name : {NAMES.F3, NAMES.F4, NAMES.F5, NAMES.F6}) run.write(name, " 1  1\tq\n");
        run.write(bad, " 1  1\tq\nx\n");
        const auto e = test::io_error([&] { check_question_lines(read_bank(run.dir.files(), NAMES), default_season()); });
        EXPECT_EQ(e ? e->file : "no error", bad);
    }
}

// The index counts the copy of the bank the run read, in any of the three line
// ends, even when a file changes on disk between that reading and the index; an index
// kept from an older bank is counted again.
TEST(BuildIndex, CountsTheCopyTheRunRead) {
    // With N, the count file kept is that of a bank of one question.
    const std::pair<std::string, char> cases[] = {{" 1  1\tq\n 1  2\tq\n 3  4\tq\n\n  \n", 'Y'},
        {" 1  1\tq\n 1  2\tq\n 3  4\tq\n", 'N'}, {" 1  1\tq\r\n 1  2\tq\r\n 3  4\tq\r\n\r\n", 'Y'},
        {" 1  1\tq\r 1  2\tq\r 3  4\tq\r\r", 'Y'}};
    for (const auto& [text, INDX] : cases) {
        BankRun run;
        for (const std::string& name : {NAMES.F4, NAMES.F5, NAMES.F6}) run.write(name, " 2  2\tq\n");
        run.write(NAMES.F3, " 1  1\tq\n");
        if (INDX == 'N') run.index('Y');
        run.write(NAMES.F3, text);
        run.index(INDX, [&] { run.dir.write(NAMES.F3, " 4  1\tq\n 4  2\tq\n"); });
        EXPECT_EQ(
            std::tuple(run.t.QCOUNT[1][1], run.t.QCOUNT[1][2], run.t.QCOUNT[3][4], run.t.QCOUNT[4][1]), std::tuple(1, 1, 1, 0))
            << text;
        const std::string written = run.dir.read("count.58A");
        EXPECT_NE(written.find("\n3 4 1 0 0 0 0\n"), std::string::npos) << text;
        EXPECT_NE(written.find("\n4 1 0 0 0 0 0\n"), std::string::npos) << text;
    }
}

TEST(BuildIndex, AtMost255QuestionsOfOneKindInAVerse) {
    BankRun run;
    std::string many;
    for (int i = 0; i < 255; ++i) many += "12 20\tq\n";
    for (const std::string& name : {NAMES.F3, NAMES.F4, NAMES.F5, NAMES.F6}) run.write(name, many);
    run.index('Y');
    EXPECT_EQ(run.t.QCOUNT[12][20], 255);
    EXPECT_EQ(run.t.OCOUNT[12][20], 255);

    run.write("FTV.58", many + "12 20\tq\n");
    EXPECT_THROW(run.index('Y'), IoError);
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
        replace("1 3 0 0 0 0 0\n", ""),                                               // missing
        replace("7 7 0 0 0 0 0", "7 7 0 x 0 0 0"),                                    // not a number
        replace("7 7 0 0 0 0 0", "7 7 0 256 0 0 0"),                                  // not a byte
        replace("7 7 0 0 0 0 0", "7 7 0 0 0 0"),                                      // six fields
        replace("1 1 0 0 0 0 0\n", "1 1 0 0 0 0 0\n1 1 0 0 0 0 0\n"),                 // twice
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
