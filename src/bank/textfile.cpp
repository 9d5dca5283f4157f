#include "bank/textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <random>
#include <cerrno>
#include <cstring>

#include "base/utf8.h"

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
    const size_t end = data_.find_first_of("\r\n", from);
    return end == std::string::npos ? data_.size() : end;
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
        if (eof())
            throw IoError("read a number from", name_, "the file ends where a number was expected",
                          line_);
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

namespace {

// A side file's name for `name`: the name, a random part, the suffix.
std::string side_name(const std::string& name) {
    std::random_device random;
    char part[20];
    std::snprintf(part, sizeof part, ".%08x%08x", random(), random());
    return name + part + SIDE_SUFFIX;
}

// Flushes a folder's entries (a rename or a removal in it) to the disk.
int sync_folder(const std::filesystem::path& dir) {
    Descriptor d{::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (d.fd < 0 || ::fsync(d.fd) != 0) return errno;
    return 0;
}

int injected_error(FileFaults* faults, FileFaults::Op op, const std::string& name) {
    return faults ? faults->error(op, name) : 0;
}

void step(FileFaults* faults, const char* name) {
    if (faults) faults->step(name);
}

}  // namespace

TextWriter::TextWriter(std::filesystem::path path, std::string name, Mode mode, FileFaults* faults)
    : path_(std::move(path)), name_(std::move(name)), faults_(faults), mode_(mode) {
    struct stat st {};
    const bool exists = ::lstat(path_.c_str(), &st) == 0;
    // Opening a pipe would wait for a reader forever; a socket takes no file.
    if (exists && (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)))
        throw IoError("create", name_, kind_of(st.st_mode));
    int flags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    std::filesystem::path target = path_;
    if (mode == Mode::replace_safely || mode == Mode::together) {
        // A file the user made read-only is not to be replaced behind their back.
        if (exists && S_ISREG(st.st_mode) && (st.st_mode & 0222) == 0)
            throw IoError("replace", name_, "the file is read-only; it was left as it is");
        flags |= O_EXCL;
        std::string side;
        int fd = -1;
        for (int attempt = 0; fd < 0 && attempt < 8; ++attempt) {
            side = side_name(path_.filename().string());
            errno = injected(FileFaults::Op::create);
            fd = errno ? -1 : ::open((path_.parent_path() / side).c_str(), flags, 0666);
            if (fd == -1 && errno != EEXIST) break;
        }
        if (fd < 0) {
            const int err = errno;
            std::string reason = std::strerror(err);
            if (err == EACCES || err == EROFS || err == EPERM)
                reason += ": the folder cannot be written; \"" + name_ + "\" was left as it is";
            throw IoError("create", side, reason, 0, "(the new text of \"" + name_ + "\")");
        }
        temp_ = path_.parent_path() / side;
        file_ = ::fdopen(fd, "wb");
        if (!file_) {
            const int err = errno;
            ::close(fd);
            fail("create", err);
        }
        // The new text keeps the permissions of the file it replaces.
        if (exists && S_ISREG(st.st_mode)) (void)::fchmod(fd, st.st_mode & 07777);
        return;
    }
    // A link where a file is created is replaced by the file itself.
    if (exists && S_ISLNK(st.st_mode) && ::unlink(target.c_str()) == 0) flags |= O_EXCL;
    Descriptor fd{::open(target.c_str(), flags | O_TRUNC, 0666)};
    if (fd.fd < 0) {
        const int err = errno;
        if (err == ELOOP)
            throw IoError("create", name_,
                          "it is a symbolic link, and nothing is written through one");
        throw IoError("create", name_, std::strerror(err));
    }
    struct stat opened {};
    if (::fstat(fd.fd, &opened) != 0 || !S_ISREG(opened.st_mode))
        throw IoError("create", name_, kind_of(opened.st_mode));
    (void)::fcntl(fd.fd, F_SETFL, 0);
    file_ = ::fdopen(fd.fd, "wb");
    if (!file_) throw IoError("create", name_, std::strerror(errno));
    fd.fd = -1;  // the stream owns it now
}

