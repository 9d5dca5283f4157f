#include <gtest/gtest.h>

#include <algorithm>

#include "bank/bank.h"
#include "bank/season.h"
#include "support/support.h"

using namespace tv;

namespace {

const std::string THREE_BOOKS =
    "# Hebrews, then the letters of Peter\n"
    "season Hebrews and 1-2 Peter\n"
    "book H Hebrews 14 18 19 16 14 20 28 13 28 39 40 29 25\n"
    "\n"
    "book P 1 Peter 25 25 22 19 14   # chapters 14-18\n"
    "book Q 2 Peter 22 22 18\n"
    "level-L 1-4 11-12 14-21\n";
const std::string TWO_BOOKS = "book A Alpha 60 3\nbook B Beta 02\n";  // a count may begin with 0

Season parse(const std::string& text) {
    TextReader in(MATERIAL_FILE, text);
    return read_season(in);
}

}  // namespace

TEST(Season, ChaptersRunAcrossTheBooks) {
    const Season s = parse(THREE_BOOKS);
    EXPECT_EQ(std::tuple(s.name, s.chapters(), s.rows(), s.longest_name()), std::tuple("Hebrews and 1-2 Peter", 21, 45, 7));
    EXPECT_EQ(std::tuple(s.book_of(14).name, s.within(14), s.within(13), s.within(21)), std::tuple("1 Peter", 1, 13, 3));
    EXPECT_EQ(std::tuple(s.verses(11), s.verses(18), s.verses(22), s.verses(0)), std::tuple(40, 14, 0, 0));
    EXPECT_TRUE(s.level_l_covers(4) && s.level_l_covers(11) && s.level_l_covers(21));
    EXPECT_FALSE(s.level_l_covers(5) || s.level_l_covers(13) || s.level_l_covers(22));
    EXPECT_TRUE(s.level_l_skips(5) && s.level_l_skips(13) && !s.level_l_skips(14));
    // A book's letter in either case names it.
    EXPECT_EQ(
        std::tuple(s.book_for_key('p'), s.book_for_key('Q'), s.book_for_key('r')), std::tuple(&s.books[1], &s.books[2], nullptr));

    // Without a season line the books name it; without level-L the level covers all.
    const Season two = parse(TWO_BOOKS);
    EXPECT_EQ(std::tuple(two.name, two.rows(), two.level_l_covers(3)), std::tuple("Alpha and Beta", 60, true));
    // Names are measured in characters: 22 and 26 here, in 25 and 31 bytes.
    EXPECT_EQ(parse("season Épîtres de Jean à Jude\nbook X Épître de Jacques à Éphèse 3").longest_name(), 26);

    // Without a material file the workspace quizzes Romans and James (their chapters and
    // verses: the recorded sessions), level L leaving out chapters 1-4, 7, 9-11, 14-16.
    test::TempDir dir;
    const Season rj = load_season(dir.files());
    for (int ch = 1; ch <= 21; ++ch) {
        const bool left_out = ch < 5 || ch == 7 || (ch >= 9 && ch <= 11) || (ch >= 14 && ch <= 16);
        EXPECT_EQ(rj.level_l_covers(ch), !left_out) << ch;
    }
    // Nor with a file of comments alone, as a new workspace has it.
    dir.write(MATERIAL_FILE, "# season NAME\n\n# book M Matthew 25 23\n");
    EXPECT_EQ(load_season(dir.files()).name, "Romans and James");
    dir.write(MATERIAL_FILE, THREE_BOOKS);
    EXPECT_EQ(load_season(dir.files()).books[0].name, "Hebrews");
}

