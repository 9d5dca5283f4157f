// Flows through the program on the demo workspace, each held to what a user relies on:
// the messages and screens reached, in order; the files written new or changed (all
// others stay as they were); what those files hold; the copies printed. Nothing here
// depends on the random draws.
#include <algorithm>
#include <regex>

#include "driver/run_screens.h"
#include "scripted_run.h"

using namespace tv;

namespace {

struct Flow {
    const char* name;  // also that of the folder tests/data/flows/NAME laid over the workspace, if there is one
    const char* keys;
    // Texts on the screens, in this order; "!text" is shown on no screen after the last found.
    std::vector<std::string> shown;
    // Files written new or changed, in name order (the work files pat.txt, temp*.txt aside).
    const char* changed;
    // A file and a pattern found in it.
    std::vector<std::pair<const char*, const char*>> holds = {};
    int copies = 0;  // each the run's PDF
    bool printer = true;
};

const char* const PRACTICE_RUN = "RomIntro.inf RomIntro.pdf RomIntro.qui count.00A";
void PrintTo(const Flow& f, std::ostream* os) { *os << f.name; }

// Flows asserted elsewhere: Practice run as it stands (exit_lookalike runs its settings under
// another name); the three-book workspace (RunRules, in every layout and way of
// sectoring); a bad bank line, the long list and a listed style without its file, a new style
// (the recorded sessions bad_bank_line, long_list, new_style); Esc on the approval menu
// (RunFiles.APacketIsReplacedOnlyByARunWithQuizzes); a range the form's checks refuse
// (Checks.EachCheckFailingAloneIsShownUntilReturnAndSendsTheCursorToItsField); the spacing of
// specialties in windows of 1-10 and 1-12 (ExtraCard.DueByTheSpacingOfTheSpecialties; inside
// the window: RunRules.HoldForEveryStyleAndSeed).
const Flow TABLE[] = {
    // A style file edited to 101 quizzes: accepting its form names the setting; left unsaved.
    {"refused_style", "<Ret><Esc><Ret><Ret><Esc><Esc><Up><Ret>",
        {"Number of Quizzes in this Run is 101; it must be 1 to 100.", "Shift-D to Delete"}, ""},
    // Low: lower case, drawn patterns, run to the sector table; ByHand: types that cannot be placed.
    {"hand_edited", "<Ret><Esc><Ret><Ret><Esc><Down><Ret><Esc><Ret>O<Right>O<Ret><Esc><Esc><Esc><Up><Ret>",
        {"Regular Questions: 196", "Set Specialty Types", "Name of Quiz Style  : ByHand"}, "Low.spe count.00A",
        {{"Low.spe", "^F\n1 1\n2 29\nout\n60\nP\n"}}},
    // Romans 1:30-2:29 in six sectors by chapter, counted 0 and 6, then 1 and 5.
    {"short_chapter", "<Ret><Esc><Ret><Ret>0<Down>6<Down><Ret><Esc>1<Down>5<Down><Ret><Ret><Ret><Ret><Up><Ret>",
        {"Rom. 2 runs out of verses", "   5 R  2:--  2:--   0", "   6 R  2:24  2:29  11", "saved as Short.inf"},
        "Short.inf Short.pdf Short.qui count.00A"},
    // Romans 1-5 in 3 questions: one sector per chapter; James 4 in 20 sectors: given up.
    {"chapter_counts", "<Ret><Esc><Ret><Ret><Ret><Ret><Ret><Ret><Ret><Down><Down><Ret><Esc><Ret><Ret><Ret><Ret><Ret><Up><Ret>",
        {"We must reset the questions per packet to sector 5 chapters.", "saved as Five.inf", "Jam. 4 runs out of verses",
            "!Your output file"},
        "Five.inf Five.pdf Five.qui count.00A count.89A"},
    {"too_few_questions", "<Ret><Esc><Ret><Ret><Ret><Up><Ret>",
        {"There are only 9 regular questions in this material.", "Change Questions per packet to 9 or less."}, "count.00A"},
    // 0 percent asked of a material without noninterrogative questions: given up, then noted at the end.
    {"no_interrogatives", "<Ret><Esc><Ret><Ret><Ret><Ret><Ret><Ret><Ret><Up><Ret>",
        {"**Some Sectors are out of Noninterrogative questions**", "**Abandoning 0 Percent interrogatives on quiz",
            "\n    0 Percent interrogatives abandoned on quiz"},
        PRACTICE_RUN},
    // The only FTV question lies outside the material.
    {"no_ftv_in_material", "<Ret><Esc><Ret><Ret><Ret><Ret><Ret><Up><Ret>",
        {"FTV: 0", "\n  One specialty has zero questions.", "Change the maximum for that specialty to zero."}, "count.00A"},
    // Reindexing off: rebuilt once, then used as it stands.
    {"stale_index", "<Ret><Esc><Ret><Ret><Ret><Ret><Ret><Ret><Ret><Esc><Ret><Ret><Ret><Ret><Ret><Up><Ret>",
        {"  Sectoring material...\n  The verse index count.00A did not match the question files; it was rebuilt.\n\n  Press "
         "Return to Continue",
            "saved as", "!did not match"},
        PRACTICE_RUN},
    // A style named like the menu's last entry in capitals is run like any other.
    {"exit_lookalike", "<Ret><Esc><Ret><Ret><Ret><Ret><Ret><Up><Ret>", {"Name of Quiz Style  : EXIT", "saved as"}, PRACTICE_RUN},
    // Shift-D on League, D on "Enter New Specs" and on Exit, d on a style: only League goes.
    {"delete_style", "<Down>D<Down><Down><Down>D<Down>D<Down>d<Down><Up><Up><Ret>", {}, "Specs.lst",
        {{"Specs.lst", "^Practice\nJamesCup\nSeason\nEnter New Specs\n$"}}},
    // Then P on the closing screen: a word, five digits, then 9 copies (a blank after the number).
    {"tab_layout_copies", "<Ret><Down><Down><Down><Down>t<Esc><Ret><Ret><Ret><Ret>P<Ret>two<Ret>12345<Ret>9 <Ret><Ret><Up><Ret>",
        {"How many copies? two", "How many copies? 9", "Be sure printer is ready"},
        "Practice.spe RomIntro.inf RomIntro.pdf RomIntro.qui count.00A",
        {{"RomIntro.qui", "^Quiz 1\t\tPractice Style Quizzing\t"}}, 9},
    // P without a printer: no count asked; the PDF is named.
    {"no_printer", "<Ret><Esc><Ret><Ret><Ret><Ret>P<Ret><Ret><Up><Ret>",
        {"There is no printer here (no lp command).", "Open RomIntro.pdf in a PDF viewer to print it.", "Choose a Quiz Style"},
        PRACTICE_RUN, {}, 0, false},
    // Sectored by question.
    {"card_layout", "<Down><Ret><Right><Right>6<Ret><Esc><Ret><Ret><Ret><Ret><Ret><Up><Ret>", {"saved as"},
        "League.spe LeaguePk.inf LeaguePk.pdf LeaguePk.qui count.58B",
        {{"LeaguePk.qui", "^\n\n    League Style Quizzing\n"}, {"LeaguePk.qui", "Quiz Number 6\n"}}},
    // 14 quizzes sectored by verse: repeats begin after quiz 11, resectoring declined.
    {"page_layout_repeats", "<Down><Down><Down><Ret><Right><Right>14<Ret><Esc><Ret><Ret><Ret><Ret>n<Ret><Ret><Ret><Ret><Up><Ret>",
        {"Regular question repeats will begin after quiz 11", "Do you wish to resector? n",
            "**Out of Regular Questions...Using Repeats beginning quiz 12**", "saved as"},
        "Season.inf Season.pdf Season.qui Season.spe count.79C", {{"Season.qui", "Season Style Quizzing +Quiz Number 14\n"}}},
    // Beyond the limits of every field of a new style's form (James for a begin chapter of 6); left unsaved.
    {"form_limits",
        "<Down><Down><Down><Down><Ret>6<Left>j<Right>99<Ret>99<Ret><Ret><Ret>x<Ret>45<Ret>99<Ret>40"
        "<Ret>456<Ret>0<Ret>101<Ret>q<Ret>9<Ret>9<Ret>9<Ret><Esc>x<Down><Esc><Esc><Up><Ret>",
        {"Begin:    J  Chapter:  5 Ver:  1", "Number of Questions per pack: 30", "CO Ref       Min:  0  Max:  9"}, ""}};

class Flows : public testing::TestWithParam<Flow> {};

TEST_P(Flows, ReachTheirScreensAndWriteOnlyTheirFiles) {
    const Flow& f = GetParam();
    test::KeyScript face(f.keys);
    const std::string own = std::string("tests/data/flows/") + f.name;
    const test::RunResult r =
        test::run_scripted(face, std::filesystem::is_directory(test::source_dir() / own) ? own : "", f.printer);
    EXPECT_EQ(std::tuple(r.status, face.left()), std::tuple(0, 0u));
    size_t at = 0;
    for (const std::string& text : f.shown) {
        auto on = [&](const std::string& s) { return s.find(text.substr(text[0] == '!')) != std::string::npos; };
        auto found = std::find_if(face.shown.begin() + at, face.shown.end(), on);
        if (text[0] == '!') {
            EXPECT_TRUE(found == face.shown.end()) << text << " on:\n" << *found;
        } else if (found == face.shown.end()) {
            ADD_FAILURE() << "never shown after screen " << at << ": " << text << "\nlast screen:\n" << face.shown.back();
        } else {
            at = found - face.shown.begin();
        }
    }
    std::string changed;
    for (auto& [name, content] : r.changed)
        if (name != "pat.txt" && name.rfind("temp", 0) != 0) changed += (changed.empty() ? "" : " ") + name;
    EXPECT_EQ(changed, f.changed);
    for (auto& [file, pattern] : f.holds) {
        EXPECT_TRUE(std::regex_search(r.after.at(file), std::regex(pattern))) << file << " lacks " << pattern;
    }
    EXPECT_EQ(r.printer.jobs, f.copies);
    if (f.copies > 0) {
        EXPECT_EQ(r.printer.last, r.after.at("RomIntro.pdf"));  // the flows that print run Practice
    }
}

INSTANTIATE_TEST_SUITE_P(Demo, Flows, testing::ValuesIn(TABLE), [](const auto& test) { return std::string(test.param.name); });

// The approval menu starts on its top line (automatic: mode 2); Up and Down wrap.
TEST(ApprovalMenu, UpAndDownWrapOverItsTwoLines) {
    constexpr int UP = key::EXT + key::UP, DOWN = key::EXT + key::DOWN, RET = key::ENTER;
    const std::pair<std::vector<int>, int> rows[] = {
        {{RET}, 2}, {{DOWN, RET}, 1}, {{DOWN, DOWN, RET}, 2}, {{UP, RET}, 1}, {{UP, UP, RET}, 2}};
    for (const auto& [keys, mode] : rows) {
        ScriptFace face(keys);
        Console con(face);
        EXPECT_EQ(approval_menu(con), mode);
    }
}

// The warning of a specialty without questions begins on row 3, where the eye starts.
TEST(SpecialtyWarning, BeginsOnRowThree) {
    ScriptFace face({key::ENTER, key::ENTER});
    Console con(face);
    warn_missing_specialty(con);
    EXPECT_EQ(con.screen().line(3), "  One specialty has zero questions.");
}

}  // namespace
