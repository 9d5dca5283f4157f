// Cutting the material of a run into sectors: the checks before it, sectoring by
// question (RESECTOR) and by verse, the follow-up (repeat warning, offer to
// resector), the repeat announcement during assembly, and the whole sectoring step
// of a run. Sectoring by chapter is in chapsec.h, the sector table in display.h.
#pragma once
#include <span>
#include <string>

#include "bank/season.h"
#include "bank/tables.h"
#include "bank/textfile.h"
#include "console/console.h"
#include "style/style.h"
#include "sectors/sector_tables.h"

namespace tv {

// The specialty repeat points: after these quizzes a specialty type starts repeating.
// Kept by the caller for the whole program: a point whose maximum is 0 keeps the
// value of an earlier run.
struct RepeatPoints {
    int FQUIZ = 0, RQUIZ = 0, OQUIZ = 0, SQUIZ = 0;
    // The FTV point and the last quiz before regular repeats as they stood before the
    // first quiz of the run: assembly moves the points on from these.
    int MINQZ1 = 0, FQUIZ1 = 0;
};

// One line of the verse count file: chapter, verse and the five counts.
struct CountLine {
    int CH = 0, VS = 0;
    int A = 0, B = 0, C2 = 0, D = 0, SS = 0;  // regular, FTV, CV Ref, CO Ref, SIT
};

// Reads the next line of the verse count file (seven numbers) and moves to the next line.
CountLine read_count_line(TextReader& f11);
// Reads the next line of the verse count file and adds its five counts to sector S.
CountLine READ11(TextReader& f11, SectorTables& t, int S);
// Adds the four specialty counts of verse X:Y to sector S.
void SPECOUNT(const BankTables& bank, SectorTables& t, int X, int Y, int S);

// Before sectoring (work area cleared): refuses a style whose questions per quiz
// cannot be sectored and material with fewer regular questions than sectors (message,
// wait for Enter, RunAbandoned); otherwise writes the summary of the material.
void check_material(Console& con, const BankTables& bank, const SectorTables& t);
// Computes each repeat point whose maximum is at least 1; the others stay.
void compute_repeat_points(const Style& style, const BankTables& bank, RepeatPoints& rp);

// The planned sector sizes of sectoring by question: QPS[1..SECTORS].
void plan_sector_sizes(SectorTables& t, int TQUEST);
// Sectoring by question. Sets the sectors, MINQZ and RES; leaves the cursor at
// column 1, row 5. Reads the verse count file `count_file`.
void RESECTOR(Console& con, const Files& files, const std::string& count_file, const Style& style,
              const Season& season, const BankTables& bank, SectorTables& t);
// Sectoring by verse, falling back to RESECTOR when no target works; draws the table.
void sector_by_verse(Console& con, const Files& files, const std::string& count_file,
                     const Style& style, const Season& season, BankTables& bank, SectorTables& t);

// After sectoring: abandons on Esc as the last key taken (pass -1 when none was taken)
// or when MINQZ is 0; warns of early repeats and offers to resector.
void sector_followup(Console& con, const Files& files, const std::string& count_file,
                     const Style& style, const Season& season, BankTables& bank, SectorTables& t,
                     int last_key);

// The sectoring step of a run: checks and summary, repeat points, sectoring by SEC1, the
// follow-up, and the copy of the counts into the sector totals. SECTORS may come out
// larger than the style's QMAX (chapter sectoring): every quiz has one position per sector.
// The caller resets the availability marks of the assembly afterwards.
void sector_material(Console& con, const Files& files, const std::string& count_file,
                     const Style& style, const Season& season, BankTables& bank, SectorTables& t,
                     RepeatPoints& rp);

// Announces during assembly that sectors repeat within quiz Q2: the message at column 3
// of row RSET (the caller has advanced RSET; at 24 the work area is cleared and row 5
// used), a line in the message log (when given), and every sector 1..SECTORS free
// again in FLAG (indexed by sector from 1).
void REPEATSECTOR(Console& con, int& RSET, int Q2, int SECTORS, TextWriter* log,
                  std::span<int> FLAG);

}  // namespace tv
