#include "sectors/display.h"

#include <algorithm>

namespace tv {

namespace {

std::string num(long n, size_t width) {
    std::string s = std::to_string(n);
    return s.size() < width ? std::string(width - s.size(), ' ') + s : s;
}

// One sector's entry: 38 characters on the left of a row, 39 on the right.
std::string entry(const SectorTables& t, const Season& season, int s, bool right) {
    std::string e = num(s, right ? 5 : 4);
    e += std::string(" ") + season.book_of(t.BC[s]).letter + " ";
    // A sector without verses shows its chapter with "--" for both verses.
    const bool empty = holds_no_verse(t, s);
    e += num(season.within(t.BC[s]), 2) + ":" + (empty ? "--" : num(t.BV[s], 2));
    e += num(season.within(t.EC[s]), 3) + ":" + (empty ? "--" : num(t.EV[s], 2));
    for (const SectorRow* row : {&t.QPS, &t.FPS, &t.RPS, &t.OPS, &t.SPS}) e += num((*row)[s], 4);
    return e;
}

// The last sector always ends at the end of the material.
void settle_last_sector(const Style& style, SectorTables& t) {
    if (t.SECTORS < 1 || t.SECTORS > MAX_SECTORS) return;
    t.EC[t.SECTORS] = style.ECHAP;
    t.EV[t.SECTORS] = style.EVER;
}

int shown_sectors(const SectorTables& t) { return std::clamp(t.SECTORS, 0, MAX_SECTORS); }
int table_rows(const SectorTables& t) { return (shown_sectors(t) + 1) / 2; }

}  // namespace

std::vector<std::string> sector_table_lines(const SectorTables& t, const Season& season) {
    std::vector<std::string> lines = {
        "", "  Sc From    To    --Total Questions--   Sc From    To    --Total Questions--",
        "  Nm Verse   Verse Reg FTV Ref ChO Sit   Nm Verse   Verse Reg FTV Ref ChO Sit",
        "  -- ------- ----- --- --- --- --- ---   -- ------- ----- --- --- --- --- ---"};
    const int H = table_rows(t);
    for (int r = 1; r <= H; ++r) {
        std::string row = entry(t, season, r, false);
        if (r + H <= shown_sectors(t)) row += entry(t, season, r + H, true);
        lines.push_back(row);
    }
    return lines;
}

void settle_sectors(const Style& style, BankTables& bank, SectorTables& t) {
    settle_last_sector(style, t);
    bank.RQUEST = bank.FQUEST = bank.OQUEST = bank.SQUEST = 0;
    for (int s = 1; s <= shown_sectors(t); ++s) {
        bank.RQUEST += t.RPS[s];
        bank.FQUEST += t.FPS[s];
        bank.OQUEST += t.OPS[s];
        bank.SQUEST += t.SPS[s];
    }
}

void write_sector_table(TextWriter& out, const Season& season, const SectorTables& t) {
    for (const std::string& line : sector_table_lines(t, season)) out.writeln(line);
    for (int i = table_rows(t); i < 30; ++i) out.writeln();
}

}  // namespace tv
