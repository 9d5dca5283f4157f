#include "driver/cycle.h"

#include <algorithm>
#include <filesystem>

#include "assembly/assembly.h"
#include "bank/bank.h"
#include "bank/interrogative.h"
#include "base/printable.h"
#include "driver/run_screens.h"
#include "editor/library.h"
#include "output/packet.h"
#include "patterns/patterns.h"
#include "pdf/pdf.h"
#include "sectors/display.h"
#include "sectors/sectoring.h"

namespace tv {

int run_program(Console& con, const Files& files, Random& rng, Clock& clock, Printer& printer) {
    Run run;
    // Files a killed run left half put in place are completed before anything is read.
    recover_side_files(files);
    start_program(run, rng, clock, load_season(files));
    while (run_cycle(run, con, files, rng, clock, printer)) {
    }
    end_program(con);
    return 0;
}

void start_program(Run& run, Random& rng, Clock& clock, const Season& season) {
    run.season = season;
    run.editor.season = season;
    rng.seed_with(clock.ticks_ms());
    run.at.share_abandoned = false;
}

bool run_cycle(Run& run, Console& con, const Files& files, Random& rng, Clock& clock,
               Printer& printer) {
    draw_banner(con, run);
    edit_styles(con, files, run);
    return run_style(run, con, files, rng, clock, printer);
}

bool run_style(Run& run, Console& con, const Files& files, Random& rng, Clock& clock,
               Printer& printer) {
    if (read_style_name(files, run)) return false;
    try {
        recover_side_files(files);
        read_run_style(con, files, run);
        name_bank(run);
        const RunBank bank = load_bank(files, run.names, run.season);
        make_run_patterns(con, files, rng, run);
        name_run_files(run);
        // Read before the quizzes are made, so that a mistake in it costs no run.
        run.paper = pdf::read_paper(files);
        count_material(con, files, run, bank);
        make_sectors(con, files, run);
        bool copies = false;
        {
            // Step 12 (docs/how-it-works.md 3.2): the packet is written to a side file;
            // the packet of the run before stays in place until this one is done, and
            // then the packet and list go in place together.
            TextWriter packet = files.together(run.packet_file);
            if (run.with_pdf) packet.keep_copy();  // for its PDF
            check_specialties(con, run);
            choose_approval(con, run);
            copies = make_quizzes(con, files, rng, clock, run, bank, packet);
        }
        if (copies) print_copies(con, files, printer, run);
    } catch (const RunAbandoned&) {
        // Back to the banner: the files of the run were closed on the way out.
    } catch (const IoError& e) {
        // A file of the run is missing, malformed or cannot be written: the run ends
        // here and the files saved before it stay as they were. A bank file that cannot
        // be opened is named with the setting that chose it, the one to mend.
        const std::string setting =
            e.operation == "open" ? setting_choosing(run.settings, e.file) : "";
        show_file_problem(
            con,
            e.what() + (setting.empty() ? "" : "; the style's " + setting + " chose this file"));
    }
    return true;
}

void end_program(Console& con) {
    con.use(Role::Closed);
    con.clear();
    con.show();
}

void draw_banner(Console& con, Run& run) {
    run.at.share_abandoned = false;
    con.clear();
    run.RSET = 4;
    con.normal();
    for (int row = 1; row <= Screen::ROWS; ++row) {
        con.go(1, row);
        con.clear_eol();
    }
    con.go(1, 1);
    con.use(Role::Bar);
    con.clear_eol();
    con.use(Role::BarKey);
    con.write("  T");
    con.use(Role::Bar);
    con.write("allyvane");
    con.use(Role::BarKey);
    con.write(std::string(" ") + TV_VERSION + std::string(40, ' '));
    con.use(Role::Bar);
    con.write(" " + run.season.name);
    con.go(1, Screen::ROWS);
    con.clear_eol();
    con.write(organisation_line(run.season));
    // The line stays on the key line of the screens that leave room for it.
    con.key_note(organisation_line(run.season));
    con.normal();
    con.go(1, 3);
    con.clr();
}

std::string organisation_line(const Season& season) { return "  Quiz packets for " + season.name; }

void edit_styles(Console& con, const Files& files, Run& run) {
    style_editor(con, files, run.editor);
}

bool read_style_name(const Files& files, Run& run) {
    run.NAME = read_handoff(files);
    return run.NAME == EXIT_NAME;
}

void read_run_style(Console& con, const Files& files, Run& run) {
    TextReader in = files.read(style_file_name(run.NAME));
    run.settings = read_style(in);
    refuse_out_of_range(con, run);
}

void refuse_out_of_range(Console& con, const Run& run) {
    std::string problem = setting_out_of_range(run.settings, run.season);
    if (problem.empty()) return;
    con.clr();
    con.highlight();
    con.write_at(3, 3, " The style " + printable(run.NAME) + " cannot be run: ");
    con.normal();
    const int row = write_within(con, 3, 5, printable(problem) + ".");
    con.write_at(3, row + 1,
                 "Correct it on the form, or in the file " + printable(run.NAME) + ".spe.");
    con.write_at(3, row + 3, "Press Return to Continue ");
    con.wait_enter();
    throw RunAbandoned{"style setting out of range: " + problem};
}

void name_bank(Run& run) { run.names = bank_names(run.settings); }

RunBank load_bank(const Files& files, const BankNames& names, const Season& season) {
    RunBank bank = read_bank(files, names);
    // Every line is checked now, before the pattern review, so that a line the index
    // would refuse stops the run before the user has reviewed anything.
    check_question_lines(bank, season);
    // A count file that is there must be a readable file; a missing one is built.
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(files.path(names.count_file), ec)))
        (void)files.read(names.count_file);
    return bank;
}

