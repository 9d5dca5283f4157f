// The screens of sectoring: the sector table and the chapter allocation, drawn on
// the console for the run's SectoringReport.
#pragma once

#include "bank/season.h"
#include "console/console.h"
#include "style/style.h"
#include "sectors/sector_tables.h"

namespace tv {

// Draws the sector table at the cursor, then an empty line.
void draw_sector_table(Console& con, const Season& season, const SectorTables& t);

// The chapter allocation: the heading, the list of the chapters with their sectors
// (t.CS) and the editing of the counts until they add up to t.SECTORS. Esc stops the
// run (RunAbandoned).
void allocate_chapters(Console& con, const Style& style, const Season& season, SectorTables& t);

// The table of the chapter sectors, the chapter that ran out of verses (if any) and
// the smallest sector (t.MINQZ); true when the user accepts it, false on Esc.
bool review_chapter_sectors(Console& con, const Season& season, const SectorTables& t);

}  // namespace tv
