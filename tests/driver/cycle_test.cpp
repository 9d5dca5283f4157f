#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "driver/cycle.h"
#include "support/support.h"

using namespace tv;
using tv::test::ext;

namespace {

// A small bank on Romans 1:1-12: one regular question per verse, each opening like a
// direct question ("Who"), an FTV question in every odd verse, a CV Ref in verses 2, 6
// and 10, and one question of each kind at 2:1, outside the material. Sectoring by
// verse gives 3 sectors of 4, 3 and 5 regular questions: repeats begin after quiz 3.
std::string bank_file(char kind, bool ftv_in_material) {
    std::string text;
    auto add = [&](int ch, int vs, const std::string& q) {
        text += (ch < 10 ? " " : "") + std::to_string(ch) + (vs < 10 ? "  " : " ") +
                std::to_string(vs) + "\t" + q + "\n";
    };
    for (int v = 1; v <= 12; ++v) {
        std::string n = std::to_string(v);
        if (kind == 'q') add(1, v, "Who spoke in verse " + n + "?\tanswer");
        if (kind == 'f' && ftv_in_material && v % 2 == 1) add(1, v, "F1V\tverse " + n);
        if (kind == 'r' && v % 4 == 2) add(1, v, "CV\twhat is verse " + n + "?\tanswer");
    }
    const std::string code = kind == 'q' ? "Who?" : kind == 'f' ? "F1V" : kind == 'r' ? "CV" : "CO";
    add(2, 1, code + "\tlater\ta");
    return text;
}

struct Setup {
    std::string name = "Small";
    int QNUM = 2;
    int IPC = 50;
    bool ftv = true;
};

// The style: material 1:1-1:12, 3 questions per quiz, sectoring by verse, at most 2
// specialties: FTV 0-1, CV Ref 0-1, none of CO Ref and SIT; output "SmallOut".
struct Workspace {
    test::TempDir dir;
    Files files = dir.files();
    explicit Workspace(const Setup& s = {}) {
        dir.write("Specs.lst", s.name + "\nEnter New Specs\n");
        dir.write(s.name + ".spe", "F\n1 1\n1 12\nSmallOut\n60\nP\n3\nA\n16\n" +
                                       std::to_string(s.IPC) + "\nN\n" + std::to_string(s.QNUM) +
                                       "\nV\n0\n2\n0\n1\n0\n1\n0\n0\n0\n0\n0\n58\n1\n3\nN\n" +
                                       std::string(30, 'n') + "\n");
        for (auto [file, kind] :
             {std::pair{"RJ.A", 'q'}, {"FTV.58", 'f'}, {"cv.b", 'r'}, {"co.b", 'o'}})
            dir.write(file, bank_file(kind, s.ftv));
    }
    std::vector<std::string> lines(const std::string& name) const {
        std::vector<std::string> out;
        std::istringstream in(dir.read(name));
        for (std::string l; std::getline(in, l);) out.push_back(l);
        return out;
    }
    int count(const std::string& name, const std::string& text) const {  // lines holding `text`
        int n = 0;
        for (const auto& l : lines(name)) n += l.find(text) != std::string::npos;
        return n;
    }
};

std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
std::vector<int> operator+(std::vector<int> a, const std::string& typed) {
    return a + test::keys(typed);
}

// Up to the sector table: the first style on the menu, the form taken to its title
// with Esc and accepted, the page of patterns accepted, a key on the sector table.
const std::vector<int> TO_SECTORS = test::keys("\r\x1b\r\r\r");
// The top line of the approval menu (automatic), Return on the closing screen.
const std::string AUTOMATIC = "\r\r";
// The bottom line of the approval menu: each quiz's combination is approved.
const std::vector<int> BY_HAND = {ext(key::DOWN), key::ENTER};

struct Devices {
    ScriptFace face;
    Console con{face};
    Random rng;
    FixedClock clock{1234};
    MemoryPrinter printer;
    explicit Devices(std::vector<int> keys) : face(std::move(keys)) {}
    int run(const Files& files) { return run_program(con, files, rng, clock, printer, ""); }
    bool cycle(tv::Run& run, const Files& files, Printer* p = nullptr) {
        return run_cycle(run, con, files, rng, clock, p ? *p : printer, "");
    }
    const Screen& screen() const { return con.screen(); }
};

// The list file: the sector table in 34 lines, 33 lines per quiz, then the message log.
constexpr size_t LIST_HEAD = 34, LIST_QUIZ = 33;
const std::string LIST_TITLES =
    "  Que Sec Num    Verse  Type  Question                             Quiz ";

}  // namespace

