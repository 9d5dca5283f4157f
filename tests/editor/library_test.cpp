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

}  // namespace

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