TEST(Season, AMalformedFileIsRefusedWithItsLine) {
    std::string fifty;
    for (int i = 0; i < 50; ++i) fifty += " 1";
    const std::tuple<std::string, int, std::string> cases[] = {// text, line, a part of the reason
        {"book R Romans 32 0", 1, "\"0\" of Romans 2 must be a number from 1 to 99"},
        {"book M Matthew 25 23 17 2S 48", 1, "the verse count \"2S\" of Matthew 4 is not a number"},
        {"book A Alpha 10 99999", 1, "\"99999\" of Alpha 2 must be a number from 1 to 99"},
        {"book RJ Romans 3", 1, "one-letter code"}, {"book R Romans 3\nbook r Revelation 4", 2, "already taken"},
        {"book X The Book Of A Name Too Long 3", 1, "longer than the 26 characters"},
        {"book A Alpha" + fifty + "\nbook B Beta" + fifty, 2, "more than 99 chapters"},
        {"chapters 5", 1, "\"chapters\" is none of season, book, level-L"},
        {"level-L 2-5\nbook R Romans 3 4 5", 1, "\"5\" must be a number from 2 to 3"},
        {"book M Matthew S25 23 17", 1, "the word \"S25\" after \"Matthew\" holds a digit"},
        {"book P 1 Peter 25 25\nbook Q 2 Pe7er 22", 2, "\"Pe7er\" after \"2\" holds a digit"},
        {"season Nothing yet\n# book M Matthew 25\n", 0, "names no book"}, {"book R", 1, "book R has no name"}};
    for (const auto& [text, line, reason] : cases) {
        const auto e = test::io_error([&] { parse(text); });
        ASSERT_TRUE(e) << "accepted: " << text;
        EXPECT_EQ(std::tuple(e->file, e->line), std::tuple(MATERIAL_FILE, line)) << text;
        EXPECT_NE(e->reason.find(reason), std::string::npos) << e->reason;
    }
}

// (How question lines of a three-book material are shown: RunRules over the second
// material.)
TEST(Season, QuestionLinesAndTheVerseIndexFollowTheMaterial) {
    EXPECT_EQ(read_question_ref("22  1\tx", parse(THREE_BOOKS)).problem, "chapter 22 is outside 1-21");

    // A chapter of 60 verses: the count file gives every chapter 60 rows.
    const Season two = parse(TWO_BOOKS);
    EXPECT_EQ(read_question_ref(" 1 60\tx", two).problem, "");
    EXPECT_EQ(read_question_ref(" 1 61\tx", two).problem, "Alpha 1 has 60 verses");
    EXPECT_EQ(read_question_ref(" 2  4\tx", two).problem, "Alpha 2 has 3 verses");
    test::TempDir dir;
    BankTables t, back;
    t.QCOUNT[1][60] = 2, t.FCOUNT[3][2] = 1;
    write_index(dir.files(), "count.00A", two, t);
    const std::string index = dir.read("count.00A");
    EXPECT_EQ(std::count(index.begin(), index.end(), '\n'), 3 * 60);
    ASSERT_TRUE(load_index(dir.files(), "count.00A", two, back));
    EXPECT_EQ(back.QCOUNT, t.QCOUNT);
    EXPECT_EQ(back.FCOUNT, t.FCOUNT);
    // Read with the built-in material, the file does not fit its layout.
    EXPECT_FALSE(load_index(dir.files(), "count.00A", default_season(), back));
}

// The chapter (columns 1-2) and the verse (columns 4-5) are each a number written in
// exactly two columns. A verse written in one column would shift the question text
// by a column, so such a line is refused with the field named, never guessed at.
TEST(QuestionLine, VerseInColumnsFourAndFiveOnly) {
    // line, chapter, verse (0: refused): any separator in column 3, a blank after the verse, CR LF.
    const std::tuple<std::string, int, int> cases[] = {{"17  5\tIf any of you lacks wisdom", 17, 5}, {"17 05\tq", 17, 5},
        {" 1:12\tq", 1, 12}, {"10\t 8\tq", 10, 8}, {" 1 32 q", 1, 32}, {" 3  7\r", 3, 7},
        {" 2 11\t\xe2\x80\x9cGrace\xe2\x80\x9d \xff", 2, 11}, {"17 5\tIf any of you lacks", 17, 0}, {"17 5 \tq", 17, 0},
        {" 1 123\tq", 1, 0}, {" 1  5x\tq", 1, 0}, {" 1 5", 1, 0}, {" 1    6\tq", 1, 0}};
    for (const auto& [line, chapter, verse] : cases) {
        const QuestionRef r = read_question_ref(line, default_season());
        EXPECT_EQ(std::tuple(r.chapter, r.verse), std::tuple(chapter, verse)) << line;
        EXPECT_EQ(r.problem.empty(), verse != 0) << r.problem;
        EXPECT_EQ(r.problem.find("verse") == std::string::npos, verse != 0) << r.problem;
    }
}
