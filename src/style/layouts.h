// The packet layouts a style may choose with its Output setting: the letter the
// style file holds and the layout's name. Plain data below the packet writer, so
// that the style file's check and the form take the same letters as the writer,
// which pairs each of them with its own writer (output/packet.h).
#pragma once
#include <cctype>
#include <string>

namespace tv {

struct LayoutName {
    char letter;  // upper-case, as a style stores it
    const char* name;
};

inline constexpr LayoutName LAYOUT_NAMES[] = {{'P', "page"}, {'C', "card"}, {'T', "tab"}};

// The letters in order, "PCT".
inline std::string layout_letters() {
    std::string letters;
    for (const LayoutName& l : LAYOUT_NAMES) letters += l.letter;
    return letters;
}

// The label of the Output setting with its letters as keys: "Output (p/c/t)".
inline std::string layout_label() {
    std::string label = "Output (";
    for (const LayoutName& l : LAYOUT_NAMES) {
        if (&l != LAYOUT_NAMES) label += '/';
        label += static_cast<char>(std::tolower(static_cast<unsigned char>(l.letter)));
    }
    return label + ")";
}

}  // namespace tv
