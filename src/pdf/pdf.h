// The PDF of a packet: the same text laid out for print and for reading on a screen.
// The page layout gives one PDF page per packet page (pages end at form feeds), the
// card layout one 5 x 3 inch page per 18-line card, the tab layout a table with its
// columns aligned and a new page at every "<pb>". The text is real text in an
// embedded monospaced font; the document carries a title and a bookmark per quiz.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "bank/textfile.h"

namespace tv::pdf {

enum class Paper { letter, a4 };

// The workspace file that chooses the paper of page and tab layouts: a line "A4" or
// "Letter" (lines starting with '#' are comments). Without it, Letter.
constexpr const char* PAPER_FILE = "Paper.txt";
// The paper the workspace chooses; a file saying anything else is an IoError naming it.
Paper read_paper(const Files& files);

struct Settings {
    Paper paper = Paper::letter;
    // Page layout: the style's lines per page; 0 takes the longest page of the packet.
    int lines_per_page = 0;
    std::string title;  // the document's title: the style and the season
};

// One page of the PDF: its size in points, its lines, and the number of the quiz that
// starts on it (0 for none).
struct Sheet {
    double width = 0, height = 0;
    double margin = 0;
    // The grid the font is sized to fit: the columns of the widest line and the lines
    // of the longest page of the layout.
    int columns = 0, rows = 0;
    std::vector<std::string> lines;
    int quiz = 0;
};

// The layout a packet's text was written in: 'P' with form feeds, 'T' with TABs or
// "<pb>" lines, 'C' otherwise.
char layout_of_text(std::string_view text);
// The document's title: the style as the packet's first header shows it ("Practice Style
// Quizzing") and the season's name, either left out when empty.
std::string title_of_text(std::string_view text, char layout, const std::string& season);
// The pages of a packet's text in a layout (a letter of style/layouts.h, either case).
// A letter of no layout gives no pages.
std::vector<Sheet> sheets(std::string_view text, char layout, const Settings& settings);
// The PDF document of the pages; a failure of the PDF library is an IoError naming
// `file_name`.
std::string render(const std::vector<Sheet>& pages, const Settings& settings,
                   const std::string& file_name);

// sheets and render together: the PDF of a packet's text.
inline std::string packet_pdf(std::string_view text, char layout, const Settings& settings,
                              const std::string& file_name) {
    return render(sheets(text, layout, settings), settings, file_name);
}

}  // namespace tv::pdf
