// The console every screen works with: the screen model plus a keyboard.
// Keys arrive one code at a time; an extended key (arrows, Home, F1...) arrives
// as the code 0 followed by its scan code, as on a PC keyboard.
#pragma once
#include <deque>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/run_abandoned.h"
#include "console/screen.h"

namespace tv {

namespace key {
constexpr int ENTER = 13, ESC = 27, BACKSPACE = 8, TAB = 9;
// Scan codes of the extended keys (the second code after 0).
constexpr int UP = 72, DOWN = 80, LEFT = 75, RIGHT = 77, HOME = 71, END = 79, PGUP = 73, PGDN = 81,
              INS = 82, DEL = 83, F1 = 59, F10 = 68;
// A key source reports an extended key as EXT + scan code.
constexpr int EXT = 0x100;
}  // namespace key

// One key as a screen acts on it: the character of a typed key, or the scan code of
// an extended key with `extended` set. The Up arrow (0, then 72) and a typed "H"
// (72) differ only in `extended`, so a screen that takes letters as text tells them
// apart here.
struct Key {
    int code = 0;
    bool extended = false;
    // The extended key with this scan code (key::UP...): the real key, never a letter.
    bool is(int scan) const { return extended && code == scan; }
    // This typed character (Enter, Esc and Backspace are typed characters too).
    bool typed(int c) const { return !extended && code == c; }
};

// Where keys come from and where the screen is shown: the real terminal or a test script.
class Face {
public:
    virtual ~Face() = default;
    // Shows the screen and waits for the next key (key::EXT + scan for extended keys).
    virtual int wait_key(const Screen& screen) = 0;
    // Whether a key is waiting, without taking it.
    virtual bool key_waiting(const Screen& screen) = 0;
    // Shows the screen without waiting (before a long computation, say).
    virtual void show(const Screen&) {}
};

// A test's key list ran dry: the screen under test asked for more keys than the test gave.
struct ScriptExhausted : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Keys from a list given by a test. When the list is used up it throws, so a
// screen that waits for more keys than expected fails the test instead of hanging.
class ScriptFace : public Face {
public:
    ScriptFace() = default;
    explicit ScriptFace(std::vector<int> keys) { add(keys); }
    void add(const std::vector<int>& keys) { keys_.insert(keys_.end(), keys.begin(), keys.end()); }
    // Adds the characters of a text as keys ("\r" for Enter).
    void type(const std::string& text) {
        for (unsigned char c : text) keys_.push_back(c);
    }
    int wait_key(const Screen& screen) override;
    bool key_waiting(const Screen&) override { return !keys_.empty(); }
    size_t left() const { return keys_.size(); }

private:
    std::deque<int> keys_;
};

class Console {
public:
    explicit Console(Face& face) : face_(face) {}
    Screen& screen() { return screen_; }
    const Screen& screen() const { return screen_; }

    // One key code: extended keys give 0 and then their scan code on the next call.
    int read_key();
    // One key: the 0 of an extended key is taken with its scan code.
    Key read();
    // Whether a key is waiting, without taking it.
    bool key_pressed();
    // Waits until a key is pressed but leaves it to be read by the next prompt.
    void wait_for_key();
    // Reads a typed line with echo; Backspace removes the last character; Enter ends
    // the line and moves the cursor to the next row. At most `max` characters are kept.
    std::string read_line(size_t max = 255);
    // Waits for Enter (a "Press Return" prompt reads a whole line and ignores it).
    void wait_enter() { read_line(); }
    // Shows the screen as it stands (before a long step).
    void show() { face_.show(screen_); }

    // Shortcuts to the screen model, named after the console operations.
    void clear() { screen_.clear(); }
    void clear_eol() { screen_.clear_eol(); }
    void go(int col, int row) { screen_.go(col, row); }
    void text_color(int c) { screen_.text_color(c); }
    void text_background(int c) { screen_.text_background(c); }
    void write(std::string_view s) { screen_.write(s); }
    void write(char c) { screen_.write(c); }
    void write_num(long n, int width = 0) { screen_.write_num(n, width); }
    void writeln(std::string_view s = "") { screen_.writeln(s); }
    // Writes `s` at (col,row).
    void write_at(int col, int row, std::string_view s) {
        go(col, row);
        write(s);
    }
    // The colours of a role (screen.h).
    void use(Role role) { screen_.use(role); }
    void normal() { use(Role::Normal); }
    void highlight() { use(Role::Highlight); }
    // Clears rows 2-24 in the current background; cursor to column 1, row 3. Under a
    // key line the keys of the screen before go too: each screen names its own.
    void clr();
    // Shows the keys of the screen on row 25, the key line (Screen::set_keys).
    void keys(std::span<const KeyHint> hints) { screen_.set_keys(hints); }
    // Text kept at the right end of the key line where the keys leave room.
    void key_note(std::string_view note) { screen_.set_key_note(note); }

private:
    Face& face_;
    Screen screen_;
    std::deque<int> ahead_;  // codes already taken from the face, not yet read
};

// A file problem during the cycle (a file missing, malformed or not writable): the work
// area is cleared and the message, which names the file, the line and the reason, is
// shown white on red from row 5, broken at blanks to fit; then the user presses Return
// to go back to the style menu.
void show_file_problem(Console& con, const std::string& message);

// Writes a message from (col,row) so that no line passes column 80: where the
// text would, it is broken at the last blank before and goes on at the same column
// of the next row (a word longer than the room is cut there). Returns the row after
// the last one written.
int write_within(Console& con, int col, int row, std::string_view text);

// Progress messages during sectoring follow-up and assembly go to column 3 of row
// RSET. RSET is advanced before each message; when it reaches 24 the work area is
// cleared and row 5 is used. Returns the new RSET.
int advance_rset(Console& con, int& RSET);

}  // namespace tv
