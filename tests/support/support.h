// Helpers shared by the tests: a fresh working folder per test, and short ways to
// read files and the screen.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bank/textfile.h"
#include "console/console.h"

namespace tv::test {

// A new empty folder under the system's temporary folder, removed at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    Files files() const { return Files(path_); }
    void write(const std::string& name, const std::string& content) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;

private:
    std::filesystem::path path_;
};

// The whole content of a file as a string.
std::string slurp(const std::filesystem::path& p);
// Copies files of the project (relative to the source tree) into a folder.
void copy_from_source(const std::string& relative_dir, const std::filesystem::path& to);
std::filesystem::path source_dir();

// The status a child process ends with when a fault ends it at a named step.
constexpr int KILLED = 86;

// Faults for the file layer: the nth operation `op` on `file` fails with `err`, and the
// step `kill_at` ends the process at once, without unwinding, as a kill would.
struct Faults : FileFaults {
    Op op = Op::write;
    std::string file, kill_at;
    int err = 0, nth = 1;
    Faults(Op failing, std::string name, int error_no, int count = 1)
        : op(failing), file(std::move(name)), err(error_no), nth(count) {}
    explicit Faults(std::string step_name) : kill_at(std::move(step_name)) {}
    int error(Op o, const std::string& f) override { return o == op && f == file && --nth == 0 ? err : 0; }
    void step(const char* name) override;
};

// The file error a step ends with, if it ends with one; and its message ("no error").
template <class F>
std::optional<IoError> io_error(F&& step) {
    try {
        step();
    } catch (const IoError& e) {
        return e;
    }
    return std::nullopt;
}
// The message of the error of kind E a step ends with ("no error" when it ends without).
template <class E = IoError, class F>
std::string error_of(F&& step) {
    try {
        step();
    } catch (const E& e) {
        return e.what();
    }
    return "no error";
}

// The names of the side files and commit records in a folder.
std::vector<std::string> leftovers(const std::filesystem::path& dir);

// Keys for a script: an extended key (arrow etc.) as the script wants it.
inline int ext(int scan) { return key::EXT + scan; }
// Characters of a text as keys.
std::vector<int> keys(const std::string& text);
// All 25 rows of the screen, trailing blanks cut, for failure messages.
std::string dump(const Screen& s);

}  // namespace tv::test
