// tallyvane: prepares packets of quizzes from a question bank on Romans and James.
// It works on the files of the current folder and takes no arguments.
#include <cstdlib>
#include <iostream>

#include "bank/workspace_lock.h"
#include "console/io_error.h"
#include "console/printer.h"
#include "console/random.h"
#include "console/terminal.h"
#include "driver/cycle.h"

int main() {
    using namespace tv;
    try {
        // Before the screen is taken over, so that a second copy can say why it stops.
        Files files(".");
        WorkspaceLock lock(files);
        TerminalFace face;
        Console con(face);
        SystemClock clock;
        Random rng(clock.ticks_ms());
        SystemPrinter printer;
        const char* path = std::getenv("PATH");
        return run_program(con, files, rng, clock, printer, path ? path : "");
    } catch (const IoError& e) {
        // The terminal was given back when the face went out of scope.
        std::cerr << "tallyvane: I/O error: " << e.what() << "\n";
        return 1;
    } catch (const Interrupted& i) {
        return 128 + i.signal;
    } catch (const std::exception& e) {
        std::cerr << "tallyvane: " << e.what() << "\n";
        return 1;
    }
}
