#include "bank/question_file.h"

namespace tv {

QuestionFile QuestionFile::load(const Files& files, const std::string& name) {
    TextReader in = files.read(name);
    std::vector<std::string> lines;
    while (!in.eof()) lines.push_back(in.read_line(std::string::npos));
    return QuestionFile(name, std::move(lines));
}

std::string QuestionFile::line(int k, size_t max) const {
    if (k < 1 || k > size()) return "";
    return lines_[k - 1].substr(0, max);
}

std::string QuestionFile::part(int k, size_t from, size_t max) const {
    if (k < 1 || k > size() || from >= lines_[k - 1].size()) return "";
    return lines_[k - 1].substr(from, max);
}

}  // namespace tv
