#include "bank/textfile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "console/utf8.h"

namespace tv {

TextReader::TextReader(std::string name, std::string content)
    : name_(std::move(name)), data_(std::move(content)) {}

bool TextReader::at_line_end() const {
    if (pos_ >= data_.size()) return true;
    if (data_[pos_] == '\n') return true;
    return data_[pos_] == '\r' && pos_ + 1 < data_.size() && data_[pos_ + 1] == '\n';
}

bool TextReader::eoln() const { return at_line_end(); }

void TextReader::take_line_end() {
    if (pos_ >= data_.size()) return;
    if (data_[pos_] == '\r') ++pos_;
    if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
    ++line_;
}

std::string TextReader::read_text(size_t max) {
    size_t end = data_.find('\n', pos_);
    if (end == std::string::npos) end = data_.size();
    if (end > pos_ && data_[end - 1] == '\r' && end < data_.size()) --end;  // CR of a CR LF
    // `max` counts UTF-8 characters: a line is never cut inside one.
    size_t n = end - pos_;
    if (max < n) n = utf8::prefix(std::string_view(data_).substr(pos_, n), max).size();
    std::string s = data_.substr(pos_, n);
    pos_ += n;
    return s;
}

void TextReader::skip_line() {
    size_t end = data_.find('\n', pos_);
    if (end == std::string::npos) {
        pos_ = data_.size();
        return;
    }
    pos_ = end + 1;
    ++line_;
}

std::string TextReader::read_line(size_t max) {
    std::string s = read_text(max);
    skip_line();
    return s;
}

char TextReader::read_char() {
    if (at_line_end()) return '\n';
    return data_[pos_++];
}

long TextReader::read_int() {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    for (;;) {
        if (eof()) throw IoError("read a number from", name_, "the file ends where a number was expected", line_);
        if (at_line_end())
            take_line_end();
        else if (blank(data_[pos_]))
            ++pos_;
        else
            break;
    }
    size_t start = pos_;
    while (!at_line_end() && !blank(data_[pos_])) ++pos_;
    std::string field = data_.substr(start, pos_ - start);
    size_t i = 0;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    if (i == field.size() || field.size() - i > 9)
        throw IoError("read a number from", name_, "\"" + field + "\" is not a number", line_);
    long n = 0;
    for (; i < field.size(); ++i) {
        if (field[i] < '0' || field[i] > '9')
            throw IoError("read a number from", name_, "\"" + field + "\" is not a number", line_);
        n = n * 10 + (field[i] - '0');
    }
    return negative ? -n : n;
}

TextWriter::TextWriter(std::filesystem::path path, std::string name, Mode mode)
    : path_(std::move(path)), name_(std::move(name)) {
    const char* how = mode == Mode::append ? "ab" : "wb";
    std::filesystem::path target = path_;
    if (mode == Mode::replace_safely) {
        temp_ = path_;
        temp_ += ".tmp~";
        target = temp_;
    }
    file_ = std::fopen(target.c_str(), how);
    if (!file_) fail(mode == Mode::append ? "open" : "create", mode == Mode::append ? "for appending" : "");
}

TextWriter::TextWriter(TextWriter&& o) noexcept
    : path_(std::move(o.path_)), temp_(std::move(o.temp_)), name_(std::move(o.name_)), file_(o.file_) {
    o.file_ = nullptr;
}

TextWriter::~TextWriter() {
    if (!file_) return;
    std::fclose(file_);
    if (!temp_.empty()) {
        std::error_code ec;
        std::filesystem::remove(temp_, ec);
    }
}

void TextWriter::fail(const std::string& op, const std::string& qualifier) {
    int err = errno;
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temp_.empty()) {
        std::error_code ec;
        std::filesystem::remove(temp_, ec);
    }
    throw IoError(op, name_, err ? std::strerror(err) : "unknown error", 0, qualifier);
}

void TextWriter::write(std::string_view s) {
    if (!file_) throw IoError("write", name_, "the file is not open");
    errno = 0;
    if (!s.empty() && std::fwrite(s.data(), 1, s.size(), file_) != s.size()) fail("write");
}

void TextWriter::writeln(std::string_view s) {
    write(s);
    write("\n");
}

void TextWriter::close() {
    if (!file_) return;
    errno = 0;
    FILE* f = file_;
    if (std::fflush(f) != 0) fail("write");
    file_ = nullptr;
    if (std::fclose(f) != 0) {
        int err = errno;
        if (!temp_.empty()) {
            std::error_code ec;
            std::filesystem::remove(temp_, ec);
        }
        throw IoError("write", name_, std::strerror(err));
    }
    if (!temp_.empty()) {
        std::error_code ec;
        std::filesystem::rename(temp_, path_, ec);
        if (ec) {
            std::filesystem::remove(temp_, ec);
            throw IoError("replace", name_, ec.message());
        }
        temp_.clear();
    }
}

bool Files::exists(const std::string& name) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(path(name), ec);
}

TextReader Files::read(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    if (!in) throw IoError("open", name, std::strerror(errno), 0, "for reading");
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) throw IoError("read", name, std::strerror(errno));
    return TextReader(name, content.str());
}

TextWriter Files::create(const std::string& name) const {
    return TextWriter(path(name), name, TextWriter::Mode::create);
}

TextWriter Files::append(const std::string& name) const {
    return TextWriter(path(name), name, TextWriter::Mode::append);
}

TextWriter Files::replace_safely(const std::string& name) const {
    return TextWriter(path(name), name, TextWriter::Mode::replace_safely);
}

}  // namespace tv
