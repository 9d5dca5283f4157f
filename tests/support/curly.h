// Text as a word processor makes it: curly quotation marks and apostrophes, and
// an accented letter for every "e" (all of two or three bytes in UTF-8); and back.
// A layout that counts characters writes the curly text, turned back, exactly as
// it writes the plain one.
#pragma once
#include <string>

namespace tv::test {

inline std::string curly(const std::string& plain) {
    std::string out;
    bool open = true;
    for (char c : plain) {
        if (c == 'e') out += "\u00e9";
        else if (c == '\'') out += "\u2019";
        else if (c == '"') out += (open = !open) ? "\u201d" : "\u201c";
        else out += c;
    }
    return out;
}

inline std::string plain(std::string text) {
    for (const char* from : {"\u00e9", "\u2019", "\u201c", "\u201d"}) {
        const std::string f = from, to = f == "\u00e9" ? "e" : f == "\u2019" ? "'" : "\"";
        for (size_t at; (at = text.find(f)) != std::string::npos;) text.replace(at, f.size(), to);
    }
    return text;
}

}  // namespace tv::test
