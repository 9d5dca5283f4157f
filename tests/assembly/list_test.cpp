#include <gtest/gtest.h>

#include "world.h"

using namespace tv;
using namespace tv::test;

namespace {

int count_lines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

// One question of each kind in its own sector, one line before the material in each file.
const std::vector<SectorCounts> ONE_OF_EACH = {{1, 0, 1, 0}, {1, 1, 0, 0}, {1, 0, 0, 1}, {1, 0, 0, 0}, {1, 0, 0, 0}};

void hand_made_bank(World& w) {
    w.F3 = QuestionFile("RJ.A", {" 1: 1\tWho came before?\tx",
                                 " 1: 2\tName one?\ta", " 1: 3\tName two?\tb", " 1: 4\tName three?\tc",
                                 " 1: 1\tWho is called to be an apostle, separated unto the gospel?\tPaul",
                                 "21:20\tLet him know what?\tThat he who turns a sinner"});
    w.F5 = QuestionFile("cv.b", {" 1: 1\tCV\tbefore\tx",
                                 "18:05\tCV\tWhat does the verse say about the doers of the word and hearers?\tJames 1:22"});
    w.F4 = QuestionFile("FTV.00A", {" 1: 1\tFTV\tbefore\tx",
                                    " 3:23\tFTVR\tFor all have sinned and fall short of the glory of God\tend"});
    w.F6 = QuestionFile("co.b", {" 1: 1\tCO\tbefore\tx",
                                 " 5: 8\tCO\tIn which chapter is Christ died for us?\tChapter 5"});
    w.style.FMAX = w.style.RMAX = w.style.OMAX = 1;
}

}  // namespace

TEST(ListFile, HeaderAndLinesOfEveryTypeByteForByte) {
    World w(ONE_OF_EACH, 1);
    hand_made_bank(w);
    w.prepare();
    w.choose(7, "RFOSn");
    std::string regular = w.quiz.SECTOR[5] == 4
        ? "   5.   4   1  R  1: 1        Who is called to be an apostle, separate...\n"
        : "   5.   5   1  J  5:20        Let him know what?                         \n";
    std::string expected =
        "  Que Sec Num    Verse  Type  Question                             Quiz 7\n"
        "\n"
        "   1.   1   1  J  2:05  CV    What does the verse say about the doers ...\n"
        "   2.   2   1  R  3:23  FTVR  For all have sinned and fall short of th...\n"
        "   3.   3   1  R  5: 8  CO    In which chapter is Christ died for us?\n"
        "\n" + regular + std::string(26, '\n');
    EXPECT_EQ(w.list_text(), expected);
    EXPECT_EQ(w.quiz.ALL[1], " 2:05\tCV\tWhat does the verse say about the doers of the word and hearers?\tJames 1:22");
    EXPECT_EQ(w.quiz.RLBK[1], 'J');
    EXPECT_EQ(w.quiz.ALL2[1], " ");
    EXPECT_EQ(w.quiz.ALL2[2], "");
    EXPECT_EQ(w.quiz.SECTOR[4], 99);
    EXPECT_EQ(w.quiz.ALL[4], "");
}

TEST(ListFile, HeaderWidthFollowsTheQuizNumber) {
    EXPECT_EQ(list_header(9), "  Que Sec Num    Verse  Type  Question  " + std::string(27, ' ') + "Quiz 9");
    EXPECT_EQ(list_header(10), "  Que Sec Num    Verse  Type  Question " + std::string(27, ' ') + "Quiz 10");
    EXPECT_EQ(list_header(100), "  Que Sec Num    Verse  Type  Question" + std::string(27, ' ') + "Quiz 100");
}

TEST(ListFile, LineEdgesOfEachFormat) {
    AssemblyTables at;
    QuizTables quiz;
    quiz.TYP = "RnnFO";
    quiz.SECTOR = {0, 12, 3, 4, 5, 6, 0};
    at.NUMBER[12] = 105;
    at.NUMBER[3] = at.NUMBER[4] = at.NUMBER[5] = at.NUMBER[6] = 2;
    quiz.RLBK = {' ', 'R', 'R', 'R', 'R', 'R'};
    std::string forty(40, 'x');
    quiz.ALL[1] = " 1: 1\tCV\t" + forty + "\tanswer";        // a tab right after the 40 characters
    quiz.ALL[2] = " 1: 1\t" + forty + "\tanswer";             // exactly 40 characters: not cut
    quiz.ALL[3] = " 1: 1\t\tTab first";                       // the first character is taken even if a tab
    quiz.ALL[4] = " 1: 1\tQ\tshort";                          // FTV kind field shorter than 6, no tab after the text
    quiz.ALL[5] = " 1: 1\tCO\tno tab and short";
    EXPECT_EQ(list_line(at, quiz, 1), "   1.  12 105  R  1: 1  CV    " + forty + "...");
    EXPECT_EQ(list_line(at, quiz, 2), "   2.   3   2  R  1: 1        " + forty + "   ");
    EXPECT_EQ(list_line(at, quiz, 3), "   3.   4   2  R  1: 1        \tTab first" + std::string(33, ' '));
    EXPECT_EQ(list_line(at, quiz, 4), "   4.   5   2  R  1: 1  Q     short");
    EXPECT_EQ(list_line(at, quiz, 5), "   5.   6   2  R  1: 1  CO    no tab and short");
}

TEST(ListFile, PatternWithoutRegularPositionsStillTakes33Lines) {
    World w(uniform(3, {2, 3, 3, 3}));
    w.style.FMAX = w.style.RMAX = w.style.OMAX = 1;
    w.prepare();
    w.choose(1, "RFO");
    w.choose(2, "OFR");
    EXPECT_EQ(w.at.INUM, 0);
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(w.at.QN[s], 99);
        EXPECT_EQ(w.sectors.QPS[s], 2) << "no regular question drawn";
    }
    EXPECT_EQ(count_lines(w.list_text()), 66);
}

TEST(ListFile, ThirtyPositionsLeaveOneBlankLine) {
    World w(uniform(30, {2, 0, 0, 0}));
    w.prepare();
    w.choose(1, std::string(30, 'n'));
    std::string text = w.list_text();
    EXPECT_EQ(count_lines(text), 33);
    EXPECT_EQ(text.substr(text.size() - 2), "\n\n");
}

