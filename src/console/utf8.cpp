#include "console/utf8.h"

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

char32_t next(std::string_view s, size_t& i) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
        ++i;
        return b;
    }
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

std::u32string decode(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) out += next(s, i);
    return out;
}

void append(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (is_stray_byte(c)) {
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

std::string encode(std::u32string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char32_t c : s) append(out, c);
    return out;
}

size_t length(std::string_view s) {
    size_t n = 0;
    for (size_t i = 0; i < s.size(); ++n) next(s, i);
    return n;
}

std::string_view slice(std::string_view s, size_t from, size_t n) {
    size_t i = 0;
    for (size_t k = 0; k < from && i < s.size(); ++k) next(s, i);
    size_t end = i;
    for (size_t k = 0; k < n && end < s.size(); ++k) next(s, end);
    return s.substr(i, end - i);
}

}  // namespace tv::utf8
