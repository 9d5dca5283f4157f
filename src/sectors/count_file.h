// Positions in the verse count file: `rows` lines per chapter (45 for Romans and
// James), one per verse.
#pragma once
#include "bank/tables.h"
#include "bank/textfile.h"

namespace tv {

// The line (from 1) of verse v of chapter ch in the verse count file.
constexpr int count_line_of(int ch, int v, int rows) { return (ch - 1) * rows + v; }

// Passes over lines until the reader stands at line `line` (never goes back).
inline void skip_to_line(TextReader& f11, int line) {
    while (f11.line_no() < line && !f11.eof()) f11.skip_line();
}

}  // namespace tv
