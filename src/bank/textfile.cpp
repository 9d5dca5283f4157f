#include "bank/textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "console/utf8.h"

namespace tv {

namespace {

// What a path that is not a regular file is, for the message that refuses it.
std::string kind_of(mode_t mode) {
    if (S_ISDIR(mode)) return "it is a folder, not a file";
    if (S_ISFIFO(mode)) return "it is a pipe (FIFO), not a regular file";
    if (S_ISSOCK(mode)) return "it is a socket, not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a regular file";
    return "it is not a regular file";
}

// Closes a descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

TextReader::TextReader(std::string name, std::string content)
    : name_(std::move(name)), data_(std::move(content)) {}

bool TextReader::at_line_end() const {
    return pos_ >= data_.size() || data_[pos_] == '\n' || data_[pos_] == '\r';
}

bool TextReader::eoln() const { return at_line_end(); }

size_t TextReader::line_end(size_t from) const {
    const char* p = data_.data();
    size_t end = from;
    while (end < data_.size() && p[end] != '\n' && p[end] != '\r') ++end;
    return end;
}

void TextReader::take_line_end() {
    if (pos_ >= data_.size()) return;
    const bool cr = data_[pos_] == '\r';
    ++pos_;
    if (cr && pos_ < data_.size() && data_[pos_] == '\n') ++pos_;  // the LF of a CR LF
    ++line_;
}

std::string TextReader::read_text(size_t max) {
    const size_t end = line_end(pos_);
    // `max` counts UTF-8 characters: a line is never cut inside one.
    size_t n = end - pos_;
    if (max < n) n = utf8::prefix(std::string_view(data_).substr(pos_, n), max).size();
    std::string s = data_.substr(pos_, n);
    pos_ += n;
    return s;
}

void TextReader::skip_line() {
    pos_ = line_end(pos_);
    take_line_end();
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
    const char* op = mode == Mode::append ? "open" : "create";
    const std::string qualifier = mode == Mode::append ? "for appending" : "";
    struct stat st {};
    const bool exists = ::stat(path_.c_str(), &st) == 0;
    // Opening a pipe would wait for a reader forever; a socket takes no file.
    if (exists && (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)))
        throw IoError(op, name_, kind_of(st.st_mode), 0, qualifier);
    std::filesystem::path target = path_;
    if (mode == Mode::replace_safely) {
        // A file the user made read-only is not to be replaced behind their back.
        if (exists && S_ISREG(st.st_mode) && (st.st_mode & 0222) == 0)
            throw IoError("replace", name_, "the file is read-only; it was left as it is");
        temp_ = side_file(path_);
        target = temp_;
    }
    errno = 0;
    file_ = std::fopen(target.c_str(), how);
    if (!file_) fail(op, qualifier);
    // The new text keeps the permissions of the file it replaces.
    struct stat side {};
    if (mode == Mode::replace_safely && exists && S_ISREG(st.st_mode) &&
        ::fstat(::fileno(file_), &side) == 0 && S_ISREG(side.st_mode))
        (void)::fchmod(::fileno(file_), st.st_mode & 07777);
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
            const std::string reason = ec.message();  // before the clean-up below resets ec
            std::filesystem::remove(temp_, ec);
            throw IoError("replace", name_, reason);
        }
        temp_.clear();
    }
}

bool Files::exists(const std::string& name) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(path(name), ec);
}

TextReader Files::read(const std::string& name) const {
    // O_NONBLOCK: opening a pipe must not wait for a writer; it is refused below.
    Descriptor in{::open(path(name).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (in.fd < 0) {
        const int err = errno;
        throw IoError("open", name, std::strerror(err), 0, "for reading");
    }
    struct stat st {};
    if (::fstat(in.fd, &st) != 0) {
        const int err = errno;
        throw IoError("open", name, std::strerror(err), 0, "for reading");
    }
    if (!S_ISREG(st.st_mode)) throw IoError("open", name, kind_of(st.st_mode), 0, "for reading");
    const std::string too_large =
        "the file is larger than " + std::to_string(MAX_FILE_SIZE >> 20) + " MiB, far beyond any file of the program";
    if (st.st_size > static_cast<off_t>(MAX_FILE_SIZE)) throw IoError("read", name, too_large);
    std::string content;
    content.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(in.fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            throw IoError("read", name, std::strerror(err));
        }
        content.append(buffer, static_cast<size_t>(n));
        // A file that grows while it is read is bounded too.
        if (content.size() > MAX_FILE_SIZE) throw IoError("read", name, too_large);
    }
    return TextReader(name, std::move(content));
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

std::filesystem::path side_file(const std::filesystem::path& file) {
    std::filesystem::path side = file;
    side += SIDE_SUFFIX;
    return side;
}

void remove_side_files(const Files& files) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(files.dir(), ec)) {
        const std::string name = entry.path().filename().string();
        const std::string suffix = SIDE_SUFFIX;
        if (name.size() > suffix.size() && name.ends_with(suffix) && !entry.is_directory(ec))
            std::filesystem::remove(entry.path(), ec);
    }
}

}  // namespace tv
