#include "bank/question_file.h"

#include <algorithm>
#include <cstring>

#include "base/utf8.h"

namespace tv {

static_assert(MAX_FILE_SIZE < UINT32_MAX, "line offsets are 32-bit");

namespace {
// Far beyond any real question file.
constexpr size_t LARGE_FILE = size_t{16} << 20;
}  // namespace

QuestionFile::QuestionFile(std::string name, const std::vector<std::string>& lines)
    : name_(std::move(name)) {
    size_t total = 0;
    for (const std::string& l : lines) total += l.size();
    text_.reserve(total);
    starts_.push_back(0);
    for (const std::string& l : lines) {
        text_ += l;
        starts_.push_back(static_cast<uint32_t>(text_.size()));
    }
}

QuestionFile QuestionFile::load(const Files& files, const std::string& name) {
    return from_text(name, files.read(name).release_text());
}

QuestionFile QuestionFile::from_text(std::string name, std::string text) {
    QuestionFile f;
    f.name_ = std::move(name);
    // The offsets grow as lines are kept. A large file has their room counted first
    // (LF or CR LF ends the lines of almost every file, CR alone those of the rest),
    // so that growing never holds two copies of a large table; what blank lines leave
    // unused is given back at the end.
    if (text.size() > LARGE_FILE) {
        size_t ends = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
        if (ends == 0) ends = static_cast<size_t>(std::count(text.begin(), text.end(), '\r'));
        f.starts_.reserve(ends + 2);
    }
    f.starts_.push_back(0);

    // The lines are moved to the front of the buffer, line ends left out: `kept`
    // never passes the reading position, so the buffer is reused in place.
    const size_t n = text.size();
    char* const data = text.data();
    size_t pos = 0, kept = 0;
    auto keep = [&](size_t from, size_t to) {
        if (kept != from) std::memmove(data + kept, data + from, to - from);
        kept += to - from;
        f.starts_.push_back(static_cast<uint32_t>(kept));
    };
    while (pos < n) {
        const size_t from = pos;
        size_t to = from;  // an empty line needs no search
        if (data[from] != '\n' && data[from] != '\r') {
            const void* lf = std::memchr(data + from, '\n', n - from);
            to = lf ? static_cast<size_t>(static_cast<const char*>(lf) - data) : n;
            if (const void* cr = std::memchr(data + from, '\r', to - from))
                to = static_cast<size_t>(static_cast<const char*>(cr) - data);
        }
        pos = to;
        if (pos < n) pos += data[pos] == '\r' && pos + 1 < n && data[pos + 1] == '\n' ? 2 : 1;
        size_t first = from;  // the first character that is not a blank
        while (first < to && (data[first] == ' ' || data[first] == '\t')) ++first;
        if (first < to) {
            keep(from, to);
            continue;
        }
        // A blank line. When only blanks and line ends follow, the file ends here;
        // otherwise the reading stops at this line, which the index refuses. The
        // blanks and line ends that follow are passed over in one sweep.
        while (pos < n &&
               (data[pos] == ' ' || data[pos] == '\t' || data[pos] == '\n' || data[pos] == '\r'))
            ++pos;
        if (pos < n) {
            keep(from, to);
            f.blank_before_end_ = true;
        }
        break;
    }
    if (f.starts_.size() < f.starts_.capacity() / 2) f.starts_.shrink_to_fit();
    text.resize(kept);
    if (kept < n / 2) text.shrink_to_fit();
    f.text_ = std::move(text);
    return f;
}

std::string QuestionFile::line(int k, size_t max) const {
    return std::string(utf8::prefix(text(k), max));
}

std::string QuestionFile::part(int k, size_t from, size_t max) const {
    return std::string(utf8::slice(text(k), from, max));
}

}  // namespace tv
