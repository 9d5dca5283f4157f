#include "bank/question_file.h"

#include "console/utf8.h"

namespace tv {

QuestionFile QuestionFile::load(const Files& files, const std::string& name) {
    TextReader in = files.read(name);
    std::vector<std::string> lines;
    while (!in.eof()) lines.push_back(in.read_line(std::string::npos));
    return QuestionFile(name, std::move(lines));
}

std::string QuestionFile::line(int k, size_t max) const {
    if (k < 1 || k > size()) return "";
    return std::string(utf8::prefix(lines_[k - 1], max));
}

std::string QuestionFile::part(int k, size_t from, size_t max) const {
    if (k < 1 || k > size()) return "";
    return std::string(utf8::slice(lines_[k - 1], from, max));
}

}  // namespace tv
