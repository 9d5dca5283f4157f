#include <gtest/gtest.h>

#include <sstream>

#include "driver/cycle.h"
#include "support/support.h"

using namespace tv;
using tv::test::ext;

namespace {

// A small bank on Romans 1:1-12: one regular question per verse ("Who ...?", so every
// one is interrogative), an FTV question in every odd verse and a CV Ref in verses 2,
// 6 and 10; one question of each kind at 2:1, outside the material. Sectoring by verse
// gives 3 sectors of 4, 3 and 5 regular questions: regular repeats begin after quiz 3.
// `ftv` false moves the FTV questions out of the material.
std::string bank_file(char kind, bool ftv = true) {
    std::string text;
    auto add = [&](int ch, int vs, const std::string& q) {
        char head[8];
        std::snprintf(head, sizeof head, "%2d %2d\t", ch, vs);
        text += head + q + "\n";
    };
    for (int v = 1; v <= 12; ++v) {
        std::string n = std::to_string(v);
        if (kind == 'q') add(1, v, "Who spoke in verse " + n + "?\tanswer");
        if (kind == 'f' && ftv && v % 2 == 1) add(1, v, "F1V\tverse " + n);
        if (kind == 'r' && v % 4 == 2) add(1, v, "CV\twhat is verse " + n + "?\tanswer");
    }
    const char* later = kind == 'q' ? "Who?\ta" : kind == 'f' ? "F1V\tlater" : kind == 'r' ? "CV\tlater\ta" : "CO\tlater\ta";
    add(2, 1, later);
    return text;
}

struct Setup {
    std::string name = "Small";
    int QNUM = 2;
    int IPC = 50;
    bool ftv = true;
};

// 3 questions per quiz, sectoring by verse, up to 2 specialties: FTV 0-1, CV Ref 0-1.
std::string style(const Setup& s) {
    return "F\n1 1\n1 12\nSmallOut\n60\nP\n3\nA\n16\n" + std::to_string(s.IPC) + "\nN\n" +
           std::to_string(s.QNUM) + "\nV\n0\n2\n0\n1\n0\n1\n0\n0\n0\n0\n0\n58\n1\n3\nN\n" +
           "AAAnnnnnnnnnnnnnnnnnnnnnnnnnnn\n";
}

struct Workspace {
    test::TempDir dir;
    Files files = dir.files();
    explicit Workspace(const Setup& s = {}) {
        dir.write("Specs.lst", s.name + "\nEnter New Specs\n");
        dir.write(s.name + ".spe", style(s));
        dir.write("RJ.A", bank_file('q'));
        dir.write("FTV.58", bank_file('f', s.ftv));
        dir.write("cv.b", bank_file('r'));
        dir.write("co.b", bank_file('o'));
    }
    std::vector<std::string> lines(const std::string& name) const {
        std::vector<std::string> out;
        std::istringstream in(dir.read(name));
        for (std::string l; std::getline(in, l);) out.push_back(l);
        return out;
    }
    // How often `text` starts a line of the file.
    int count(const std::string& name, const std::string& text) const {
        int n = 0;
        for (const auto& l : lines(name)) n += l.find(text) != std::string::npos;
        return n;
    }
};

// Keys of a run up to the sector table: the first style on the menu, the form to its
// title (Esc) and accepted (Return), the page of patterns accepted, a key for the table.
std::vector<int> to_sectors() { return {key::ENTER, key::ESC, key::ENTER, key::ENTER, key::ENTER}; }
std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
std::vector<int> operator+(std::vector<int> a, const std::string& typed) { return a + test::keys(typed); }

// The rest of an automatic run without messages: the top line of the approval menu,
// then Return on the closing screen.
const std::vector<int> AUTOMATIC = {key::ENTER, key::ENTER};
// Approval quiz by quiz: Down to the bottom line of the approval menu, Return.
const std::vector<int> BY_HAND = {ext(key::DOWN), key::ENTER};
// The repeat warning after sectoring: no resectoring, Return.
const std::vector<int> NO_RESECTOR = {'n', key::ENTER};

struct NoPrinter : MemoryPrinter {
    std::vector<std::string> files;
    void begin_job(const std::string& f) override { files.push_back(f); }
    bool has_printer() const override { return false; }
};

struct Devices {
    ScriptFace face;
    Console con{face};
    Random rng;
    FixedClock clock{1234};
    MemoryPrinter printer;
    explicit Devices(std::vector<int> keys) : face(std::move(keys)) {}
    int run(const Files& files) { return run_program(con, files, rng, clock, printer, ""); }
    bool cycle(tv::Run& run, const Files& files, Printer& p) {
        return run_cycle(run, con, files, rng, clock, p, "");
    }
    bool cycle(tv::Run& run, const Files& files) { return cycle(run, files, printer); }
    const Screen& screen() const { return con.screen(); }
};

// The head of the list file (sector table) takes 34 lines, every quiz 33.
constexpr int LIST_HEAD = 34, LIST_QUIZ = 33;

}  // namespace

