// The question bank as the rows of one spreadsheet, and back. A row names a question's
// book, chapter and verse, its kind and code, the bank file it belongs to and its text;
// importing checks every row against the material and the line format and writes the
// bank files sorted by verse, and exporting gives the rows that import to the very same
// files. Nothing here prints: problems come back as text for the caller to show.
#pragma once
#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "bank/season.h"
#include "bank/textfile.h"

namespace tv {

// The columns of the spreadsheet, in the order an export writes them.
enum class Column { book, chapter, verse, kind, code, list, level, question, answer };
constexpr int COLUMNS = 9;
// The header an export writes: "Book", "Chapter", ...
const std::array<std::string_view, COLUMNS>& column_titles();

// One question as a row: the text of each column (empty when left out).
struct QuestionRow {
    std::array<std::string, COLUMNS> cells;
    std::string& operator[](Column c) { return cells[static_cast<size_t>(c)]; }
    const std::string& operator[](Column c) const { return cells[static_cast<size_t>(c)]; }
};

// A row made into a line of a bank file, or what is wrong with it, column by column.
struct BankLine {
    std::string file;  // "RJ.A", "LLFTV.58", ...
    std::string line;
    int chapter = 0, verse = 0;  // chapter counted across the books
    std::vector<std::pair<Column, std::string>> problems;
};
BankLine bank_line(const QuestionRow& row, const Season& season);

// The bank files an import writes, each with its lines sorted by chapter and verse
// (questions of one verse in the order of their rows), or the problems found.
struct ImportPlan {
    std::map<std::string, std::vector<std::string>> files;
    int questions = 0;
    std::vector<std::string> problems;  // "questions.csv: row 7, column Verse: ..."
};
// `name` is the spreadsheet's name for the messages.
ImportPlan plan_import(const std::string& name, std::string_view text, const Season& season);

// What an import did: the files written and the verse indexes removed, which the
// next run that needs one builds again from the new files.
struct ImportDone {
    std::vector<std::string> written, indexes_removed;
    std::vector<std::string> kept;  // bank files the spreadsheet has no rows for
};
// Puts every file of the plan in place as one (side files, then renames) and removes
// the count files built from any of them. A failure is an IoError.
ImportDone write_bank(const Files& files, const ImportPlan& plan);

// The bank files of a workspace, in the order an export writes them: RJ.A-C, the FTV
// files, cv.b, cv.c, co.b, co.c, then the same at level L.
std::vector<std::string> bank_files(const Files& files);

// The whole bank as a CSV file (a byte-order mark, the header, a row per question),
// or the problems of the lines that would not come back the same from an import.
struct Export {
    std::string text;
    int questions = 0;
    std::vector<std::string> files;
    std::vector<std::string> problems;  // "RJ.A:12: ..."
};
Export export_bank(const Files& files, const Season& season);

}  // namespace tv