TEST(Banner, RowsOneAndTwentyFiveInTheirColoursAndABlueBody) {
    Devices d({});
    tv::Run run;
    run.RSET = 17;
    run.at.share_abandoned = true;
    draw_banner(d.con, run);
    const Screen& s = d.screen();
    EXPECT_EQ(s.line(1), "  Tallyvane 30.0" + std::string(40, ' ') + " Romans and James");
    EXPECT_EQ(s.line(25), organisation_line(default_season()));
    // "  T" red, "allyvane" black, " 30.0" and the blanks red, " Romans and James" black.
    for (auto [col, fg] :
         {std::pair{3, RED}, {4, BLACK}, {12, RED}, {56, RED}, {57, BLACK}, {80, BLACK}}) {
        EXPECT_EQ(s.at(col, 1).fg, fg) << col;
        EXPECT_EQ(s.at(col, 1).bg, WHITE) << col;
        EXPECT_EQ(s.at(col, 25).bg, WHITE) << col;
    }
    for (int r = 2; r <= 24; ++r) EXPECT_TRUE(s.line(r).empty() && s.at(80, r).bg == BLUE) << r;
    EXPECT_EQ(std::tuple(s.col(), s.row(), s.fg(), s.bg()), std::tuple(1, 3, YELLOW, BLUE));
    EXPECT_EQ(run.RSET, 4);
    EXPECT_FALSE(run.at.share_abandoned);
}

TEST(Run, AnAutomaticRunWritesThePacketAndTheListAndEndsOnTheClosingScreen) {
    Workspace ws;
    Devices d(TO_SECTORS + AUTOMATIC);
    tv::Run run;
    EXPECT_TRUE(d.cycle(run, ws.files));
    EXPECT_EQ(d.face.left(), 0u);  // no pause before the closing screen: no message was written
    EXPECT_EQ(std::tuple(run.V, run.RSET, d.printer.jobs), std::tuple(2, 4, 0));
    auto packet = ws.lines("SmallOut.qui");
    ASSERT_FALSE(packet.empty());
    EXPECT_EQ(packet[0],
              "R 1:1 to R 1:12              Small Style Quizzing                Quiz Number 1");
    EXPECT_EQ(ws.count("SmallOut.qui", "Quiz Number"), 2);
    EXPECT_EQ(ws.count("SmallOut.qui", "Quiz Number 2"), 1);
    // The empty message log gives one empty line at the end of the list.
    auto list = ws.lines("SmallOut.inf");
    ASSERT_EQ(list.size(), LIST_HEAD + 2 * LIST_QUIZ + 1);
    EXPECT_EQ(list[4],
              "   1 R  1: 1  1: 4   4   2   1   0   0    3 R  1: 8  1:12   5   2   1   0   0");
    EXPECT_EQ(list[LIST_HEAD], LIST_TITLES + "1");
    EXPECT_EQ(list[LIST_HEAD + LIST_QUIZ], LIST_TITLES + "2");
    EXPECT_EQ(list.back(), "");
    EXPECT_EQ(ws.dir.read("temp.txt"), "");
    EXPECT_EQ(d.screen().line(3), "  Thank you for using Tallyvane 30.0");
    EXPECT_EQ(d.screen().line(16), "");  // no copies asked for
}

