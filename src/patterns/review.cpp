// The pattern review screen. review_patterns shows 30 quizzes a page in two columns
// of 15. The highlighted quiz is moved with the arrows and reshuffled with Space;
// Enter (or Esc) accepts the page.
#include <algorithm>

#include "patterns/review.h"

namespace tv {

namespace {

constexpr const char* RESHUFFLE_TEXT =
    "   Press Space Bar to Reshuffle the Specialty pattern for a particular quiz";
constexpr const char* ACCEPT_TEXT = " Press Enter to accept all patterns";
constexpr const char* RULER = "            5   10   15   20   25   30            ";
constexpr const char* SECOND_RULER = "5   10   15   20   25   30";
constexpr KeyHint KEYS[] = {
    {"Arrows", "Move"}, {"Space", "Reshuffle"}, {"Return", "Accept the page"}};

struct Review {
    Console& con;
    Patterns& P;
    const Style& s;
    DrawSource& rnd;
    static constexpr int PG = 30;  // quizzes a page
    int SCR = 0;                   // page shown, from 0
    int C3 = 1;                    // place of the highlighted quiz on the page
    int E = 0;                     // quizzes on the page

    int quiz(int k) const { return SCR * PG + k; }

    // The quiz at place k, in the normal colours (every fifth letter white) or highlighted.
    void draw_quiz(int k, bool lit) {
        int col = k <= 15 ? 4 : 42;
        con.go(col, 6 + (k - 1) % 15);
        if (lit)
            con.highlight();
        else
            con.normal();
        con.write_num(quiz(k), 3);
        con.write(". ");
        std::string letters = P.PAT[quiz(k)];
        letters.resize(PATTERN_LENGTH, 'n');
        for (size_t i = 0; i < letters.size(); ++i) {
            if (!lit) con.use((i + 1) % 5 == 0 ? Role::Mark : Role::Normal);
            con.write(letters[i]);
        }
        con.normal();
    }

    void draw_page() {
        E = std::min(PG, P.QZ - SCR * PG);
        con.normal();
        con.write_at(4, 22, ACCEPT_TEXT);
        for (int k = 1; k <= E; ++k) draw_quiz(k, false);
        C3 = 1;
        draw_quiz(C3, true);
    }

    void draw_head() {
        con.normal();
        con.clr();
        con.keys(KEYS);
        con.go(2, 3);
        con.write(RESHUFFLE_TEXT);
        con.go(1, 5);
        con.use(Role::Ruler);
        con.write(RULER);
        if (P.QZ > 15) con.write(SECOND_RULER);
        con.normal();
    }

    void clear_page() {
        for (int r = 6; r <= 24; ++r) {
            con.go(1, r);
            con.clear_eol();
        }
    }

    void run() {
        draw_head();
        draw_page();
        for (;;) {
            // Arrows are told from the typed letters of their scan codes.
            const Key k = con.read();
            const int code = k.extended ? key::EXT + k.code : k.code;
            int TEMP = C3;
            switch (code) {
            case key::ESC:
            case key::ENTER:
                clear_page();
                ++SCR;
                if (SCR * PG >= P.QZ) return;
                draw_page();
                TEMP = C3;
                break;
            case key::EXT + key::UP: --C3; break;
            case key::EXT + key::DOWN: ++C3; break;
            case key::EXT + key::LEFT:
                if (C3 > 15) C3 -= 15;
                break;
            case key::EXT + key::RIGHT:
                if (C3 < 16 && C3 + 15 <= E) C3 += 15;
                break;
            case ' ':
                P.PAT[quiz(C3)] = make_pattern(P, s, rnd);
                draw_quiz(C3, true);
                break;
            default: break;
            }
            if (C3 > PG || C3 > E) C3 = 1;
            if (C3 == 0) C3 = E;
            if (quiz(C3) > P.QZ) C3 = 1;
            if (C3 != TEMP) {
                draw_quiz(TEMP, false);
                draw_quiz(C3, true);
            }
            con.normal();
        }
    }
};

}  // namespace

void review_patterns(Console& con, Patterns& P, const Style& s, DrawSource& rnd) {
    if (P.QZ < 1) return;
    Review{con, P, s, rnd}.run();
}

}  // namespace tv
