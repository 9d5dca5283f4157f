// tallyvane: prepares packets of quizzes from a question bank on Romans and James.
// It works on the files of the current folder and takes no arguments.
#include <csignal>
#include <cstdlib>
#include <iostream>

#include "bank/workspace_lock.h"
#include "console/io_error.h"
#include "console/printable.h"
#include "console/printer.h"
#include "console/random.h"
#include "console/terminal.h"
#include "driver/cycle.h"

int main() {
    using namespace tv;
    // A print command that stops reading must not end the program: the write fails
    // instead, and the copies go to a file.
    std::signal(SIGPIPE, SIG_IGN);
    const char* path = std::getenv("PATH");
    const std::string path_list = path ? path : "";
    // Checked before the screen is taken: without a terminal the program could only
    // draw into a file or wait for keys that never come.
    const std::string unusable = terminal_unusable(std::getenv("TERM"));
    if (!unusable.empty()) {
        std::cerr << "tallyvane: " << unusable << "\n";
        return 1;
    }
    const char* no_color = std::getenv("NO_COLOR");
    try {
        // Before the screen is taken over, so that a second copy can say why it stops.
        Files files(".");
        WorkspaceLock lock(files);
        TerminalFace face(!(no_color && *no_color));
        Console con(face);
        SystemClock clock;
        Random rng(clock.ticks_ms());
        SystemPrinter printer(path_list);
        return run_program(con, files, rng, clock, printer, path_list);
    } catch (const IoError& e) {
        // The terminal was given back when the face went out of scope.
        std::cerr << "tallyvane: I/O error: " << printable(e.what()) << "\n";
        return 1;
    } catch (const Interrupted& i) {
        return 128 + i.signal;
    } catch (const InputEnded&) {
        std::cerr << "tallyvane: the terminal's input has ended\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "tallyvane: " << printable(e.what()) << "\n";
        return 1;
    }
}
