#include "editor/setspec.h"

#include <algorithm>
#include <array>
#include <string>

#include "bank/tables.h"

namespace tv {

namespace {

constexpr std::string_view TYPES = "FROS";
constexpr KeyHint KEYS[] = {
    {"Left/Right", "Move"}, {"F R O S", "Set the type"}, {"Space", "Clear"}, {"Return", "Done"}};

// 0-3 for F, R, O, S; -1 for any other letter.
int type_of(int c) {
    size_t i = TYPES.find(static_cast<char>(c));
    return c > 0 && c < 256 && i != std::string_view::npos ? static_cast<int>(i) : -1;
}

// The lower-case letters count as their capitals.
int letter_key(int k) { return k == 'f' || k == 'r' || k == 'o' || k == 's' ? k - 'a' + 'A' : k; }

std::string digit_cell(int d) { return " " + std::to_string(d); }

}  // namespace

bool set_specialty_types(Console& con, EditorStyle& s) {
    const std::string stored = s.TYP;
    std::string& TYP = s.TYP;
    // A short stored line (hand-edited file) is read as regular positions.
    TYP.resize(MAX_POSITIONS, 'n');
    // Only positions 1-30 exist, whatever a hand-edited file says.
    const int first = std::max(s.SPEARLY, 1), last = std::min(s.SPLATE, MAX_POSITIONS);
    const bool window = first <= last;
    const int margin = 39 - (last - first);
    const std::array<int, 4> max = {s.FMAX, s.RMAX, s.OMAX, s.SMAX};
    std::array<int, 4> count{};

    con.normal();
    con.clr();
    con.write_at(1, 3, std::string(32, ' ') + "Set Specialty Types");
    con.write_at(1, 4, std::string(4, ' ') + std::string(70, '_'));
    con.write_at(1, 6,
                 "    Choose:  " + std::to_string(s.FMAX) + " FTV (F)   " + std::to_string(s.RMAX) +
                     " CV Ref (R)   " + std::to_string(s.OMAX) + " CO Ref (O)   and " +
                     std::to_string(s.SMAX) + " SIT (S).");
    con.write_at(1, 8, "    Press Enter when Finished");
    con.write_at(1, 9, "    Esc goes back to the form without saving");
    std::string tens(margin, ' '), units(margin, ' ');
    for (int p = first; p <= last; ++p) {
        tens += p >= 10 ? digit_cell(p / 10) : "  ";
        units += digit_cell(p % 10);
    }
    con.write_at(1, 10, tens);
    con.write_at(1, 11, units);
    con.write_at(1, 12, std::string(margin, ' '));
    con.highlight();

    // Cleaning the stored line: letters beyond a type's maximum and the "A" of a
    // window without fixed types become regular positions.
    for (char& c : TYP) {
        int t = type_of(c);
        if (t >= 0 && count[t] < max[t])
            ++count[t];
        else if (c != 'n')
            c = 'n';
    }
    for (int p = first; p <= last; ++p)
        con.write(TYP[p - 1] == 'n' ? std::string("  ") : std::string(" ") + TYP[p - 1]);

    con.keys(KEYS);
    int p = first;
    for (;;) {
        con.go(margin + 2 + 2 * (p - first), 12);
        const Key typed = con.read();
        // Letters are typed keys only: Ins and Del share their scan codes with R and S.
        const int k = typed.extended ? -1 : letter_key(typed.code);
        if (typed.is(key::LEFT)) {
            p = p <= first ? last : p - 1;
        } else if (typed.is(key::RIGHT)) {
            p = p >= last ? first : p + 1;
        } else if (k == key::ESC) {
            TYP = stored;
            con.normal();
            return false;
        } else if (k == key::ENTER) {
            if (count[0] + count[1] + count[2] + count[3] == s.SPMAX) break;
        } else if (window && (type_of(k) >= 0 || k == ' ')) {
            char& held = TYP[p - 1];
            int t = type_of(k), h = type_of(held);
            if (t >= 0 && count[t] < max[t] && held != k) {
                if (h >= 0) --count[h];
                ++count[t];
                held = static_cast<char>(k);
                con.write(held);
            } else if (k == ' ' || k == 'S') {
                if (h >= 0) --count[h];
                held = 'n';
                con.write(' ');
            }
        }
    }
    con.normal();
    return true;
}

}  // namespace tv