TEST(Banner, RowsOneAndTwentyFiveInTheirColoursAndABlueBody) {
    Devices d({});
    tv::Run run;
    run.RSET = 17;
    run.at.ABAND3 = true;
    draw_banner(d.con, run);
    const Screen& s = d.screen();
    EXPECT_EQ(s.text(1, 1, 80), "  Tallyvane 30.0" + std::string(40, ' ') + " Romans and James" +
                                    std::string(7, ' '));
    EXPECT_EQ(s.line(25), ORGANISATION_LINE);
    // "  T" red, "allyvane" black, " 30.0" and the blanks red, " Romans and James"
    // black; white behind the whole row and row 25.
    for (int c = 1; c <= 80; ++c) {
        bool red = c <= 3 || (c >= 12 && c <= 56);
        EXPECT_EQ(s.at(c, 1).fg, red ? RED : BLACK) << "column " << c;
        EXPECT_EQ(s.at(c, 1).bg, WHITE) << "column " << c;
        EXPECT_EQ(s.at(c, 25).bg, WHITE) << "column " << c;
    }
    EXPECT_EQ(s.at(3, 25).fg, BLACK);
    for (int r = 2; r <= 24; ++r) {
        EXPECT_EQ(s.line(r), "") << "row " << r;
        EXPECT_EQ(s.at(1, r).bg, BLUE);
        EXPECT_EQ(s.at(80, r).bg, BLUE);
    }
    EXPECT_EQ(s.col(), 1);
    EXPECT_EQ(s.row(), 3);
    EXPECT_EQ(s.fg(), YELLOW);
    EXPECT_EQ(s.bg(), BLUE);
    EXPECT_EQ(run.RSET, 4);
    EXPECT_FALSE(run.at.ABAND3);
}

TEST(Run, AnAutomaticRunWritesThePacketAndTheListAndEndsOnTheClosingScreen) {
    Workspace ws;
    Devices d(to_sectors() + AUTOMATIC);
    tv::Run run;
    EXPECT_TRUE(d.cycle(run, ws.files));
    EXPECT_EQ(d.face.left(), 0u);  // no "Quizzes Complete" pause: no message was written
    EXPECT_EQ(run.RSET, 4);
    EXPECT_EQ(run.V, 2);
    EXPECT_EQ(d.printer.jobs, 0);

    EXPECT_EQ(ws.dir.read("pat.txt").size(), 2 * 31u);
    auto packet = ws.lines("SmallOut.qui");
    ASSERT_FALSE(packet.empty());
    EXPECT_EQ(packet[0], "R 1:1 to R 1:12              Small Style Quizzing                Quiz Number 1");
    EXPECT_EQ(ws.count("SmallOut.qui", "Quiz Number 2"), 1);
    EXPECT_EQ(ws.count("SmallOut.qui", "Quiz Number"), 2);

    // The list: the sector table, 33 lines per quiz, then the empty message log as
    // one empty line.
    auto list = ws.lines("SmallOut.inf");
    ASSERT_EQ(list.size(), LIST_HEAD + 2 * LIST_QUIZ + 1u);
    EXPECT_EQ(list[4], "   1 R  1: 1  1: 4   4   2   1   0   0    3 R  1: 8  1:12   5   2   1   0   0");
    EXPECT_EQ(list[LIST_HEAD], "  Que Sec Num    Verse  Type  Question                             Quiz 1");
    EXPECT_EQ(list[LIST_HEAD + LIST_QUIZ], "  Que Sec Num    Verse  Type  Question                             Quiz 2");
    EXPECT_EQ(list.back(), "");
    EXPECT_EQ(ws.dir.read("temp.txt"), "");

    const Screen& s = d.screen();
    EXPECT_EQ(s.line(3), "  Thank you for using Tallyvane 30.0");
    EXPECT_EQ(s.line(5), "  A list of questions and sectors used has been saved as SmallOut.inf");
    EXPECT_EQ(s.line(15), "  Type P and press Return to print copies");
    EXPECT_EQ(s.line(16), "");  // no copies asked for
}