TEST(Run, MessagesDuringAssemblyEndInTheListAndPauseBeforeTheClosingScreen) {
    // Six quizzes: the repeat warning after sectoring (no resectoring), then repeats.
    Workspace ws({.QNUM = 6});
    const auto keys = TO_SECTORS + "n\r\r";
    {
        Devices d(keys);
        tv::Run run;
        EXPECT_THROW(d.cycle(run, ws.files), ScriptExhausted);  // at the pause
        EXPECT_EQ(d.screen().text(3, 20, 45), " Quizzes Complete -- Press Return to Continue");
        EXPECT_EQ(d.screen().line(5),
                  "    **Out of Regular Questions...Using Repeats beginning quiz 4**");
    }
    Devices d(keys + "\r\r");
    tv::Run run;
    EXPECT_TRUE(d.cycle(run, ws.files));
    EXPECT_EQ(d.face.left(), 0u);
    EXPECT_EQ(ws.count("SmallOut.qui", "Quiz Number"), 6);
    const std::string log = ws.dir.read("temp.txt"), list = ws.dir.read("SmallOut.inf");
    ASSERT_EQ(log.substr(0, 38), "Regular Question Repeats begin quiz 4\n");
    EXPECT_EQ(list.substr(list.size() - log.size()), log);
    EXPECT_EQ(ws.lines("SmallOut.inf").size(),
              LIST_HEAD + 6 * LIST_QUIZ + ws.lines("temp.txt").size());
}

TEST(Run, TheInterrogativeShareGivenUpIsNoticedAtTheEnd) {
    // No question without an interrogative opening: 0 percent is given up on quiz 1.
    Workspace ws({.IPC = 0});
    Devices d(TO_SECTORS + "\r");
    tv::Run run;
    EXPECT_THROW(d.cycle(run, ws.files), ScriptExhausted);  // waiting on the notice
    EXPECT_EQ(ws.dir.read("temp.txt"), "Abandoning 0 Percent interrogatives on quiz 1\n");
    EXPECT_EQ(d.screen().line(6), "    **Abandoning 0 Percent interrogatives on quiz 1**");
    EXPECT_EQ(d.screen().line(7), "    0 Percent interrogatives abandoned on quiz 1");
    EXPECT_EQ(d.screen().at(5, 7).bg, RED);

    // At the next message row; after row 23 at row 5 of a cleared work area.
    for (int RSET : {10, 23}) {
        Devices n(test::keys("\r"));
        tv::Run r;
        r.RSET = RSET, r.at.OLDIPC = 60, r.at.ABAND = 7;
        n.con.normal();
        for (int row = 2; row <= 24; ++row) n.con.write_at(1, row, "x");
        show_abandoned_share(n.con, r);
        const int at = RSET == 23 ? 5 : RSET + 1;
        const Screen& s = n.screen();
        EXPECT_EQ(r.RSET, at);
        EXPECT_EQ(s.line(at), (RSET == 23 ? "    " : "x   ") +
                                  std::string("60 Percent interrogatives abandoned on quiz 7"));
        EXPECT_EQ(s.line(3), RSET == 23 ? "" : "x");
        EXPECT_EQ(std::tuple(s.at(5, at).fg, s.at(5, at).bg, s.at(60, at).bg),
                  std::tuple(WHITE, RED, BLUE));
        EXPECT_EQ(n.face.left(), 0u);
    }
}

TEST(Run, EscOnTheApprovalMenuWritesNothing) {
    Workspace ws;
    Devices d(TO_SECTORS + std::vector<int>{ext(key::DOWN), key::ESC});
    EXPECT_THROW(d.run(ws.files), ScriptExhausted);  // back on the style menu
    EXPECT_EQ(d.screen().text(1, 3, 14), "Tallyvane 30.0");
    EXPECT_EQ(d.screen().text(6, 33, 5), "Small");
    EXPECT_FALSE(ws.dir.exists("SmallOut.qui") || ws.dir.exists("SmallOut.qui.tv-new"));
    EXPECT_FALSE(ws.dir.exists("SmallOut.inf") || ws.dir.exists("temp.txt"));
}

// Esc at a quiz's approval prompt would leave that quiz without its regular
// questions; the run stops instead, with the quizzes accepted before it in the packet.
TEST(Run, EscAtTheApprovalPromptStopsTheRunBeforeThatQuiz) {
    for (size_t accepted : {0u, 1u}) {
        Workspace ws;
        Devices d(TO_SECTORS + BY_HAND + std::vector<int>(accepted, 'y') + std::vector<int>{key::ESC});
        EXPECT_THROW(d.run(ws.files), ScriptExhausted);  // back on the style menu
        EXPECT_EQ(d.screen().text(3, 13, 14), "Press Return t") << accepted;
        EXPECT_EQ(ws.count("SmallOut.qui", "Quiz Number"), static_cast<int>(accepted));
        // Every position written holds its question and verse.
        for (const auto& line : ws.lines("SmallOut.qui")) {
            if (line.size() > 10 && line.substr(8, 2) == ". ") {
                EXPECT_EQ(line.substr(71), "R  1:" + line.substr(76)) << line;
            }
        }
    }
}

