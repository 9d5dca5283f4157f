#include <gtest/gtest.h>

#include <sstream>

#include <curses.h>

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

// What the terminal's key codes become: the arrows and the other extended keys as
// their scan codes (never the letter of the same code), the keys with a fixed code,
// and typed characters as they are.
TEST(TerminalKeys, CursesKeysDecodeToTheConsoleKeys) {
    constexpr int EXT = key::EXT;
    const std::pair<int, int> rows[] = {{KEY_UP, EXT + 72}, {KEY_DOWN, EXT + 80}, {KEY_LEFT, EXT + 75}, {KEY_RIGHT, EXT + 77},
        {KEY_HOME, EXT + 71}, {KEY_END, EXT + 79}, {KEY_PPAGE, EXT + 73}, {KEY_NPAGE, EXT + 81}, {KEY_IC, EXT + 82},
        {KEY_DC, EXT + 83}, {KEY_F(1), EXT + 59}, {KEY_F(10), EXT + 68}, {KEY_F(11), -1}, {KEY_BACKSPACE, 8}, {127, 8}, {8, 8},
        {KEY_ENTER, 13}, {'\n', 13}, {'\r', 13}, {27, 27}, {9, 9}, {'H', 'H'}, {'P', 'P'}, {0xE9, 0xE9}, {0, -1}, {256, -1},
        {KEY_MOUSE, -1}, {KEY_RESIZE, -1}};
    for (const auto& [curses_key, expected] : rows) EXPECT_EQ(decode_key(curses_key), expected) << curses_key;
}

// The screen's colours on a terminal of 16 colours, of 8 (bright text in bold, a
// bright background dark) and without colours (a highlight in reverse video).
TEST(TerminalColours, ScreenColoursMapToCursesColours) {
    const struct {
        int fg, bg;
        CellColours sixteen, eight, none;
    } rows[] = {{LIGHTGRAY, BLACK, {COLOR_WHITE, COLOR_BLACK}, {COLOR_WHITE, COLOR_BLACK}, {}},
        {YELLOW, BLUE, {COLOR_YELLOW + 8, COLOR_BLUE}, {COLOR_YELLOW, COLOR_BLUE, true}, {}},
        {LIGHTRED, BLACK, {COLOR_RED + 8, COLOR_BLACK}, {COLOR_RED, COLOR_BLACK, true}, {}},
        {WHITE, RED, {COLOR_WHITE + 8, COLOR_RED}, {COLOR_WHITE, COLOR_RED, true}, {0, 0, false, true}},
        {BLACK, CYAN, {COLOR_BLACK, COLOR_CYAN}, {COLOR_BLACK, COLOR_CYAN}, {0, 0, false, true}},
        {BROWN, GREEN, {COLOR_YELLOW, COLOR_GREEN}, {COLOR_YELLOW, COLOR_GREEN}, {0, 0, false, true}},
        {MAGENTA, LIGHTGRAY, {COLOR_MAGENTA, COLOR_WHITE}, {COLOR_MAGENTA, COLOR_WHITE}, {0, 0, false, true}},
        {LIGHTBLUE, BLUE, {COLOR_BLUE + 8, COLOR_BLUE}, {COLOR_BLUE, COLOR_BLUE, true}, {}},
        {DARKGRAY, LIGHTBLUE, {COLOR_BLACK + 8, COLOR_BLUE + 8}, {COLOR_BLACK, COLOR_BLUE, true}, {0, 0, false, true}}};
    for (const auto& r : rows) {
        EXPECT_EQ(cell_colours(r.fg, r.bg, Palette::Sixteen), r.sixteen) << r.fg << " on " << r.bg;
        EXPECT_EQ(cell_colours(r.fg, r.bg, Palette::Eight), r.eight) << r.fg << " on " << r.bg;
        EXPECT_EQ(cell_colours(r.fg, r.bg, Palette::None), r.none) << r.fg << " on " << r.bg;
    }
}
