// The screens of a run: what the material step, the sectoring, the pattern
// generator and the assembly report, shown on the console, and the driver's own
// small screens around them (the approval menu, the closing screen).
#pragma once
#include <string>
#include <vector>

#include "assembly/assembly.h"
#include "bank/bank.h"
#include "console/console.h"
#include "patterns/patterns.h"
#include "sectors/sectoring.h"

namespace tv {

class RunScreens : public MaterialReport,
                   public SectoringReport,
                   public PatternReport,
                   public AssemblyReport {
public:
    // RSET: the row of the last progress message, kept by the run.
    RunScreens(Console& con, int& RSET) : con_(con), RSET_(RSET) {}

    void material_begins() override;
    void building_index() override;
    void sectoring_material() override;
    void index_rebuilt(const std::string& count_file) override;

    void clear() override;
    void cannot_sector(int sectors) override;
    void too_few_questions(int TQUEST) override;
    void material_summary(const BankTables& bank) override;
    void by_question() override;
    void table(const Season& season, const SectorTables& t) override;
    void wait_on_table() override;
    bool accept_table() override;
    void too_many_chapters(int chapters) override;
    void sectors_raised(int chapters) override;
    void allocate_chapters(const Style& style, const Season& season, SectorTables& t) override;
    bool review_chapter_sectors(const Season& season, const SectorTables& t) override;
    bool early_repeats(int MINQZ, bool offer) override;
    void resectored_table_read() override;

    void review(Patterns& P, const Style& s, DrawSource& rnd) override;
    void ranges_unmet(const std::string& why) override;

    void choosing_quiz(int Q2) override;
    void message(const std::string& text) override;
    void message_line(const std::string& text) override;
    void message_again(const std::string& text) override;
    void line(const std::string& text) override;
    void stop(const std::string& text, bool alarm) override;
    int approve(int Q2, int quizzes, const std::vector<std::string>& lines) override;

    // Before the interrogative index of the material is made.
    void counting_interrogatives();

private:
    // Advances the message row (clearing the work area when it runs out), goes to
    // column 3 of it and clears the rest of the row.
    void message_row();
    // Takes one whole key: the first code, and for an extended key its scan code too.
    int take_key();

    Console& con_;
    int& RSET_;
};

// The two lines of the approval menu in the current colours, then the highlight colours.
void draw_approval_menu(Console& con);

// The approval menu: Up/Down move the highlight (wrapping), Enter chooses, Esc
// abandons the run (RunAbandoned). Gives the approval mode V: 1 = approve each
// quiz's specialty combination, 2 = run them automatically.
int approval_menu(Console& con);

// The run stopped at quiz `stopped` (Esc at its approval prompt): says how many
// quizzes were kept and in which files (NAME4.qui, .pdf and .inf; none kept: those
// of the run before stay), and waits for Return.
void show_stopped_run(Console& con, int stopped, const std::string& NAME4);

// The closing screen: names the saved files and waits for Return. True when the
// user typed P (or p) first, asking for printed copies.
bool show_closing_screen(Console& con, const std::string& NAME4);

// The warning that a specialty type asked for has no questions; waits for two
// presses of Return.
void warn_missing_specialty(Console& con);

}  // namespace tv