TEST(Run, ASpecialtyWithoutQuestionsInTheMaterialStopsTheRun) {
    Workspace ws({.ftv = false});
    Devices d(TO_SECTORS + "\r");
    tv::Run run;
    EXPECT_THROW(d.cycle(run, ws.files), ScriptExhausted);  // the warning takes two lines
    EXPECT_EQ(d.screen().line(3), "  One specialty has zero questions.");
    EXPECT_EQ(d.screen().line(7), "  Press return to continue.");
    Devices again(TO_SECTORS + "\r\r");
    EXPECT_TRUE(again.cycle(run, ws.files));
    EXPECT_EQ(again.face.left(), 0u);
    EXPECT_EQ(ws.dir.read("SmallOut.qui"), "");
    EXPECT_FALSE(ws.dir.exists("SmallOut.inf"));
}

TEST(Copies, AcceptingTheLastQuizWithCapitalYAsksForCopies) {
    for (int last : {'Y', 'y'}) {  // quiz 1 accepted with "y", quiz 2 with `last`
        Workspace ws;
        Devices d(TO_SECTORS + BY_HAND + std::vector<int>{'y', last, key::ENTER} + "1\r\r");
        tv::Run run;
        EXPECT_TRUE(d.cycle(run, ws.files));
        EXPECT_EQ(run.V, 1);
        EXPECT_EQ(d.screen().line(16), last == 'Y' ? "  How many copies? 1" : "");
        EXPECT_EQ(d.printer.jobs, last == 'Y' ? 1 : 0);
        EXPECT_EQ(d.face.left(), last == 'Y' ? 0u : 3u);
        // An automatic run after it asks for none.
        Devices next(TO_SECTORS + AUTOMATIC);
        EXPECT_TRUE(next.cycle(run, ws.files));
        EXPECT_EQ(std::tuple(next.face.left(), next.printer.jobs), std::tuple(0u, 0));
    }
}

TEST(Copies, POnTheClosingScreenAsksUntilAWholeNumberIsTyped) {
    struct Case {
        std::string typed;
        int copies;
        std::vector<std::string> rows;  // from row 16
    } cases[] = {
        {"abc\r2\r", 2, {"  How many copies? abc", "  How many copies? 2", "",
          "  Be sure printer is ready and press return"}},
        {"0\r", 0, {"  How many copies? 0", "", "  Be sure printer is ready and press return"}},
        {"-1\r", -1, {"  How many copies? -1", "", "  Be sure printer is ready and press return"}},
    };
    for (const Case& c : cases) {
        Workspace ws;
        Devices d(TO_SECTORS + "\rP\r" + c.typed + "\r");
        tv::Run run;
        EXPECT_TRUE(d.cycle(run, ws.files));
        EXPECT_EQ(d.face.left(), 0u);
        EXPECT_EQ(run.C1, c.copies);
        for (size_t i = 0; i < c.rows.size(); ++i) EXPECT_EQ(d.screen().line(16 + i), c.rows[i]);
        // Each copy is one pass over the packet file.
        auto packet = ws.lines("SmallOut.qui");
        EXPECT_EQ(d.printer.jobs, std::max(c.copies, 0));
        ASSERT_EQ(d.printer.lines.size(), std::max(c.copies, 0) * packet.size());
        if (c.copies > 0) {
            EXPECT_EQ(d.printer.lines.back(), packet.back());
        }
    }
}

