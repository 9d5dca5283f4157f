// The check of a workspace: every planted fault named in one pass, and nothing else.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "driver/check.h"
#include "support/support.h"

using namespace tv;

namespace {

// Line `line` of a file replaced by `text` (0: added at the end; -1: the file removed).
struct Fault {
    std::string file;
    int line;
    std::string text, told;
};

void plant(const test::TempDir& dir, const Fault& f) {
    if (f.line < 0) {
        std::filesystem::remove(dir.path() / f.file);
        return;
    }
    std::istringstream in(dir.exists(f.file) ? dir.read(f.file) : "");
    std::string out, line;
    int n = 0;
    while (std::getline(in, line)) out += (++n == f.line ? f.text : line) + "\n";
    if (f.line == 0) out += f.text + "\n";
    dir.write(f.file, out);
}

}  // namespace

TEST(Check, EveryPlantedFaultIsNamedInOnePass) {
    const std::string romans = "book R Romans 32 29 31 25 21 23 25 39 33 21 36 21 14 23 33";
    const Fault faults[] = {
        {"Material.txt", 0, romans + " 2O", "Material.txt:1: the verse count \"2O\" of Romans 16 is not a number"},
        {"Material.txt", 0, "book J James S27 26 18 17 20",
            "Material.txt:2: the word \"S27\" after \"James\" holds a digit: a verse count is a number, and a book's name holds "
            "no number after its first word"},
        {"Material.txt", 0, "chapters 21", "Material.txt:3: \"chapters\" is none of season, book, level-L"},
        {"RJ.A", 2, " 1 33\tWho?\tPaul", "RJ.A:2: Romans 1 has 32 verses"},
        {"cv.b", 1, " 3  1\tCV\tWho?\tPaul",
            "cv.b:2: chapter 1 verse 2 comes after chapter 3 verse 1: the lines must be sorted by chapter and verse"},
        {"co.b", 1, " 1  3\tCX\tWho?\tPaul",
            "co.b:1: the code \"CX\" is unknown: a line of this file has CO in columns 7-8, then a TAB"},
        {"Specs.lst", 5, "Ghost", "Specs.lst:5: the style Ghost has no file Ghost.spe"},
        {"FTV.79", -1, "", "Season.spe: the question file FTV.79 is missing; the style's Pct Prim FTV 79 chose it"},
        {"League.spe", 12, "0", "League.spe:12: Number of Quizzes in this Run is 0; it must be 1 to 100"},
        {"JamesCup.spe", 3, "21 27", "JamesCup.spe:3: End verse is 27; it must be 1 to 20"},
        {"Practice.spe", 4, "a/b", "Practice.spe:4: Name of Output File \"a/b\" must be letters and digits"}};
    test::TempDir dir;
    test::copy_from_source("data", dir.path());
    test::copy_from_source("examples/bank", dir.path());
    EXPECT_EQ(check_workspace(dir.files()), std::vector<std::string>{});

    std::vector<std::string> expected;
    for (const Fault& f : faults) {
        plant(dir, f);
        if (!f.told.empty()) expected.push_back(f.told);
    }
    std::vector<std::string> found = check_workspace(dir.files());
    std::sort(found.begin(), found.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(found, expected);
}
