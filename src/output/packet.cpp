#include "output/packet.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "output/fields.h"
#include "style/layouts.h"

namespace tv {

namespace {

// The writers in the order of LAYOUT_NAMES.
constexpr void (*WRITERS[])(packet::Job&) = {packet::page_layout, packet::card_layout,
                                             packet::tab_layout};
constexpr size_t LAYOUT_COUNT = std::size(LAYOUT_NAMES);
static_assert(std::size(WRITERS) == LAYOUT_COUNT, "every layout letter has its writer");

constexpr std::array<Layout, LAYOUT_COUNT> LAYOUTS = [] {
    std::array<Layout, LAYOUT_COUNT> all{};
    for (size_t i = 0; i < LAYOUT_COUNT; ++i)
        all[i] = {LAYOUT_NAMES[i].letter, LAYOUT_NAMES[i].name, WRITERS[i]};
    return all;
}();

}  // namespace

std::span<const Layout> layouts() { return LAYOUTS; }

const Layout* find_layout(char letter) {
    const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (const Layout& l : LAYOUTS)
        if (l.letter == up) return &l;
    return nullptr;
}

void append_to_packet(TextWriter& packet, const Style& settings, const Season& season,
                      const std::string& NAME, int SECTORS, const QuizTables& quiz,
                      PacketState& state) {
    const Layout* layout = find_layout(settings.OUT);
    if (layout == nullptr) {
        std::string letters;
        for (const Layout& l : LAYOUTS)
            letters += (letters.empty() ? "" : ", ") + std::string(1, l.letter);
        throw IoError("use", is_style_name(NAME) ? style_file_name(NAME) : NAME,
                      layout_label() + " is \"" + std::string(1, settings.OUT) +
                          "\"; it must be one of " + letters,
                      0, "as a style");
    }
    packet::Job job{packet, settings, season, NAME, std::clamp(SECTORS, 0, MAX_POSITIONS),
                    quiz,   state};
    layout->write(job);
}

void write_material_range(TextWriter& packet, const Style& settings, const Season& season) {
    packet.write(packet::material(settings, season));
}

}  // namespace tv
