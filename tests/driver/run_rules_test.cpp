// Whole runs over a table of styles and seeds, each checked against the rules of a
// run (run_rules.h): whatever the draws, every rule holds.
#include <gtest/gtest.h>

#include <sstream>

#include "driver/bank_commands.h"
#include "driver/cycle.h"
#include "run_rules.h"
#include "support/support.h"

using namespace tv;

namespace {

// Romans 1:1-6:23 in 15 sectors by verse, page layout, numbers up to 12, 12 quizzes,
// no question left eligible for repeats, 2-5 specialties in positions 2-14.
const char* BASE[] = {"N", "1 1", "6 23", "Rules", "60", "P", "15", "A", "12", "50", "N", "12", "V", "0", "5", "2", "2", "1", "2",
    "0", "2", "0", "0", "0", "100", "2", "14", "N", "nAAAAAAAAAAAAAnnnnnnnnnnnnnnnn"};

struct Row {
    const char* what;
    const char* workspace;  // under examples/
    const char* changes;    // "line=value;..." over BASE (the lines of docs/how-it-works.md 2.2)
};

const Row STYLES[] = {{"by verse, page", "bank", ""}, {"by question, card, from 3:5", "bank", "13=Q;6=C;2=3 5"},
    {"by chapter, tab", "bank", "13=C;6=T;9=9"}, {"level L, by verse", "bank", "1=L;2=5 1;3=13 14"},
    {"level L, by question", "bank", "1=L;2=5 1;3=13 14;13=Q;6=T"},
    {"fixed pattern", "bank", "28=Y;15=4;16=4;17=2;18=2;19=1;20=1;21=1;22=1;29=nnFnnRnnOnnnnFnnnnnnnnnnnnnnnn"},
    {"a window the specialties fill", "bank", "26=3;27=6;15=4;16=4;12=20;9=30"},
    {"40 quizzes: repeats", "bank", "3=3 31;12=40;7=12;27=12;6=C"}, {"every question eligible again", "bank", "14=100;12=20"},
    {"no interrogatives", "bank", "10=0"}, {"interrogatives left to chance", "bank", "10=50;12=30;13=Q"},
    {"two interrogatives in five", "bank", "10=40;6=C"}, {"all interrogatives", "bank", "10=100;6=T"},
    {"second material", "hebrews-peter", "3=21 18"}, {"second material, by question, card", "hebrews-peter", "3=21 18;13=Q;6=C"},
    {"second material, by chapter, tab", "hebrews-peter", "3=3 19;13=C;6=T;7=10;27=10"},
    {"a spreadsheet's questions, page", "matthew", ""}, {"a spreadsheet's questions, by question, card", "matthew", "13=Q;6=C"},
    {"a spreadsheet's questions, by chapter, tab", "matthew", "13=C;6=T;9=9"}};

}  // namespace

TEST(RunRules, HoldForEveryStyleAndSeed) {
    for (const Row& row : STYLES) {
        std::vector<std::string> style(std::begin(BASE), std::end(BASE));
        std::istringstream changes(row.changes);
        for (std::string c; std::getline(changes, c, ';');) style.at(std::stoi(c) - 1) = c.substr(c.find('=') + 1);
        for (int seed : {11, 27, 301}) {
            SCOPED_TRACE(std::string(row.what) + ", seed " + std::to_string(seed));
            test::TempDir dir;
            test::copy_from_source(std::string("examples/") + row.workspace, dir.path());
            if (dir.exists("questions.csv")) {  // a season whose bank comes from a spreadsheet
                std::ostringstream told;
                ASSERT_EQ(import_command(dir.files(), (dir.path() / "questions.csv").string(), told, told), 0) << told.str();
            }
            const Season season = load_season(dir.files());
            for (std::string f : {"RJ.A", "FTV.00", "cv.b", "co.b"}) {  // level L: the chapters it covers
                std::string kept, l;
                for (std::istringstream in(dir.read(f)); std::getline(in, l);)
                    if (season.level_l_covers(std::stoi(l.substr(0, 2)))) kept += l + "\n";
                dir.write("LL" + f, kept);
            }
            std::string text;
            for (const std::string& line : style) text += line + "\n";
            dir.write("Rules.spe", text);
            dir.write("Specs.lst", "Rules\nEnter New Specs\n");
            ScriptFace face(test::keys("\r\x1b\r" + std::string(12, '\r')));  // run it, every key Return
            Console con(face);
            Random rng;
            FixedClock clock(seed);
            MemoryPrinter printer;
            tv::Run run;
            start_program(run, rng, clock, season);
            ASSERT_TRUE(run_cycle(run, con, dir.files(), rng, clock, printer)) << test::dump(con.screen());
            const test::RunReport r = test::check_run(dir.path(), "Rules");
            std::string broken;
            for (const std::string& b : r.broken) broken += b + "\n";
            EXPECT_EQ(broken, "");
            EXPECT_TRUE(r.quizzes > 0 && (style[13] != "100" || r.early_repeats > 0)) << "no repeat drawn";
        }
    }
}