TEST(Run, MessagesDuringAssemblyEndInTheListAndAPauseBeforeTheClosingScreen) {
    // Six quizzes from sectors of 3 to 5 questions: the repeat warning after sectoring,
    // then repeat messages during assembly.
    Workspace ws({.QNUM = 6});
    const auto keys = to_sectors() + NO_RESECTOR + std::vector<int>{key::ENTER};
    {
        Devices d(keys);
        tv::Run run;
        EXPECT_THROW(d.cycle(run, ws.files), ScriptExhausted);  // at the pause
        const Screen& s = d.screen();
        EXPECT_EQ(s.text(3, 20, 45), " Quizzes Complete -- Press Return to Continue");
        EXPECT_EQ(s.line(5), "    **Out of Regular Questions...Using Repeats beginning quiz 4**");
    }
    Devices d(keys + std::vector<int>{key::ENTER, key::ENTER});
    tv::Run run;
    EXPECT_TRUE(d.cycle(run, ws.files));
    EXPECT_EQ(d.face.left(), 0u);
    EXPECT_GT(run.RSET, 4);
    EXPECT_EQ(ws.count("SmallOut.qui", "Quiz Number"), 6);
    const std::string log = ws.dir.read("temp.txt");
    ASSERT_EQ(log.substr(0, 38), "Regular Question Repeats begin quiz 4\n");
    const std::string list = ws.dir.read("SmallOut.inf");
    EXPECT_EQ(list.substr(list.size() - log.size()), log);
    EXPECT_EQ(ws.lines("SmallOut.inf").size(), LIST_HEAD + 6 * LIST_QUIZ + ws.lines("temp.txt").size());
}

TEST(Run, TheInterrogativeShareGivenUpIsNoticedAtTheEnd) {
    // Every question of the bank opens like a direct question: a share of 0 percent
    // cannot be kept and is given up on quiz 1 (two messages, rows 5 and 6).
    Workspace ws({.IPC = 0});
    Devices d(to_sectors() + std::vector<int>{key::ENTER});
    tv::Run run;
    EXPECT_THROW(d.cycle(run, ws.files), ScriptExhausted);  // waiting on the notice
    EXPECT_EQ(ws.dir.read("temp.txt"), "Abandoning 0 Percent interrogatives on quiz 1\n");
    EXPECT_EQ(d.screen().line(6), "    **Abandoning 0 Percent interrogatives on quiz 1**");
    EXPECT_EQ(d.screen().line(7), "    0 Percent interrogatives abandoned on quiz 1");
    EXPECT_EQ(d.screen().at(5, 7).bg, RED);

    // The notice at the next message row, or at row 5 of a cleared work area after row 23.
    for (int RSET : {10, 23}) {
        Devices n({key::ENTER});
        tv::Run r;
        r.RSET = RSET;
        r.at.OLDIPC = 60;
        r.at.ABAND = 7;
        n.con.normal();
        for (int row = 2; row <= 24; ++row) n.con.write_at(1, row, "x");
        show_abandoned_share(n.con, r);
        const int at = RSET == 23 ? 5 : RSET + 1;
        EXPECT_EQ(r.RSET, at);
        const Screen& s = n.screen();
        EXPECT_EQ(s.line(at), (RSET == 23 ? "    " : "x   ") + std::string("60 Percent interrogatives abandoned on quiz 7"));
        EXPECT_EQ(s.line(3), RSET == 23 ? "" : "x");
        EXPECT_EQ(s.at(5, at).bg, RED);
        EXPECT_EQ(s.at(5, at).fg, WHITE);
        EXPECT_EQ(s.at(60, at).bg, BLUE);
        EXPECT_EQ(n.face.left(), 0u);
    }
}

