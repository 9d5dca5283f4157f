// Sectoring by chapter: the user gives each chapter of the material a number of
// sectors (0 groups it with the following chapters), the chapters are cut into runs
// of verses and the questions of every sector are counted from the verse count file.
#pragma once
#include <string>

#include "bank/season.h"
#include "bank/tables.h"
#include "bank/textfile.h"
#include "console/console.h"
#include "style/style.h"
#include "sectors/sector_tables.h"

namespace tv {

// The allocation screen, the cut, the count and the sector table; returns the key
// that accepted the table (never Esc). Esc on the allocation list stops the run
// (RunAbandoned). When the material has more chapters than questions per quiz,
// SECTORS is raised to the number of chapters. No file is written: the run writes
// the sector table at the head of its list.
int CHAPSEC(Console& con, const Files& files, const std::string& count_file, const Style& style,
            const Season& season, BankTables& bank, SectorTables& t);

// The cut of the chapters into SECTORS sectors by the allocation CS (no screen).
void cut_chapters(const Style& style, const Season& season, SectorTables& t);
// Counts the questions of each sector from the verse count file; copies them into
// the sector totals.
void count_chapter_sectors(const Files& files, const std::string& count_file, const Style& style,
                           const Season& season, SectorTables& t);

}  // namespace tv
