// Helpers shared by the regular and the specialty choosers.
#pragma once
#include <string>

#include "assembly/assembly.h"

namespace tv::detail {

// Lines of a kind of question in the sectors before sector s.
int lines_before_sector(const SectorRow& totals, int s);
// A number as the messages and the list write it.
inline std::string num(long n) { return std::to_string(n); }
// Whether an index names a sector of the tables (1-30).
inline bool in_sectors(int s) { return s >= 1 && s <= MAX_SECTORS; }

}  // namespace tv::detail
