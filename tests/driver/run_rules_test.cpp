// Whole runs over a table of styles and seeds, each checked against the rules of a
// run (run_rules.h): whatever the draws, every rule holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "driver/cycle.h"
#include "run_rules.h"
#include "support/support.h"

using namespace tv;

namespace {

// Romans 1:1-6:23 in 15 sectors by verse, page layout, 12 quizzes, no repeats left
// eligible, 2-5 specialties in positions 2-14.
const char* BASE[] = {"",  "N",  "1 1", "6 23", "Rules", "60", "P", "15", "A",  "12", "50", "N", "12", "V", "0",
                      "5", "2", "2",   "1",    "2",     "0",  "2", "0",  "0",  "0",  "100", "2", "14", "N",
                      "nAAAAAAAAAAAAAnnnnnnnnnnnnnnnn"};

struct Row {
    const char* what;
    const char* workspace;  // under examples/
    const char* changes;    // "line=value;..." over BASE (or the workspace's own style)
    int expect_repeats;     // -1: none allowed, 1: some expected, 0: either
};

const Row STYLES[] = {
    {"by verse, page", "bank", "", -1},
    {"by question, card", "bank", "13=Q;6=C", -1},
    {"by chapter, tab", "bank", "13=C;6=T;9=9", -1},
    {"level L, skipped chapters", "bank", "1=L;2=5 1;3=13 14;13=V", -1},
    {"level L by question", "bank", "1=L;2=5 1;3=13 14;13=Q;6=T", -1},
    {"fixed pattern", "bank", "28=Y;15=4;16=4;17=2;18=2;19=1;20=1;21=1;22=1;29=nnFnnRnnOnnnnFnnnnnnnnnnnnnnnn", -1},
    {"a filled window", "bank", "26=3;27=6;15=4;16=4;12=20;9=30", -1},
    {"many quizzes, repeats of each kind", "bank", "3=3 31;12=40;7=12;27=12;6=C", -1},
    {"every question eligible again", "bank", "14=100;12=20", 1},
    {"no interrogatives", "bank", "10=0", -1},
    {"half interrogatives", "bank", "10=50;12=30;13=Q", -1},
    {"all interrogatives", "bank", "10=100;6=T", -1},
    {"second material", "hebrews-peter", "14=0", -1},
    {"second material, by question, card", "hebrews-peter", "13=Q;6=C;14=0", -1},
    {"second material, by chapter, tab", "hebrews-peter", "13=C;6=T;14=0;3=3 19;7=10;27=10", -1},
};

std::string style_file(const Row& s, std::vector<std::string> lines) {
    std::istringstream changes(s.changes);
    for (std::string c; std::getline(changes, c, ';');)
        lines.at(std::stoi(c.substr(0, c.find('=')))) = c.substr(c.find('=') + 1);
    std::string out;
    for (size_t i = 1; i < lines.size(); ++i) out += lines[i] + "\n";
    return out;
}

}  // namespace

TEST(RunRules, HoldForEveryStyleAndSeed) {
    for (const Row& s : STYLES) {
        for (int seed : {11, 27, 301}) {
            SCOPED_TRACE(std::string(s.what) + ", seed " + std::to_string(seed));
            test::TempDir dir;
            test::copy_from_source(std::string("examples/") + s.workspace, dir.path());
            std::vector<std::string> lines(std::begin(BASE), std::end(BASE));
            std::string name = "Rules";
            if (dir.exists("Specs.lst")) {  // the workspace's own style
                name = dir.read("Specs.lst").substr(0, dir.read("Specs.lst").find('\n'));
                std::istringstream in(dir.read(name + ".spe"));
                lines.assign(1, "");
                for (std::string l; std::getline(in, l);) lines.push_back(l);
            } else {
                for (std::string f : {"RJ.A", "FTV.00", "cv.b", "co.b"}) {  // level L: its chapters only
                    std::string kept;
                    std::istringstream in(dir.read(f));
                    for (std::string l; std::getline(in, l);)
                        if (default_season().level_l_covers(std::stoi(l.substr(0, 2)))) kept += l + "\n";
                    dir.write("LL" + f, kept);
                }
                dir.write("Specs.lst", "Rules\nEnter New Specs\n");
            }
            dir.write(name + ".spe", style_file(s, lines));
            dir.write("New.spe", style_file(s, lines));
            ScriptFace face(test::keys("\r\x1b\r" + std::string(12, '\r')));
            Console con(face);
            Random rng;
            FixedClock clock(seed);
            MemoryPrinter printer;
            tv::Run run;
            start_program(run, rng, clock, load_season(dir.files()));
            ASSERT_TRUE(run_cycle(run, con, dir.files(), rng, clock, printer)) << test::dump(con.screen());
            const test::RunReport r = test::check_run(dir.path(), name);
            ASSERT_GT(r.quizzes, 0) << test::dump(con.screen());
            std::string broken;
            for (const std::string& b : r.broken) broken += b + "\n";
            EXPECT_EQ(broken, "");
            if (s.expect_repeats > 0) {
                EXPECT_GT(r.early_repeats, 0);
            }
        }
    }
}
