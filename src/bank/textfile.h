// Text files of the working folder, with the operations the program needs:
// read a line of at most N characters (the rest of the line skipped), read some
// characters, one character or a whole number in free format, test for the end;
// create or replace, append. Readers accept LF, CR LF and CR alone (old Mac files)
// as line ends, and a last line without a line end; writers write LF. Every failure
// is an IoError.
#pragma once
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "console/io_error.h"

namespace tv {

class TextReader {
public:
    TextReader(std::string name, std::string content);
    const std::string& name() const { return name_; }

    // Reads up to `max` characters of the current line and skips the rest of it.
    std::string read_line(size_t max = 255);
    // Reads up to `max` characters of the current line; stays on the line.
    std::string read_text(size_t max);
    // Reads one character; at a line end it gives '\n' and stays on the line.
    char read_char();
    // Reads a whole number in free format: blanks, TABs and line ends before it are
    // skipped, and it ends at the next blank, TAB or line end. Anything else is an
    // IoError naming the file and the line.
    long read_int();
    // Skips to the start of the next line.
    void skip_line();
    bool eof() const { return pos_ >= data_.size(); }
    bool eoln() const;
    // Line number (from 1) of the reading position.
    int line_no() const { return line_; }
    // Starts again at the first line.
    void rewind() { pos_ = 0; line_ = 1; }
    // The whole text of the file, taken from the reader.
    std::string release_text() && { return std::move(data_); }

private:
    bool at_line_end() const;
    void take_line_end();
    // Where the line from `from` ends: its first CR or LF, or the end of the text.
    size_t line_end(size_t from) const;

    std::string name_;
    std::string data_;
    size_t pos_ = 0;
    int line_ = 1;
};

class TextWriter {
public:
    enum class Mode { create, append, replace_safely };
    TextWriter(std::filesystem::path path, std::string name, Mode mode);
    TextWriter(TextWriter&& other) noexcept;
    TextWriter& operator=(TextWriter&&) = delete;
    TextWriter(const TextWriter&) = delete;
    // Without close(), a plain file keeps what was written and a safely replaced one
    // is left as it was (the partial copy is removed).
    ~TextWriter();

    void write(std::string_view s);
    void write(long n) { write(std::to_string(n)); }
    void writeln(std::string_view s = "");
    // Flushes and closes; a safely replaced file is renamed into place here.
    void close();
    bool is_open() const { return file_ != nullptr; }
    const std::string& name() const { return name_; }

private:
    void fail(const std::string& op, const std::string& qualifier = "");
    std::filesystem::path path_, temp_;
    std::string name_;
    FILE* file_ = nullptr;
};

// Files read are regular files of at most this size: far above any real bank, and a
// bound that keeps a device or a runaway file from filling the memory.
constexpr size_t MAX_FILE_SIZE = size_t{256} << 20;

// The working folder: every file the program reads or writes is named relative to it.
class Files {
public:
    explicit Files(std::filesystem::path dir = ".") : dir_(std::move(dir)) {}
    const std::filesystem::path& dir() const { return dir_; }
    std::filesystem::path path(const std::string& name) const { return dir_ / name; }
    bool exists(const std::string& name) const;

    // Opens a file for reading (the whole file is read at once). Anything but a regular
    // file of at most MAX_FILE_SIZE bytes is an IoError saying what it is.
    TextReader read(const std::string& name) const;
    // Creates a file or replaces it, empty. A pipe or socket of that name is refused.
    TextWriter create(const std::string& name) const;
    // Opens a file to add lines at its end (creating it when missing).
    TextWriter append(const std::string& name) const;
    // Replaces a file that holds the user's work: the new text goes to a side file that
    // is renamed over the old one on close(), so a failure never leaves it half written.
    // A read-only file is refused and left as it is.
    TextWriter replace_safely(const std::string& name) const;

private:
    std::filesystem::path dir_;
};

// The side file that holds a file's new text until it is renamed into place.
constexpr const char* SIDE_SUFFIX = ".tv-new";
std::filesystem::path side_file(const std::filesystem::path& file);
// Removes the side files a killed run left in the folder. Only one copy of the
// program works in a folder at a time, so none of them is in use.
void remove_side_files(const Files& files);

}  // namespace tv
