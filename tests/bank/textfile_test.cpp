#include <gtest/gtest.h>

#include "bank/textfile.h"
#include "support/support.h"

using namespace tv;

TEST(TextReader, AcceptsLfAndCrLfAndALastLineWithoutLineEnd) {
    for (std::string text : {"one\ntwo\nthree", "one\r\ntwo\r\nthree\r\n"}) {
        TextReader in("f", text);
        EXPECT_EQ(in.read_line(), "one");
        EXPECT_EQ(in.read_line(), "two");
        EXPECT_FALSE(in.eof());
        EXPECT_EQ(in.read_line(), "three");
        EXPECT_TRUE(in.eof());
    }
}

TEST(TextReader, ALongLineIsCutAndItsRestSkipped) {
    TextReader in("f", "abcdefgh\nnext\n");
    EXPECT_EQ(in.read_line(3), "abc");
    EXPECT_EQ(in.read_line(3), "nex");
    EXPECT_TRUE(in.eof());
}

TEST(TextReader, FreeFormatIntegersSkipBlanksTabsAndLineEnds) {
    TextReader in("f", "  12 -3\t+4\r\n\n  7\n");
    EXPECT_EQ(in.read_int(), 12);
    EXPECT_EQ(in.read_int(), -3);
    EXPECT_EQ(in.read_int(), 4);
    EXPECT_EQ(in.read_int(), 7);
    EXPECT_EQ(in.line_no(), 3);
}

TEST(TextReader, ANonNumberIsAnErrorNamingTheFileAndLine) {
    TextReader in("count.58A", "1 2\n3 x4\n");
    in.read_int();
    in.read_int();
    in.read_int();
    try {
        in.read_int();
        FAIL();
    } catch (const IoError& e) {
        EXPECT_EQ(e.file, "count.58A");
        EXPECT_EQ(e.line, 2);
        EXPECT_STREQ(e.what(), "cannot read a number from \"count.58A\" (line 2): \"x4\" is not a number");
    }
    TextReader empty("e", "  \n");
    EXPECT_THROW(empty.read_int(), IoError);
}

TEST(Files, AMissingFileIsAnIoError) {
    test::TempDir dir;
    try {
        dir.files().read("RJ.A");
        FAIL();
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "cannot open \"RJ.A\" for reading: No such file or directory");
    }
}

TEST(Files, ASafeReplacementTakesEffectOnlyOnClose) {
    test::TempDir dir;
    dir.write("Specs.lst", "Old\nEnter New Specs\n");
    Files files = dir.files();
    {
        TextWriter out = files.replace_safely("Specs.lst");
        out.writeln("Half");
        // abandoned without close: the old file stays
    }
    EXPECT_EQ(dir.read("Specs.lst"), "Old\nEnter New Specs\n");
    {
        TextWriter out = files.replace_safely("Specs.lst");
        out.writeln("New");
        out.close();
    }
    EXPECT_EQ(dir.read("Specs.lst"), "New\n");
    int files_left = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path())) (void)e, ++files_left;
    EXPECT_EQ(files_left, 1);  // no temporary file left behind
}

TEST(Files, AFullDiskIsReportedAndTheOldFileKept) {
    test::TempDir dir;
    std::filesystem::create_symlink("/dev/full", dir.path() / "packet.qui");
    TextWriter out = dir.files().create("packet.qui");
    EXPECT_THROW({
        out.write(std::string(100000, 'x'));
        out.close();
    }, IoError);
}
