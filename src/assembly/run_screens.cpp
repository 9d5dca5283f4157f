#include "assembly/run_screens.h"

namespace tv {

namespace {
constexpr const char* AUTOMATIC = "Run specialty combinations automatically    ";
constexpr const char* APPROVE = "Approve specialty combinations for each quiz";
constexpr KeyHint MENU_KEYS[] = {
    {"Up/Down", "Move"}, {"Return", "Choose"}, {"Esc", "Stop the run"}};
constexpr KeyHint CLOSING_KEYS[] = {{"Return", "Style menu"}, {"P, Return", "Print copies"}};
}  // namespace

void APPROVESPEC(Console& con) {
    con.write_at(16, 3, AUTOMATIC);
    con.write_at(16, 4, APPROVE);
    con.highlight();
}

int approval_menu(Console& con) {
    con.clr();
    con.keys(MENU_KEYS);
    int V = 1;
    for (;;) {
        APPROVESPEC(con);
        if (V == 2) con.write_at(16, 4, APPROVE);
        if (V == 1) con.write_at(16, 3, AUTOMATIC);
        con.normal();
        const Key k = con.read();
        if (k.is(key::DOWN)) ++V;
        if (k.is(key::UP)) --V;
        if (V == 3) V = 1;
        if (V == 0) V = 2;
        if (k.typed(key::ESC)) throw RunAbandoned{"Esc on the approval menu"};
        if (k.typed(key::ENTER)) break;
    }
    // The top line runs automatically (mode 2), the bottom line asks for each quiz (mode 1).
    return V == 1 ? 2 : 1;
}

void show_stopped_run(Console& con, int stopped, const std::string& NAME4) {
    constexpr KeyHint STOPPED_KEYS[] = {{"Return", "Style menu"}};
    const int kept = stopped - 1;
    con.clr();
    con.keys(STOPPED_KEYS);
    con.writeln("  The run was stopped at quiz " + std::to_string(stopped) + ".");
    con.writeln();
    if (kept == 0) {
        con.writeln("  No quiz was kept.");
        con.writeln("  " + NAME4 + ".qui and " + NAME4 + ".inf stay as they were.");
    } else {
        con.writeln("  " + std::to_string(kept) + (kept == 1 ? " quiz was kept." : " quizzes were kept."));
        con.writeln("  The packet is " + NAME4 + ".qui, the list " + NAME4 + ".inf.");
    }
    con.writeln();
    con.write("  Press Return to Continue ");
    con.wait_enter();
}

bool THANK(Console& con, const std::string& NAME4) {
    con.clr();
    con.keys(CLOSING_KEYS);
    for (const std::string& line :
         {std::string("  Thank you for using Tallyvane ") + TV_VERSION,
          "  A list of questions and sectors used has been saved as " + NAME4 + ".inf",
          "  Your output file has been saved in ASCII text file " + NAME4 + ".qui",
          std::string("  Open in any Word Processor to Print"),
          std::string("  Courier New Font and Narrow Margins Recommended")}) {
        con.writeln(line);
        con.writeln();
    }
    con.write_at(1, 15, "  Type P and press Return to print copies");
    con.write_at(1, 13, "  Press Return to Continue ");
    std::string answer = con.read_line();
    return answer == "P" || answer == "p";
}

}  // namespace tv
