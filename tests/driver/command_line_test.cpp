// The command line: reading the options, making a workspace without overwriting
// anything, and finding the installed files.
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "bank/season.h"
#include "driver/command_line.h"
#include "style/style.h"
#include "support/support.h"

using namespace tv;
using Action = Options::Action;

TEST(CommandLine, OptionsAreReadOrRefused) {
    struct Case {
        std::vector<std::string> args;
        Action action;
        std::string dir;
        bool demo;
        std::string sheet = "";  // the file of --import, --export or --pdf
    };
    const Case cases[] = {{{}, Action::Run, "", false}, {{"--version"}, Action::Version, "", false},
        {{"--init", "ws", "--bogus"}, Action::Wrong, "ws", false}, {{"--help", "--bogus"}, Action::Help, "", false},
        {{"--demo", "--init", "a b"}, Action::Init, "a b", true},
        {{"--init", "ws", "--demo=hebrews-peter"}, Action::Init, "ws", true},
        {{"--init", "ws", "--demo=../up"}, Action::Wrong, "ws", true}, {{"--init"}, Action::Wrong, "", false},
        {{"--import"}, Action::Wrong, "", false}, {{"--import=a.csv"}, Action::Import, "", false, "a.csv"},
        {{"--import=", "a.csv"}, Action::Wrong, "", false}, {{"--pdf", "a.qui"}, Action::Pdf, "", false, "a.qui"},
        {{"--pdf=b.qui"}, Action::Pdf, "", false, "b.qui"}, {{"--pdf=", "a.qui"}, Action::Wrong, "", false},
        {{"--pdf"}, Action::Wrong, "", false}, {{"--export", "b.csv"}, Action::Export, "", false, "b.csv"},
        {{"--init", "a", "--init", "b"}, Action::Wrong, "a", false},
        {{"--export=b.csv", "--import", "a.csv"}, Action::Wrong, "", false}, {{"--demo"}, Action::Wrong, "", true},
        {{"somewhere"}, Action::Wrong, "", false}, {{"--check"}, Action::Check, "", false},
        {{"--init", "ws", "--material", "m.txt"}, Action::Init, "ws", false}, {{"--material=m.txt"}, Action::Wrong, "", false},
        {{"--init", "ws", "--material"}, Action::Wrong, "ws", false},
        {{"--init", "ws", "--demo", "--material=m.txt"}, Action::Wrong, "ws", true}};
    for (const Case& c : cases) {
        const Options o = parse_options(c.args);
        EXPECT_EQ(
            std::tuple(o.action, o.dir, o.demo, o.error.empty()), std::tuple(c.action, c.dir, c.demo, c.action != Action::Wrong))
            << ::testing::PrintToString(c.args);
        if (c.action != Action::Wrong) {
            EXPECT_EQ(o.sheet, c.sheet) << ::testing::PrintToString(c.args);
        }
    }
}

// A share folder: the workspace files, a README that is not copied, the demo bank
// and a named demo.
struct Share {
    test::TempDir root;
    Share() {
        for (const char* d : {"data", "examples/bank", "examples/season"}) std::filesystem::create_directories(root.path() / d);
        root.write("data/Specs.lst", "Practice\nEnter New Specs\n");
        root.write("data/New.spe", "template\n");
        root.write("data/README.md", "about the folder\n");
        root.write("examples/bank/RJ.A", " 1: 1\tQ?\tA\n");
        root.write("examples/season/Material.txt", "book H Hebrews 14\n");
    }
};

TEST(CommandLine, InitCopiesWhatIsMissingAndKeepsTheRest) {
    Share share;
    test::TempDir home;
    const auto ws = home.path() / "new" / "ws";

    // The README stays out; a second --init with --demo adds the bank and keeps the rest.
    init_workspace(ws, share.root.path(), false);
    EXPECT_FALSE(std::filesystem::exists(ws / "README.md"));
    std::ofstream(ws / "Specs.lst") << "Mine\n";
    const InitReport again = init_workspace(ws, share.root.path(), true);
    EXPECT_EQ(std::tuple(again.copied, again.kept, test::slurp(ws / "Specs.lst")),
        std::tuple(std::vector<std::string>{"RJ.A"}, std::vector<std::string>{"New.spe", "Specs.lst"}, "Mine\n"));

    // A named demo is a whole workspace of its own: only its files are copied.
    EXPECT_EQ(init_workspace(home.path() / "season", share.root.path(), true, "season").copied,
        std::vector<std::string>{"Material.txt"});
    EXPECT_THROW(init_workspace(home.path() / "x", share.root.path(), true, "none"), IoError);

    // A file where the folder should be: a failure naming it, status 1.
    home.write("plain", "x");
    std::ostringstream out, err;
    Options o = parse_options({"--init", (home.path() / "plain").string()});
    EXPECT_EQ(run_command(o, {share.root.path()}, out, err), EXIT_FAILED);
    EXPECT_NE(err.str().find("plain"), std::string::npos) << err.str();
}

// A workspace of another season: its material, and the example styles moved onto its
// books, each one a run can use; a material the program would refuse makes nothing.
TEST(CommandLine, InitWithAMaterialMovesTheExampleStylesOntoIt) {
    test::TempDir home;
    const std::filesystem::path share = test::source_dir();
    init_workspace(home.path() / "hp", share, false, "", "hebrews-peter");
    const Season season = load_season(Files(home.path() / "hp"));
    const std::pair<const char*, const char*> places[] = {
        {"Practice.spe", "1 1\n3 19\n"},   // kept: Hebrews has chapters 1-3
        {"JamesCup.spe", "9 1\n13 25\n"},  // five chapters, the last of Hebrews
        {"League.spe", "1 1\n21 18\n"},    // all of Romans and James: the whole season
    };
    for (const auto& [name, place] : places) {
        const Files ws(home.path() / "hp");
        TextReader in = ws.read(name);
        EXPECT_EQ(settings_out_of_range(read_style(in), season).size(), 0U) << name;
        EXPECT_NE(test::slurp(ws.path(name)).find(place), std::string::npos) << name;
    }

    home.write("bad.txt", "book M Matthew 25 S23 17\n");
    EXPECT_THROW(init_workspace(home.path() / "m", share, false, "", (home.path() / "bad.txt").string()), IoError);
    EXPECT_FALSE(std::filesystem::exists(home.path() / "m"));
}

TEST(CommandLine, InstalledFilesAreFoundBesideTheProgramFirst) {
    Share installed, source;
    EXPECT_EQ(find_share_dir(share_candidates(installed.root.path() / "bin", "..", "/nowhere", source.root.path())),
        installed.root.path());
    EXPECT_EQ(find_share_dir(share_candidates("/nowhere/bin", "..", "/nowhere", source.root.path())), source.root.path());
    EXPECT_EQ(find_share_dir(share_candidates("/nowhere/bin", "..", installed.root.path(), "/nowhere")), installed.root.path());

    // Nowhere to copy from: the places looked in are named.
    std::ostringstream out, err;
    test::TempDir home;
    const Options o = parse_options({"--init", (home.path() / "ws").string()});
    EXPECT_EQ(run_command(o, {"/nowhere/a", "/nowhere/b"}, out, err), EXIT_FAILED);
    EXPECT_NE(err.str().find("/nowhere/b"), std::string::npos) << err.str();
    EXPECT_NE(workspace_problem(home.path()).find("--init"), std::string::npos);
}
