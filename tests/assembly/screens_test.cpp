#include <gtest/gtest.h>

#include "assembly/run_screens.h"
#include "support/support.h"

using namespace tv;
using namespace tv::test;

namespace {

const std::string AUTOMATIC = "Run specialty combinations automatically    ";
const std::string APPROVE = "Approve specialty combinations for each quiz";

bool highlighted(const Screen& sc, int row) {
    return sc.at(16, row).bg == RED && sc.at(16, row).fg == WHITE && sc.at(59, row).bg == RED;
}

}  // namespace

TEST(ApprovalMenu, StartsOnTheTopLineHighlighted) {
    ScriptFace face;
    Console con(face);
    con.normal();
    EXPECT_THROW(approval_menu(con), ScriptExhausted);
    const Screen& sc = con.screen();
    EXPECT_EQ(sc.text(3, 16, 44), AUTOMATIC);
    EXPECT_EQ(sc.text(4, 16, 44), APPROVE);
    EXPECT_TRUE(highlighted(sc, 3));
    EXPECT_EQ(sc.at(16, 4).bg, BLUE);
    EXPECT_EQ(sc.at(16, 4).fg, YELLOW);
    EXPECT_EQ(sc.bg(), BLUE) << "normal colours after drawing";
}

TEST(ApprovalMenu, ArrowsWrapAndEnterGivesTheInvertedMode) {
    struct Case {
        std::vector<int> keys;
        int V;
        int lit;  // highlighted row when the script runs dry
    } cases[] = {
        {{key::ENTER}, 2, 3},                                 // top line: automatic run
        {{ext(key::DOWN), key::ENTER}, 1, 4},                 // bottom line: approve each quiz
        {{ext(key::UP), key::ENTER}, 1, 4},                   // up from the top wraps to the bottom
        {{ext(key::DOWN), ext(key::DOWN), key::ENTER}, 2, 3}, // down from the bottom wraps to the top
        {{'P', 'H', key::ENTER}, 2, 3},                       // typed capitals are no arrows
        {{'p', key::ENTER}, 2, 3},                            // a small p does nothing
    };
    for (const Case& c : cases) {
        ScriptFace face(c.keys);
        Console con(face);
        EXPECT_EQ(approval_menu(con), c.V);
        std::vector<int> without_enter(c.keys.begin(), c.keys.end() - 1);
        ScriptFace face2(without_enter);
        Console con2(face2);
        EXPECT_THROW(approval_menu(con2), ScriptExhausted);
        EXPECT_TRUE(highlighted(con2.screen(), c.lit));
        EXPECT_FALSE(highlighted(con2.screen(), 7 - c.lit));
    }
}

TEST(ApprovalMenu, EscAbandonsTheRun) {
    ScriptFace face({ext(key::DOWN), key::ESC});
    Console con(face);
    EXPECT_THROW(approval_menu(con), RunAbandoned);
}

TEST(Thank, NamesTheFilesAndOffersCopies) {
    for (auto [typed, copies] : {std::pair{"\r", false}, {"p\r", true}, {"P\r", true}, {"no\r", false}}) {
        ScriptFace face;
        face.type(typed);
        Console con(face);
        con.normal();
        EXPECT_EQ(THANK(con, "Packet"), copies) << typed;
        const Screen& sc = con.screen();
        EXPECT_EQ(sc.line(3), "  Thank you for using Tallyvane 30.0");
        EXPECT_EQ(sc.line(5), "  A list of questions and sectors used has been saved as Packet.inf");
        EXPECT_EQ(sc.line(7), "  Your output file has been saved in ASCII text file Packet.qui");
        EXPECT_EQ(sc.line(9), "  Open in any Word Processor to Print");
        EXPECT_EQ(sc.line(11), "  Courier New Font and Narrow Margins Recommended");
        EXPECT_EQ(sc.text(13, 1, 27), "  Press Return to Continue ");
        EXPECT_EQ(sc.line(15), "  Type P and press Return to print copies");
        for (int r : {4, 6, 8, 10, 12, 14}) EXPECT_EQ(sc.line(r), "");
    }
}
