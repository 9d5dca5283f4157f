#include <gtest/gtest.h>

#include "driver/cycle.h"
#include "support/support.h"

using namespace tv;
using tv::test::ext;

namespace {

// Keys from a script; notes the key line each time the program waits for a key.
struct KeyLineFace : ScriptFace {
    using ScriptFace::ScriptFace;
    std::vector<std::string> seen;
    int wait_key(const Screen& screen) override {
        seen.push_back(screen.line(25));
        return ScriptFace::wait_key(screen);
    }
};

// A key the program waits for, and the key line it shows meanwhile.
struct Step {
    int key;
    const char* screen;
    std::string line;
};

const std::string NOTE = "Quiz packets for Romans and James";
std::string with_note(const std::string& keys) {
    return keys + std::string(80 - keys.size() - NOTE.size(), ' ') + NOTE;
}

constexpr int RET = key::ENTER, ESC = key::ESC;
const std::string MENU = " Up/Down Move  Return Choose  Shift-D Delete   " + NOTE;
const std::string FIELDS = " Arrows/Return Move  Type over a value  Esc To the title";
const std::string TITLE = " Return Save and run  Esc Menu, unsaved  Down Back to the fields";
const std::string APPROVAL_MENU = " Up/Down Move  Return Choose  Esc Stop the run";
const std::string CLOSING = with_note(" Return Style menu  P, Return Print copies");

// A run and the way out. The style (Romans 1:1-6 in 5 sectors by verse, 3 quizzes,
// positions set by hand, an FTV range the checks refuse) passes the error on the
// form, every screen of a run sectored by verse, the resector question and the
// approval of each quiz.
const std::vector<Step> WALK = {
    {RET, "menu", MENU},
    {ESC, "form", FIELDS},
    {RET, "form, FTV range not fixed", with_note(" Return Go to the field in error")},
    {'1', "form, at the FTV minimum", FIELDS},
    {RET, "form", FIELDS},
    {ESC, "form", FIELDS},
    {RET, "form title", TITLE},
    {RET, "specialty types", " Left/Right Move  F R O S Set the type  Space Clear  Return Done"},
    {RET, "pattern review", " Arrows Move  Space Reshuffle  Return Accept the page"},
    {RET, "sector table", with_note(" Return Go on  Esc Stop the run")},
    {'n', "resector question", " Y Sector by question  N, Return Keep these sectors"},
    {RET, "resector question", " Y Sector by question  N, Return Keep these sectors"},
    {ext(key::DOWN), "approval menu", APPROVAL_MENU},
    {RET, "approval menu", APPROVAL_MENU},
    {'y', "approval prompt", " Quiz 1 of 3  Y Accept  N Draw again  Esc Stop the run"},
    {'n', "approval prompt", " Quiz 2 of 3  Y Accept  N Draw again  Esc Stop the run"},
    {'y', "approval prompt", " Quiz 2 of 3  Y Accept  N Draw again  Esc Stop the run"},
    {'y', "approval prompt", " Quiz 3 of 3  Y Accept  N Draw again  Esc Stop the run"},
    {RET, "quizzes complete, a prompt that names its key", with_note("")},
    {RET, "closing screen", CLOSING},
    {ext(key::UP), "menu", MENU},
    {RET, "menu", MENU},
};

}  // namespace

TEST(KeyLine, EveryScreenOfARunShowsTheKeysItTakes) {
    test::TempDir dir;
    test::copy_from_source("examples/bank", dir.path());
    dir.write("Specs.lst", "Keys\nEnter New Specs\n");
    // Keys: two specialties set by hand, FTV 0-1 (which the checks refuse), CV Ref 1-1.
    dir.write("Keys.spe", "F\n1 1\n1 6\nKeysOut\n60\nP\n5\nA\n16\n50\nY\n3\nV\n0\n2\n2\n1\n0\n1\n1\n"
                          "0\n0\n0\n0\n58\n1\n5\nY\nFR" + std::string(28, 'n') + "\n");
    std::vector<int> keys;
    for (const Step& s : WALK) keys.push_back(s.key);
    KeyLineFace face(keys);
    Console con(face);
    Random rng;
    FixedClock clock(1234);
    MemoryPrinter printer;
    ASSERT_EQ(run_program(con, dir.files(), rng, clock, printer, ""), 0);
    ASSERT_EQ(face.seen.size(), WALK.size());
    for (size_t i = 0; i < WALK.size(); ++i)
        EXPECT_EQ(face.seen[i], WALK[i].line) << "key " << i + 1 << ", " << WALK[i].screen;
}
