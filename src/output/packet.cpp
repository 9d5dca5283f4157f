#include "output/packet.h"

#include <algorithm>

#include "output/fields.h"

namespace tv {

void OPUT(TextWriter& packet, const Style& settings, const std::string& NAME, int SECTORS,
          const QuizTables& quiz, PacketState& state) {
    packet::Job job{packet, settings, NAME, std::clamp(SECTORS, 0, MAX_POSITIONS), quiz, state};
    switch (settings.OUT) {
        case 'P':
        case 'p': packet::page_layout(job); break;
        case 'C':
        case 'c': packet::card_layout(job); break;
        default: packet::tab_layout(job); break;
    }
}

void WRITEMAT(TextWriter& packet, const Style& settings) {
    packet.write(packet::material(settings));
}

}  // namespace tv
