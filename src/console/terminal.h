// The real terminal: draws the screen model with curses and decodes its keys.
#pragma once
#include <array>
#include <csignal>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "console/console.h"

struct screen;  // the curses screen (SCREEN)

namespace tv {

struct TerminalReset;

// Thrown from a key wait when SIGINT, SIGTERM, SIGHUP or SIGQUIT arrived; main restores the
// terminal and ends with status 128 + the signal.
struct Interrupted {
    int signal;
};

// Thrown from a key wait when the terminal's input has ended (the terminal is gone):
// no key can come any more.
struct InputEnded {};

// The smallest terminal the program draws in: the 80x25 screen shows whole from 25
// rows; with 24 rows it shows rows 1-24, or rows 2-25 while the cursor is on row 25.
constexpr int MIN_COLS = 80, MIN_ROWS = 24;

// Why the program cannot take over the terminal, "" when it can: standard input and
// output must both be terminals, and `term` (the TERM variable, may be null) must
// name a terminal that can put the cursor anywhere on the screen.
std::string terminal_unusable(const char* term);

// The notice shown while the terminal is smaller than 80x24, its words wrapped to
// lines of at most `cols` characters so that a narrow terminal shows it whole.
std::vector<std::string> size_notice(int cols, int rows);

// The key a curses key code stands for, as a Face reports it (key::EXT + scan code
// for an extended key); -1 for a key that plays no part.
int decode_key(int curses_key);

// How the colours of a cell (0-15, the screen model's) are drawn. With 16 colours each
// has a curses colour of its own; with 8 a bright text colour is its dark one in bold
// and a bright background its dark one; without colours only a highlight shows, in
// reverse video.
enum class Palette { None, Eight, Sixteen };
struct CellColours {
    short fg = 0, bg = 0;  // curses colour numbers
    bool bold = false, reverse = false;
    bool operator==(const CellColours&) const = default;
};
CellColours cell_colours(int fg, int bg, Palette palette);

class TerminalFace : public Face {
public:
    // Takes over the terminal (curses mode, signal handlers). Without `colour` (the
    // user set NO_COLOR) the screen is drawn as on a terminal without colours.
    explicit TerminalFace(bool colour);
    // Gives the terminal back in the state it was found.
    ~TerminalFace() override;
    TerminalFace(const TerminalFace&) = delete;
    TerminalFace& operator=(const TerminalFace&) = delete;

    int wait_key(const Screen& screen) override;
    bool key_waiting(const Screen& screen) override;
    void show(const Screen& screen) override;
    // Ends curses mode; safe to call more than once.
    void restore();

private:
    int next_key(const Screen& screen, bool wait);
    void draw(const Screen& screen, bool force);
    bool too_small();
    void draw_size_notice();
    int attribute(int fg, int bg) const;
    static void reset_signals();

    ::screen* screen_ = nullptr;
    // What a second stop signal writes to give the terminal back (terminal.cpp).
    std::unique_ptr<TerminalReset> reset_;
    bool active_ = false;
    bool colour_ = false;
    bool sixteen_ = false;
    int top_ = 1;        // the screen row drawn on the terminal's first row
    bool utf8_ = false;  // the locale's text is UTF-8: characters beyond ASCII can be drawn
    bool shown_ = false;
    bool notice_ = false;
    std::array<Cell, Screen::COLS * Screen::ROWS> drawn_{};
    uint64_t drawn_version_ = ~0ull;
    int pushed_back_ = -1;
};

}  // namespace tv