TEST(Run, EscOnTheApprovalMenuLeavesAnEmptyPacketAndNothingElse) {
    Workspace ws;
    Devices d(to_sectors() + std::vector<int>{ext(key::DOWN), key::ESC});
    EXPECT_THROW(d.run(ws.files), ScriptExhausted);  // back on the style menu
    EXPECT_EQ(d.screen().text(1, 3, 14), "Tallyvane 30.0");
    EXPECT_EQ(d.screen().text(6, 33, 5), "Small");
    EXPECT_TRUE(ws.dir.exists("SmallOut.qui"));
    EXPECT_EQ(ws.dir.read("SmallOut.qui"), "");
    EXPECT_FALSE(ws.dir.exists("SmallOut.inf"));
    EXPECT_FALSE(ws.dir.exists("temp.txt"));
}

TEST(Run, ASpecialtyWithoutQuestionsInTheMaterialStopsTheRun) {
    Workspace ws({.ftv = false});
    Devices d(to_sectors() + std::vector<int>{key::ENTER});
    tv::Run run;
    EXPECT_THROW(d.cycle(run, ws.files), ScriptExhausted);  // the warning takes two lines
    const Screen& s = d.screen();
    EXPECT_EQ(s.line(3), "  One specialty has zero questions.");
    EXPECT_EQ(s.line(5), "  Change the maximum for that specialty to zero.");
    EXPECT_EQ(s.line(7), "  Press return to continue.");

    Devices again(to_sectors() + std::vector<int>{key::ENTER, key::ENTER});
    EXPECT_TRUE(again.cycle(run, ws.files));
    EXPECT_EQ(again.face.left(), 0u);
    EXPECT_EQ(ws.dir.read("SmallOut.qui"), "");
    EXPECT_FALSE(ws.dir.exists("SmallOut.inf"));
}

TEST(Copies, AcceptingTheLastQuizWithCapitalYAsksForCopies) {
    // Quiz 1 accepted with "y"; quiz 2 with `last`.
    for (int last : {'Y', 'y'}) {
        SCOPED_TRACE(static_cast<char>(last));
        Workspace ws;
        const auto keys = to_sectors() + BY_HAND + std::vector<int>{'y', last, key::ENTER};
        Devices d(keys + "1\r\r");
        tv::Run run;
        EXPECT_TRUE(d.cycle(run, ws.files));
        EXPECT_EQ(run.V, 1);
        EXPECT_EQ(d.screen().line(16), last == 'Y' ? "  How many copies? 1" : "");
        EXPECT_EQ(d.printer.jobs, last == 'Y' ? 1 : 0);
        EXPECT_EQ(d.face.left(), last == 'Y' ? 0u : 3u);
    }
}