TextWriter::TextWriter(TextWriter&& o) noexcept
    : path_(std::move(o.path_)), temp_(std::move(o.temp_)), name_(std::move(o.name_)),
      file_(o.file_), faults_(o.faults_), mode_(o.mode_), keep_(o.keep_),
      copy_(std::move(o.copy_)) {
    o.file_ = nullptr;
    o.temp_.clear();
}

TextWriter::~TextWriter() {
    if (file_) std::fclose(file_);
    if (!temp_.empty()) {
        std::error_code ec;
        std::filesystem::remove(temp_, ec);
    }
}

void TextWriter::fail(const std::string& op, int err) {
    if (err == 0) err = errno;
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temp_.empty()) {
        std::error_code ec;
        std::filesystem::remove(temp_, ec);
        temp_.clear();
    }
    throw IoError(op, name_, err ? std::strerror(err) : "unknown error");
}

void TextWriter::write(std::string_view s) {
    if (!file_) throw IoError("write", name_, "the file is not open");
    if (const int err = injected(FileFaults::Op::write)) fail("write", err);
    errno = 0;
    if (!s.empty() && std::fwrite(s.data(), 1, s.size(), file_) != s.size()) fail("write");
    if (keep_) copy_ += s;
}

// One write of the line and its end: lines are what the writers write most.
void TextWriter::writeln(std::string_view s) {
    if (!file_) throw IoError("write", name_, "the file is not open");
    if (const int err = injected(FileFaults::Op::write)) fail("write", err);
    errno = 0;
    if (!s.empty() && std::fwrite(s.data(), 1, s.size(), file_) != s.size()) fail("write");
    if (std::fputc('\n', file_) == EOF) fail("write");
    if (keep_) (copy_ += s) += '\n';
}