TEST(Copies, WithoutAPrinterTheCopiesGoToAFileAndTheScreenSaysSo) {
    struct NoPrinter : MemoryPrinter {
        std::vector<std::string> files;
        void begin_job(const std::string& f) override { files.push_back(f); }
        bool has_printer() const override { return false; }
    } printer;
    Workspace ws;
    Devices d(TO_SECTORS + "\rp\r2\r\r\r");
    tv::Run run;
    EXPECT_TRUE(d.cycle(run, ws.files, &printer));
    EXPECT_EQ(d.face.left(), 0u);
    const std::string prn = (ws.dir.path() / "SmallOut.prn").string();
    EXPECT_EQ(printer.files, (std::vector<std::string>{prn, prn}));
    EXPECT_EQ(d.screen().line(20),
              "  There is no printer here: the copies were added to the file SmallOut.prn");
    EXPECT_EQ(d.screen().line(21), "  Press Return to Continue");
}

TEST(Program, OnlyTheExactWordExitEndsTheProgram) {
    // Names that only look like "Exit" are run like any other, back to the menu.
    for (std::string name : {"exit", "EXIT"}) {
        Workspace ws({.name = name});
        Devices d(TO_SECTORS + AUTOMATIC);
        EXPECT_THROW(d.run(ws.files), ScriptExhausted) << name;
        EXPECT_EQ(ws.dir.read("temp2.txt"), name + "\n");
        EXPECT_EQ(ws.count("SmallOut.qui", "Quiz Number"), 2) << name;
        EXPECT_EQ(d.screen().text(6, 33, 15), (name + std::string(15, ' ')).substr(0, 15));
    }
    // "Exit" on the menu: the end, white on black.
    Workspace ws;
    Devices d({ext(key::UP), key::ENTER});
    EXPECT_EQ(d.run(ws.files), 0);
    EXPECT_EQ(ws.dir.read("temp2.txt"), "Exit\n");
    for (int r = 1; r <= 25; ++r)
        EXPECT_TRUE(d.screen().line(r).empty() && d.screen().at(80, r).bg == BLACK);
    EXPECT_EQ(d.screen().fg(), WHITE);
}

TEST(Program, ProgramLifetimeStateOutlivesARun) {
    Devices d(TO_SECTORS + AUTOMATIC + TO_SECTORS + AUTOMATIC);
    tv::Run run;
    run.S = run.NUM = run.FIX = 5;
    start_program(run, d.rng, d.clock, default_season());
    EXPECT_EQ(run.S + run.NUM + run.FIX, 0);
    Random same(1234);  // seeded from the clock's reading
    EXPECT_EQ(d.rng.next(), same.next());

    // Two runs: the second sets the run's own state again, but neither S nor the repeat
    // point of CO Ref, whose maximum is 0.
    Workspace ws;
    run.S = 3, run.points.OQUIZ = 9, run.RSET = 20;
    EXPECT_TRUE(d.cycle(run, ws.files));
    run.bank.FQUEST = 99;
    EXPECT_TRUE(d.cycle(run, ws.files));
    EXPECT_EQ(d.face.left(), 0u);
    EXPECT_EQ(std::tuple(run.S, run.points.OQUIZ, run.RSET, run.bank.TQUEST),
              std::tuple(3, 9, 4, 12));
    EXPECT_EQ(run.points.FQUIZ, 4);  // ((6 * 4) div 1) div 5, from this run's count
    EXPECT_EQ(ws.count("SmallOut.qui", "Quiz Number"), 2);  // the packet made anew
}

TEST(Program, AStyleWithASettingOutsideTheFormsValuesIsNotRun) {
    // A style file edited by hand and named in the hand-off file (the form would not
    // let it go): the refusal waits for Return and the run ends before its patterns.
    Workspace ws({.QNUM = 101});
    ws.dir.write("temp2.txt", "Small\n");
    Devices d(test::keys("\r"));
    tv::Run run;
    EXPECT_TRUE(run_style(run, d.con, ws.files, d.rng, d.clock, d.printer, ""));
    EXPECT_EQ(d.face.left(), 0u);
    const Screen& s = d.con.screen();
    EXPECT_EQ(s.line(3), "   The style Small cannot be run:");
    EXPECT_EQ(s.at(4, 3).bg, RED);
    EXPECT_EQ(s.line(5), "  Number of Quizzes in this Run is 101; it must be 1 to 100.");
    EXPECT_FALSE(ws.dir.exists("pat.txt"));
    EXPECT_FALSE(ws.dir.exists("SmallOut.qui"));
}
