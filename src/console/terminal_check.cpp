// The check made before the terminal is taken over. It reads the terminal's
// description through the low-level curses calls, apart from the drawing code,
// whose names the description's macros would shadow.
#include "base/printable.h"
#include "console/terminal.h"

#include <curses.h>
#include <term.h>
#include <unistd.h>

namespace tv {

std::string terminal_unusable(const char* term) {
    const std::string advice = "; start tallyvane in a terminal window";
    if (!isatty(STDIN_FILENO)) return "standard input is not a terminal" + advice;
    if (!isatty(STDOUT_FILENO)) return "standard output is not a terminal" + advice;
    if (!term || !*term) return "TERM is not set, so the kind of terminal is unknown" + advice;
    int err = 0;
    if (setupterm(term, STDOUT_FILENO, &err) != OK)
        return "the terminal type \"" + printable(term) + "\" is unknown here" + advice;
    // The screens move the cursor to any row and column; a terminal that cannot
    // (TERM=dumb) would show one line that the user could not leave.
    const char* cup = tigetstr(const_cast<char*>("cup"));
    const bool addressable = cup != nullptr && cup != reinterpret_cast<char*>(-1);
    del_curterm(cur_term);
    if (!addressable)
        return "the terminal type \"" + printable(term) + "\" cannot move the cursor" + advice;
    return "";
}

}  // namespace tv
