// Shared by the packet writer's tests: a quiz holding every kind of position,
// writing it to a packet in a fresh folder, and the golden packets.
#pragma once
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "output/packet.h"
#include "support/support.h"

namespace tv::test {

// Sets position X: its type letter in the pattern, its line (the chapter already
// within its book), its book letter; a line longer than 254 characters is split
// into ALL and ALL2 the way assembly splits it (at most 508 characters in all).
inline void put(QuizTables& q, int X, char type, char book, const std::string& line) {
    if (static_cast<int>(q.TYP.size()) < X) q.TYP.resize(X, 'n');
    q.TYP[X - 1] = type;
    q.RLBK[X] = book;
    q.ALL[X] = line.substr(0, 254);
    q.ALL2[X] = line.size() > 254 ? line.substr(254, 254) : " ";
}

// The quiz of the golden packets, positions 1-8 with AB = 5:
//  1 regular Romans 12:10 (two-digit chapter and verse, "?" before column 66)
//  2 CO Ref James 2:26
//  3 CV Ref Romans 1:5 (one-digit chapter and verse)
//  4 FTV Romans 14:23, a line of 552 characters: its second part is cut at 508
//  5 Quote James 1:5
//  6 SIT Romans 10:9 (beyond AB from here on)
//  7 regular James 1:19, its "?" beyond column 66
//  8 FTV James 3:13
inline QuizTables golden_quiz() {
    QuizTables q;
    q.Q2 = 7;
    put(q, 1, 'n', 'R',
        "12:10\tIn love of the brothers, how should we be to one another?\tTenderly "
        "affectionate; in honor preferring one another");
    put(q, 2, 'O', 'J',
        " 2:26\tCO\tFor as the body apart from the spirit is dead, even so what is dead?\t"
        "Faith apart from works");
    put(q, 3, 'R', 'R',
        " 1: 5\tCV\tThrough whom did we receive grace and apostleship for obedience of "
        "faith?\tThrough Jesus Christ our Lord");
    put(q, 4, 'F', 'R',
        "14:23\tFTV\tBut he who doubts is condemned if he eats, because it isn't of faith; "
        "and whatever is not of faith is sin. Now to him who is able to establish you "
        "according to my Good News and the preaching of Jesus Christ, according to the "
        "revelation of the mystery which has been kept secret through long ages, but now is "
        "revealed, and by the Scriptures of the prophets, according to the commandment of the "
        "eternal God, is made known for obedience of faith to all the nations; to the only "
        "wise God, through Jesus Christ, to whom be the glory forever! Amen.");
    put(q, 5, 'F', 'J',
        " 1: 5\tQTV2\tBut if any of you lacks wisdom, let him ask of God, who gives to all "
        "liberally and without reproach, and it will be given to him.");
    put(q, 6, 'S', 'R',
        "10: 9\tFinish this verse from chapter ten: \"that if you will confess with your "
        "mouth that Jesus is Lord\" * and believe in your heart that God raised him from the "
        "dead, you will be saved.");
    put(q, 7, 'n', 'J',
        " 1:19\tAccording to James, my beloved brothers should be swift to hear, slow to "
        "speak, and slow to what?\tTo anger");
    put(q, 8, 'F', 'J',
        " 3:13\tFTV\tWho is wise and understanding among you? Let him show by his good "
        "conduct that his deeds are done in gentleness of wisdom.");
    return q;
}

// Romans 1:5 to James 2:26, A and B questions up to position 5.
inline Style golden_style(char OUT) {
    Style s;
    s.BCHAP = 1;
    s.BVER = 5;
    s.ECHAP = 18;
    s.EVER = 26;
    s.AB = 5;
    s.LPP = 40;
    s.OUT = OUT;
    return s;
}

// Writes one quiz with append_to_packet into a packet file of a fresh folder and returns its content.
inline std::string write_quiz(const Style& s, const QuizTables& q, int sectors, const std::string& name = "Example",
    const Season& season = default_season()) {
    TempDir dir;
    PacketState state;
    {
        TextWriter w = dir.files().create("P.qui");
        append_to_packet(w, s, season, name, sectors, q, state);
        w.close();
    }
    return dir.read("P.qui");
}

// Compares with tests/data/output/<file>; on a difference the written packet is
// left as <file>.actual in the test's working folder for inspection.
inline void expect_golden(const std::string& written, const std::string& file) {
    const std::string golden = slurp(source_dir() / "tests/data/output" / file);
    if (written != golden) {
        std::ofstream(file + ".actual", std::ios::binary) << written;
        ADD_FAILURE() << file << " differs from the written packet (see " << file << ".actual)";
    }
}

// The lines of a text (line ends removed; a form feed stays with its line).
inline std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

}  // namespace tv::test
