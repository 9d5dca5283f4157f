// The pattern review screens. WRITESPECS shows 30 quizzes a page in two columns
// of 15 (quizzes of at most 30 questions); WRITESPECS75 shows 15 a page in one
// column with 75 positions. The highlighted quiz is moved with the arrows and
// reshuffled with Space; Enter accepts the page.
#include <algorithm>

#include "patterns/patterns.h"

namespace tv {

namespace {

constexpr const char* RESHUFFLE_TEXT =
    "   Press Space Bar to Reshuffle the Specialty pattern for a particular quiz";
constexpr const char* ACCEPT_TEXT = " Press Enter to accept all patterns";
constexpr const char* RULER =
    "            5   10   15   20   25   30            ";
constexpr const char* SECOND_RULER = "5   10   15   20   25   30";
constexpr const char* RULER75 =
    "        5   10   15   20   25   30   35   40   45   50   55   60   65   70   75";
constexpr int WIDE_LENGTH = 75;
constexpr KeyHint KEYS[] = {
    {"Arrows", "Move"}, {"Space", "Reshuffle"}, {"Return", "Accept the page"}};
// Esc on the wide review stops the run; on the narrow one it acts as Return.
constexpr KeyHint WIDE_KEYS[] = {{"Arrows", "Move"}, {"Space", "Reshuffle"},
                                 {"Return", "Accept the page"}, {"Esc", "Stop the run"}};

struct Review {
    Console& con;
    Patterns& P;
    const Style& s;
    DrawSource& rnd;
    bool wide;       // WRITESPECS75
    int PG;          // quizzes a page: 30 or 15
    int SCR = 0;     // page shown, from 0
    int C3 = 1;      // place of the highlighted quiz on the page
    int E = 0;       // quizzes on the page

    int quiz(int k) const { return SCR * PG + k; }

    // The quiz at place k, in the normal colours (every fifth letter white) or highlighted.
    void draw_quiz(int k, bool lit) {
        int col = wide ? 1 : (k <= 15 ? 4 : 42);
        con.go(col, 6 + (k - 1) % 15);
        if (lit)
            con.highlight();
        else
            con.normal();
        con.write_num(quiz(k), 3);
        con.write(wide ? "." : ". ");
        std::string letters = P.PAT[quiz(k)];
        letters.resize(wide ? WIDE_LENGTH : PATTERN_LENGTH, 'n');
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
        if (wide)
            con.keys(WIDE_KEYS);
        else
            con.keys(KEYS);
        con.go(2, 3);
        con.write(RESHUFFLE_TEXT);
        con.go(1, 5);
        con.use(Role::Ruler);
        if (wide) {
            con.write(RULER75);
        } else {
            con.write(RULER);
            if (P.QZ > 15) con.write(SECOND_RULER);
        }
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
                if (wide) {
                    P.BACK = true;
                    return;
                }
                [[fallthrough]];
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
                if (!wide && C3 > 15) C3 -= 15;
                break;
            case key::EXT + key::RIGHT:
                if (!wide && C3 < 16 && C3 + 15 <= E) C3 += 15;
                break;
            case ' ':
                P.PAT[quiz(C3)] = SPECPAT(P, s, rnd);
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

void WRITESPECS(Console& con, Patterns& P, const Style& s, DrawSource& rnd) {
    if (P.QZ < 1) return;
    Review{con, P, s, rnd, false, 30}.run();
}

void WRITESPECS75(Console& con, Patterns& P, const Style& s, DrawSource& rnd) {
    if (P.QZ < 1) return;
    Review{con, P, s, rnd, true, 15}.run();
}

}  // namespace tv
