// A spreadsheet saved as text: CSV or TSV, as spreadsheet programs write it. The
// separator (comma, semicolon or TAB) is the one the header row uses; fields may be
// quoted, with separators, line breaks and doubled quotes inside; lines end in LF or
// CR LF; a UTF-8 byte-order mark before the header is dropped.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tv {

struct SheetRow {
    int row = 0;  // as the spreadsheet program numbers it: the header is row 1
    std::vector<std::string> cells;
};

struct Sheet {
    char separator = ',';
    std::vector<SheetRow> rows;  // the header first; rows without any text are left out
    std::string problem;         // "" when the text could be read as a spreadsheet
};

Sheet read_sheet(std::string_view text);

// One row of a CSV file: the cells separated by commas, a cell quoted when it holds a
// comma, a quote, a line break or blanks at either end; LF after it.
std::string sheet_line(const std::vector<std::string>& cells);

// The byte-order mark that tells spreadsheet programs the file is UTF-8.
constexpr std::string_view UTF8_BOM = "\xEF\xBB\xBF";

}  // namespace tv
