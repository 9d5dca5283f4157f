// UTF-8 text counted in characters (code points). A byte that does not start a
// valid sequence is one character of its own: it is held as a code point in
// U+DC80..U+DCFF, which valid UTF-8 never yields, so that decoding and encoding
// again give back the very same bytes.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tv::utf8 {

namespace detail {
char32_t next_beyond_ascii(std::string_view s, size_t& i);
void append_beyond_ascii(std::string& out, char32_t c);
}  // namespace detail

// The character that starts at byte i of s; i moves past it. i must be below s.size().
// ASCII, the common case, is taken here at once.
inline char32_t next(std::string_view s, size_t& i) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
        ++i;
        return b;
    }
    return detail::next_beyond_ascii(s, i);
}
std::u32string decode(std::string_view s);
// Appends the bytes of one character (a stray byte as the byte itself).
inline void append(std::string& out, char32_t c) {
    if (c < 0x80)
        out += static_cast<char>(c);
    else
        detail::append_beyond_ascii(out, c);
}
void append(std::string& out, std::u32string_view s);
std::string encode(std::u32string_view s);

// Whether c stands for a byte that was not valid UTF-8.
constexpr bool is_stray_byte(char32_t c) { return c >= 0xDC80 && c <= 0xDCFF; }

// Number of bytes at the start of s that are ASCII.
size_t ascii_prefix(std::string_view s);
// Number of characters: the columns the text takes.
size_t length(std::string_view s);
// At most n characters from character `from` (0-based) on; never half a character.
std::string_view slice(std::string_view s, size_t from, size_t n = std::string_view::npos);
// The first n characters. A text of no more bytes than that is whole: a character
// takes at least one byte.
inline std::string_view prefix(std::string_view s, size_t n) {
    return n >= s.size() ? s : slice(s, 0, n);
}

// The lines of a text broken to `width` characters: at the last blank that fits, or
// inside a word longer than the room. Counted in characters, so that a line never
// ends inside a UTF-8 character. The blanks at a break are dropped.
std::vector<std::string_view> broken_lines(std::string_view text, size_t width);

}  // namespace tv::utf8
