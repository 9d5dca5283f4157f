// A small run built by hand for the assembly tests: sectors and question files in
// memory, a list file and a message log in a temporary folder.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "assembly/assembly.h"
#include "support/support.h"

namespace tv::test {

struct SectorCounts {
    int regular = 0, ftv = 0, cvref = 0, coref = 0;
};

// Question lines name their sector and number, so a test can tell what was read:
// regular "Q s.k", FTV "F s.k", CV Ref "R s.k", CO Ref "O s.k".
inline std::string chapter_of(int s) {
    int ch = (s - 1) % 21 + 1;
    return (ch < 10 ? " " : "") + std::to_string(ch);
}
inline std::string regular_line(int s, int k, bool interrogative = false) {
    return chapter_of(s) + ":" + (k % 40 + 1 < 10 ? " " : "") + std::to_string(k % 40 + 1) + "\t" +
           (interrogative ? "Who is Q " : "Name Q ") + std::to_string(s) + "." + std::to_string(k) +
           "?\tanswer";
}
inline std::string special_line(char type, int s, int k) {
    std::string code = type == 'F' ? "FTV" : type == 'R' ? "CV" : "CO";
    return chapter_of(s) + ": 1\t" + code + "\t" + std::string(1, type) + " " + std::to_string(s) +
           "." + std::to_string(k) + "\tanswer";
}

class World {
public:
    // One entry per sector; BEFORE lines of every kind come first in each file.
    explicit World(const std::vector<SectorCounts>& counts, int before = 2, uint64_t seed = 7)
        : rng(seed) {
        sectors.SECTORS = sectors.SECTORS2 = static_cast<int>(counts.size());
        std::vector<std::string> reg, ftv, cv, co;
        for (int i = 0; i < before; ++i) {
            reg.push_back(" 1: 1\tWho came before?\tx");
            ftv.push_back(" 1: 1\tFTV\tbefore\tx");
            cv.push_back(" 1: 1\tCV\tbefore\tx");
            co.push_back(" 1: 1\tCO\tbefore\tx");
        }
        bank.BEFORE = bank.FBEFORE = bank.RBEFORE = bank.OBEFORE = before;
        for (size_t i = 0; i < counts.size(); ++i) {
            int s = static_cast<int>(i) + 1;
            const SectorCounts& c = counts[i];
            sectors.QPS[s] = c.regular;
            sectors.FPS[s] = c.ftv;
            sectors.RPS[s] = c.cvref;
            sectors.OPS[s] = c.coref;
            bank.FTYPE[s].assign(c.ftv + 1, ' ');
            for (int k = 1; k <= c.regular; ++k) reg.push_back(regular_line(s, k));
            for (int k = 1; k <= c.ftv; ++k) {
                ftv.push_back(special_line('F', s, k));
                bank.FTYPE[s][k] = "VQR"[(s + k) % 3];
            }
            for (int k = 1; k <= c.cvref; ++k) cv.push_back(special_line('R', s, k));
            for (int k = 1; k <= c.coref; ++k) co.push_back(special_line('O', s, k));
            bank.TQUEST += c.regular;
            bank.FQUEST += c.ftv;
            bank.RQUEST += c.cvref;
            bank.OQUEST += c.coref;
        }
        F3 = QuestionFile("RJ.A", reg);
        F4 = QuestionFile("FTV.00A", ftv);
        F5 = QuestionFile("cv.b", cv);
        F6 = QuestionFile("co.b", co);
        int smallest = 100;
        for (const auto& c : counts) smallest = std::min(smallest, c.regular);
        sectors.MINQZ = smallest;
        list.emplace(dir.files().create("Out.inf"));
        log.emplace(dir.files().create("temp.txt"));
    }

    // Replaces the regular questions: interrogative(s, k) tells which are.
    template <class Pred>
    void set_interrogatives(Pred interrogative) {
        std::vector<std::string> reg;
        for (int i = 0; i < bank.BEFORE; ++i) reg.push_back(" 1: 1\tWho came before?\tx");
        for (int s = 1; s <= sectors.SECTORS; ++s)
            for (int k = 1; k <= sectors.QPS[s]; ++k) reg.push_back(regular_line(s, k, interrogative(s, k)));
        F3 = QuestionFile("RJ.A", reg);
    }

    // The driver's steps before the first quiz.
    void prepare() {
        reset_availability(at, sectors);
        compute_repeat_points(style, bank, points);
        if (style.IPC != 50) at.INT = COUNTINT(con, F3, bank.BEFORE, sectors.SECTORS, sectors.TQPS);
        start_quizzes(at, points, sectors, style);
    }

    Assembly assembly() {
        return Assembly{con, rng, clock, style, season, bank, sectors, at, quiz, F3, F4, F5, F6,
                        *list, *log, RSET, points, V};
    }

    void choose(int Q2, const std::string& pattern) {
        Assembly a = assembly();
        CHOOSESPEC(a, Q2, pattern);
    }

    std::string list_text() {
        list->close();
        return dir.read("Out.inf");
    }
    std::vector<std::string> log_lines() {
        log->close();
        std::vector<std::string> lines;
        std::string text = dir.read("temp.txt"), line;
        for (char c : text) {
            if (c == '\n') {
                lines.push_back(line);
                line.clear();
            } else {
                line += c;
            }
        }
        return lines;
    }
    // The (sector, number) of the regular question at position p, read back from its text.
    std::string regular_id(int p) const {
        const std::string& L = quiz.ALL[p];
        size_t at_q = L.find("Q ");
        return at_q == std::string::npos ? "" : L.substr(at_q + 2, L.find('?') - at_q - 2);
    }

    TempDir dir;
    ScriptFace face;
    Console con{face};
    Random rng;
    FixedClock clock{1000, 3};
    Style style;
    Season season = default_season();
    BankTables bank;
    SectorTables sectors;
    AssemblyTables at;
    QuizTables quiz;
    QuestionFile F3, F4, F5, F6;
    std::optional<TextWriter> list, log;
    int RSET = 4;
    RepeatPoints points;
    int V = 2;
};

inline std::vector<SectorCounts> uniform(int sectors, SectorCounts c) {
    return std::vector<SectorCounts>(sectors, c);
}

}  // namespace tv::test
