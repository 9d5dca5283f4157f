// The question bank: the names of its files, the verse index (the count file that
// says how many questions of each kind every verse has), the totals of a run's
// material, and the small readers other steps call (to_book_chapter, read_ftv_kinds).
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "bank/question_file.h"
#include "bank/season.h"
#include "bank/tables.h"
#include "bank/textfile.h"
#include "base/style_record.h"

namespace tv {

// ---- Names of the bank's files ----

// The five names from the level letter, the regular list letter and Pct Prim FTV:
// RJ.A, FTV.58, cv.b, co.b, count.58A; level "L" puts "LL" before each.
BankNames bank_names(const Style& s);
// The setting of the style that chose a bank file, for a message about the file:
// "Pct Prim FTV 100" for FTV.00, "Reg (a/b/c) A" for RJ.A, cv.b and co.b, with
// "at level L" for the LL files. Empty for a file that is none of the style's bank.
std::string setting_choosing(const Style& s, const std::string& file);

// ---- The question line ----

// Where a question line belongs: chapter (1 to the material's chapters) from columns
// 1-2, verse (1 to the count file's rows per chapter) from column 4 on. `problem` says why the line is outside the format ("" when it is not).
struct QuestionRef {
    int chapter = 0;
    int verse = 0;
    std::string problem;
};
QuestionRef read_question_ref(std::string_view line, const Season& season);

// The four kinds of question file, each with the code its lines carry from column 7.
enum class QuestionKind { Regular, Ftv, CvRef, CoRef };
// Why the code of a question line does not fit its kind of file ("" when it does):
// an FTV code is 3 to 5 characters ending at a TAB (column 9 is its kind), a quote
// code ("Q" in column 7) is 4; a CV Ref line has "CV" in columns 7-8 and a TAB in
// column 9, a CO Ref line "CO". Regular questions have no code.
std::string question_code_problem(std::string_view line, QuestionKind kind);

// Most questions of one kind a verse may have (the count file holds bytes).
constexpr int MAX_PER_VERSE = 255;

// ---- The question files ----

// The question files of a run, read once: the index, the checks and the quizzes
// all take their lines from this copy, so a file changed during the run changes
// nothing of it.
struct RunBank {
    QuestionFile F3, F4, F5, F6;
};
RunBank read_bank(const Files& files, const BankNames& names);

// ---- The verse index ----

// Counts the lines of the four question files per verse into QCOUNT, FCOUNT, RCOUNT
// and OCOUNT (set to 0 first). A line outside the format, out of order, or one too
// many for its verse, and a file without questions, are an IoError naming the file
// and the line.
void count_questions(const RunBank& bank, const Season& season, BankTables& t);
// Checks the lines of the four question files as count_questions does, counting
// nothing: the run reads its bank with this check, before the pattern review.
void check_question_lines(const RunBank& bank, const Season& season);
// Every line of a question file that count_questions would refuse, in file order,
// each an IoError naming the file and the line; empty when it would take the file.
std::vector<IoError> question_line_problems(const QuestionFile& file, QuestionKind kind,
                                            const Season& season);

// Writes the count file: one line "chapter verse Q F R O S" for every chapter of the
// material and every row 1..season.rows() of it (945 lines for Romans and James).
// The file is replaced safely (temporary file renamed over the old one).
void write_index(const Files& files, const std::string& count_file, const Season& season,
                 const BankTables& t);

// Counts the question files and writes the count file.
void build_index(const Files& files, const RunBank& bank, const BankNames& names,
                 const Season& season, BankTables& t);

// Reads the count file into the five per-verse tables (set to 0 first). Each entry is
// seven whole numbers in free format, stored at the chapter and verse it names; the
// next entry must be the verse after it, and the reading ends with the last row of
// the material's last chapter. Returns false when an entry is not a number, out of its place or out of range,
// or the file ends early: the index does not fit the file layout and must be rebuilt.
// A missing file is an IoError.
bool load_index(const Files& files, const std::string& count_file, const Season& season,
                BankTables& t);

// ---- The material of a run ----

// Adds the five counts of verse CH:V to the counts before the material.
void add_to_before_counts(BankTables& t, int CH, int V);
// Adds the five counts of verse CH:V to the totals of the material.
void add_to_material_totals(BankTables& t, int CH, int V);
// The totals of the material BCHAP:BVER to ECHAP:EVER and the counts before it.
void count_material(const Style& s, BankTables& t);

// Turns the chapter in columns 1-2 of a question line into the chapter within its
// book (with Romans and James, 17-21 become " 1" to " 5") and gives the book letter.
// Chapters of the first book, and a field that is no chapter of the material, stay
// as they are, with the first book's letter.
char to_book_chapter(std::string& ALLTEMP, const Season& season);

// The FTV type letter of each FTV question of each sector: column 9 of its line, or
// 'R' for "VR" in columns 9-10. The FTV questions of the material follow the FBEFORE
// lines before it, sector after sector. FTYPE[s] gets TFPS[s] + 1 entries (from 1).
void read_ftv_kinds(const QuestionFile& ftv, int FBEFORE, int SECTORS,
                    const std::array<int, MAX_SECTORS + 1>& TFPS, BankTables& t);

// What the material step tells the user, in its order; the run's screens show it.
struct MaterialReport {
    virtual ~MaterialReport() = default;
    // The step begins.
    virtual void material_begins() = 0;
    // The verse index is about to be built.
    virtual void building_index() = 0;
    // The index is about to be read and the material counted.
    virtual void sectoring_material() = 0;
    // The count file did not match the question files and was rebuilt: the user
    // reads the note before the step goes on.
    virtual void index_rebuilt(const std::string& count_file) = 0;
};

// The material step of a run: resets the bank's tables, decides whether to build
// the verse index (always unless INDX is "N"; then only when the workspace has no
// count file), builds it when needed, loads the index and counts the material. A
// count file that does not fit its layout or no longer matches the question files
// is rebuilt, and the report says so.
// The question files are counted from `bank`, the copy of the run.
void index_material(MaterialReport& report, const Files& files, const Style& s, const RunBank& bank,
                    const BankNames& names, const Season& season, BankTables& t);

}  // namespace tv