TEST(Copies, POnTheClosingScreenAsksUntilAWholeNumberIsTyped) {
    struct Case {
        std::string typed;
        int copies;
        std::vector<std::string> rows;  // from row 16
    };
    const Case cases[] = {
        {"abc\r2\r", 2, {"  How many copies? abc", "  How many copies? 2", "", "  Be sure printer is ready and press return"}},
        {"0\r", 0, {"  How many copies? 0", "", "  Be sure printer is ready and press return"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Workspace ws;
        tv::Run run;
        // "P" and Return on the closing screen, the count, Return when the printer is ready.
        Devices p(to_sectors() + std::vector<int>{key::ENTER} + "P\r" + c.typed + "\r");
        EXPECT_TRUE(p.cycle(run, ws.files));
        EXPECT_EQ(p.face.left(), 0u);
        EXPECT_EQ(run.C1, c.copies);
        for (size_t i = 0; i < c.rows.size(); ++i) EXPECT_EQ(p.screen().line(16 + i), c.rows[i]);
        // Each copy is the whole packet, one pass over the file.
        auto packet = ws.lines("SmallOut.qui");
        EXPECT_EQ(p.printer.jobs, c.copies);
        ASSERT_EQ(p.printer.lines.size(), c.copies * packet.size());
        if (c.copies > 0) {
            EXPECT_EQ(p.printer.lines.back(), packet.back());
        }
    }
}

TEST(Copies, WithoutAPrinterTheCopiesGoToAFileAndTheScreenSaysSo) {
    Workspace ws;
    Devices d(to_sectors() + std::vector<int>{key::ENTER} + "p\r2\r\r\r");
    NoPrinter printer;
    tv::Run run;
    EXPECT_TRUE(d.cycle(run, ws.files, printer));
    EXPECT_EQ(d.face.left(), 0u);
    const std::string prn = (ws.dir.path() / "SmallOut.prn").string();
    EXPECT_EQ(printer.files, (std::vector<std::string>{prn, prn}));
    EXPECT_EQ(d.screen().line(20), "  There is no printer here: the copies were added to the file SmallOut.prn");
    EXPECT_EQ(d.screen().line(21), "  Press Return to Continue");
}

TEST(Program, OnlyTheExactWordExitEndsTheProgram) {
    // Style names that only look like "Exit" are run like any other, back to the menu.
    for (std::string name : {"exit", "Exit ", "EXIT"}) {
        Workspace ws({.name = name});
        Devices d(to_sectors() + AUTOMATIC);
        EXPECT_THROW(d.run(ws.files), ScriptExhausted) << name;
        EXPECT_EQ(ws.dir.read("temp2.txt"), name + "\n");
        EXPECT_EQ(ws.count("SmallOut.qui", "Quiz Number"), 2) << name;
        EXPECT_EQ(d.screen().text(6, 33, 15), (name + std::string(15, ' ')).substr(0, 15));
    }
    for (const std::string handoff : {"exit", "Exit ", "Exit2", "EXIT"}) {
        test::TempDir dir;
        dir.write("temp2.txt", handoff + "\n");
        tv::Run run;
        EXPECT_FALSE(read_style_name(dir.files(), run)) << handoff;
        EXPECT_EQ(run.NAME, handoff);
    }
}

TEST(Program, ExitOnTheMenuEndsTheProgramWhiteOnBlack) {
    Workspace ws;
    Devices d({ext(key::UP), key::ENTER});
    EXPECT_EQ(d.run(ws.files), 0);
    EXPECT_EQ(ws.dir.read("temp2.txt"), "Exit\n");
    const Screen& s = d.screen();
    for (int r = 1; r <= 25; ++r) {
        EXPECT_EQ(s.line(r), "");
        EXPECT_EQ(s.at(1, r).bg, BLACK);
        EXPECT_EQ(s.at(80, r).bg, BLACK);
    }
    EXPECT_EQ(s.fg(), WHITE);
}

TEST(Program, ProgramLifetimeStateOutlivesARun) {
    Devices d({});
    tv::Run run;
    run.S = run.NUM = run.FIX = 5;
    start_program(run, d.rng, d.clock);
    EXPECT_EQ(run.S + run.NUM + run.FIX, 0);
    Random same(1234);  // seeded from the clock's reading
    EXPECT_EQ(d.rng.next(), same.next());

    // Two runs in a row: the second resets the run's own state, not the repeat point
    // of a specialty the style does not use (CO Ref, maximum 0), nor S.
    Workspace ws;
    Devices two(to_sectors() + AUTOMATIC + to_sectors() + AUTOMATIC);
    run.S = 3;
    run.points.OQUIZ = 9;
    run.RSET = 20;
    EXPECT_TRUE(two.cycle(run, ws.files));
    run.bank.FQUEST = 99;
    EXPECT_TRUE(two.cycle(run, ws.files));
    EXPECT_EQ(two.face.left(), 0u);
    EXPECT_EQ(run.S, 3);
    EXPECT_EQ(run.points.OQUIZ, 9);
    EXPECT_EQ(run.points.FQUIZ, 4);  // ((6 * 4) div 1) div 5, counted afresh
    EXPECT_EQ(run.points.RQUIZ, 3);
    EXPECT_EQ(run.RSET, 4);
    EXPECT_EQ(run.bank.TQUEST, 12);
    EXPECT_EQ(ws.count("SmallOut.qui", "Quiz Number"), 2);  // the packet made anew
}
