// The golden packets of one quiz with every kind of position (packet_fixture.h),
// one per layout. Each was checked by hand once, column by column, with a
// numbered ruler over the file:
//
// page.qui
//  - title: "R 1:5 to J 2:26" is 15 characters + 3 blanks (first chapter, first
//    verse and last chapter have one digit) = 18; 13 - 7 div 2 = 10 blanks put
//    "Example" in 29-35; 2 blanks (quiz 7 < 10); 9 blanks; no extra blank (odd
//    name); "Quiz Number " in 66-77, "7" in 78.
//  - "Verse" in 74-78; every first line has its type in 1-6, the number in 7-8
//    (blank from position 6 on), ". " in 9-10, text from 11, the book letter in
//    72, the short reference in 74-78; SIT: "," after the introduction and
//    "10: 9" in 73-77 with no book letter.
//  - CV Ref (position 3): "According to Romans chapter 1 verse 5, " in 11-49.
//  - FTV 14:23: 5 words, c = 16 letters, 4 x "..." + "..." = 15, so 11-41 and
//    30 blanks in 42-71. Quote: 29 characters + 2 blanks (one-digit chapter and
//    verse) + 29 + 1 (James) blanks end in 71.
//  - regular 12:10: "?" at position 63 ends the first line, answer below;
//    regular 1:19: "?" beyond 66, first line ends at the blank at position 66.
//  - continuation lines: 15 blanks, at most 55 more; the FTV text stops at
//    position 508 ("...through Jesus"), the cut of its second part.
//  - LPP 40: every position counts its empty line, first line and continuation
//    lines; LINES is 34 after position 5, not above 34 but above 30 with the SIT
//    of position 6 next, so page 2 starts there (page 1 holds 32 lines): form
//    feed, "Page 2", "Quiz " in 73-77, "7" in 78; closing form feed, no line end.
// card.qui
//  - title card 18 lines; every card 18 lines, the long FTV card 36.
//  - headers: "Quiz " ends in 43 (CV, CO, FTV, Quote, SIT) or 45 (regular);
//    number width 7 on the CV card ("      3. Accd. to Romans chapter 1 verse
//    5, ", the verse as it stands), 6 on the others.
//  - FTV line 6: the last blank at or before position 46 is at 44 ("if|he").
//  - regular 12:10: scan stops at 42 before the "?", no empty line after line
//    6; the empty line follows the continuation line ending "another? ".
// tab.qui
//  - number (width 2) only for positions 1-5; type field "CO", "CV", "FTV",
//    "QTV2", "SIT" or empty; Quote prefix ends ".<TAB>"; FTV: five "..." then
//    TAB; SIT: TAB before the first "*"; the 14:23 line has no three blanks in
//    a row and runs to position 509 (one blank after "Jesus"); "<pb>" last.
#include "packet_fixture.h"

using namespace tv;

TEST(GoldenPacket, EveryKindOfPositionInEachLayout) {
    for (const Layout& layout : layouts()) {
        SCOPED_TRACE(layout.name);
        test::expect_golden(
            test::write_quiz(test::golden_style(layout.letter), test::golden_quiz(), 8), std::string(layout.name) + ".qui");
    }
    // A letter of no layout is refused, naming the style file, rather than taken for one.
    EXPECT_EQ(test::error_of([] { test::write_quiz(test::golden_style('X'), test::golden_quiz(), 8); }),
        "cannot use \"Example.spe\" as a style: Output (p/c/t) is \"X\"; it must be one of P, C, T");
}
