#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "editor/library.h"
#include "support/support.h"

using namespace tv;
using tv::test::ext;

namespace {

// A style of Romans 5:1 to James 2:26 with the specialty window 3-22 and SETSPC "N".
const char* QUIZ_A =
    "F\n5 1\n18 26\nOutA\n60\nP\n20\nA\n16\n40\nY\n25\nV\n10\n"
    "6\n2\n3\n1\n2\n0\n1\n0\n0\n0\n58\n3\n20\nN\n"
    "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA\n";
// The same style as the save writes it: the position-type line settled from 3-20.
const char* QUIZ_A_SAVED =
    "F\n5 1\n18 26\nOutA\n60\nP\n20\nA\n16\n40\nY\n25\nV\n10\n"
    "6\n2\n3\n1\n2\n0\n1\n0\n0\n0\n58\n3\n20\nN\n"
    "nnAAAAAAAAAAAAAAAAAAnnnnnnnnnn\n";
// A style with hand-set position types (SETSPC "Y"), last line without a line end.
const char* FIXED =
    "L\n5 1\n5 21\nFix\n60\nC\n12\nB\n16\n50\nN\n3\nQ\n0\n"
    "2\n2\n1\n1\n1\n1\n0\n0\n0\n0\n100\n2\n6\nY\n"
    "nFnnRnnnnnnnnnnnnnnnnnnnnnnnnn";
const char* NEW_TEMPLATE =
    "N\n1 1\n21 20\nPacket\n60\nP\n20\nA\n20\n50\nY\n20\nV\n10\n"
    "4\n2\n2\n1\n1\n0\n1\n0\n0\n0\n100\n1\n20\nN\n"
    "AAAAAAAAAAAAAAAAAAAAnnnnnnnnnn\n";

struct Workspace {
    test::TempDir dir;
    Files files = dir.files();
    explicit Workspace(const std::string& list = "QuizA\nQuizB\nEnter New Specs\n") {
        dir.write("Specs.lst", list);
        dir.write("QuizA.spe", QUIZ_A);
        dir.write("QuizB.spe", QUIZ_A);
        dir.write("New.spe", NEW_TEMPLATE);
    }
    // Every file of the folder with its content.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> all;
        for (auto& e : std::filesystem::directory_iterator(dir.path()))
            all[e.path().filename().string()] = test::slurp(e.path());
        return all;
    }
};

// Runs the menu with a key script and stops it where the script runs dry.
void run_menu_until_dry(Console& con, const Files& files, Editor& ed) {
    EXPECT_THROW(TOPMENU(con, files, ed), ScriptExhausted);
}

// The rows (6..) of the menu whose entry is drawn white on red.
std::vector<int> highlighted_rows(const Screen& s) {
    std::vector<int> rows;
    for (int r = 6; r <= 23; ++r)
        if (s.at(33, r).bg == RED && s.at(33, r).fg == WHITE) rows.push_back(r);
    return rows;
}

}  // namespace

TEST(StyleMenu, ShowsTheListAndExitPaddedOnRowsSixOn) {
    Workspace ws;
    ScriptFace face;
    Console con(face);
    Editor ed;
    run_menu_until_dry(con, ws.files, ed);
    const Screen& s = con.screen();
    EXPECT_EQ(s.line(3), "            Press Return to Choose a Quiz Style or Shift-D to Delete");
    EXPECT_EQ(s.line(4), "     " + std::string(69, '_'));
    EXPECT_EQ(s.text(6, 33, 15), "QuizA          ");
    EXPECT_EQ(s.text(7, 33, 15), "QuizB          ");
    EXPECT_EQ(s.text(8, 33, 15), "Enter New Specs");
    EXPECT_EQ(s.text(9, 33, 15), "Exit           ");
    EXPECT_EQ(s.line(10), "");
    // The first entry is highlighted over its 15 columns; the others are yellow on blue.
    for (int c = 33; c <= 47; ++c) {
        EXPECT_EQ(s.at(c, 6).fg, WHITE);
        EXPECT_EQ(s.at(c, 6).bg, RED);
        EXPECT_EQ(s.at(c, 7).fg, YELLOW);
        EXPECT_EQ(s.at(c, 7).bg, BLUE);
    }
    EXPECT_EQ(s.at(48, 6).bg, BLUE);
    EXPECT_EQ(ed.FLS, 2);
    EXPECT_EQ(ed.SHOWN, 3);
}

