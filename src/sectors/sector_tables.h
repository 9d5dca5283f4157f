// The sectors of a run: consecutive runs of the material, one regular question of
// each per quiz. Index 1-30; entries above SECTORS play no part in the run.
#pragma once
#include <array>

#include "bank/tables.h"

namespace tv {

using SectorRow = std::array<int, MAX_SECTORS + 1>;

struct SectorTables {
    int SECTORS = 0;                   // number of sectors, from the style's questions per quiz
    SectorRow BC{}, BV{}, EC{}, EV{};  // first and last chapter:verse of each sector
    SectorRow QPS{}, FPS{}, RPS{}, OPS{}, SPS{};       // counts; count down during assembly
    SectorRow TQPS{}, TFPS{}, TRPS{}, TOPS{}, TSPS{};  // fixed totals during assembly
    std::array<int, MAX_CHAPTERS + 1> CS{};            // sectors per chapter (by chapter)
    int MINQZ = 0;                                     // last quiz before regular questions repeat
    bool RES = false;                                  // sectored by question
};

// The fixed totals of sector s, or of every sector, from its counts.
inline void copy_totals(SectorTables& t, int s) {
    t.TQPS[s] = t.QPS[s];
    t.TFPS[s] = t.FPS[s];
    t.TRPS[s] = t.RPS[s];
    t.TOPS[s] = t.OPS[s];
    t.TSPS[s] = t.SPS[s];
}
inline void copy_totals(SectorTables& t) {
    for (int s = 1; s <= MAX_SECTORS; ++s) copy_totals(t, s);
}

// A sector that holds no verse: its end comes before its begin. Chapter sectoring
// leaves such sectors when a chapter or group has fewer verses than sectors.
inline bool holds_no_verse(const SectorTables& t, int s) {
    return t.EC[s] < t.BC[s] || (t.EC[s] == t.BC[s] && t.EV[s] < t.BV[s]);
}

}  // namespace tv
