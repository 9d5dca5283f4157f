#include "base/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace tv::utf8 {

namespace {

bool continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Length of the valid sequence that starts at s[i], 0 when there is none. The
// ranges of the second byte leave out overlong forms, surrogates and code points
// above U+10FFFF.
size_t sequence_length(std::string_view s, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const unsigned char b = byte(0);
    size_t len = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        len = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        len = 3;
        if (b == 0xE0) low = 0xA0;
        if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        len = 4;
        if (b == 0xF0) low = 0x90;
        if (b == 0xF4) high = 0x8F;
    }
    if (len == 0 || i + len > s.size()) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (size_t k = 2; k < len; ++k)
        if (!continuation(byte(k))) return 0;
    return len;
}

}  // namespace

char32_t detail::next_beyond_ascii(std::string_view s, size_t& i) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    const size_t len = sequence_length(s, i);
    if (len == 0) {
        ++i;
        return 0xDC00 + b;
    }
    char32_t c = b & (0x7F >> len);
    for (size_t k = 1; k < len; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += len;
    return c;
}

size_t ascii_prefix(std::string_view s) {
    size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, s.data() + i, 8);
        if (word & 0x8080808080808080ull) break;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
    return i;
}

std::u32string decode(std::string_view s) {
    std::u32string out(s.size(), U'\0');  // never more characters than bytes
    size_t k = 0;
    for (size_t i = 0; i < s.size(); ++k) out[k] = next(s, i);
    out.resize(k);
    return out;
}

void detail::append_beyond_ascii(std::string& out, char32_t c) {
    if (is_stray_byte(c)) {
        out += static_cast<char>(c - 0xDC00);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void append(std::string& out, std::u32string_view s) {
    // ASCII is copied straight into room made for it; the first other character
    // and those after it go one by one.
    const size_t old = out.size();
    out.resize(old + s.size());
    char* const to = out.data() + old;
    size_t k = 0;
    for (; k < s.size() && s[k] < 0x80; ++k) to[k] = static_cast<char>(s[k]);
    if (k == s.size()) return;
    out.resize(old + k);
    for (; k < s.size(); ++k) append(out, s[k]);
}

std::string encode(std::u32string_view s) {
    std::string out;
    append(out, s);
    return out;
}

size_t length(std::string_view s) {
    size_t i = ascii_prefix(s), n = i;
    for (; i < s.size(); ++n) next(s, i);
    return n;
}

std::string_view slice(std::string_view s, size_t from, size_t n) {
    if (from == 0 && n >= s.size()) return s;
    // Up to `ascii` bytes are ASCII, one character each: counted without decoding.
    const size_t ascii = ascii_prefix(s.substr(0, from + std::min(n, s.size())));
    size_t i = std::min(from, ascii);
    for (size_t k = i; k < from && i < s.size(); ++k) next(s, i);
    size_t end = i, k = 0;
    if (i < ascii) {
        k = std::min(n, ascii - i);
        end = i + k;
    }
    for (; k < n && end < s.size(); ++k) next(s, end);
    return s.substr(i, end - i);
}

std::vector<std::string_view> broken_lines(std::string_view text, size_t width) {
    std::vector<std::string_view> lines;
    for (;;) {
        if (length(text) <= width) {
            lines.push_back(text);
            return lines;
        }
        const size_t room = prefix(text, width).size();
        size_t cut = text.rfind(' ', room);
        if (cut == std::string_view::npos || cut == 0) cut = room;
        lines.push_back(text.substr(0, cut));
        text.remove_prefix(cut);
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    }
}

}  // namespace tv::utf8