TEST(StyleMenu, HighlightMovesAndWrapsBothWays) {
    struct Case {
        const char* what;
        std::vector<int> keys;
        int row;
    };
    const Case cases[] = {
        {"Up on the first entry goes to Exit", {ext(key::UP)}, 9},
        {"Down on Exit goes to the first entry", {ext(key::UP), ext(key::DOWN)}, 6},
        {"Down twice", {ext(key::DOWN), ext(key::DOWN)}, 8},
        {"the key 2 is Down, 8 is Up", {'2', '2', '8'}, 7},
        {"typed capitals P and H are no arrows", {'P', 'H', '2'}, 7},
        {"four Downs come round to the start", {'2', '2', '2', '2'}, 6},
        {"other keys leave the highlight", {'2', 'x', 'p', 'h', key::ESC, ext(key::LEFT)}, 7},
    };
    for (const auto& c : cases) {
        Workspace ws;
        ScriptFace face(c.keys);
        Console con(face);
        Editor ed;
        run_menu_until_dry(con, ws.files, ed);
        EXPECT_EQ(highlighted_rows(con.screen()), std::vector<int>{c.row}) << c.what;
    }
}

TEST(StyleMenu, ShiftDRemovesTheNameButKeepsItsStyleFile) {
    Workspace ws;
    ScriptFace face({'2', 'D'});
    Console con(face);
    Editor ed;
    run_menu_until_dry(con, ws.files, ed);
    EXPECT_EQ(ws.dir.read("Specs.lst"), "QuizA\nEnter New Specs\n");
    EXPECT_EQ(ws.dir.read("QuizB.spe"), QUIZ_A);
    // The menu is drawn again from the list, first entry highlighted.
    EXPECT_EQ(con.screen().text(7, 33, 15), "Enter New Specs");
    EXPECT_EQ(con.screen().text(8, 33, 15), "Exit           ");
    EXPECT_EQ(con.screen().line(9), "");
    EXPECT_EQ(highlighted_rows(con.screen()), std::vector<int>{6});
    EXPECT_FALSE(ws.dir.exists("temp2.txt"));
}

TEST(StyleMenu, DeletionKeysThatDoNothing) {
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"Shift-D on Enter New Specs", {'2', '2', 'D'}},
        {"Shift-D on Exit", {ext(key::UP), 'D'}},
        {"lower-case d", {'d'}},
        {"F10, whose scan code is the code of D", {ext(key::F10)}},
    };
    for (const auto& [what, keys] : cases) {
        Workspace ws;
        auto before = ws.snapshot();
        ScriptFace face(keys);
        Console con(face);
        Editor ed;
        run_menu_until_dry(con, ws.files, ed);
        EXPECT_EQ(ws.snapshot(), before) << what;
        EXPECT_EQ(con.screen().text(6, 33, 5), "QuizA") << what;
    }
}

TEST(StyleMenu, ExitWritesTheHandOffAndTouchesNothingElse) {
    Workspace ws;
    auto before = ws.snapshot();
    ScriptFace face({ext(key::UP), key::ENTER});
    Console con(face);
    Editor ed;
    SPECS2(con, ws.files, ed);
    auto after = ws.snapshot();
    EXPECT_EQ(after["temp2.txt"], "Exit\n");
    after.erase("temp2.txt");
    EXPECT_EQ(after, before);
}

