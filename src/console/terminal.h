// The real terminal: draws the screen model with curses and decodes its keys.
#pragma once
#include <csignal>
#include <string>
#include <vector>

#include "console/console.h"

struct screen;  // the curses screen (SCREEN)

namespace tv {

// Thrown from a key wait when SIGINT, SIGTERM, SIGHUP or SIGQUIT arrived; main restores the
// terminal and ends with status 128 + the signal.
struct Interrupted {
    int signal;
};

// The notice shown while the terminal is smaller than 80x25, its words wrapped to
// lines of at most `cols` characters so that a narrow terminal shows it whole.
std::vector<std::string> size_notice(int cols, int rows);

class TerminalFace : public Face {
public:
    // Takes over the terminal (curses mode, signal handlers).
    TerminalFace();
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
    bool active_ = false;
    bool sixteen_ = false;
    bool utf8_ = false;  // the locale's text is UTF-8: characters beyond ASCII can be drawn
    bool shown_ = false;
    bool notice_ = false;
    std::array<Cell, Screen::COLS * Screen::ROWS> drawn_{};
    uint64_t drawn_version_ = ~0ull;
    int pushed_back_ = -1;
};

}  // namespace tv
