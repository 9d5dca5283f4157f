// The sector table: every sector's first and last verse and its questions of each
// kind, two sectors to a row, on the screen after sectoring (sectors/screens.h) and
// at the head of the run's list file.
#pragma once
#include <string>
#include <vector>

#include "bank/season.h"
#include "bank/tables.h"
#include "bank/textfile.h"
#include "style/style.h"
#include "sectors/sector_tables.h"

namespace tv {

// Before the table is shown: the last sector is made to end at the end of the
// material, and the specialty totals of the material are recomputed from the sectors
// 1..SECTORS of this run (TQUEST stays).
void settle_sectors(const Style& style, BankTables& bank, SectorTables& t);

// Appends the table to the list file: always a block of 34 lines.
void write_sector_table(TextWriter& out, const Season& season, const SectorTables& t);

// The lines of the table (for both of the above): the empty line, the three
// headings and one line per row; the references by book letter and chapter within
// the book ("R 16: 1", "J  2:26").
std::vector<std::string> sector_table_lines(const SectorTables& t, const Season& season);

}  // namespace tv
