#include "assembly/assembly_tables.h"

namespace tv {

void reset_availability(AssemblyTables& at, SectorTables& sectors) {
    for (int s = 1; s <= MAX_SECTORS; ++s) {
        at.REGQUESTION[s].fill(true);
        at.FINISH[s].fill(true);
        at.ONLY[s].fill(true);
        at.REFERENCE[s].fill(true);
        at.SITUATION[s].fill(true);
        copy_totals(sectors, s);
    }
}

void start_quizzes(AssemblyTables& at, RepeatPoints& points, const SectorTables& sectors,
                   const Style& style) {
    points.MINQZ1 = sectors.MINQZ;
    points.FQUIZ1 = points.FQUIZ;
    at.FTCC = 'a';
    at.FTC2 = 'b';
    at.FTC3 = 'c';
    at.FTC4 = 'd';
    at.IPC = style.IPC;
    at.share_abandoned = false;
    at.ABAND = 0;
    at.OLDIPC = 0;
    at.SECOND = 0;
    at.LAST = at.LASTO = 99;
}

}  // namespace tv
