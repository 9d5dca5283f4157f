// The packet's text cut into the pages of its PDF, one procedure per layout.
#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "base/utf8.h"
#include "pdf/pdf.h"
#include "style/layouts.h"

namespace tv::pdf {

namespace {

constexpr double INCH = 72;
constexpr int PAGE_COLUMNS = 78;  // the page layout's width
constexpr int CARD_LINES = 18;    // one card of the card layout
constexpr int CARD_COLUMNS = 46;  // the widest card line the writer makes
constexpr int TAB_COLUMNS = 100;  // the table's width, in characters
constexpr int TAB_ROWS = 66;      // lines of the table on one page
constexpr int TAB_GAP = 2;        // blanks between two columns
constexpr int NARROW = 12;        // a column this wide or less is never broken

struct PaperSize {
    double width, height;
};

PaperSize paper_size(Paper paper) {
    return paper == Paper::a4 ? PaperSize{595.28, 841.89} : PaperSize{8.5 * INCH, 11 * INCH};
}

// The lines of a text: split at LF, a CR before it dropped, no empty line after the last
// line end.
std::vector<std::string> lines_of(std::string_view text) {
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        from = end + 1;
    }
    return lines;
}

bool blank(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t'; });
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The number after `word` in a line ("Quiz Number 7"), 0 when the line has none.
int number_after(std::string_view line, std::string_view word) {
    const size_t at = line.find(word);
    if (at == std::string_view::npos) return 0;
    int n = 0;  // left at 0 by a line without digits there, or with too many
    std::from_chars(line.data() + at + word.size(), line.data() + line.size(), n);
    return n;
}

int widest(const std::vector<std::string>& lines) {
    size_t w = 0;
    for (const std::string& l : lines) w = std::max(w, utf8::length(l));
    return static_cast<int>(w);
}

std::vector<Sheet> page_sheets(std::string_view text, const Settings& settings) {
    const PaperSize paper = paper_size(settings.paper);
    std::vector<Sheet> pages;
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find('\f', from);
        if (end == std::string_view::npos) end = text.size();
        Sheet s{paper.width, paper.height, INCH / 2, 0, 0, lines_of(text.substr(from, end - from))};
        if (!s.lines.empty()) s.quiz = number_after(s.lines.front(), "Quiz Number ");
        from = end + 1;
        if (end == text.size() && std::all_of(s.lines.begin(), s.lines.end(), blank)) break;
        pages.push_back(std::move(s));
    }
    int columns = PAGE_COLUMNS, rows = settings.lines_per_page;
    for (const Sheet& s : pages) {
        columns = std::max(columns, widest(s.lines));
        rows = std::max(rows, static_cast<int>(s.lines.size()));
    }
    for (Sheet& s : pages) s.columns = columns, s.rows = rows;
    return pages;
}

std::vector<Sheet> card_sheets(std::string_view text, const Settings&) {
    const std::vector<std::string> lines = lines_of(text);
    const int columns = std::max(CARD_COLUMNS, widest(lines));
    std::vector<Sheet> cards;
    for (size_t first = 0; first < lines.size(); first += CARD_LINES) {
        const size_t last = std::min(lines.size(), first + CARD_LINES);
        Sheet s{5 * INCH,
                3 * INCH,
                0.2 * INCH,
                columns,
                CARD_LINES,
                std::vector<std::string>(lines.begin() + static_cast<long>(first),
                                         lines.begin() + static_cast<long>(last))};
        if (std::all_of(s.lines.begin(), s.lines.end(), blank)) continue;
        for (const std::string& l : s.lines)
            if (int n = number_after(l, "Quiz Number "); n > 0) s.quiz = n;
        cards.push_back(std::move(s));
    }
    return cards;
}

std::vector<std::string> cells_of(std::string_view line) {
    std::vector<std::string> cells;
    size_t from = 0;
    for (;;) {
        const size_t tab = line.find('\t', from);
        cells.emplace_back(trimmed(line.substr(from, tab - from)));
        if (tab == std::string_view::npos) return cells;
        from = tab + 1;
    }
}

// The widths of a table's columns: each as wide as its widest cell when the table fits
// TAB_COLUMNS; otherwise the narrow columns keep their width and the others share the
// rest evenly (one that needs less than its share gives the rest to the others), their
// text broken into lines.
std::vector<int> column_widths(const std::vector<std::vector<std::string>>& rows) {
    std::vector<int> natural;
    for (const auto& row : rows)
        for (size_t c = 0; c < row.size(); ++c) {
            if (natural.size() <= c) natural.push_back(0);
            natural[c] = std::max(natural[c], static_cast<int>(utf8::length(row[c])));
        }
    int room = TAB_COLUMNS - TAB_GAP * std::max(0, static_cast<int>(natural.size()) - 1);
    std::vector<size_t> wide;
    for (size_t c = 0; c < natural.size(); ++c) {
        if (natural[c] <= NARROW)
            room -= natural[c];
        else
            wide.push_back(c);
    }
    std::sort(wide.begin(), wide.end(),
              [&natural](size_t a, size_t b) { return natural[a] < natural[b]; });
    std::vector<int> widths = natural;
    for (size_t i = 0; i < wide.size(); ++i) {
        const int share = std::max(NARROW, room / static_cast<int>(wide.size() - i));
        widths[wide[i]] = std::min(natural[wide[i]], share);
        room -= widths[wide[i]];
    }
    return widths;
}

std::vector<std::string> table_lines(const std::vector<std::string>& section) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : section) rows.push_back(cells_of(line));
    const std::vector<int> widths = column_widths(rows);
    std::vector<std::string> out;
    for (const auto& row : rows) {
        std::vector<std::vector<std::string_view>> broken;
        size_t height = 0;
        for (size_t c = 0; c < row.size(); ++c) {
            broken.push_back(utf8::broken_lines(row[c], static_cast<size_t>(widths[c])));
            height = std::max(height, broken.back().size());
        }
        for (size_t i = 0; i < std::max<size_t>(height, 1); ++i) {
            std::string line;
            for (size_t c = 0; c < row.size(); ++c) {
                std::string_view part = i < broken[c].size() ? broken[c][i] : "";
                line += part;  // the last column's blanks are cut below
                line.append(static_cast<size_t>(widths[c] + TAB_GAP) - utf8::length(part), ' ');
            }
            while (!line.empty() && line.back() == ' ') line.pop_back();
            out.push_back(std::move(line));
        }
        // A row of more than one line stands apart from the next.
        if (height > 1) out.emplace_back();
    }
    return out;
}

