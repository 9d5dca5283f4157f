#include "output/packet.h"

#include <algorithm>

#include "output/fields.h"

namespace tv {

void OPUT(TextWriter& packet, const Style& settings, const Season& season, const std::string& NAME,
          int SECTORS, const QuizTables& quiz, PacketState& state) {
    packet::Job job{packet, settings, season, NAME, std::clamp(SECTORS, 0, MAX_POSITIONS), quiz, state};
    switch (settings.OUT) {
        case 'P':
        case 'p': packet::page_layout(job); break;
        case 'C':
        case 'c': packet::card_layout(job); break;
        default: packet::tab_layout(job); break;
    }
}

void WRITEMAT(TextWriter& packet, const Style& settings, const Season& season) {
    packet.write(packet::material(settings, season));
}

}  // namespace tv
