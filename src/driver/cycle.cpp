#include "driver/cycle.h"

#include <algorithm>

#include "bank/bank.h"
#include "patterns/patterns.h"
#include "editor/library.h"

namespace tv {

namespace {

// Until sectoring joins the program a run ends after the summary of its material.
void until_sectoring(Console& con) {
    con.writeln();
    con.writeln();
    con.write("  Press Return to Continue ");
    con.wait_enter();
}

}  // namespace

int run_program(Console& con, const Files& files, Random& rng, Clock& clock, Printer& printer,
                const std::string& path_list) {
    Run run;
    start_program(run, rng, clock);
    while (run_cycle(run, con, files, rng, printer, path_list)) {
    }
    end_program(con);
    return 0;
}

void start_program(Run& run, Random& rng, Clock& clock) {
    rng.seed_with(clock.ticks_ms());
    run.S = run.NUM = run.FIX = 0;
    run.ABAND3 = false;
}

bool run_cycle(Run& run, Console& con, const Files& files, Random& rng, [[maybe_unused]] Printer& printer,
               const std::string& path_list) {
    draw_banner(con, run);
    edit_styles(con, files, run);
    if (read_style_name(files, run)) return false;
    try {
        read_run_style(files, run);
        name_bank(run);
        make_run_patterns(con, files, rng, run);
        name_run_files(run);
        count_material(con, files, run, path_list);
        check_material(con, run);
        set_repeat_points(run);
        until_sectoring(con);
    } catch (const RunAbandoned&) {
        // Back to the banner: the files of the run were closed on the way out.
    }
    return true;
}

void end_program(Console& con) {
    con.text_color(WHITE);
    con.text_background(BLACK);
    con.clear();
    con.show();
}

void draw_banner(Console& con, Run& run) {
    run.ABAND3 = false;
    con.clear();
    run.RSET = 4;
    con.text_background(BLUE);
    con.text_color(YELLOW);
    for (int row = 1; row <= Screen::ROWS; ++row) {
        con.go(1, row);
        con.clear_eol();
    }
    con.go(1, 1);
    con.text_background(WHITE);
    con.text_color(BLACK);
    con.clear_eol();
    con.text_color(RED);
    con.write("  T");
    con.text_color(BLACK);
    con.write("allyvane");
    con.text_color(RED);
    con.write(" 30.0" + std::string(40, ' '));
    con.text_color(BLACK);
    con.write(" Romans and ");
    con.write("James");
    con.go(1, Screen::ROWS);
    con.clear_eol();
    con.text_color(BLACK);
    con.write(ORGANISATION_LINE);
    con.text_background(BLUE);
    con.text_color(YELLOW);
    con.go(1, 3);
    con.clr();
}

void edit_styles(Console& con, const Files& files, Run& run) { SPECS2(con, files, run.editor); }

bool read_style_name(const Files& files, Run& run) {
    run.NAME = read_handoff(files);
    return run.NAME == EXIT_NAME;
}

void read_run_style(const Files& files, Run& run) {
    TextReader in = files.read(run.NAME + ".spe");
    run.settings = read_style(in);
    EditorStyle& shared = run.editor.style;
    shared.NAME4 = run.settings.NAME4;
    shared.REGLST = run.settings.REGLST;
    shared.SEC1 = run.settings.SEC1;
    shared.PRIMPCT = run.settings.PRIMPCT;
    shared.SETSPC = run.settings.SETSPC;
}

void name_bank(Run& run) { run.names = bank_names(run.settings); }

void make_run_patterns(Console& con, const Files& files, Random& rng, Run& run) {
    run.QZ = run.settings.QNUM;
    run.BACK = false;
    // Esc in the long review abandons the run (make_patterns throws RunAbandoned).
    std::vector<std::string> pat = make_patterns(con, files, rng, run.editor.style, run.QZ, run.patterns);
    run.BACK = run.patterns.BACK;
    for (int q = 1; q <= std::min(run.QZ, MAX_QUIZZES); ++q)
        run.PAT[q] = q < static_cast<int>(pat.size()) ? pat[q] : std::string();
}

void name_run_files(Run& run) {
    run.F8 = run.editor.style.NAME4 + ".qui";
    run.F9 = "temp.txt";
    run.F10 = run.editor.style.NAME4 + ".inf";
}

void count_material(Console& con, const Files& files, Run& run, const std::string& path_list) {
    run.sectors.SECTORS = run.settings.QMAX;
    run.sectors.SECTORS2 = run.sectors.SECTORS;
    BankTables& b = run.bank;
    b.BEFORE = b.FBEFORE = b.RBEFORE = b.OBEFORE = b.SBEFORE = 0;
    b.TQUEST = 0;
    con.clr();
    index_material(con, files, run.settings, run.names, run.bank, path_list);
}

void check_material(Console& con, Run& run) {
    const BankTables& b = run.bank;
    con.clr();
    if (b.TQUEST < run.sectors.SECTORS) {
        con.write("  There are only ");
        con.write_num(b.TQUEST);
        con.write(" regular questions in this material.");
        con.writeln();
        con.writeln();
        con.write("  Change Questions per packet to ");
        con.write_num(b.TQUEST);
        con.write(" or less.");
        con.writeln();
        con.wait_enter();
        throw RunAbandoned{"fewer regular questions than sectors"};
    }
    con.writeln("  A quiz will contain one question from each sector.");
    con.write("  Regular Questions: ");
    con.write_num(b.TQUEST);
    con.write("   FTV: ");
    con.write_num(b.FQUEST);
    con.write("   CV Refs: ");
    con.write_num(b.RQUEST);
    con.write("   CO Refs: ");
    con.write_num(b.OQUEST);
    con.write("   SIT: ");
    con.write_num(b.SQUEST);
}

void set_repeat_points(Run& run) {
    const Style& s = run.settings;
    const BankTables& b = run.bank;
    if (s.FMAX >= 1) run.FQUIZ = ((b.FQUEST * 4) / s.FMAX) / 5;
    if (s.SMAX >= 1) run.SQUIZ = b.SQUEST / s.SMAX;
    if (s.OMAX >= 1) run.OQUIZ = b.OQUEST / s.OMAX;
    if (s.RMAX >= 1) run.RQUIZ = b.RQUEST / s.RMAX;
}

}  // namespace tv
