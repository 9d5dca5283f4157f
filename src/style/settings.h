// One row per setting of a style: the record member, its line in the style file and
// how it is written there, its label, the values a run can use and the letters a
// letter setting takes. Reading and writing a style file and the range checks are
// driven from these rows; the form keeps its own half (place, moves, clamp) keyed by
// the same member (editor/form.cpp).
#pragma once
#include <climits>
#include <span>
#include <string>

#include "base/style_record.h"

namespace tv {

// A bound of a setting: a number, or the tighter of a number and another setting.
struct Bound {
    int value;
    int Style::*setting = nullptr;
};
// The lowest and highest value a setting may take. A low bound naming a setting is
// the larger of the two, a high bound the smaller.
struct Limits {
    Bound low{INT_MIN}, high{INT_MAX};
};
constexpr Limits ANY_VALUE{};
int lowest(const Limits& l, const Style& s);
int highest(const Limits& l, const Style& s);
// `value` moved inside the limits: first down to the high bound, then up to the low.
int clamp_to(const Limits& l, const Style& s, int value);

// How a setting is written on its line: a letter, a number or a text alone, or the
// chapter and the verse of a place, two numbers on one line.
enum class Written { Letter, Number, Text, Chapter, Verse };

// The rule a run holds a setting to, beyond the row's limits and letters.
enum class Rule {
    Limits,         // the row's limits (numbers) or letters (letters) alone
    Place,          // a chapter, with the verse on the next row, inside the season's books
    EndPlace,       // as Place, and not before the begin of the material
    FileName,       // letters and digits: the name of the output files
    Specialty,      // a specialty range: told by specialty_range_problems
    PositionTypes,  // the position-type line: written apart, letters n, A, F, R, O, S
};

struct SettingRow {
    int line;
    Written written;
    int Style::*number = nullptr;
    char Style::*letter = nullptr;
    std::string Style::*text = nullptr;
    std::string label{};  // as on the form, for the messages
    Limits range = ANY_VALUE;
    std::string letters{};  // the letters a letter setting takes; "" takes any
    Rule rule = Rule::Limits;
    size_t width = 0;  // the longest text read from the line
};

// Every setting, in file order.
std::span<const SettingRow> setting_rows();
// The number of lines of a style file.
int style_lines();

}  // namespace tv
