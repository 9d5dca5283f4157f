// A small run built by hand for the assembly tests: sectors of regular questions in
// memory, empty specialty files, a list file and a message log in a temporary folder.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "assembly/assembly.h"
#include "support/support.h"

namespace tv::test {

// Keeps what assembly reports: the messages in order, a stop marked with "!" when
// it is an alarm. Every combination is accepted.
struct Recorder : AssemblyReport {
    std::vector<std::string> said;
    void choosing_quiz(int) override {}
    void message(const std::string& text) override { said.push_back(text); }
    void message_line(const std::string& text) override { said.push_back(text); }
    void message_again(const std::string& text) override { said.push_back(text); }
    void line(const std::string&) override {}
    void stop(const std::string& text, bool alarm) override { said.push_back((alarm ? "!" : "") + text); }
    int approve(int, int, const std::vector<std::string>&) override { return 'Y'; }
};

class World {
public:
    // COUNT sectors of PER regular questions each; two lines of every kind come
    // before them in each file.
    World(int count, int per) : rng(7) {
        sectors.SECTORS = count;
        std::vector<std::string> reg(2, " 1: 1\tWho came before?\tx");
        bank.BEFORE = bank.FBEFORE = bank.RBEFORE = bank.OBEFORE = 2;
        auto two = [](int n) { return (n < 10 ? " " : "") + std::to_string(n); };
        for (int s = 1; s <= count; ++s) {
            sectors.QPS[s] = per;
            bank.FTYPE[s].assign(1, ' ');
            for (int k = 1; k <= per; ++k)
                reg.push_back(two((s - 1) % 21 + 1) + ":" + two(k % 40 + 1) + "\tName Q " + std::to_string(s) + "." +
                              std::to_string(k) + "?\tanswer");
        }
        bank.TQUEST = count * per;
        F3 = QuestionFile("RJ.A", reg);
        F4 = QuestionFile("FTV.00A", {" 1: 1\tFTV\tbefore\tx", " 1: 1\tFTV\tbefore\tx"});
        F5 = QuestionFile("cv.b", {" 1: 1\tCV\tbefore\tx", " 1: 1\tCV\tbefore\tx"});
        F6 = QuestionFile("co.b", {" 1: 1\tCO\tbefore\tx", " 1: 1\tCO\tbefore\tx"});
        sectors.MINQZ = per;
        list.emplace(dir.files().create("Out.inf"));
        log.emplace(dir.files().create("temp.txt"));
    }

    // The driver's steps before the first quiz.
    void prepare() {
        reset_availability(at, sectors);
        compute_repeat_points(style, bank, points);
        if (style.IPC != 50) at.INT = mark_interrogatives(F3, bank.BEFORE, sectors.SECTORS, sectors.TQPS);
        start_quizzes(at, points, sectors, style);
    }

    Assembly assembly() {
        return Assembly{report, rng, clock, style, season, bank, sectors, at, quiz, F3, F4, F5, F6, *list, *log, points, V};
    }

    void choose(int Q2, const std::string& pattern) {
        Assembly a = assembly();
        assemble_quiz(a, Q2, pattern);
    }

    std::string log_text() {
        log->close();
        return dir.read("temp.txt");
    }

    TempDir dir;
    Recorder report;
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
    RepeatPoints points;
    int V = 2;
};

}  // namespace tv::test
