// Row 25 shows the keys of the screen: text scrolls above it, and every screen of a
// run names the keys it takes.
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

const std::string NOTE = "Quiz packets for Romans and James";
std::string with_note(const std::string& keys) { return keys + std::string(80 - keys.size() - NOTE.size(), ' ') + NOTE; }

constexpr int RET = key::ENTER, ESC = key::ESC;
const std::string MENU = " Up/Down Move  Return Choose  Shift-D Delete   " + NOTE;
const std::string FIELDS = " Arrows/Return Move  Type over a value  Esc To the title";
const std::string RESECTOR = " Y Sector by question  N, Return Keep these sectors";
const std::string APPROVAL = " Up/Down Move  Return Choose  Esc Stop the run";
const std::string QUIZ = " Y Accept  N Draw again  Esc Stop the run";

// A run and the way out: the error on the form, every screen of a run sectored by
// verse, the resector question and the approval of each quiz. Each key, and the key
// line shown while the program waits for it.
const std::pair<int, std::string> WALK[] = {
    {RET, MENU},
    {ESC, FIELDS},
    {RET, with_note(" Return Go to the field in error")},  // the FTV range is refused
    {'1', FIELDS},
    {RET, FIELDS},
    {ESC, FIELDS},
    {RET, " Return Save and run  Esc Menu, unsaved  Down Back to the fields"},
    {RET, " Left/Right Move  F R O S Set the type  Space Clear  Return Done"},
    {RET, " Arrows Move  Space Reshuffle  Return Accept the page"},
    {RET, with_note(" Return Go on  Esc Stop the run")},  // the sector table
    {'n', RESECTOR},
    {RET, RESECTOR},
    {ext(key::DOWN), APPROVAL},
    {RET, APPROVAL},
    {'y', " Quiz 1 of 3 " + QUIZ},
    {'n', " Quiz 2 of 3 " + QUIZ},
    {'y', " Quiz 2 of 3 " + QUIZ},
    {'y', " Quiz 3 of 3 " + QUIZ},
    {RET, with_note("")},  // a prompt that names its key
    {RET, with_note(" Return Style menu  P, Return Print copies")},
    {ext(key::UP), MENU},
    {RET, MENU},
};

}  // namespace

// Under the key line text scrolls rows 2-24 and keeps the title on row 1; keys wider
// than the row are cut at column 80; a cleared screen gives row 25 back to the text.
TEST(KeyLine, TextScrollsBetweenTheTitleAndTheKeys) {
    Screen s;
    s.write("title");
    const std::string wide(90, 'x');
    const KeyHint keys[] = {{"Esc", wide}};
    s.set_keys(keys);
    s.go(1, 24);
    s.writeln("last");  // the line end moves nothing yet
    EXPECT_EQ(std::tuple(s.line(23), s.line(24), s.row()), std::tuple("", "last", 25));
    s.write("next");
    EXPECT_EQ(std::tuple(s.line(1), s.line(23), s.line(24), s.row()), std::tuple("title", "last", "next", 24));
    s.go(75, 24);
    s.write("wrapped");
    EXPECT_EQ(std::tuple(s.text(23, 75), s.line(24), s.line(25)),
              std::tuple("wrappe", "d", " Esc " + wide.substr(0, 75)));
    s.clear();
    s.go(1, 25);
    s.write("free");
    EXPECT_EQ(std::tuple(s.line(25), s.has_key_line()), std::tuple("free", false));
}

TEST(KeyLine, EveryScreenOfARunShowsTheKeysItTakes) {
    test::TempDir dir;
    test::copy_from_source("examples/bank", dir.path());
    dir.write("Specs.lst", "Keys\nEnter New Specs\n");
    // Romans 1:1-6 in 5 sectors by verse, 3 quizzes, two specialties set by hand,
    // FTV 0-1 (which the checks refuse).
    dir.write("Keys.spe", "F\n1 1\n1 6\nKeysOut\n60\nP\n5\nA\n16\n50\nY\n3\nV\n0\n2\n2\n1\n0\n1\n1\n"
                          "0\n0\n0\n0\n58\n1\n5\nY\nFR" + std::string(28, 'n') + "\n");
    std::vector<int> keys;
    for (const auto& step : WALK) keys.push_back(step.first);
    KeyLineFace face(keys);
    Console con(face);
    Random rng;
    FixedClock clock(1234);
    MemoryPrinter printer;
    ASSERT_EQ(run_program(con, dir.files(), rng, clock, printer, ""), 0);
    ASSERT_EQ(face.seen.size(), std::size(WALK));
    for (size_t i = 0; i < face.seen.size(); ++i) EXPECT_EQ(face.seen[i], WALK[i].second) << "key " << i + 1;
}
