// A question file held in memory for one run. The program finds question k of a
// run of lines by counting lines from the start of the file; with the lines in a
// vector that count becomes an index. A line past the end reads as empty, as
// reading on at the end of a file would.
#pragma once
#include <string>
#include <vector>

#include "bank/textfile.h"

namespace tv {

class QuestionFile {
public:
    QuestionFile() = default;
    QuestionFile(std::string name, std::vector<std::string> lines)
        : name_(std::move(name)), lines_(std::move(lines)) {}
    // Reads every line of the file (line ends LF or CR LF; a line is kept whole).
    static QuestionFile load(const Files& files, const std::string& name);

    const std::string& name() const { return name_; }
    int size() const { return static_cast<int>(lines_.size()); }
    // Line k (from 1), its first `max` characters (UTF-8 counted by character, never
    // cut inside one); "" past the end.
    std::string line(int k, size_t max = 254) const;
    // At most `max` characters from character `from` (0-based) of line k: the second
    // part of a long line.
    std::string part(int k, size_t from, size_t max) const;

private:
    std::string name_;
    std::vector<std::string> lines_;
};

}  // namespace tv
