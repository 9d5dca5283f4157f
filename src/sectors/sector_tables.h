// The sectors of a run: consecutive runs of the material, one regular question of
// each per quiz. Index 1-30; entries above SECTORS play no part in the run.
#pragma once
#include <array>

#include "bank/tables.h"

namespace tv {

using SectorRow = std::array<int, MAX_SECTORS + 1>;

struct SectorTables {
    int SECTORS = 0;   // number of sectors, from the style's questions per quiz
    int SECTORS2 = 0;  // copy kept for assembly
    SectorRow BC{}, BV{}, EC{}, EV{};            // first and last chapter:verse of each sector
    SectorRow QPS{}, FPS{}, RPS{}, OPS{}, SPS{};  // counts; count down during assembly
    SectorRow TQPS{}, TFPS{}, TRPS{}, TOPS{}, TSPS{};  // fixed totals during assembly
    std::array<int, MAX_CHAPTERS + 1> CS{};            // sectors per chapter (by chapter)
    int MINQZ = 0;     // last quiz before regular questions repeat
    bool RES = false;  // sectored by question
};

// A sector that holds no verse: its end comes before its begin. Chapter sectoring
// leaves such sectors when a chapter or group has fewer verses than sectors.
inline bool holds_no_verse(const SectorTables& t, int s) {
    return t.EC[s] < t.BC[s] || (t.EC[s] == t.BC[s] && t.EV[s] < t.BV[s]);
}

}  // namespace tv
