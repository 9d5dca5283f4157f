// Cutting the material of a run into sectors: the checks before it, sectoring by
// question (sector_by_question) and by verse, the follow-up (repeat warning, offer to
// resector), and the whole sectoring step of a run. Sectoring by chapter is in
// chapsec.h, the sector table in display.h; what the step tells the user and asks
// of them goes through a SectoringReport.
#pragma once
#include <string>

#include "bank/season.h"
#include "bank/tables.h"
#include "bank/textfile.h"
#include "base/run_abandoned.h"
#include "style/style.h"
#include "sectors/sector_tables.h"

namespace tv {

// What sectoring tells the user and asks of them, in the order of the step; the
// run's screens answer.
struct SectoringReport {
    virtual ~SectoringReport() = default;
    // The work area is cleared (at the start and at the end of the step).
    virtual void clear() = 0;
    // The material cannot be sectored: `sectors` questions per quiz are outside
    // 2-30, or it holds only TQUEST regular questions. Said and acknowledged; the run
    // then stops.
    virtual void cannot_sector(int sectors) = 0;
    virtual void too_few_questions(int TQUEST) = 0;
    // The material's questions of each kind.
    virtual void material_summary(const BankTables& bank) = 0;
    // Sectoring by question begins: announced and acknowledged.
    virtual void by_question() = 0;
    // The sector table of the run, at the cursor.
    virtual void table(const Season& season, const SectorTables& t) = 0;
    // After the table of sectoring by question: waits for a key, left to the next screen.
    virtual void wait_on_table() = 0;
    // After the table of sectoring by verse: true when the user goes on, false when
    // the user stops the run.
    virtual bool accept_table() = 0;
    // Chapter sectoring: the material has more chapters than a quiz can take
    // (said and acknowledged, the run stops), or more than questions per quiz (the
    // count is raised to `chapters`).
    virtual void too_many_chapters(int chapters) = 0;
    virtual void sectors_raised(int chapters) = 0;
    // The user gives each chapter its sectors (t.CS, proposed) until they add up to
    // t.SECTORS. Esc stops the run (RunAbandoned).
    virtual void allocate_chapters(const Style& style, const Season& season, SectorTables& t) = 0;
    // The table of the chapter sectors with the smallest one (t.MINQZ): true when the
    // user accepts it, false to change the counts.
    virtual bool review_chapter_sectors(const Season& season, const SectorTables& t) = 0;
    // Regular repeats begin after quiz MINQZ. With `offer`, asks whether to sector by
    // question instead: true for yes.
    virtual bool early_repeats(int MINQZ, bool offer) = 0;
    // The table after resectoring is read: keys are taken until one is not Backspace.
    virtual void resectored_table_read() = 0;
};

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
CountLine read_count_line_into(TextReader& f11, SectorTables& t, int S);
// Adds the four specialty counts of verse X:Y to sector S.
void add_specialty_counts(const BankTables& bank, SectorTables& t, int X, int Y, int S);

// Before sectoring: refuses a style whose questions per quiz cannot be sectored and
// material with fewer regular questions than sectors (reported, then RunAbandoned);
// otherwise reports the summary of the material.
void check_material(SectoringReport& report, const BankTables& bank, const SectorTables& t);
// Computes each repeat point whose maximum is at least 1; the others stay.
void compute_repeat_points(const Style& style, const BankTables& bank, RepeatPoints& rp);

// The planned sector sizes of sectoring by question: QPS[1..SECTORS].
void plan_sector_sizes(SectorTables& t, int TQUEST);
// Sectoring by question. Sets the sectors, MINQZ and RES. Reads the verse count file `count_file`.
void sector_by_question(SectoringReport& report, const Files& files, const std::string& count_file,
                        const Style& style, const Season& season, const BankTables& bank,
                        SectorTables& t);
// Sectoring by verse, falling back to sector_by_question when no target works; reports the table.
void sector_by_verse(SectoringReport& report, const Files& files, const std::string& count_file,
                     const Style& style, const Season& season, BankTables& bank, SectorTables& t);

// After sectoring: abandons when the user stopped the run at the table or when MINQZ
// is 0; warns of early repeats and offers to resector.
void sector_followup(SectoringReport& report, const Files& files, const std::string& count_file,
                     const Style& style, const Season& season, BankTables& bank, SectorTables& t,
                     bool stopped);

// The sectoring step of a run: checks and summary, repeat points, sectoring by SEC1, the
// follow-up, and the copy of the counts into the sector totals. SECTORS may come out
// larger than the style's QMAX (chapter sectoring): every quiz has one position per sector.
// The caller resets the availability marks of the assembly afterwards.
void sector_material(SectoringReport& report, const Files& files, const std::string& count_file,
                     const Style& style, const Season& season, BankTables& bank, SectorTables& t,
                     RepeatPoints& rp);

}  // namespace tv
