#include "assembly/assembly_tables.h"

namespace tv {

namespace {
// Question numbers from 1; numbers above `size` fold back onto 1..size.
int fold(int k, int size) { return k < 1 ? 1 : (k - 1) % size + 1; }
int sector_index(int s) { return s < 1 ? 0 : s > MAX_SECTORS ? 0 : s; }
}  // namespace

bool& reg_mark(RegMarks& marks, int s, int k) { return marks[sector_index(s)][fold(k, REG_MARKS)]; }

bool& spec_mark(SpecMarks& marks, int s, int k) { return marks[sector_index(s)][fold(k, SPEC_MARKS)]; }

bool interrogative(const AssemblyTables& at, int s, int k) {
    if (s < 1 || s > MAX_SECTORS || k < 1) return false;
    const auto& marks = at.INT[s];
    return k < static_cast<int>(marks.size()) && marks[k];
}

void reset_availability(AssemblyTables& at, SectorTables& sectors) {
    for (int s = 1; s <= MAX_SECTORS; ++s) {
        at.REGQUESTION[s].fill(true);
        at.FINISH[s].fill(true);
        at.ONLY[s].fill(true);
        at.REFERENCE[s].fill(true);
        at.SITUATION[s].fill(true);
        sectors.TRPS[s] = sectors.RPS[s];
        sectors.TOPS[s] = sectors.OPS[s];
        sectors.TFPS[s] = sectors.FPS[s];
        sectors.TSPS[s] = sectors.SPS[s];
        sectors.TQPS[s] = sectors.QPS[s];
    }
}

void start_quizzes(AssemblyTables& at, RepeatPoints& points, const SectorTables& sectors,
                   const Style& style) {
    points.MINQZ1 = sectors.MINQZ;
    points.RQUIZ1 = points.RQUIZ;
    points.FQUIZ1 = points.FQUIZ;
    points.SQUIZ1 = points.SQUIZ;
    points.OQUIZ1 = points.OQUIZ;
    at.FTCC = 'a';
    at.FTC2 = 'b';
    at.FTC3 = 'c';
    at.FTC4 = 'd';
    at.FTC5 = 'e';
    at.IPC = style.IPC;
    at.ABAND3 = false;
    at.ABAND = 0;
    at.OLDIPC = 0;
    at.CHOICE = 0;
    at.SECOND = 0;
    at.LAST = at.LASTO = 99;
}

}  // namespace tv
