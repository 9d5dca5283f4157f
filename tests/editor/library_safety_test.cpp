// The style library: the menu of a long list, and the user's styles kept whole: a
// listed style that cannot be loaded is told and can be removed, a list entry is only
// ever a file of the folder, a save leaves no listed style without its file and never
// replaces a read-only one nor anything else when the disk is full.
#include <gtest/gtest.h>

#include <set>
#include <filesystem>

#include "editor/library.h"
#include "support/support.h"

using namespace tv;
namespace fs = std::filesystem;

namespace {

// A style with hand-set position types (SETSPC "Y"): its save runs the specialty type screen.
const char* STYLE =
    "F\n5 1\n5 21\nOut\n60\nP\n12\nA\n16\n50\nN\n3\nV\n0\n"
    "2\n2\n1\n1\n1\n1\n0\n0\n0\n0\n58\n2\n6\nY\n"
    "nFnnRnnnnnnnnnnnnnnnnnnnnnnnnn\n";

// A workspace in the folder "work", so that a name leading out of it can be tried.
struct Workspace {
    test::TempDir root;
    fs::path path = root.path() / "work";
    Files files{path};
    explicit Workspace(const std::string& list, const std::string& style = "Kept") {
        fs::create_directories(root.path() / "out");
        root.write("out/p.spe", STYLE);
        fs::create_directory(path);
        write("Specs.lst", list);
        write(style + ".spe", STYLE);
        write("New.spe", STYLE);
    }
    void write(const std::string& name, const std::string& text) const { root.write("work/" + name, text); }
    std::string read(const std::string& name) const { return root.read("work/" + name); }
    std::set<std::string> names() const {
        std::set<std::string> all;
        for (auto& e : fs::directory_iterator(path)) all.insert(e.path().filename().string());
        return all;
    }
};

// The style editor on a key script until the script runs dry; the screen then.
const Screen& menu(Console&& con, const Files& files) {
    Editor ed;
    EXPECT_THROW(style_editor(con, files, ed), ScriptExhausted);
    return con.screen();
}

const int DOWN = test::ext(key::DOWN);

}  // namespace

TEST(StyleLibrary, AMissingListNamesWhatTheWorkspaceNeeds) {
    test::TempDir dir;
    ScriptFace face;
    Console con(face);
    Editor ed;
    const std::string told = test::error_of([&] { style_editor(con, dir.files(), ed); });
    EXPECT_NE(told.find("needs \"Specs.lst\" (the style list) and \"New.spe\""), std::string::npos) << told;
}

// Entries whose style cannot be loaded: the reason on the screen, then the menu
// again, where Shift-D takes the entry off the list. (Such an entry kept as it was when
// the list is written again: the recorded session long_list.) No file is opened outside the
// folder and none is written.
TEST(StyleLibrary, AnEntryThatCannotBeLoadedIsToldAndCanBeRemoved) {
    const std::pair<std::string, std::string> cases[] = {{"../out/p", "cannot use \"../out/p\" as a style name"},
        {"Two words", "cannot use \"Two words\" as a style name"},
        {"ABCDEFGHIJKLMNOPQ", "cannot use \"ABCDEFGHIJKLMNOPQ\" as a style name"}};
    for (const auto& [entry, message] : cases) {
        Workspace ws("Kept\n" + entry + "\nEnter New Specs\n");
        const auto before = ws.names();
        ScriptFace shown({DOWN, key::ENTER}), removed({DOWN, key::ENTER, key::ENTER, DOWN, 'D'});
        EXPECT_EQ(menu(Console(shown), ws.files).line(5).rfind("   " + message, 0), 0u) << entry;
        menu(Console(removed), ws.files);
        EXPECT_EQ(ws.read("Specs.lst"), "Kept\nEnter New Specs\n") << entry;
        EXPECT_EQ(ws.names(), before) << entry;
        EXPECT_EQ(ws.root.read("out/p.spe"), STYLE) << entry;
    }
}

// A list line holds up to 16 characters; the editor saves a style under the same
// file the run then reads.
TEST(StyleLibrary, ALongListedNameIsSavedUnderTheFileTheRunReads) {
    Workspace ws("ABCDEFGHIJKLMNOP\nEnter New Specs\n", "ABCDEFGHIJKLMNOP");
    auto names = ws.names();
    ScriptFace face(test::keys("\r\x1b\r\r"));  // choose, Esc to the title, Return, the type screen
    Console con(face);
    Editor ed;
    style_editor(con, ws.files, ed);
    EXPECT_EQ(style_file_name(read_handoff(ws.files)), "ABCDEFGHIJKLMNOP.spe");
    names.insert("temp2.txt");
    EXPECT_EQ(ws.names(), names);
}

// A new style is listed only once its file is whole: the save stopped on the specialty
// type screen (the program killed there) leaves the list as it was. A read-only style
// file is not saved over, and nothing else changes either.
TEST(StyleLibrary, ASaveNeverLeavesAListedStyleWithoutItsFileNorReplacesAReadOnlyOne) {
    Workspace ws("Kept\nEnter New Specs\n");
    ScriptFace none(std::vector<int>{});
    Console con(none);
    Editor ed;
    ed.style = read_style_file(ws.files, "Kept.spe", default_season());
    ed.NAME1 = "Brand";
    EXPECT_THROW(save_style(con, ws.files, ed), ScriptExhausted);
    EXPECT_EQ(ws.read("Specs.lst"), "Kept\nEnter New Specs\n");
    EXPECT_FALSE(fs::exists(ws.path / "Brand.spe"));

    fs::permissions(ws.path / "Kept.spe", fs::perms::owner_read);
    const auto before = ws.names();
    ScriptFace face(test::keys("\r\x1b\r\r"));
    EXPECT_NE(menu(Console(face), ws.files).line(5).find("\"Kept.spe\": the file is read-only"), std::string::npos);
    EXPECT_EQ(ws.names(), before);
    EXPECT_EQ(ws.read("Kept.spe"), STYLE);
}

// A style that cannot be written (the disk is full) is reported, and the style file
// and the list as they were stay on disk: the new text goes to a side file first (one
// no link planted beforehand can take: Files.NothingIsWrittenThroughALink).
TEST(StyleLibrary, AFullDiskLeavesTheOldStyleAndListWhole) {
    Workspace ws("Kept\nEnter New Specs\n");
    const auto before = ws.names();
    test::Faults full(FileFaults::Op::close, "Kept.spe", ENOSPC);
    Files files = ws.files;
    files.inject(&full);
    ScriptFace face;
    Console con(face);
    Editor ed;
    ed.style = read_style_file(ws.files, "Kept.spe", default_season());
    ed.style.SETSPC = 'N';  // no specialty type screen before the save
    ed.NAME1 = "Kept";
    EXPECT_THROW(save_style(con, files, ed), IoError);
    EXPECT_EQ(ws.names(), before);  // the side file is gone
    EXPECT_EQ(ws.read("Kept.spe") + ws.read("Specs.lst"), std::string(STYLE) + "Kept\nEnter New Specs\n");
}