void make_run_patterns(Console& con, const Files& files, Random& rng, Run& run) {
    // A packet holds at most 100 quizzes; a style file edited by hand may ask for more.
    // The run takes the patterns as read back from "pat.txt".
    const int quizzes = std::min(run.settings.QNUM, MAX_QUIZZES);
    RunScreens screens(con, run.RSET);
    run.patterns.PAT = make_patterns(screens, files, rng, run.settings, quizzes, run.patterns);
}

void name_run_files(Run& run) {
    run.packet_file = run.settings.NAME4 + ".qui";
    run.log_file = "temp.txt";
    run.list_file = run.settings.NAME4 + ".inf";
    run.pdf_file = run.settings.NAME4 + ".pdf";
}

void count_material(Console& con, const Files& files, Run& run, const RunBank& bank) {
    run.sectors.SECTORS = run.settings.QMAX;
    // The bank's step sets every table and total to 0 and clears the work area first.
    RunScreens screens(con, run.RSET);
    index_material(screens, files, run.settings, bank, run.names, run.season, run.bank);
}

void make_sectors(Console& con, const Files& files, Run& run) {
    RunScreens screens(con, run.RSET);
    sector_material(screens, files, run.names.count_file, run.settings, run.season, run.bank,
                    run.sectors, run.points);
    reset_availability(run.at, run.sectors);
}

void check_specialties(Console& con, Run& run) {
    const Style& s = run.settings;
    const BankTables& b = run.bank;
    if ((b.FQUEST == 0 && s.FMAX > 0) || (b.OQUEST == 0 && s.OMAX > 0) ||
        (b.RQUEST == 0 && s.RMAX > 0) || (b.SQUEST == 0 && s.SMAX > 0)) {
        warn_missing_specialty(con);
        throw RunAbandoned{"a specialty type of the style has no questions"};
    }
}

void choose_approval(Console& con, Run& run) {
    run.V = approval_menu(con);
    // The menu's Enter is the last key taken; approval quiz by quiz replaces it.
    run.at.I = static_cast<char>(key::ENTER);
}

namespace {

// Step 15 of a run (docs/how-it-works.md 3.2): the interrogative marks, the list
// file's head, the copies taken before the first quiz, the FTV kinds of the material.
void prepare_quizzes(Console& con, Run& run, const RunBank& bank, TextWriter& list) {
    con.clr();
    if (run.settings.IPC != 50) {
        RunScreens(con, run.RSET).counting_interrogatives();
        run.at.INT =
            mark_interrogatives(bank.F3, run.bank.BEFORE, run.sectors.SECTORS, run.sectors.TQPS);
    }
    write_sector_table(list, run.season, run.sectors);
    start_quizzes(run.at, run.points, run.sectors, run.settings);
    read_ftv_kinds(bank.F4, run.bank.FBEFORE, run.sectors.SECTORS, run.sectors.TFPS, run.bank);
}

// The packet's PDF, made from the text just written, then the packet, its list and its
// PDF put in place together.
void put_run_files(const Files& files, const Run& run, TextWriter& packet, TextWriter& list) {
    if (!run.with_pdf) {
        files.put_in_place({&packet, &list});
        return;
    }
    pdf::Settings pdf_settings;
    pdf_settings.paper = run.paper;
    pdf_settings.lines_per_page = run.settings.LPP;
    pdf_settings.title = pdf::title_of_text(packet.copy(), run.settings.OUT, run.season.name);
    const std::string bytes =
        pdf::packet_pdf(packet.copy(), run.settings.OUT, pdf_settings, run.pdf_file);
    TextWriter pdf = files.together(run.pdf_file);
    pdf.write(bytes);
    files.put_in_place({&packet, &list, &pdf});
}

// Step 17.1 of a run (docs/how-it-works.md 3.2): the message log goes to the end of
// the list file. The copy reads a line before it tests for the end, so an empty log
// still gives one empty line.
void copy_log(const Files& files, const Run& run, TextWriter& list) {
    TextReader log = files.read(run.log_file);
    do list.writeln(log.read_line(254));
    while (!log.eof());
}

}  // namespace