std::vector<Sheet> tab_sheets(std::string_view text, const Settings& settings) {
    const PaperSize paper = paper_size(settings.paper);
    std::vector<std::vector<std::string>> sections(1);
    for (std::string& line : lines_of(text)) {
        if (trimmed(line) == "<pb>")
            sections.emplace_back();
        else
            sections.back().push_back(std::move(line));
    }
    std::vector<Sheet> pages;
    for (const auto& section : sections) {
        if (std::all_of(section.begin(), section.end(), blank)) continue;
        const std::vector<std::string> lines = table_lines(section);
        for (size_t first = 0; first < lines.size(); first += TAB_ROWS) {
            const size_t last = std::min(lines.size(), first + TAB_ROWS);
            Sheet s{paper.width,
                    paper.height,
                    INCH / 2,
                    TAB_COLUMNS,
                    TAB_ROWS,
                    std::vector<std::string>(lines.begin() + static_cast<long>(first),
                                             lines.begin() + static_cast<long>(last))};
            if (first == 0 && section.front().rfind("Quiz ", 0) == 0)
                s.quiz = number_after(section.front(), "Quiz ");
            pages.push_back(std::move(s));
        }
    }
    return pages;
}

// The procedures in the order of LAYOUT_NAMES.
using Cutter = std::vector<Sheet> (*)(std::string_view, const Settings&);
constexpr Cutter CUTTERS[] = {page_sheets, card_sheets, tab_sheets};
static_assert(std::size(CUTTERS) == std::size(LAYOUT_NAMES), "every layout has its pages");

}  // namespace

char layout_of_text(std::string_view text) {
    if (text.find('\f') != std::string_view::npos) return 'P';
    if (text.find('\t') != std::string_view::npos || text.find("<pb>") != std::string_view::npos)
        return 'T';
    return 'C';
}

namespace {

std::string style_of_text(std::string_view text, char layout) {
    const std::vector<std::string> lines = lines_of(text.substr(0, text.find('\f')));
    const auto first = std::find_if_not(lines.begin(), lines.end(), blank);
    if (first == lines.end()) return "";
    std::string_view line = *first;
    switch (std::toupper(static_cast<unsigned char>(layout))) {
    case 'P': {
        // The material range takes 18 columns; "Quiz Number" ends the line.
        line = line.substr(0, line.find("Quiz Number"));
        return std::string(trimmed(utf8::slice(line, 18)));
    }
    case 'T': {
        const std::vector<std::string> cells = cells_of(line);
        return cells.size() > 2 ? cells[2] : "";
    }
    default: return std::string(trimmed(line));
    }
}

}  // namespace

std::string title_of_text(std::string_view text, char layout, const std::string& season) {
    const std::string style = style_of_text(text, layout);
    return style + (style.empty() || season.empty() ? "" : " \u2014 ") + season;
}

std::vector<Sheet> sheets(std::string_view text, char layout, const Settings& settings) {
    const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(layout)));
    for (size_t i = 0; i < std::size(LAYOUT_NAMES); ++i)
        if (LAYOUT_NAMES[i].letter == up) return CUTTERS[i](text, settings);
    return {};
}

}  // namespace tv::pdf
