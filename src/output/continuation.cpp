// The continuation printers: the rest of a question after its first line, broken
// at blanks into indented lines of a fixed window.
#include <algorithm>
#include <string>

#include "base/utf8.h"
#include "output/packet.h"

namespace tv {

namespace {

constexpr int MAX_CONTINUATION_LINES = 15;

struct Window {
    int indent;          // blanks before the text
    int width;           // characters of the text scanned per line
    int bound;           // the text goes on only while the break is below this
    bool question_rule;  // a "?" ends the line and is followed by an empty line
};

// Writes lines until the text ends (a blank after the break), the break reaches
// the bound, or 15 lines have been written. A window without a blank (a word
// longer than the window) is broken after its last character, so such a word
// is written over several lines instead of leaving empty lines behind.
void continue_text(TextWriter& packet, PacketState& st, const Window& w) {
    for (;;) {
        st.X5 += 1;
        const int last = std::min(st.MARK1 + w.width, A2_SIZE);
        bool blank_seen = false;
        int p = st.MARK1;
        while (p < last) {
            ++p;
            if (st.A2[p] == '\t') st.A2[p] = ' ';
            if (st.A2[p] == ' ') {
                st.MARK2 = p;
                blank_seen = true;
            }
            if (w.question_rule && st.at(p - 1) == '?') break;
        }
        if (!blank_seen) st.MARK2 = p;

        std::string line(static_cast<size_t>(w.indent), ' ');
        if (st.MARK2 > st.MARK1)
            utf8::append(line,
                         std::u32string_view(st.A2).substr(st.MARK1 + 1, st.MARK2 - st.MARK1));
        // A '^' stands for '*'; in UTF-8 its byte is never part of another character.
        std::replace(line.begin() + w.indent, line.end(), '^', '*');
        st.LINES += 1;
        packet.writeln(line);
        st.MARK1 = st.MARK2;

        if (w.question_rule && st.at(st.MARK2 - 1) == '?') {
            packet.writeln();
            st.LINES += 1;
        }
        if (st.at(st.MARK2 + 1) == ' ' || st.MARK2 >= w.bound || st.X5 >= MAX_CONTINUATION_LINES)
            return;
    }
}

}  // namespace

void continue_on_page(TextWriter& packet, PacketState& state) {
    continue_text(packet, state, {15, 55, 253, false});
}

void continue_long_on_page(TextWriter& packet, PacketState& state) {
    continue_text(packet, state, {15, 55, 508, false});
}

void continue_on_card(TextWriter& packet, PacketState& state) {
    continue_text(packet, state, {8, 37, 508, false});
}

void continue_regular_on_card(TextWriter& packet, PacketState& state) {
    continue_text(packet, state, {8, 37, 508, true});
}

}  // namespace tv