void show_abandoned_share(Console& con, Run& run) {
    con.go(5, advance_rset(con, run.RSET));
    con.clear_eol();
    con.highlight();
    con.write(std::to_string(run.at.OLDIPC) + " Percent interrogatives abandoned on quiz " +
              std::to_string(run.at.ABAND));
    con.normal();
    con.wait_enter();
}

bool make_quizzes(Console& con, const Files& files, Random& rng, Clock& clock, Run& run,
                  const RunBank& bank, TextWriter& packet) {
    TextWriter log = files.create(run.log_file);
    TextWriter list = files.together(run.list_file);
    prepare_quizzes(con, run, bank, list);

    RunScreens screens(con, run.RSET);
    Assembly a{screens,     rng,    clock,    run.settings, run.season, run.bank,
               run.sectors, run.at, run.quiz, bank.F3,      bank.F4,    bank.F5,
               bank.F6,     list,   log,      run.points,   run.V};
    try {
        for (int Q2 = 1; Q2 <= run.patterns.QZ; ++Q2) {
            run.at.EN = false;
            assemble_quiz(a, Q2, run.patterns.PAT[Q2]);
            // Esc at the approval prompt leaves the quiz without its regular questions:
            // rather than write such a quiz, the run stops there, as Esc stops it on the
            // approval menu.
            if (run.at.EN)
                throw RunAbandoned{"Esc at the approval prompt of quiz " + std::to_string(Q2)};
            append_to_packet(packet, run.settings, run.season, run.NAME, run.sectors.SECTORS,
                             run.quiz, run.packet);
        }
    } catch (const RunAbandoned&) {
        // The quizzes written before the stop are kept, with their list; a run stopped
        // before its first quiz leaves the packet and list of the run before. assemble_quiz
        // numbers the quiz before anything in it can stop the run.
        if (run.quiz.Q2 > 1) {
            log.close();
            copy_log(files, run, list);
            put_run_files(files, run, packet, list);
        }
        if (run.at.EN) show_stopped_run(con, run.quiz.Q2, run.settings.NAME4);
        throw;
    }

    log.close();
    copy_log(files, run, list);
    if (run.at.share_abandoned) show_abandoned_share(con, run);
    if (run.RSET > 4) {
        con.write_at(20, 3, " Quizzes Complete -- Press Return to Continue");
        con.wait_enter();
    }
    put_run_files(files, run, packet, list);
    bool asked = show_closing_screen(con, run.settings.NAME4);
    // Accepting the last quiz's combination with a capital Y also asks for copies.
    return asked || run.at.I == 'Y';
}

namespace {

// A whole number typed on a line; asks again until it is one.
int read_count(Console& con, const std::string& prompt) {
    for (;;) {
        con.write(prompt);
        std::string line = con.read_line(6);
        line.erase(0, line.find_first_not_of(' '));
        line.erase(line.find_last_not_of(' ') + 1);
        // A sign is taken: 0 or less prints nothing.
        const size_t digits = !line.empty() && line[0] == '-' ? 1 : 0;
        bool whole = line.size() > digits && line.size() - digits <= 4 &&
                     std::all_of(line.begin() + digits, line.end(),
                                 [](char c) { return c >= '0' && c <= '9'; });
        if (whole) return std::stoi(line);
    }
}

}  // namespace

void print_copies(Console& con, const Files& files, Printer& printer, Run& run) {
    con.keys({});  // the prompts say what to type
    con.writeln();
    con.writeln();
    const std::string viewer = "  Open " + run.pdf_file + " in a PDF viewer to print it.";
    if (!printer.has_printer()) {
        con.writeln("  There is no printer here (no lp command).");
        con.writeln(viewer);
    } else {
        run.C1 = read_count(con, "  How many copies? ");
        con.writeln();
        con.writeln("  Be sure printer is ready and press return");
        con.wait_enter();
        if (run.C1 <= 0) return;
        const std::string document = files.read(run.pdf_file).release_text();
        // A printer that refused one copy would refuse the next: the rest are not sent.
        int printed = 0;
        std::string why;
        while (printed < run.C1 && (why = printer.print(document)).empty()) ++printed;
        if (printed == run.C1) return;
        con.writeln("  The printer command failed:");
        con.writeln("  " + printable(why).substr(0, Screen::COLS - 4));
        con.writeln("  " + std::to_string(printed) + " of " + std::to_string(run.C1) +
                    (run.C1 == 1 ? " copy was" : " copies were") + " printed.");
        con.writeln(viewer);
    }
    con.write("  Press Return to Continue ");
    con.wait_enter();
}

}  // namespace tv