TEST(StyleMenu, ALongListShowsItsLastSeventeenLinesAndKeepsTheRest) {
    std::string list;
    for (int i = 1; i <= 20; ++i) list += "Style" + std::to_string(i) + "\n";
    Workspace ws(list + "Enter New Specs\n");
    ScriptFace face;
    Console con(face);
    Editor ed;
    run_menu_until_dry(con, ws.files, ed);
    const Screen& s = con.screen();
    EXPECT_EQ(s.text(6, 33, 15), "Style5         ");
    EXPECT_EQ(s.text(21, 33, 15), "Style20        ");
    EXPECT_EQ(s.text(22, 33, 15), "Enter New Specs");
    EXPECT_EQ(s.text(23, 33, 15), "Exit           ");
    EXPECT_EQ(ed.FLS, 20);

    // Deleting the second entry shown (Style6) keeps the four names above the menu.
    ScriptFace face2({'2', 'D'});
    Console con2(face2);
    run_menu_until_dry(con2, ws.files, ed);
    std::string expected;
    for (int i = 1; i <= 20; ++i)
        if (i != 6) expected += "Style" + std::to_string(i) + "\n";
    EXPECT_EQ(ws.dir.read("Specs.lst"), expected + "Enter New Specs\n");
    EXPECT_EQ(con2.screen().text(6, 33, 15), "Style4         ");

    // Saving a new name keeps every name and adds the new one before the last line.
    ws.dir.write("Style1.spe", QUIZ_A);
    ed.NAME1 = "Extra";
    ed.style = READIN(ws.files, "Style1.spe", default_season());
    OUTFILE(con2, ws.files, ed);
    EXPECT_EQ(ws.dir.read("Specs.lst"), expected + "Extra\nEnter New Specs\n");
}

TEST(StyleMenu, AMissingListNamesWhatTheWorkspaceNeeds) {
    test::TempDir dir;
    ScriptFace face;
    Console con(face);
    Editor ed;
    try {
        SPECS2(con, dir.files(), ed);
        FAIL() << "no error";
    } catch (const IoError& e) {
        std::string what = e.what();
        EXPECT_NE(what.find("\"Specs.lst\""), std::string::npos) << what;
        EXPECT_NE(what.find("\"New.spe\""), std::string::npos) << what;
    }
}

TEST(StyleMenu, AnEmptyListOffersOnlyANewStyle) {
    Workspace ws("");
    ScriptFace face;
    Console con(face);
    Editor ed;
    run_menu_until_dry(con, ws.files, ed);
    EXPECT_EQ(con.screen().text(6, 33, 15), "Enter New Specs");
    EXPECT_EQ(con.screen().text(7, 33, 15), "Exit           ");
    EXPECT_EQ(ed.FLS, 0);
    // Shift-D on it does nothing, and saving a new style makes a proper list.
    ed.NAME1 = "First";
    ed.style = READIN(ws.files, "New.spe", default_season());
    OUTFILE(con, ws.files, ed);
    EXPECT_EQ(ws.dir.read("Specs.lst"), "First\nEnter New Specs\n");
}

TEST(StyleSave, ChoosingAListedStyleRewritesOnlyItsFileAndTheHandOff) {
    Workspace ws;
    auto before = ws.snapshot();
    ScriptFace face({key::ENTER, key::ESC, key::ENTER});  // choose, form to title, accept
    Console con(face);
    Editor ed;
    SPECS2(con, ws.files, ed);
    auto after = ws.snapshot();
    EXPECT_EQ(after["QuizA.spe"], QUIZ_A_SAVED);
    EXPECT_EQ(after["temp2.txt"], "QuizA\n");
    after.erase("temp2.txt");
    after.erase("QuizA.spe");
    before.erase("QuizA.spe");
    EXPECT_EQ(after, before);  // the list, the other styles, no temporary file left
}

