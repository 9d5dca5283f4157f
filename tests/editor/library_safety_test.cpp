// The style library keeps the user's styles whole: a listed style that cannot be
// loaded is told and can be removed, a list entry is only ever a file of the folder,
// a save leaves no listed style without its file and never replaces a read-only one.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "editor/library.h"
#include "support/support.h"

using namespace tv;
using tv::test::ext;
namespace fs = std::filesystem;

namespace {

// A style with hand-set position types (SETSPC "Y"): its save runs the specialty type screen.
const char* STYLE =
    "F\n5 1\n5 21\nOut\n60\nP\n12\nA\n16\n50\nN\n3\nV\n0\n"
    "2\n2\n1\n1\n1\n1\n0\n0\n0\n0\n58\n2\n6\nY\n"
    "nFnnRnnnnnnnnnnnnnnnnnnnnnnnnn\n";

// A workspace in a folder of its own, so that a name leading out of it can be tried.
struct Workspace {
    test::TempDir root;
    fs::path path = root.path() / "work";
    Files files{path};
    explicit Workspace(const std::string& list) {
        fs::create_directory(path);
        write("Specs.lst", list);
        write("New.spe", STYLE);
        write("Kept.spe", STYLE);
    }
    void write(const std::string& name, const std::string& text) const {
        std::FILE* f = std::fopen((path / name).c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    std::string read(const std::string& name) const { return test::slurp(path / name); }
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (auto& e : fs::directory_iterator(path)) all.push_back(e.path().filename().string());
        std::sort(all.begin(), all.end());
        return all;
    }
};

struct Menu {
    ScriptFace face;
    Console con{face};
    Editor ed;
    explicit Menu(std::vector<int> keys) : face(std::move(keys)) {}
    // Runs the editor until the script runs dry.
    void run(const Files& files) { EXPECT_THROW(SPECS2(con, files, ed), ScriptExhausted); }
    std::string row(int r) const { return con.screen().line(r); }
};

const int DOWN = ext(key::DOWN);

}  // namespace

// Entries whose style cannot be loaded: the reason on the screen, then the menu
// again, where Shift-D takes the entry off the list. No file is opened outside the
// folder and none is written.
TEST(StyleLibrary, AnEntryThatCannotBeLoadedIsToldAndCanBeRemoved) {
    const struct {
        std::string entry;
        std::string message;  // its start, on row 5
    } cases[] = {
        {"Gone", "cannot open \"Gone.spe\" for reading: No such file or directory"},
        {"..", "cannot use \"..\" as a style name: a style name is 1 to 16 letters and digits"},
        {"../out/p", "cannot use \"../out/p\" as a style name"},
        {"Two words", "cannot use \"Two words\" as a style name"},
    };
    for (const auto& c : cases) {
        Workspace ws("Kept\n" + c.entry + "\nEnter New Specs\n");
        fs::create_directory(ws.root.path() / "out");
        const fs::path outside = ws.root.path() / "out" / "p.spe";
        {
            std::FILE* f = std::fopen(outside.c_str(), "wb");
            std::fputs(STYLE, f);
            std::fclose(f);
        }
        const auto before = ws.names();
        Menu shown({DOWN, key::ENTER});
        shown.run(ws.files);
        EXPECT_EQ(shown.row(5).rfind("   " + c.message, 0), 0u) << shown.row(5);
        EXPECT_EQ(shown.con.screen().at(3, 5).bg, RED) << c.entry;

        Menu removed({DOWN, key::ENTER, key::ENTER, DOWN, 'D'});
        removed.run(ws.files);
        EXPECT_EQ(removed.con.screen().text(7, 33, 15), "Enter New Specs") << c.entry;
        EXPECT_EQ(ws.read("Specs.lst"), "Kept\nEnter New Specs\n") << c.entry;
        EXPECT_EQ(ws.names(), before) << c.entry;
        EXPECT_EQ(test::slurp(outside), STYLE) << c.entry;
    }
}

// A list line holds up to 16 characters; the editor saves a style under the same
// file the run then reads.
TEST(StyleLibrary, ALongListedNameIsSavedUnderTheFileTheRunReads) {
    Workspace ws("ABCDEFGHIJKLMNOP\nEnter New Specs\n");
    ws.write("ABCDEFGHIJKLMNOP.spe", STYLE);
    const auto before = ws.names();
    Menu menu(test::keys("\r\x1b\r\r"));  // choose, Esc to the title, Return, the type screen
    SPECS2(menu.con, ws.files, menu.ed);
    EXPECT_EQ(read_handoff(ws.files), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(style_file_name(read_handoff(ws.files)), "ABCDEFGHIJKLMNOP.spe");
    auto after = ws.names();
    after.erase(std::find(after.begin(), after.end(), "temp2.txt"));
    EXPECT_EQ(after, before);
    EXPECT_EQ(ws.read("Specs.lst"), "ABCDEFGHIJKLMNOP\nEnter New Specs\n");
}

// Shift-D takes off the highlighted line only: the same name elsewhere stays, and the
// other lines keep their order.
TEST(StyleLibrary, ShiftDRemovesExactlyTheHighlightedLine) {
    const struct {
        int downs;
        const char* left;
    } cases[] = {
        {0, "B\nA\nC\nA\nEnter New Specs\n"},
        {2, "A\nB\nC\nA\nEnter New Specs\n"},
        {4, "A\nB\nA\nC\nEnter New Specs\n"},
    };
    for (const auto& c : cases) {
        Workspace ws("A\nB\nA\nC\nA\nEnter New Specs\n");
        std::vector<int> keys(c.downs, DOWN);
        keys.push_back('D');
        Menu menu(keys);
        menu.run(ws.files);
        EXPECT_EQ(ws.read("Specs.lst"), c.left) << c.downs;
    }
}

// A new style is listed only once its file is whole: the save stopped on the specialty
// type screen (the program killed there) leaves the list as it was. A read-only style
// file is not saved over, and nothing else changes either.
TEST(StyleLibrary, ASaveNeverLeavesAListedStyleWithoutItsFileNorReplacesAReadOnlyOne) {
    Workspace ws("Kept\nEnter New Specs\n");
    Menu stopped({});
    stopped.ed.style = READIN(ws.files, "Kept.spe", default_season());
    stopped.ed.NAME1 = "Brand";
    EXPECT_THROW(OUTFILE(stopped.con, ws.files, stopped.ed), ScriptExhausted);
    EXPECT_EQ(ws.read("Specs.lst"), "Kept\nEnter New Specs\n");
    EXPECT_FALSE(fs::exists(ws.path / "Brand.spe"));

    Workspace ro("Kept\nEnter New Specs\n");
    fs::permissions(ro.path / "Kept.spe", fs::perms::owner_read);
    const auto before = ro.names();
    Menu refused(test::keys("\r\x1b\r\r"));
    refused.run(ro.files);
    EXPECT_EQ(refused.row(5), "   cannot replace \"Kept.spe\": the file is read-only; it was left as it is");
    EXPECT_EQ(ro.names(), before);
    EXPECT_EQ(ro.read("Kept.spe"), STYLE);
    EXPECT_EQ(fs::status(ro.path / "Kept.spe").permissions(), fs::perms::owner_read);
}
