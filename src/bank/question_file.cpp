#include "bank/question_file.h"

#include <cstring>

#include "console/utf8.h"

namespace tv {

static_assert(MAX_FILE_SIZE < UINT32_MAX, "line offsets are 32-bit");

QuestionFile::QuestionFile(std::string name, const std::vector<std::string>& lines) : name_(std::move(name)) {
    size_t total = 0;
    for (const std::string& l : lines) total += l.size();
    text_.reserve(total);
    starts_.reserve(lines.size() + 1);
    starts_.push_back(0);
    for (const std::string& l : lines) {
        text_ += l;
        starts_.push_back(static_cast<uint32_t>(text_.size()));
    }
}

QuestionFile QuestionFile::load(const Files& files, const std::string& name) {
    return from_text(name, files.read(name).release_text());
}

namespace {

// How many times c occurs in the text.
size_t occurrences(const std::string& text, char c) {
    size_t n = 0;
    for (const char* p = text.data(); (p = static_cast<const char*>(std::memchr(p, c, text.data() + text.size() - p)));
         ++p)
        ++n;
    return n;
}

}  // namespace

QuestionFile QuestionFile::from_text(std::string name, std::string text) {
    QuestionFile f;
    f.name_ = std::move(name);
    // Room for an offset per line, asked once: LF or CR LF ends the lines of almost
    // every file, CR alone those of the rest.
    size_t ends = occurrences(text, '\n');
    if (ends == 0) ends = occurrences(text, '\r');
    f.starts_.reserve(ends + 2);
    f.starts_.push_back(0);

    // The lines are moved to the front of the buffer, line ends left out: `kept`
    // never passes the reading position, so the buffer is reused in place.
    const size_t n = text.size();
    char* const data = text.data();
    size_t pos = 0, kept = 0;
    size_t blank_from = 0, blank_to = 0;  // the first of the blank lines not yet kept
    bool blank_waiting = false;
    auto keep = [&](size_t from, size_t to) {
        if (kept != from) std::memmove(data + kept, data + from, to - from);
        kept += to - from;
        f.starts_.push_back(static_cast<uint32_t>(kept));
    };
    while (pos < n) {
        const size_t from = pos;
        const void* lf = std::memchr(data + from, '\n', n - from);
        size_t to = lf ? static_cast<size_t>(static_cast<const char*>(lf) - data) : n;
        if (const void* cr = std::memchr(data + from, '\r', to - from))
            to = static_cast<size_t>(static_cast<const char*>(cr) - data);
        pos = to;
        if (pos < n) pos += data[pos] == '\r' && pos + 1 < n && data[pos + 1] == '\n' ? 2 : 1;
        size_t first = from;  // the first character that is not a blank
        while (first < to && (data[first] == ' ' || data[first] == '\t')) ++first;
        if (first == to) {
            if (!blank_waiting) blank_from = from, blank_to = to;
            blank_waiting = true;
        } else if (blank_waiting) {
            keep(blank_from, blank_to);
            f.blank_before_end_ = true;
            break;
        } else {
            keep(from, to);
        }
    }
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