void TextWriter::close() {
    if (!file_) return;
    errno = 0;
    if (const int err = injected(FileFaults::Op::close)) fail("write", err);
    if (std::fflush(file_) != 0) fail("write");
    // The text of a side file is on the disk before it takes the old file's place.
    if (!temp_.empty()) {
        if (const int err = injected(FileFaults::Op::sync)) fail("write", err);
        if (::fsync(::fileno(file_)) != 0) fail("write");
    }
    FILE* f = file_;
    file_ = nullptr;
    if (std::fclose(f) != 0) fail("write");
    if (mode_ != Mode::replace_safely) return;
    if (const int err = injected(FileFaults::Op::rename)) fail("replace", err);
    if (::rename(temp_.c_str(), path_.c_str()) != 0) fail("replace");
    temp_.clear();
    if (const int err = injected(FileFaults::Op::sync)) fail("replace", err);
    if (const int err = sync_folder(path_.parent_path())) fail("replace", err);
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
    const std::string too_large = "the file is larger than " + std::to_string(MAX_FILE_SIZE >> 20) +
                                  " MiB, far beyond any file of the program";
    if (st.st_size > static_cast<off_t>(MAX_FILE_SIZE)) throw IoError("read", name, too_large);
    std::string content;
    content.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(in.fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n == -1) {
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
    return TextWriter(path(name), name, TextWriter::Mode::create, faults_);
}

TextWriter Files::replace_safely(const std::string& name) const {
    return TextWriter(path(name), name, TextWriter::Mode::replace_safely, faults_);
}

TextWriter Files::together(const std::string& name) const {
    return TextWriter(path(name), name, TextWriter::Mode::together, faults_);
}

void Files::put_in_place(std::span<TextWriter* const> writers) const {
    // Every file whole on the disk first: a failure here leaves the old files as they
    // were (the side files go with their writers).
    for (TextWriter* w : writers) w->close();
    step(faults_, "closed");
    // The record: for each file, its side file, its name and its size, so that the
    // next start can tell that the side files are whole.
    TextWriter record = replace_safely(COMMIT_RECORD);
    for (TextWriter* w : writers) {
        std::error_code ec;
        const auto size = std::filesystem::file_size(w->temp_, ec);
        record.writeln(w->temp_.filename().string() + "\t" + w->name_ + "\t" +
                       std::to_string(ec ? 0 : size));
    }
    try {
        record.close();
    } catch (const IoError&) {
        std::error_code ec;
        std::filesystem::remove(path(COMMIT_RECORD), ec);
        throw;
    }
    step(faults_, "recorded");
    // From here on the new files are the ones that count: a side file left by a
    // failure stays for the next start to put in place.
    for (TextWriter* w : writers) {
        int err = injected_error(faults_, FileFaults::Op::rename, w->name_);
        if (err == 0 && ::rename(w->temp_.c_str(), w->path_.c_str()) != 0) err = errno;
        if (err != 0) {
            for (TextWriter* v : writers) v->temp_.clear();
            throw IoError("put in place", w->name_,
                          std::string(std::strerror(err)) +
                              "; the files of this run are put in place at the next start");
        }
        w->temp_.clear();
        step(faults_, "renamed one");
    }
    int err = injected_error(faults_, FileFaults::Op::sync, COMMIT_RECORD);
    if (err == 0) err = sync_folder(dir_);
    if (err != 0) throw IoError("put in place", writers.front()->name_, std::strerror(err));
    step(faults_, "renamed all");
    std::error_code ec;
    std::filesystem::remove(path(COMMIT_RECORD), ec);
    (void)sync_folder(dir_);
}

namespace {

// Whether the record's files can be completed: every side file named in it is there
// with its size, or already renamed (then the file has that size).
bool completable(const Files& files, const std::vector<std::array<std::string, 3>>& entries) {
    if (entries.empty()) return false;
    for (const auto& [side, name, size] : entries) {
        // Only side files of the named file, in this folder.
        if (side.find('/') != std::string::npos || name.find('/') != std::string::npos ||
            !side.starts_with(name + ".") || !side.ends_with(SIDE_SUFFIX))
            return false;
        struct stat st {};
        const bool there = ::lstat(files.path(side).c_str(), &st) == 0 ||
                           ::lstat(files.path(name).c_str(), &st) == 0;
        if (!there || !S_ISREG(st.st_mode) || std::to_string(st.st_size) != size) return false;
    }
    return true;
}

}  // namespace

void recover_side_files(const Files& files) {
    std::error_code ec;
    struct stat st {};
    if (::lstat(files.path(COMMIT_RECORD).c_str(), &st) == 0) {
        std::vector<std::array<std::string, 3>> entries;
        try {
            if (S_ISREG(st.st_mode)) {
                TextReader in = files.read(COMMIT_RECORD);
                while (!in.eof()) {
                    const std::string line = in.read_line(1000);
                    const size_t a = line.find('\t'), b = line.find('\t', a + 1);
                    if (a == std::string::npos || b == std::string::npos) {
                        entries.clear();
                        break;
                    }
                    entries.push_back(
                        {line.substr(0, a), line.substr(a + 1, b - a - 1), line.substr(b + 1)});
                }
            }
        } catch (const IoError&) {
            // A record that cannot be read (read whole, before any entry) completes nothing.
        }
        if (completable(files, entries)) {
            for (const auto& entry : entries)
                if (std::filesystem::is_regular_file(
                        std::filesystem::symlink_status(files.path(entry[0]), ec)))
                    std::filesystem::rename(files.path(entry[0]), files.path(entry[1]), ec);
            (void)sync_folder(files.dir());
        }
        std::filesystem::remove(files.path(COMMIT_RECORD), ec);
    }
    for (const auto& entry : std::filesystem::directory_iterator(files.dir(), ec)) {
        const std::string name = entry.path().filename().string();
        const std::string suffix = SIDE_SUFFIX;
        if (name.size() > suffix.size() && name.ends_with(suffix) && !entry.is_directory(ec))
            std::filesystem::remove(entry.path(), ec);
    }
    (void)sync_folder(files.dir());
}

}  // namespace tv
