#include <gtest/gtest.h>

#include <sstream>

#include "console/terminal.h"

using namespace tv;

namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::ostringstream all;
    for (size_t i = 0; i < lines.size(); ++i) all << (i ? " " : "") << lines[i];
    return all.str();
}

}  // namespace

// The notice for a terminal that is too small must be readable in that terminal:
// every line fits its width and no word of the notice is lost.
TEST(SizeNotice, EveryLineFitsTheTerminalAndNothingIsLost) {
    const std::string whole =
        "Tallyvane needs a terminal of at least 80 columns and 24 rows. "
        "This one has 60 columns and 20 rows. Please make the window larger: drag its edge, "
        "or choose a larger size in the terminal menu. Ctrl-C leaves the program.";
    for (int cols : {79, 60, 40, 20, 9}) {
        std::vector<std::string> lines = size_notice(cols, 20);
        for (const std::string& line : lines)
            EXPECT_LE(line.size(), static_cast<size_t>(cols)) << "in " << cols << " columns: " << line;
        std::string expected = whole;
        expected.replace(expected.find("60 columns"), 2, std::to_string(cols));
        EXPECT_EQ(joined(lines), expected) << "in " << cols << " columns";
    }
}

TEST(SizeNotice, EachSentenceStartsALine) {
    EXPECT_EQ(size_notice(79, 25),
              (std::vector<std::string>{
                  "Tallyvane needs a terminal of at least 80 columns and 24 rows.",
                  "This one has 79 columns and 25 rows. Please make the window larger: drag its",
                  "edge, or choose a larger size in the terminal menu.",
                  "Ctrl-C leaves the program."}));
}

// A word wider than the terminal is cut into pieces rather than dropped.
TEST(SizeNotice, AWordWiderThanTheTerminalIsCut) {
    std::vector<std::string> lines = size_notice(4, 3);
    EXPECT_EQ(lines.front(), "Tall");
    EXPECT_EQ(lines[1], "yvan");
    EXPECT_EQ(lines[2], "e");
    for (const std::string& line : lines) EXPECT_LE(line.size(), 4u);
}
