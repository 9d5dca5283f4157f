// Text files of the working folder, with the operations the program needs:
// read a line of at most N characters (the rest of the line skipped), read some
// characters, one character or a whole number in free format, test for the end;
// create or replace. Readers accept LF, CR LF and CR alone (old Mac files)
// as line ends, and a last line without a line end; writers write LF. Every failure
// is an IoError.
#pragma once
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/io_error.h"

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

// A test's hand in the file layer. Before it creates a side file, and before every
// write, close, flush to the disk and rename, the layer asks it for an error to report
// (an errno value, 0 for none); at each named step of putting files in place
// ("closed", "recorded", "renamed one", "renamed all") it may end the program as a
// kill would. The program itself sets none.
class FileFaults {
public:
    enum class Op { create, write, close, sync, rename };
    virtual ~FileFaults() = default;
    virtual int error(Op op, const std::string& file) = 0;
    virtual void step(const char* name) = 0;
};

class TextWriter {
public:
    // create writes the named file itself; replace_safely writes a side file
    // that close() renames over it; together writes a side file that waits, closed, for
    // Files::put_in_place.
    enum class Mode { create, replace_safely, together };
    TextWriter(std::filesystem::path path, std::string name, Mode mode,
               FileFaults* faults = nullptr);
    TextWriter(TextWriter&& other) noexcept;
    TextWriter& operator=(TextWriter&&) = delete;
    TextWriter(const TextWriter&) = delete;
    // Without close(), a plain file keeps what was written and a side file is removed,
    // leaving the file it was to replace as it was.
    ~TextWriter();

    void write(std::string_view s);
    void write(long n) { write(std::to_string(n)); }
    void writeln(std::string_view s = "");
    // Flushes and closes; a side file is flushed to the disk too, and a safely replaced
    // file is renamed into place here.
    void close();
    bool is_open() const { return file_ != nullptr; }
    const std::string& name() const { return name_; }
    // From now on the writer also keeps what it writes, for copy(): a packet is made
    // into a PDF before it is put in place.
    void keep_copy() { keep_ = true; }
    const std::string& copy() const { return copy_; }

private:
    friend class Files;
    [[noreturn]] void fail(const std::string& op, int err = 0);
    int injected(FileFaults::Op op) const { return faults_ ? faults_->error(op, name_) : 0; }
    std::filesystem::path path_, temp_;
    std::string name_;
    FILE* file_ = nullptr;
    FileFaults* faults_ = nullptr;
    Mode mode_;
    bool keep_ = false;
    std::string copy_;
};

// Files read are regular files of at most this size: far above any real bank, and a
// bound that keeps a device or a runaway file from filling the memory.
constexpr size_t MAX_FILE_SIZE = size_t{256} << 20;

// The working folder: every file the program reads or writes is named relative to it.
// No write follows a symbolic link: a link where a file is created or replaced is
// replaced by the file itself.
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
    // Replaces a file that holds the user's work: the new text goes to a side file that
    // is flushed to the disk and renamed over the old one on close(), so a failure never
    // leaves it half written. A read-only file is refused and left as it is.
    TextWriter replace_safely(const std::string& name) const;
    // As replace_safely, but the side file waits for put_in_place, which puts files
    // that belong together (a packet and its list) in place as one.
    TextWriter together(const std::string& name) const;
    // Closes the writers and puts their files in place, all or none: the side files are
    // flushed to the disk, a record naming them is written before the first rename,
    // and a kill during the renames is completed by the next recover_side_files.
    void put_in_place(std::initializer_list<TextWriter*> writers) const {
        put_in_place(std::span<TextWriter* const>(writers.begin(), writers.size()));
    }
    void put_in_place(std::span<TextWriter* const> writers) const;

    // Tests only: the faults to inject.
    void inject(FileFaults* faults) { faults_ = faults; }

private:
    std::filesystem::path dir_;
    FileFaults* faults_ = nullptr;
};

// Side files end with this; before it comes the name of the file they are to replace
// and a random part, so that no one can plant one in advance.
constexpr const char* SIDE_SUFFIX = ".tv-new";
// The record of files being put in place together.
constexpr const char* COMMIT_RECORD = ".tallyvane.commit";
// Completes files a killed program left half put in place (when their record and side
// files are whole), then removes every other side file. Only one copy of the program
// works in a folder at a time, so none of them is in use. Never fails.
void recover_side_files(const Files& files);

}  // namespace tv
