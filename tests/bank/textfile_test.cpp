#include <gtest/gtest.h>

#include "bank/textfile.h"
#include "support/support.h"

using namespace tv;

TEST(TextReader, AcceptsLfCrLfAndCrAndALastLineWithoutLineEnd) {
    for (std::string text : {"one\ntwo\nthree", "one\r\ntwo\r\nthree\r\n", "one\rtwo\rthree\r", "one\r\ntwo\rthree"}) {
        TextReader in("f", text);
        EXPECT_EQ(in.read_line(), "one");
        EXPECT_EQ(in.read_line(), "two");
        EXPECT_FALSE(in.eof());
        EXPECT_EQ(in.read_line(), "three");
        EXPECT_TRUE(in.eof());
    }
}

TEST(TextReader, LongLinesAreCutAndIntegersAreFreeFormat) {
    TextReader cut("f", "abcdefgh\nnext\n");
    EXPECT_EQ(cut.read_line(3), "abc");
    EXPECT_EQ(cut.read_line(3), "nex");
    EXPECT_TRUE(cut.eof());

    TextReader in("count.58A", "  12 -3\t+4\r\n\n  7 x4\n");
    for (int want : {12, -3, 4, 7}) EXPECT_EQ(in.read_int(), want);
    EXPECT_THROW(in.read_int(), IoError);  // "x4": the message in Files.AFailureTellsItsOwnReasonAndLeavesNoSideFile
    TextReader empty("e", "  \n");
    EXPECT_THROW(empty.read_int(), IoError);
}
