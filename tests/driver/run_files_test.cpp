// What a run leaves on disk when it does not end normally, and how it tells a file
// problem: the packet and list of the run before stay whole until a run has quizzes
// to put in their place, and a file problem is shown before the cycle goes back to
// the style menu, without ending the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "driver/cycle.h"
#include "support/support.h"

using namespace tv;
using tv::test::ext;

namespace {

// Romans 1:1-12 of the demo bank, 3 questions per quiz, 2 quizzes, no specialties.
const char* TINY =
    "F\n1 1\n1 12\nTinyOut\n60\nP\n3\nA\n16\n50\nN\n2\nV\n0\n"
    "0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n100\n1\n3\nN\n"
    "AAAnnnnnnnnnnnnnnnnnnnnnnnnnnn\n";

const std::string OLD_PACKET = "the packet of the run before\n", OLD_LIST = "its list\n", OLD_PDF = "its PDF\n";

struct Workspace {
    test::TempDir dir;
    Files files = dir.files();
    Workspace() {
        test::copy_from_source("examples/bank", dir.path());
        dir.write("Specs.lst", "Tiny\nEnter New Specs\n");
        dir.write("Tiny.spe", TINY);
        dir.write("TinyOut.qui", OLD_PACKET);
        dir.write("TinyOut.inf", OLD_LIST);
        dir.write("TinyOut.pdf", OLD_PDF);
    }
    // The packet and list of the run before are as they were, and no side file is left.
    void kept_whole(const std::string& what) const {
        EXPECT_EQ(dir.read("TinyOut.qui") + dir.read("TinyOut.inf") + dir.read("TinyOut.pdf"), OLD_PACKET + OLD_LIST + OLD_PDF)
            << what;
        EXPECT_EQ(test::leftovers(dir.path()), std::vector<std::string>{}) << what;
    }
    // The files are this run's: its first quiz in the packet and in the list, and a PDF.
    bool new_pair() const {
        return dir.read("TinyOut.qui").find("Quiz Number 1") != std::string::npos &&
               dir.read("TinyOut.inf").find("Quiz 1") != std::string::npos && dir.read("TinyOut.pdf").rfind("%PDF-", 0) == 0;
    }
};

// The program on a key script, until the script runs dry; the screen at that moment.
Screen run_until_dry(const Files& files, const std::vector<int>& keys) {
    ScriptFace face(keys);
    Console con(face);
    Random rng;
    FixedClock clock(99);
    MemoryPrinter printer;
    EXPECT_THROW(run_program(con, files, rng, clock, printer), ScriptExhausted);
    return con.screen();
}

std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The first style, its form taken to the title and accepted; then the page of
// patterns accepted and a key on the sector table; each quiz approved by hand.
const std::vector<int> SAVED = test::keys("\r\x1b\r"), TO_APPROVAL = SAVED + test::keys("\r\r"),
                       BY_HAND = TO_APPROVAL + std::vector<int>{ext(key::DOWN), key::ENTER};

}  // namespace

// A run stopped before its first quiz leaves the packet and list of the run before as
// they were; one stopped after some quizzes keeps those. Side files a killed run left
// are cleaned up when the next run starts.
TEST(RunFiles, APacketIsReplacedOnlyByARunWithQuizzes) {
    Workspace ws;
    ws.dir.write(std::string("Gone.qui.5e1d0b7c") + SIDE_SUFFIX, "left by a killed run");
    run_until_dry(ws.files, TO_APPROVAL + std::vector<int>{key::ESC});
    ws.kept_whole("Esc on the approval menu");
    // Esc at a quiz's approval: the screen says what was kept, and where, until Return.
    const Screen none = run_until_dry(ws.files, BY_HAND + std::vector<int>{key::ESC});
    ws.kept_whole("Esc at the first quiz's approval");
    EXPECT_EQ(none.line(3) + none.line(5) + none.line(6),
        "  The run was stopped at quiz 1.  No quiz was kept."
        "  TinyOut.qui, TinyOut.inf and TinyOut.pdf stay as they were.");

    // Stopped at quiz 2 of Romans 1:1-2, none asked: sectored by question (one more Return), its first sector
    // holds interrogative questions only, so quiz 1 gives up the share; the list ends with that message.
    std::string style = TINY;
    ws.dir.write("Tiny.spe", style.replace(style.find("1 12"), 4, "1 2").replace(style.find("\n50\n"), 4, "\n0\n"));
    Screen one = run_until_dry(ws.files, TO_APPROVAL + std::vector<int>{key::ENTER, ext(key::DOWN), key::ENTER, 'y', key::ESC});
    EXPECT_EQ(
        one.line(5) + one.line(6), "  1 quiz was kept.  The packet is TinyOut.qui (its PDF TinyOut.pdf), the list TinyOut.inf.");
    EXPECT_TRUE(ws.new_pair() && ws.dir.read("TinyOut.qui").find("Quiz Number 2") == std::string::npos);
    EXPECT_NE(ws.dir.read("TinyOut.inf").find("\nAbandoning 0 Percent interrogatives on quiz 1\n"), std::string::npos);
}

