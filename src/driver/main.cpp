// tallyvane: prepares packets of quizzes from a question bank on Romans and James.
// It works on the files of the current folder; the options only make a new
// workspace or tell about the program (command_line.h).
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <system_error>

#include "bank/workspace_lock.h"
#include "base/io_error.h"
#include "base/printable.h"
#include "base/random.h"
#include "console/printer.h"
#include "console/terminal.h"
#include "driver/check.h"
#include "driver/command_line.h"
#include "driver/cycle.h"

namespace {

// The places of the installed files, starting beside the program itself, so that a
// moved or unpacked installation finds its own.
std::vector<std::filesystem::path> share_dirs(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = argv0;
    return tv::share_candidates(exe.parent_path(), TV_BIN_TO_SHARE, TV_INSTALLED_SHARE,
                                TV_SOURCE_TREE);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tv;
    const Options options = parse_options(std::vector<std::string>(argv + 1, argv + argc));
    if (options.action == Options::Action::Check) {
        // Reads the workspace as a run would, and tells every problem; no screen.
        const std::vector<std::string> problems = check_workspace(Files("."));
        for (const std::string& p : problems) std::cout << p << "\n";
        if (problems.empty()) std::cout << "No problem found.\n";
        return problems.empty() ? EXIT_OK : EXIT_FAILED;
    }
    if (options.action != Options::Action::Run)
        return run_command(options, share_dirs(argv[0]), std::cout, std::cerr);
    if (const std::string problem = workspace_problem("."); !problem.empty()) {
        std::cerr << "tallyvane: " << problem;
        return EXIT_FAILED;
    }
    // Characters as the user's locale has them (UTF-8 text on the screen); numbers
    // keep the plain form whatever the locale.
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");
    // A print command that stops reading must not end the program: the write fails
    // instead, and the copies go to a file.
    std::signal(SIGPIPE, SIG_IGN);
    // Nor a file grown past the size limit (ulimit -f): the write fails and is told
    // with the file's name, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
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
        return run_program(con, files, rng, clock, printer);
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
