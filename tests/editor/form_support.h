// A valid style for the form tests, and a session that draws the form and runs it
// with a key script until the keys run out or the form ends.
#pragma once
#include <optional>
#include <utility>
#include <vector>

#include "console/console.h"
#include "editor/form.h"
#include "support/support.h"

namespace tv::test {

constexpr int UP = key::EXT + key::UP, DOWN = key::EXT + key::DOWN, LEFT = key::EXT + key::LEFT, RIGHT = key::EXT + key::RIGHT,
              RET = key::ENTER, ESC = key::ESC;

// Romans 1:1 to James 5:20; passes every check.
inline Editor sample_editor() {
    Editor ed;
    EditorStyle& s = ed.style;
    s.LG = 'F';
    s.BBK = " R", s.BCHAP = 1, s.BVER = 1, s.ADDB = 0;
    s.EBK = " J", s.ECHAP = 5, s.EVER = 20, s.ADDE = 16;
    s.NAME4 = "Out";
    s.LPP = 60, s.OUT = 'P', s.QMAX = 20, s.REGLST = 'A', s.AB = 16, s.IPC = 50;
    s.INDX = 'N', s.QNUM = 10, s.SEC1 = 'V', s.REPEATPCT = 0;
    s.SPMAX = 4, s.SPMIN = 2, s.FMAX = 2, s.FMIN = 1, s.RMAX = 1, s.RMIN = 1;
    s.OMAX = 1, s.OMIN = 0, s.SMAX = 0, s.SMIN = 0;
    s.PRIMPCT = 100, s.SPEARLY = 1, s.SPLATE = 20, s.SETSPC = 'N';
    ed.NAME1 = "Quiz";
    return ed;
}

struct FormSession {
    ScriptFace face;
    Console con{face};
    Editor ed;
    std::optional<bool> result;  // set when the form ended: true accepted, false discarded

    explicit FormSession(Editor e = sample_editor()) : ed(std::move(e)) {}

    // Draws the form and edits from `start`; stops when the script runs dry.
    FormSession& run(const std::vector<int>& keys, Field start = Field::BeginChapter) {
        face.add(keys);
        con.normal();
        con.clr();
        draw_form(con, ed);
        error_of<ScriptExhausted>([&] { result = run_form(con, ed, start); });
        return *this;
    }
    std::pair<int, int> cursor() const { return {con.screen().col(), con.screen().row()}; }
    std::string text(int col, int row, int len) const { return con.screen().text(row, col, len); }
    const Cell& at(int col, int row) const { return con.screen().at(col, row); }
};

inline std::pair<int, int> pos(Field f) { return {info(f).col, info(f).row}; }

}  // namespace tv::test