// Writing the packet and list fails, or the program is killed, at each step of putting
// them in place: the message names the file that failed, and once the next start has
// run, both files are of the run before or both of this run, with no side file left.
TEST(RunFiles, PacketAndListAlwaysComeFromTheSameRun) {
    using Op = FileFaults::Op;
    const std::tuple<test::Faults, bool, const char*> cases[] = {// fault, new pair, file told
        {{Op::write, "TinyOut.inf", ENOSPC, 40}, false, "\"TinyOut.inf\": No space left"},
        {{Op::close, "TinyOut.inf", EIO}, false, "\"TinyOut.inf\": Input/output error"},
        {{Op::sync, "TinyOut.qui", EIO}, false, "\"TinyOut.qui\": Input/output error"},
        {{Op::write, "TinyOut.pdf", ENOSPC}, false, "\"TinyOut.pdf\": No space left"},
        {{Op::rename, COMMIT_RECORD, EIO}, false, "\".tallyvane.commit\": Input/output error"},
        {{Op::rename, "TinyOut.inf", EIO}, true, "\"TinyOut.inf\": Input/output error"}, {test::Faults("closed"), false, ""},
        {test::Faults("recorded"), true, ""}, {test::Faults("renamed one"), true, ""}, {test::Faults("renamed all"), true, ""}};
    for (auto [faults, new_pair, told] : cases) {
        Workspace ws;
        Files files = ws.files;
        files.inject(&faults);
        const std::vector<int> run = TO_APPROVAL + std::vector<int>{key::ENTER};
        if (*told) {
            const Screen shown = run_until_dry(files, run);
            EXPECT_NE((shown.line(5) + shown.line(6)).find(told), std::string::npos) << test::dump(shown);
        } else {
            EXPECT_EXIT(run_until_dry(files, run), testing::ExitedWithCode(test::KILLED), "") << faults.kill_at;
        }
        run_until_dry(ws.files, {});  // the next start
        if (!new_pair) ws.kept_whole(told + faults.kill_at);
        EXPECT_EQ(ws.new_pair() && test::leftovers(ws.dir.path()).empty(), new_pair) << told << faults.kill_at;
    }
}

// A run started without the style editor deals the specialties of its own style:
// drawn from its ranges, or its fixed pattern.
TEST(RunFiles, TheRunDealsTheSpecialtiesOfItsStyle) {
    for (const std::string fixed : {"N\nAAAnnnnnnnnnnnnnnnnnnnnnnnnnnn", "Y\nnRnnnnnnnnnnnnnnnnnnnnnnnnnnnn"}) {
        Workspace ws;
        ws.dir.write("Tiny.spe",
            "F\n1 1\n1 12\nTinyOut\n60\nP\n3\nA\n16\n50\nN\n2\nV\n0\n"
            "1\n1\n0\n0\n1\n1\n0\n0\n0\n0\n100\n1\n3\n" +
                fixed + "\n");
        write_handoff(ws.files, "Tiny");
        ScriptFace face(test::keys("\r"));  // the page of patterns accepted
        Console con(face);
        Random rng;
        FixedClock clock(99);
        MemoryPrinter printer;
        tv::Run run;
        EXPECT_THROW(run_style(run, con, ws.files, rng, clock, printer), ScriptExhausted);
        const std::string pat = ws.dir.read("pat.txt");  // two quizzes, one CV Ref each
        EXPECT_EQ(std::tuple(pat.size(), std::count(pat.begin(), pat.end(), 'R')), std::tuple(62u, 2)) << pat;
    }
}

// A missing bank file is told with the setting of the style that chose it.
TEST(RunFiles, AMissingBankFileNamesTheSettingThatChoseIt) {
    Workspace ws;
    std::filesystem::remove(ws.dir.path() / "FTV.00");
    const Screen told = run_until_dry(ws.files, SAVED);
    // "cannot open "FTV.00" for reading: ... Pct" on row 5, then:
    EXPECT_EQ(told.text(6, 4, 28), "Prim FTV 100 chose this file") << test::dump(told);
}
