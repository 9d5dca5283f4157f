// The list file counts UTF-8 text in characters: curly text, turned back, gives
// the line of the plain text, and a cut never splits a character.
#include <gtest/gtest.h>

#include "assembly/assembly.h"
#include "support/curly.h"

using namespace tv;

TEST(Utf8List, CurlyTextTakesTheColumnsOfPlainText) {
    AssemblyTables at;
    QuizTables straight;
    straight.TYP = "RnnF";
    straight.SECTOR = {0, 1, 2, 3, 4};
    straight.RLBK = {' ', 'R', 'R', 'J', 'J'};
    const std::string long_text = "Whose \"faith\" is spoken of in the whole world, Paul's letter says?";
    straight.ALL[1] = " 1: 8\tCV\t" + long_text + "\tthe Romans'";
    straight.ALL[2] = " 1: 8\t" + long_text + "\tthe Romans'";
    straight.ALL[3] = " 1: 2\tWho's \"wise\"?\tanswer";
    straight.ALL[4] = " 1: 2\tFTVe\t" + long_text;
    QuizTables fancy = straight;
    for (int p = 1; p <= 4; ++p) fancy.ALL[p] = test::curly(straight.ALL[p]);
    for (int p = 1; p <= 4; ++p) {
        const std::string line = list_line(at, fancy, p);
        EXPECT_EQ(test::plain(line), list_line(at, straight, p)) << "position " << p;
        EXPECT_NE(line.find("\u00e9"), std::string::npos) << "position " << p;
    }
}
