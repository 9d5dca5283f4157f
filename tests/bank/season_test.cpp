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

Season parse(const std::string& text) {
    TextReader in(MATERIAL_FILE, text);
    return read_season(in);
}

}  // namespace

TEST(Season, ChaptersRunAcrossTheBooks) {
    const Season s = parse(THREE_BOOKS);
    EXPECT_EQ(s.name, "Hebrews and 1-2 Peter");
    EXPECT_EQ(s.chapters(), 21);
    EXPECT_EQ(s.rows(), 45);  // the longest chapter (40) is below the least
    EXPECT_EQ(s.book_of(14).name, "1 Peter");
    EXPECT_EQ(std::tuple(s.within(14), s.within(13), s.within(21)), std::tuple(1, 13, 3));
    EXPECT_EQ(std::tuple(s.verses(11), s.verses(18), s.verses(22), s.verses(0)), std::tuple(40, 14, 0, 0));
    EXPECT_EQ(s.book_of(19).letter, 'Q');
    EXPECT_EQ(s.longest_name(), 7);
    EXPECT_TRUE(s.level_l_covers(4) && s.level_l_covers(11) && s.level_l_covers(21));
    EXPECT_FALSE(s.level_l_covers(5) || s.level_l_covers(13) || s.level_l_covers(22));
    // A book's letter in either case names it, H, K, M and P included.
    EXPECT_EQ(s.book_for_key('p'), &s.books[1]);
    EXPECT_EQ(s.book_for_key('P'), &s.books[1]);
    EXPECT_EQ(s.book_for_key('Q'), &s.books[2]);
    EXPECT_EQ(s.book_for_key('r'), nullptr);

    // Without a season line the books name it; without level-L the level covers all.
    const Season two = parse("book A Alpha 60 3\nbook B Beta 2\n");
    EXPECT_EQ(two.name, "Alpha and Beta");
    EXPECT_EQ(two.rows(), 60);
    EXPECT_TRUE(two.level_l_covers(1) && two.level_l_covers(3));
}

TEST(Season, WithoutAMaterialFileTheWorkspaceQuizzesRomansAndJames) {
    test::TempDir dir;
    const Season s = load_season(dir.files());
    EXPECT_EQ(s.name, "Romans and James");
    EXPECT_EQ(std::tuple(s.chapters(), s.rows(), s.verses(8), s.verses(21)), std::tuple(21, 45, 39, 20));
    EXPECT_EQ(std::tuple(s.book_of(16).letter, s.book_of(17).letter, s.within(17)), std::tuple('R', 'J', 1));
    for (int ch = 1; ch <= 21; ++ch) {
        const bool left_out = ch < 5 || ch == 7 || (ch >= 9 && ch <= 11) || (ch >= 14 && ch <= 16);
        EXPECT_EQ(s.level_l_covers(ch), !left_out) << ch;
    }
    dir.write(MATERIAL_FILE, THREE_BOOKS);
    EXPECT_EQ(load_season(dir.files()).chapters(), 21);
    EXPECT_EQ(load_season(dir.files()).books[0].name, "Hebrews");
}

TEST(Season, AMalformedFileIsRefusedWithItsLine) {
    const std::string fifty = " 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";
    struct Case {
        std::string text;
        int line;
        std::string reason;
    } cases[] = {
        {"book R Romans 32 0", 1, "the verse count \"0\" must be a number from 1 to 99"},
        {"book R Romans 32 100", 1, "the verse count \"100\" must be a number from 1 to 99"},
        {"# R\nbook R Romans", 2, "book Romans has no verse counts of its chapters"},
        {"book RJ Romans 3", 1, "a book line begins with the book's one-letter code"},
        {"book R Romans 3\nbook r Revelation 4", 2, "the code R is already taken by another book"},
        {"book R 12 13", 1, "book R has no name"},
        {"book X The Book Of A Name Too Long 3", 1,
         "the book name \"The Book Of A Name Too Long\" is longer than the 26 characters the page layout holds"},
        {"book A Alpha" + fifty + "\nbook B Beta" + fifty, 2, "the books have more than 99 chapters in all"},
        {"season A\nseason B\nbook R Romans 3", 2, "the season is named twice"},
        {"season Romans, James and the Psalms\nbook R Romans 3", 1,
         "the season's name \"Romans, James and the Psalms\" is longer than the 23 characters the banner holds"},
        {"chapters 5", 1, "\"chapters\" is none of season, book, level-L"},
        {"level-L 2-5\nbook R Romans 3 4 5", 1, "the chapter \"5\" must be a number from 2 to 3"},
        {"book R Romans 3\nlevel-L 1 x", 2, "the chapter \"x\" must be a number from 1 to 1"},
        {"# nothing yet\n\n", 0, "the file names no book"},
    };
    for (const Case& c : cases) {
        try {
            parse(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const IoError& e) {
            EXPECT_EQ(e.file, MATERIAL_FILE);
            EXPECT_EQ(e.line, c.line) << c.text;
            EXPECT_EQ(e.reason, c.reason) << c.text;
        }
    }
}

TEST(Season, QuestionLinesAndTheVerseIndexFollowTheMaterial) {
    const Season s = parse(THREE_BOOKS);
    struct Case {
        std::string line, converted;
        char book;
    } cases[] = {
        {" 4  2\tx", " 4  2\tx", 'H'},
        {"13 25\tx", "13 25\tx", 'H'},
        {"14  1\tx", " 1  1\tx", 'P'},
        {"21 18\tx", " 3 18\tx", 'Q'},
        {"22  1\tx", "22  1\tx", 'H'},  // no chapter of the material: left as it is
    };
    for (Case c : cases) {
        EXPECT_EQ(CONVERT2(c.line, s), c.book) << c.converted;
        EXPECT_EQ(c.line, c.converted);
    }
    EXPECT_EQ(read_question_ref("22  1\tx", s).problem, "chapter 22 is outside 1-21");

    // A chapter of 60 verses: the count file gives every chapter 60 rows.
    const Season two = parse("book A Alpha 60 3\nbook B Beta 2\n");
    EXPECT_EQ(read_question_ref(" 1 60\tx", two).problem, "");
    EXPECT_EQ(read_question_ref(" 1 61\tx", two).problem, "verse 61 is outside 1-60");
    test::TempDir dir;
    BankTables t;
    t.QCOUNT[1][60] = 2, t.FCOUNT[3][2] = 1;
    write_index(dir.files(), "count.00A", two, t);
    const std::string index = dir.read("count.00A");
    EXPECT_EQ(std::count(index.begin(), index.end(), '\n'), 3 * 60);
    BankTables back;
    ASSERT_TRUE(load_index(dir.files(), "count.00A", two, back));
    EXPECT_EQ(back.QCOUNT, t.QCOUNT);
    EXPECT_EQ(back.FCOUNT, t.FCOUNT);
    // Read with the built-in material, the file does not fit its layout.
    EXPECT_FALSE(load_index(dir.files(), "count.00A", default_season(), back));
}
