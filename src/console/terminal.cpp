#include "console/terminal.h"

#include <curses.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

#include "base/utf8.h"

namespace tv {

// How the terminal is given back without curses, from a signal handler: the
// terminal's own sequences that end curses mode, and the modes it had before. Made
// while the screen is set up, then only read.
struct TerminalReset {
    char bytes[256] = {};
    size_t length = 0;
    termios modes{};
    bool has_modes = false;

    // Adds a capability of the terminal's description when it has it and it fits.
    void add(const char* capability) {
        const char* seq = tigetstr(capability);
        if (seq == nullptr || seq == reinterpret_cast<const char*>(-1)) return;
        const size_t n = std::strlen(seq);
        if (n > sizeof bytes - length) return;
        std::memcpy(bytes + length, seq, n);
        length += n;
    }

    // Only calls that are safe in a signal handler: write(2) and tcsetattr(3).
    void apply() const {
        for (size_t done = 0; done < length;) {
            const ssize_t n = write(STDOUT_FILENO, bytes + done, length - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        if (has_modes) tcsetattr(STDOUT_FILENO, TCSANOW, &modes);
    }
};

namespace {

// The signal handler's only view of the program, since a handler takes no
// arguments: the signal that asked the program to stop (the key wait reads it and
// unwinds the program normally), and the terminal's reset while curses has it.
volatile std::sig_atomic_t g_stop_signal = 0;
std::atomic<const TerminalReset*> g_reset{nullptr};
static_assert(std::atomic<const TerminalReset*>::is_always_lock_free);

constexpr int STOP_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

extern "C" void on_stop_signal(int sig) {
    if (g_stop_signal != 0) {
        // A second signal while the first is pending: give the terminal back now,
        // without curses (endwin is not safe in a signal handler).
        if (const TerminalReset* reset = g_reset.load()) reset->apply();
        _exit(128 + sig);
    }
    g_stop_signal = sig;
}

// The Esc delay (ms) unless the user set ESCDELAY, which curses then applies
// itself: Esc answers at once, not after curses' default second.
constexpr int ESC_DELAY = 25;

// PC colour number to curses colour number (PC 1 is blue, curses 1 is red...).
constexpr short CURSES_COLOUR[8] = {COLOR_BLACK, COLOR_BLUE,    COLOR_GREEN,  COLOR_CYAN,
                                    COLOR_RED,   COLOR_MAGENTA, COLOR_YELLOW, COLOR_WHITE};

}  // namespace

int decode_key(int ch) {
    switch (ch) {
    case KEY_UP: return key::EXT + key::UP;
    case KEY_DOWN: return key::EXT + key::DOWN;
    case KEY_LEFT: return key::EXT + key::LEFT;
    case KEY_RIGHT: return key::EXT + key::RIGHT;
    case KEY_HOME: return key::EXT + key::HOME;
    case KEY_END: return key::EXT + key::END;
    case KEY_PPAGE: return key::EXT + key::PGUP;
    case KEY_NPAGE: return key::EXT + key::PGDN;
    case KEY_IC: return key::EXT + key::INS;
    case KEY_DC: return key::EXT + key::DEL;
    case KEY_BACKSPACE:
    case 127: return key::BACKSPACE;
    case KEY_ENTER:
    case '\n':
    case '\r': return key::ENTER;
    default: break;
    }
    if (ch >= KEY_F(1) && ch <= KEY_F(10)) return key::EXT + key::F1 + (ch - KEY_F(1));
    // A NUL (Ctrl-Space) would read as the start of an extended key: it plays no part.
    if (ch > 0 && ch <= 255) return ch;
    return -1;  // other curses keys play no part
}

CellColours cell_colours(int fg, int bg, Palette palette) {
    // Without colours every background but the screen's own blue (or black) is a
    // highlight.
    if (palette == Palette::None) return {0, 0, false, bg != BLUE && bg != BLACK};
    if (fg == bg) fg ^= 1;  // the cell is drawn as a blank, in a pair that exists
    auto curses = [](int c) { return static_cast<short>(CURSES_COLOUR[c & 7]); };
    if (palette == Palette::Sixteen)
        return {static_cast<short>(curses(fg) + (fg & 8)),
                static_cast<short>(curses(bg) + (bg & 8)), false, false};
    return {curses(fg), curses(bg), (fg & 8) != 0, false};
}

namespace {

// How standard input has ended (POLLHUP: the terminal hung up; POLLERR, POLLNVAL:
// the descriptor is gone), 0 while it has not. A key wait that sees this would
// otherwise wait for ever, at full speed.
int input_ended() {
    pollfd in{STDIN_FILENO, POLLIN, 0};
    return poll(&in, 1, 0) == 1 ? in.revents & (POLLHUP | POLLERR | POLLNVAL) : 0;
}

// The character drawn for a cell. Control characters and stray bytes show as "?";
// so does a character that would not take exactly one column (wide, combining),
// or any character beyond ASCII where the locale's text is not UTF-8, since
// curses could not draw it in one cell.
char32_t drawable(char32_t c, bool utf8_locale) {
    if (c == 0) return ' ';
    if (c >= 32 && c < 127) return c;
    if (!utf8_locale || c < 0xA0 || utf8::is_stray_byte(c)) return '?';
    return wcwidth(static_cast<wchar_t>(c)) == 1 ? c : '?';
}

}  // namespace

TerminalFace::TerminalFace(bool colour) {
    struct sigaction sa {};
    sa.sa_handler = on_stop_signal;
    sigemptyset(&sa.sa_mask);
    for (int sig : STOP_SIGNALS) sigaction(sig, &sa, nullptr);

    reset_ = std::make_unique<TerminalReset>();
    reset_->has_modes = tcgetattr(STDOUT_FILENO, &reset_->modes) == 0;
    // newterm, unlike initscr, reports a terminal it cannot use instead of ending the program.
    screen_ = newterm(nullptr, stdout, stdin);
    if (!screen_) {
        reset_signals();
        throw std::runtime_error("the terminal could not be set up (is TERM set?)");
    }
    active_ = true;
    const char* delay = std::getenv("ESCDELAY");
    if (delay == nullptr || *delay == '\0') set_escdelay(ESC_DELAY);
    // What endwin sends: colours and attributes off, the cursor shown, the keypad
    // back in its local mode, the screen the program found.
    for (const char* capability : {"op", "sgr0", "cnorm", "rmkx", "rmcup"}) reset_->add(capability);
    g_reset.store(reset_.get());
    utf8_ = MB_CUR_MAX > 1;
    // Ctrl-C, Ctrl-\ and Ctrl-Z keep their meaning; every other key comes to the program.
    cbreak();
    noecho();
    keypad(stdscr, TRUE);
    nonl();
    colour_ = colour && has_colors();
    if (colour_) {
        start_color();
        // One pair per (fg,bg) with fg != bg, numbered bg * 16 + fg: 1..254, all within
        // the 255 pairs a character's attribute can name. A cell whose text has the
        // colour of its background is drawn as a blank.
        sixteen_ = COLORS >= 16 && COLOR_PAIRS >= 255;
        if (sixteen_) {
            for (int bg = 0; bg < 16; ++bg)
                for (int fg = 0; fg < 16; ++fg)
                    if (fg != bg) {
                        const CellColours c = cell_colours(fg, bg, Palette::Sixteen);
                        init_pair(static_cast<short>(bg * 16 + fg), c.fg, c.bg);
                    }
        } else {
            for (int bg = 0; bg < 8; ++bg)
                for (int fg = 0; fg < 8; ++fg)
                    if (bg * 8 + fg > 0 && bg * 8 + fg < COLOR_PAIRS) {
                        // Bright text shares the pair of its dark colour (drawn bold), so
                        // light blue on blue needs blue on blue: each pair is set up from
                        // its bright text.
                        const CellColours c = cell_colours(fg + 8, bg, Palette::Eight);
                        init_pair(static_cast<short>(bg * 8 + fg), c.fg, c.bg);
                    }
        }
    }
}

TerminalFace::~TerminalFace() { restore(); }

void TerminalFace::reset_signals() {
    for (int sig : STOP_SIGNALS) signal(sig, SIG_DFL);
}

void TerminalFace::restore() {
    if (!active_) return;
    active_ = false;
    endwin();
    delscreen(screen_);
    screen_ = nullptr;
    g_reset.store(nullptr);
    // From now on a stop signal ends the program at once, as it would any other.
    reset_signals();
}

int TerminalFace::attribute(int fg, int bg) const {
    const Palette palette = !colour_ ? Palette::None : sixteen_ ? Palette::Sixteen : Palette::Eight;
    const CellColours c = cell_colours(fg, bg, palette);
    if (palette == Palette::None) return c.reverse ? A_REVERSE : A_NORMAL;
    if (fg == bg) fg ^= 1;  // the pair that cell_colours chose
    const int attr = COLOR_PAIR(sixteen_ ? bg * 16 + fg : (bg & 7) * 8 + (fg & 7));
    return c.bold ? attr | A_BOLD : attr;
}

bool TerminalFace::too_small() { return LINES < MIN_ROWS || COLS < MIN_COLS; }

std::vector<std::string> size_notice(int cols, int rows) {
    const std::string sentences[] = {
        "Tallyvane needs a terminal of at least " + std::to_string(MIN_COLS) + " columns and " +
            std::to_string(MIN_ROWS) + " rows.",
        "This one has " + std::to_string(cols) + " columns and " + std::to_string(rows) +
            " rows. Please make the window larger: drag its edge, or choose a larger size in "
            "the terminal menu.",
        "Ctrl-C leaves the program."};
    // Each sentence starts a line; a word wider than the terminal is cut into pieces.
    const size_t width = static_cast<size_t>(std::max(cols, 1));
    std::vector<std::string> lines;
    for (const std::string& sentence : sentences)
        for (std::string_view line : utf8::broken_lines(sentence, width)) lines.emplace_back(line);
    return lines;
}

void TerminalFace::draw_size_notice() {
    erase();
    attrset(A_NORMAL);
    int row = 0;
    for (const std::string& line : size_notice(COLS, LINES)) {
        if (row >= LINES) break;
        mvaddnstr(row++, 0, line.c_str(), COLS);
    }
    refresh();
    notice_ = true;
}

void TerminalFace::draw(const Screen& screen, bool force) {
    if (too_small()) {
        draw_size_notice();
        return;
    }
    if (notice_) {
        notice_ = false;
        force = true;
        clear();
    }
    // A terminal of 24 rows shows rows 1-24 of the screen, or rows 2-25 while the
    // cursor is on row 25 (a prompt on the bottom row must be seen) and while a key
    // line is up, unless the cursor is on row 1: the keys of a screen matter more
    // than its title row.
    const bool bottom_rows =
        screen.row() == Screen::ROWS || (screen.has_key_line() && screen.row() != 1);
    const int top = LINES < Screen::ROWS && bottom_rows ? 2 : 1;
    if (top != top_) {
        top_ = top;
        force = true;
    }
    const int bottom = std::min(Screen::ROWS, top + LINES - 1);
    if (!force && shown_ && screen.version() == drawn_version_) {
        move(screen.row() - top, screen.col() - 1);
        refresh();
        return;
    }
    for (int r = top; r <= bottom; ++r)
        for (int c = 1; c <= Screen::COLS; ++c) {
            const Cell& cell = screen.at(c, r);
            Cell& old = drawn_[(r - 1) * Screen::COLS + (c - 1)];
            if (!force && shown_ && cell == old) continue;
            old = cell;
            const char32_t ch = cell.fg == cell.bg ? U' ' : drawable(cell.ch, utf8_);
            const int attr = attribute(cell.fg, cell.bg);
            // The terminal's bottom-right cell cannot be written with the cursor
            // advancing past it.
            const int y = r - top, x = c - 1;
            const bool last = y == LINES - 1 && x == COLS - 1;
            if (ch < 128) {
                if (last)
                    mvinsch(y, x, ch | attr);
                else
                    mvaddch(y, x, ch | attr);
                continue;
            }
            const wchar_t text[2] = {static_cast<wchar_t>(ch), L'\0'};
            cchar_t wide;
            setcchar(&wide, text, attr & ~A_COLOR, static_cast<short>(PAIR_NUMBER(attr)), nullptr);
            if (last)
                mvins_wch(y, x, &wide);
            else
                mvadd_wch(y, x, &wide);
        }
    shown_ = true;
    drawn_version_ = screen.version();
    move(screen.row() - top, screen.col() - 1);
    refresh();
}

void TerminalFace::show(const Screen& screen) { draw(screen, false); }

int TerminalFace::next_key(const Screen& screen, bool wait) {
    if (pushed_back_ >= 0) {
        int k = pushed_back_;
        if (wait) pushed_back_ = -1;
        return k;
    }
    draw(screen, false);
    timeout(wait ? 100 : 0);
    for (;;) {
        if (g_stop_signal != 0) throw Interrupted{g_stop_signal};
        int ch = getch();
        if (ch == ERR) {
            if (const int ended = input_ended()) {
                // A closed terminal hangs up: the program ends as on the SIGHUP that
                // the kernel sends only to the terminal's shell, which may pass it on
                // a moment later, or never.
                if (g_stop_signal != 0) throw Interrupted{g_stop_signal};
                if (ended & POLLHUP) throw Interrupted{SIGHUP};
                throw InputEnded{};
            }
            if (!wait) return -1;
            continue;
        }
        if (ch == KEY_RESIZE) {
            draw(screen, true);
            continue;
        }
        if (too_small()) continue;  // keys do nothing while the notice is shown
        int k = decode_key(ch);
        if (k < 0) continue;
        if (!wait) pushed_back_ = k;
        return k;
    }
}

int TerminalFace::wait_key(const Screen& screen) { return next_key(screen, true); }

bool TerminalFace::key_waiting(const Screen& screen) { return next_key(screen, false) >= 0; }

}  // namespace tv
