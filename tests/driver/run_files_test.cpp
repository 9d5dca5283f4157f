// What a run leaves on disk when it does not end normally, and how it tells a file
// problem: the packet and list of the run before stay whole until a run has quizzes
// to put in their place, and a file problem is shown before the cycle goes back to
// the style menu, without ending the program.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>

#include "driver/cycle.h"
#include "support/support.h"

using namespace tv;
using tv::test::ext;
namespace fs = std::filesystem;

namespace {

// Romans 1:1-12 of the demo bank, 3 questions per quiz, 2 quizzes, no specialties.
const char* TINY =
    "F\n1 1\n1 12\nTinyOut\n60\nP\n3\nA\n16\n50\nN\n2\nV\n0\n"
    "0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n100\n1\n3\nN\n"
    "AAAnnnnnnnnnnnnnnnnnnnnnnnnnnn\n";

const std::string OLD_PACKET = "the packet of the run before\n", OLD_LIST = "its list\n";

struct Workspace {
    test::TempDir dir;
    Files files = dir.files();
    Workspace() {
        test::copy_from_source("examples/bank", dir.path());
        dir.write("Specs.lst", "Tiny\nEnter New Specs\n");
        dir.write("Tiny.spe", TINY);
        dir.write("TinyOut.qui", OLD_PACKET);
        dir.write("TinyOut.inf", OLD_LIST);
    }
    // The packet and list of the run before are as they were, and no side file is left.
    void kept_whole(const std::string& what) const {
        EXPECT_EQ(dir.read("TinyOut.qui") + dir.read("TinyOut.inf"), OLD_PACKET + OLD_LIST) << what;
        for (auto& e : fs::directory_iterator(dir.path())) EXPECT_FALSE(e.path().string().ends_with(SIDE_SUFFIX)) << what;
    }
};

// The program on a key script, until the script runs dry; the screen at that moment.
Screen run_until_dry(const Files& files, const std::vector<int>& keys) {
    ScriptFace face(keys);
    Console con(face);
    Random rng;
    FixedClock clock(99);
    MemoryPrinter printer;
    EXPECT_THROW(run_program(con, files, rng, clock, printer, ""), ScriptExhausted);
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

// The file size limit of the process, lowered for a while: writing past it fails as
// on a full disk.
struct FullDisk {
    rlimit old{};
    explicit FullDisk(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit low = old;
        low.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &low);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_DFL);
    }
};

}  // namespace

// A run stopped before its first quiz leaves the packet and list of the run before as
// they were; one stopped after some quizzes keeps those. Side files a killed run left
// are cleaned up when the next run starts.
TEST(RunFiles, APacketIsReplacedOnlyByARunWithQuizzes) {
    Workspace ws;
    ws.dir.write(std::string("Gone.qui") + SIDE_SUFFIX, "left by a killed run");
    run_until_dry(ws.files, TO_APPROVAL + std::vector<int>{key::ESC});
    ws.kept_whole("Esc on the approval menu");
    run_until_dry(ws.files, BY_HAND + std::vector<int>{key::ESC});
    ws.kept_whole("Esc at the first quiz's approval");

    run_until_dry(ws.files, BY_HAND + std::vector<int>{'y', key::ESC});
    const std::string packet = ws.dir.read("TinyOut.qui");
    EXPECT_NE(packet.find("Quiz Number 1"), std::string::npos);
    EXPECT_EQ(packet.find("Quiz Number 2"), std::string::npos);
    EXPECT_NE(ws.dir.read("TinyOut.inf").find("Quiz 1"), std::string::npos);
}

// A run started without the style editor deals the specialties of its own style:
// drawn from its ranges, or its fixed pattern.
TEST(RunFiles, TheRunDealsTheSpecialtiesOfItsStyle) {
    for (const std::string fixed : {"N\nAAAnnnnnnnnnnnnnnnnnnnnnnnnnnn", "Y\nnRnnnnnnnnnnnnnnnnnnnnnnnnnnnn"}) {
        Workspace ws;
        ws.dir.write("Tiny.spe", "F\n1 1\n1 12\nTinyOut\n60\nP\n3\nA\n16\n50\nN\n2\nV\n0\n"
                                     "1\n1\n0\n0\n1\n1\n0\n0\n0\n0\n100\n1\n3\n" + fixed + "\n");
        write_handoff(ws.files, "Tiny");
        ScriptFace face(test::keys("\r"));  // the page of patterns accepted
        Console con(face);
        Random rng;
        FixedClock clock(99);
        MemoryPrinter printer;
        tv::Run run;
        EXPECT_THROW(run_style(run, con, ws.files, rng, clock, printer, ""), ScriptExhausted);
        const std::string pat = ws.dir.read("pat.txt");  // two quizzes, one CV Ref each
        EXPECT_EQ(std::tuple(pat.size(), std::count(pat.begin(), pat.end(), 'R')), std::tuple(62u, 2)) << pat;
    }
}

// A full disk while the packet is written: told, and the packet and list of the run
// before stay whole.
TEST(RunFiles, AFullDiskKeepsThePacketOfTheRunBefore) {
    Workspace ws;
    run_until_dry(ws.files, TO_APPROVAL + test::keys("\r\r"));  // builds the verse index the next run keeps
    ws.dir.write("TinyOut.qui", OLD_PACKET);
    ws.dir.write("TinyOut.inf", OLD_LIST);
    Screen told;
    {
        FullDisk full(1000);
        told = run_until_dry(ws.files, TO_APPROVAL + std::vector<int>{key::ENTER});
    }
    // The packet or the list, whichever reaches the limit first.
    const std::string rows = told.line(5) + told.line(6);
    EXPECT_NE(rows.find("cannot write \"TinyOut."), std::string::npos) << test::dump(told);
    ws.kept_whole("a full disk");
}
