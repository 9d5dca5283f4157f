#include "style/settings.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "style/layouts.h"

namespace tv {

namespace {

using S = Style;

SettingRow number(int line, int S::*n, std::string label, Limits range = ANY_VALUE,
                  Rule rule = Rule::Limits) {
    return {line, Written::Number, n, nullptr, nullptr, std::move(label), range, "", rule};
}
SettingRow letter(int line, char S::*l, std::string label, std::string letters) {
    return {line,    Written::Letter,  nullptr,   l,
            nullptr, std::move(label), ANY_VALUE, std::move(letters)};
}
SettingRow text(int line, std::string S::*t, std::string label, Rule rule, size_t width) {
    return {line, Written::Text, nullptr, nullptr, t, std::move(label), ANY_VALUE, "", rule, width};
}
// A place of the material: its chapter and verse on one line. The verses of a chapter
// come from the season, so the verse row has no limits of its own.
SettingRow chapter(int line, int S::*n, std::string label, Rule rule) {
    return {line, Written::Chapter, n, nullptr, nullptr, std::move(label), ANY_VALUE, "", rule};
}
SettingRow verse(int line, int S::*n, std::string label) {
    return {line, Written::Verse, n, nullptr, nullptr, std::move(label)};
}
constexpr Limits within(int low, int high) { return {{low}, {high}}; }
// A Min: at least 0, at most its Max.
constexpr Limits up_to(int S::*max) { return {{0}, {INT_MAX, max}}; }
SettingRow specialty(int line, int S::*n, std::string label, Limits range) {
    return number(line, n, std::move(label), range, Rule::Specialty);
}

}  // namespace

int lowest(const Limits& l, const Style& s) {
    return l.low.setting ? std::max(l.low.value, s.*l.low.setting) : l.low.value;
}

int highest(const Limits& l, const Style& s) {
    return l.high.setting ? std::min(l.high.value, s.*l.high.setting) : l.high.value;
}

int clamp_to(const Limits& l, const Style& s, int value) {
    return std::max(std::min(value, highest(l, s)), lowest(l, s));
}

std::span<const SettingRow> setting_rows() {
    // Refused by a run: what would take it outside its tables (chapters, verses,
    // positions, quizzes, specialty counts) or its folder, and letters that choose
    // nothing. Lines/Pg, A and B, the percentages and Pct Prim FTV are used as the file
    // holds them. Built once, on first use: the Output row takes the letters and the
    // label of the packet layouts (style/layouts.h).
    static const std::vector<SettingRow> rows = {
        letter(1, &S::LG, "Level", ""),
        chapter(2, &S::BCHAP, "Begin chapter", Rule::Place),
        verse(2, &S::BVER, "Begin verse"),
        chapter(3, &S::ECHAP, "End chapter", Rule::EndPlace),
        verse(3, &S::EVER, "End verse"),
        text(4, &S::NAME4, "Name of Output File", Rule::FileName, 14),
        number(5, &S::LPP, "Lines/Pg"),
        letter(6, &S::OUT, layout_label(), layout_letters()),
        number(7, &S::QMAX, "Number of Questions per pack", within(2, 30)),
        letter(8, &S::REGLST, "Reg (a/b/c)", "ABC"),
        number(9, &S::AB, "A and B Questions begin on"),
        number(10, &S::IPC, "Pct Int"),
        letter(11, &S::INDX, "Reindex (y/n)", "YN"),
        number(12, &S::QNUM, "Number of Quizzes in this Run", within(1, 100)),
        letter(13, &S::SEC1, "Sector by Chp/Vrs/Que (c/v/q)", "CVQ"),
        number(14, &S::REPEATPCT, "Percent Eligible for Repeats"),
        specialty(15, &S::SPMAX, "Total Max", within(0, 20)),
        specialty(16, &S::SPMIN, "Total Min", up_to(&S::SPMAX)),
        specialty(17, &S::FMAX, "FTV Type Max", within(0, 10)),
        specialty(18, &S::FMIN, "FTV Type Min", up_to(&S::FMAX)),
        specialty(19, &S::RMAX, "CV Ref Max", within(0, 10)),
        specialty(20, &S::RMIN, "CV Ref Min", up_to(&S::RMAX)),
        specialty(21, &S::OMAX, "CO Ref Max", within(0, 10)),
        specialty(22, &S::OMIN, "CO Ref Min", up_to(&S::OMAX)),
        specialty(23, &S::SMAX, "Situation Max", within(0, 10)),
        specialty(24, &S::SMIN, "Situation Min", up_to(&S::SMAX)),
        number(25, &S::PRIMPCT, "Pct Prim FTV"),
        number(26, &S::SPEARLY, "Specialties may appear (first)", within(1, 30)),
        number(27, &S::SPLATE, "Specialties may appear (to)", {{1, &S::SPEARLY}, {30}}),
        letter(28, &S::SETSPC, "Set Specialty Quest nos (y/n)", "YN"),
        text(29, &S::TYP, "the position-type line", Rule::PositionTypes, 30),
    };
    return rows;
}

int style_lines() { return setting_rows().back().line; }

}  // namespace tv
