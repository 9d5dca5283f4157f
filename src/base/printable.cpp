#include "base/printable.h"

namespace tv {

namespace {

// The length of the valid UTF-8 sequence at the start of `s` that encodes a
// printable character, 0 when there is none (a stray or overlong byte, a
// surrogate, a code point past U+10FFFF, or one of the C1 controls U+0080-U+009F,
// which some terminals obey like ESC sequences).
size_t utf8_letter(std::string_view s) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b = byte(0);
    size_t len;
    char32_t cp;
    if (b >= 0xC2 && b <= 0xDF) {
        len = 2;
        cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        len = 3;
        cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        len = 4;
        cp = b & 0x07;
    } else {
        return 0;
    }
    if (s.size() < len) return 0;
    for (size_t i = 1; i < len; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    if (cp <= 0x9F) return 0;
    return len;
}

}  // namespace

std::string printable(std::string_view text) {
    constexpr char HEX[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
            ++i;
        } else if (size_t len = c >= 0x80 ? utf8_letter(text.substr(i)) : 0) {
            out.append(text.substr(i, len));
            i += len;
        } else {
            if (c == '\t') {
                out += "\\t";
            } else {
                out += "\\x";
                out += HEX[c >> 4];
                out += HEX[c & 15];
            }
            ++i;
        }
    }
    return out;
}

}  // namespace tv
