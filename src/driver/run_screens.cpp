#include "driver/run_screens.h"

#include "base/printable.h"
#include "patterns/review.h"
#include "sectors/screens.h"

namespace tv {

namespace {

constexpr KeyHint GO_ON_KEYS[] = {{"Return", "Go on"}};
constexpr KeyHint TABLE_KEYS[] = {{"Return", "Go on"}, {"Esc", "Stop the run"}};
constexpr KeyHint RESECTOR_KEYS[] = {{"Y", "Sector by question"},
                                     {"N, Return", "Keep these sectors"}};

constexpr const char* AUTOMATIC = "Run specialty combinations automatically    ";
constexpr const char* APPROVE = "Approve specialty combinations for each quiz";
constexpr KeyHint MENU_KEYS[] = {
    {"Up/Down", "Move"}, {"Return", "Choose"}, {"Esc", "Stop the run"}};
constexpr KeyHint CLOSING_KEYS[] = {{"Return", "Style menu"}, {"P, Return", "Print copies"}};

}  // namespace

int RunScreens::take_key() {
    int k = con_.read_key();
    if (k == 0) con_.read_key();
    return k;
}

// ---------------------------------------------------------------------------------
// The material

void RunScreens::material_begins() {
    con_.clr();
    con_.go(3, 3);
}

void RunScreens::building_index() {
    con_.clr();
    con_.writeln("  Creating index of questions...");
    con_.writeln();
    con_.show();
}

void RunScreens::sectoring_material() {
    con_.write_at(3, 3, "Sectoring material...");
    con_.clear_eol();
    con_.show();
}

void RunScreens::index_rebuilt(const std::string& count_file) {
    con_.write_at(
        3, 4,
        "The verse index " + count_file + " did not match the question files; it was rebuilt.");
    con_.clear_eol();
    // The next step clears the screen: let the user read the note first.
    con_.write_at(3, 6, "Press Return to Continue ");
    con_.wait_enter();
}

void RunScreens::counting_interrogatives() {
    con_.go(3, 3);
    con_.write("Creating index of interrogatives...");
    con_.show();
}

// ---------------------------------------------------------------------------------
// Sectoring

void RunScreens::clear() { con_.clr(); }

void RunScreens::cannot_sector(int sectors) {
    con_.write("  A quiz of ");
    con_.write_num(sectors);
    con_.write(" questions cannot be sectored.");
    con_.writeln();
    con_.writeln();
    con_.write("  Change Questions per packet to a number from 2 to 30.");
    con_.writeln();
    con_.wait_enter();
}

void RunScreens::too_few_questions(int TQUEST) {
    con_.write("  There are only ");
    con_.write_num(TQUEST);
    con_.write(" regular questions in this material.");
    con_.writeln();
    con_.writeln();
    // The form takes 2 questions per packet at the least: below that only more
    // material helps.
    if (TQUEST >= 2) {
        con_.write("  Change Questions per packet to ");
        con_.write_num(TQUEST);
        con_.write(" or less.");
    } else {
        con_.write("  Choose a wider material: a quiz needs at least 2 questions.");
    }
    con_.writeln();
    con_.wait_enter();
}

void RunScreens::material_summary(const BankTables& bank) {
    con_.writeln("  A quiz will contain one question from each sector.");
    con_.write("  Regular Questions: ");
    con_.write_num(bank.TQUEST);
    con_.write("   FTV: ");
    con_.write_num(bank.FQUEST);
    con_.write("   CV Refs: ");
    con_.write_num(bank.RQUEST);
    con_.write("   CO Refs: ");
    con_.write_num(bank.OQUEST);
    con_.write("   SIT: ");
    con_.write_num(bank.SQUEST);
    con_.writeln();
}

void RunScreens::by_question() {
    con_.writeln();
    con_.write_at(1, 6, "  The material will be sectored by individual questions.");
    con_.keys(GO_ON_KEYS);  // and on the table that follows, unless its caller says more
    con_.wait_enter();
    con_.go(1, 6);
    con_.clear_eol();
    con_.go(1, 5);
}

void RunScreens::table(const Season& season, const SectorTables& t) {
    draw_sector_table(con_, season, t);
}

void RunScreens::wait_on_table() {
    con_.keys(TABLE_KEYS);
    con_.wait_for_key();
}

bool RunScreens::accept_table() {
    con_.keys(TABLE_KEYS);
    int k;
    do k = take_key();
    while (k == 191);
    return k != key::ESC;
}

void RunScreens::too_many_chapters(int chapters) {
    con_.write("  Sectoring by chapter takes at most 30 chapters; this material has ");
    con_.write_num(chapters);
    con_.write(".");
    con_.writeln();
    con_.writeln();
    con_.write("  Sector it by verse or by question instead.");
    con_.writeln();
    con_.wait_enter();
}

void RunScreens::sectors_raised(int chapters) {
    con_.write("  We must reset the questions per packet to sector ");
    con_.write_num(chapters);
    con_.write(" chapters.");
    con_.wait_enter();
    con_.clr();
}

void RunScreens::allocate_chapters(const Style& style, const Season& season, SectorTables& t) {
    tv::allocate_chapters(con_, style, season, t);
}

bool RunScreens::review_chapter_sectors(const Season& season, const SectorTables& t) {
    return tv::review_chapter_sectors(con_, season, t);
}

bool RunScreens::early_repeats(int MINQZ, bool offer) {
    con_.clr();
    con_.go(3, 3);
    con_.write("Regular question repeats will begin after quiz ");
    con_.write_num(MINQZ);
    con_.writeln();
    if (!offer) return false;
    con_.write_at(3, 4, "Do you wish to resector? ");
    con_.keys(RESECTOR_KEYS);
    const int k = take_key();
    if (k >= 32 && k < 256) con_.write(static_cast<char>(k));
    if (k == 'Y' || k == 'y') return true;
    con_.wait_enter();
    return false;
}

void RunScreens::resectored_table_read() {
    while (take_key() == key::BACKSPACE) {
    }
}

// ---------------------------------------------------------------------------------
// Patterns

void RunScreens::review(Patterns& P, const Style& s, DrawSource& rnd) {
    con_.clr();
    con_.clr();
    con_.go(1, 2);
    review_patterns(con_, P, s, rnd);
}

void RunScreens::ranges_unmet(const std::string& why) {
    con_.normal();
    con_.clr();
    con_.go(3, 3);
    con_.highlight();
    con_.write("The specialty ranges of this style cannot be met.");
    con_.normal();
    const int row = write_within(con_, 3, 5, why);
    con_.write_at(3, row + 1, "Change the style's specialty settings.  Press Return to continue.");
    con_.wait_enter();
}

// ---------------------------------------------------------------------------------
// Assembly

void RunScreens::message_row() {
    advance_rset(con_, RSET_);
    con_.go(3, RSET_);
    con_.clear_eol();
}

void RunScreens::choosing_quiz(int Q2) {
    con_.go(3, 3);
    con_.clear_eol();
    con_.writeln("Choosing Quiz " + std::to_string(Q2));
    con_.writeln();
}

void RunScreens::message(const std::string& text) {
    message_row();
    con_.write(text);
}

void RunScreens::message_line(const std::string& text) {
    message_row();
    con_.writeln(text);
}

void RunScreens::message_again(const std::string& text) {
    if (RSET_ >= 24) {
        con_.clr();
        RSET_ = 5;
    }
    con_.go(3, RSET_);
    con_.clear_eol();
    con_.write(text);
}

void RunScreens::line(const std::string& text) { con_.writeln(text); }

void RunScreens::stop(const std::string& text, bool alarm) {
    message_row();
    if (alarm) con_.highlight();
    con_.write(text);
    if (alarm) con_.normal();
    con_.wait_enter();
}

int RunScreens::approve(int Q2, int quizzes, const std::vector<std::string>& lines) {
    con_.clr();
    const std::string which = "Quiz " + std::to_string(Q2) + " of " + std::to_string(quizzes);
    const KeyHint keys[] = {
        {"", which}, {"Y", "Accept"}, {"N", "Draw again"}, {"Esc", "Stop the run"}};
    con_.keys(keys);
    con_.writeln(LIST_TITLES);
    con_.writeln();
    for (const std::string& l : lines) con_.writeln(printable(l));
    con_.writeln();
    con_.write("  Do you wish to accept this combination (y/n)? ");
    const int row = con_.screen().row();
    int k;
    do {
        con_.write_at(49, row, "  ");
        con_.go(49, row);
        k = con_.read_key();
        if (k == key::ESC) return k;
    } while (k != 'y' && k != 'Y' && k != 'n' && k != 'N');
    con_.clr();
    return k;
}

// ---------------------------------------------------------------------------------
// The driver's own screens
void draw_approval_menu(Console& con) {
    con.write_at(16, 3, AUTOMATIC);
    con.write_at(16, 4, APPROVE);
    con.highlight();
}

int approval_menu(Console& con) {
    con.clr();
    con.keys(MENU_KEYS);
    int V = 1;
    for (;;) {
        draw_approval_menu(con);
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
        con.writeln("  " + NAME4 + ".qui, " + NAME4 + ".inf and " + NAME4 +
                    ".pdf stay as they were.");
    } else {
        con.writeln("  " + std::to_string(kept) +
                    (kept == 1 ? " quiz was kept." : " quizzes were kept."));
        con.writeln("  The packet is " + NAME4 + ".qui (its PDF " + NAME4 + ".pdf), the list " +
                    NAME4 + ".inf.");
    }
    con.writeln();
    con.write("  Press Return to Continue ");
    con.wait_enter();
}

bool show_closing_screen(Console& con, const std::string& NAME4) {
    con.clr();
    con.keys(CLOSING_KEYS);
    for (const std::string& line :
         {std::string("  Thank you for using Tallyvane ") + TV_VERSION,
          "  A list of questions and sectors used has been saved as " + NAME4 + ".inf",
          "  Your output file has been saved in ASCII text file " + NAME4 + ".qui",
          "  Ready to print and to share as the PDF file " + NAME4 + ".pdf"}) {
        con.writeln(line);
        con.writeln();
    }
    con.write_at(1, 15, "  Type P and press Return to print copies");
    con.write_at(1, 13, "  Press Return to Continue ");
    std::string answer = con.read_line();
    return answer == "P" || answer == "p";
}

void warn_missing_specialty(Console& con) {
    con.go(3, 3);
    con.writeln("One specialty has zero questions.");
    con.writeln();
    con.writeln("  Change the maximum for that specialty to zero.");
    con.writeln();
    con.writeln("  Press return to continue.");
    con.read_line();
    con.read_line();
}

}  // namespace tv
