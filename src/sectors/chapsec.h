// Sectoring by chapter: the user gives each chapter of the material a number of
// sectors (0 groups it with the following chapters), the chapters are cut into runs
// of verses and the questions of every sector are counted from the verse count file.
#pragma once
#include <string>

#include "bank/season.h"
#include "bank/tables.h"
#include "bank/textfile.h"
#include "style/style.h"
#include "sectors/sector_tables.h"
#include "sectors/sectoring.h"

namespace tv {

// The allocation (through the report), the cut, the count and the sector table,
// until the user accepts the table. Esc on the allocation stops the run
// (RunAbandoned). When the material has more chapters than questions per
// quiz, SECTORS is raised to the number of chapters. No file is written: the run
// writes the sector table at the head of its list.
void sector_by_chapter(SectoringReport& report, const Files& files, const std::string& count_file,
                       const Style& style, const Season& season, BankTables& bank, SectorTables& t);

// At level L the chapters the level skips are left out of the material (with Romans
// and James, 7, 9-11 and 14-16).
bool chapter_left_out(const Style& st, const Season& season, int ch);
// The chapters BCHAP..ECHAP of the material.
int material_chapters(const Style& st);

// The cut of the chapters into SECTORS sectors by the allocation CS (no screen).
void cut_chapters(const Style& style, const Season& season, SectorTables& t);
// Counts the questions of each sector from the verse count file; copies them into
// the sector totals.
void count_chapter_sectors(const Files& files, const std::string& count_file, const Style& style,
                           const Season& season, SectorTables& t);

}  // namespace tv
