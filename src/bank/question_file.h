// A question file held in memory for one run. The program finds question k of a
// run of lines by counting lines from the start of the file; with the lines in
// memory that count becomes an index. A line past the end reads as empty, as
// reading on at the end of a file would.
//
// The lines are kept in one buffer, without their line ends, with the offset where
// each starts: a file of many short lines costs little more than its own size.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bank/textfile.h"

namespace tv {

class QuestionFile {
public:
    QuestionFile() = default;
    // The lines as given, each kept whole.
    QuestionFile(std::string name, const std::vector<std::string>& lines);
    // Reads the file (line ends LF, CR LF or CR alone; a line is kept whole). Blank
    // lines after the last question are not kept: no reader ever gets to them. A
    // blank line with questions after it makes the file unusable, so the reading
    // stops there: that line is the last one kept and blank_before_end() is true.
    static QuestionFile load(const Files& files, const std::string& name);
    // The same from the text of a file.
    static QuestionFile from_text(std::string name, std::string text);

    const std::string& name() const { return name_; }
    int size() const { return starts_.empty() ? 0 : static_cast<int>(starts_.size()) - 1; }
    // Whether the reading stopped at a blank line that had questions after it.
    bool blank_before_end() const { return blank_before_end_; }
    // Line k (from 1) whole; "" past the end.
    std::string_view text(int k) const {
        if (k < 1 || k > size()) return {};
        return std::string_view(text_).substr(starts_[k - 1], starts_[k] - starts_[k - 1]);
    }
    // Line k (from 1), its first `max` characters (UTF-8 counted by character, never
    // cut inside one); "" past the end.
    std::string line(int k, size_t max = 254) const;
    // At most `max` characters from character `from` (0-based) of line k: the second
    // part of a long line.
    std::string part(int k, size_t from, size_t max) const;

private:
    std::string name_;
    std::string text_;              // the lines one after the other
    std::vector<uint32_t> starts_;  // line k is text_[starts_[k-1], starts_[k])
    bool blank_before_end_ = false;
};

}  // namespace tv
