// The command line: the options, the making of a new workspace from the files
// installed with the program, and the test that the current folder is one.
#pragma once
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace tv {

// Exit statuses of the program (a signal ends it with 128 + the signal).
constexpr int EXIT_OK = 0, EXIT_FAILED = 1, EXIT_USAGE = 2;

struct Options {
    enum class Action { Run, Help, Version, Init, Check, Import, Export, Pdf, Wrong };
    Action action = Action::Run;
    std::string dir;    // --init: the folder to make
    std::string sheet;  // --import, --export: the spreadsheet file; --pdf: the packet
    bool demo = false;  // --init: add a demo
    // --demo=NAME: the demo folder examples/NAME; without a name, the Romans and James
    // bank (examples/bank) beside the example styles.
    std::string demo_name;
    // --init --material: a material file, or the name of a built-in season (a folder
    // of examples/ holding a Material.txt).
    std::string material;
    std::string error;  // Wrong: what is wrong with the command line
};

Options parse_options(const std::vector<std::string>& args);
std::string usage_text();

// Where the files installed with the program may be (each holding data/ and
// examples/bank/), in the order they are tried: beside the program as installed
// (`exe_dir`/`bin_to_share`), the source tree of a build that was never installed,
// and the folder the build installs to (for a program moved away from its files).
std::vector<std::filesystem::path> share_candidates(const std::filesystem::path& exe_dir,
                                                    const std::string& bin_to_share,
                                                    const std::string& installed_share,
                                                    const std::string& source_tree);
// The first candidate that holds the style list of a new workspace; "" when none does.
std::filesystem::path find_share_dir(const std::vector<std::filesystem::path>& candidates);

// What --init did: the files copied and those left as they were.
struct InitReport {
    std::vector<std::string> copied, kept;
};
// Makes `dir` (and the folders above it) and copies into it the style list, the
// template and the example styles, and with `demo` the demo question bank. A named
// demo (`demo_name`, a folder of examples/ holding a whole workspace of another
// season, with its own styles and Material.txt) is copied instead. A file already
// there is never overwritten. A failure is an IoError.
// With `material` (a file, or a built-in season's name) the workspace gets that
// Material.txt, checked first, and the example styles are moved onto its books;
// without one and without a demo, a Material.txt of comments that tells how to name
// the season's books.
InitReport init_workspace(const std::filesystem::path& dir, const std::filesystem::path& share,
                          bool demo, const std::string& demo_name = "",
                          const std::string& material = "");

// Runs every action but Run and Check: prints to `out` (help, version, what --init did) or
// `err` (a wrong command line, a failure) and returns the exit status.
int run_command(const Options& options, const std::vector<std::filesystem::path>& share,
                std::ostream& out, std::ostream& err);

// "" when `dir` is a workspace; otherwise what is missing and how to make one.
std::string workspace_problem(const std::filesystem::path& dir);

}  // namespace tv