TEST(StyleSave, ANewNameGoesJustBeforeEnterNewSpecs) {
    const std::pair<const char*, const char*> cases[] = {
        {"QuizC", "QuizA\nQuizB\nQuizC\nEnter New Specs\n"},
        {"quiza", "QuizA\nQuizB\nquiza\nEnter New Specs\n"},  // case counts
        {"QuizA", "QuizA\nQuizB\nEnter New Specs\n"},
        {"New", "QuizA\nQuizB\nEnter New Specs\n"},
    };
    for (const auto& [name, list] : cases) {
        Workspace ws;
        ScriptFace face;
        Console con(face);
        Editor ed;
        ed.style = READIN(ws.files, "QuizA.spe", default_season());
        ed.NAME1 = name;
        OUTFILE(con, ws.files, ed);
        EXPECT_EQ(ws.dir.read("Specs.lst"), list) << name;
        EXPECT_EQ(ws.dir.read(std::string(name) + ".spe"), QUIZ_A_SAVED) << name;
        EXPECT_EQ(ws.dir.read("temp2.txt"), std::string(name) + "\n") << name;
    }
}

TEST(StyleSave, EnterNewSpecsLoadsTheTemplateAndSavesItAsNew) {
    Workspace ws;
    ScriptFace face({'2', '2', key::ENTER, key::ESC, key::ENTER});
    Console con(face);
    Editor ed;
    SPECS2(con, ws.files, ed);
    EXPECT_EQ(ed.NAME1, "New");
    EXPECT_EQ(ed.SPECFILE, "New.spe");
    EXPECT_EQ(ed.style.NAME4, "Packet");
    EXPECT_EQ(ed.style.EBK, " J");
    EXPECT_EQ(ed.style.ECHAP, 5);
    EXPECT_EQ(ws.dir.read("Specs.lst"), "QuizA\nQuizB\nEnter New Specs\n");
    // The template is written again: James 5 back to chapter 21, window 1-20 as "A".
    EXPECT_EQ(ws.dir.read("New.spe"), NEW_TEMPLATE);
    EXPECT_EQ(ws.dir.read("temp2.txt"), "New\n");
}

TEST(StyleSave, HandSetPositionTypesAreKept) {
    Workspace ws("Fix\nEnter New Specs\n");
    ws.dir.write("Fix.spe", FIXED);
    // Choose, form to title, accept; the specialty type screen takes them as they are.
    ScriptFace face({key::ENTER, key::ESC, key::ENTER, key::ENTER});
    Console con(face);
    Editor ed;
    SPECS2(con, ws.files, ed);
    EXPECT_EQ(ws.dir.read("Fix.spe"), std::string(FIXED) + "\n");
}

TEST(StyleSave, AMissingTemplateNamesWhatTheWorkspaceNeeds) {
    Workspace ws;
    std::filesystem::remove(ws.dir.path() / "New.spe");
    ScriptFace face({'2', '2', key::ENTER});
    Console con(face);
    Editor ed;
    EXPECT_THROW(SPECS2(con, ws.files, ed), ScriptExhausted);  // told on the screen
    const std::string told = con.screen().line(5) + con.screen().line(6) + con.screen().line(7);
    EXPECT_NE(told.find("\"New.spe\""), std::string::npos) << told;
    EXPECT_NE(told.find("(the new-style template)"), std::string::npos) << told;
}

// A style that cannot be written (the disk is full) is reported, and the style file
// and the list as they were stay on disk: the new text goes to a side file first.
TEST(StyleSave, AFullDiskLeavesTheOldStyleAndListWhole) {
    Workspace ws;
    auto before = ws.snapshot();
    std::filesystem::create_symlink("/dev/full", ws.dir.path() / "QuizA.spe.tv-new");
    ScriptFace face;
    Console con(face);
    Editor ed;
    ed.style = READIN(ws.files, "QuizA.spe", default_season());
    ed.NAME1 = "QuizA";
    EXPECT_THROW(OUTFILE(con, ws.files, ed), IoError);
    EXPECT_FALSE(std::filesystem::exists(ws.dir.path() / "QuizA.spe.tv-new"));  // the side file is gone
    EXPECT_EQ(ws.snapshot(), before);
}
