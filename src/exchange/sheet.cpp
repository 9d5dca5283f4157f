#include "exchange/sheet.h"

#include <csv.h>

#include <algorithm>
#include <array>

namespace tv {

namespace {

// The separator of the header row: the most frequent of TAB, semicolon and comma
// outside quotes (a TAB wins a tie: a TSV header may hold commas in its names).
char find_separator(std::string_view text) {
    std::array<int, 3> seen{};
    constexpr std::array<char, 3> candidates = {'\t', ';', ','};
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n' || c == '\r') break;
        for (size_t k = 0; k < candidates.size(); ++k)
            if (c == candidates[k]) ++seen[k];
    }
    const auto best = std::max_element(seen.begin(), seen.end());
    return *best == 0 ? ',' : candidates[static_cast<size_t>(best - seen.begin())];
}

// What the parser's callbacks build. Every unquoted line end is reported, so that
// empty lines count as rows, as a spreadsheet program shows them; the LF of a CR LF
// ends nothing more.
struct Collector {
    Sheet& sheet;
    SheetRow current;
    int next_row = 1;
    int last_end = 0;
    bool any_text = false;

    void cell(const char* data, size_t size) {
        current.cells.emplace_back(data ? data : "", data ? size : 0);
        if (size > 0) any_text = true;
    }
    void end(int c) {
        const bool empty = current.cells.empty();
        const bool lf_of_crlf = empty && c == '\n' && last_end == '\r';
        last_end = c;
        if (lf_of_crlf || (empty && c == -1)) return;
        current.row = next_row++;
        if (any_text) sheet.rows.push_back(std::move(current));
        current = SheetRow{};
        any_text = false;
    }
};

void on_cell(void* data, size_t size, void* collector) {
    static_cast<Collector*>(collector)->cell(static_cast<const char*>(data), size);
}
void on_end(int c, void* collector) { static_cast<Collector*>(collector)->end(c); }

// No character is trimmed from a cell: the text of a question is kept as it was typed.
int no_space(unsigned char) { return 0; }

}  // namespace

Sheet read_sheet(std::string_view text) {
    Sheet sheet;
    if (text.starts_with(UTF8_BOM)) text.remove_prefix(UTF8_BOM.size());
    sheet.separator = find_separator(text);
    csv_parser parser{};
    if (csv_init(&parser, CSV_REPALL_NL) != 0) {
        sheet.problem = "no memory for the parser";
        return sheet;
    }
    csv_set_delim(&parser, static_cast<unsigned char>(sheet.separator));
    csv_set_space_func(&parser, no_space);
    Collector collector{sheet, {}};
    if (csv_parse(&parser, text.data(), text.size(), on_cell, on_end, &collector) != text.size() ||
        csv_fini(&parser, on_cell, on_end, &collector) != 0)
        sheet.problem = csv_strerror(csv_error(&parser));
    csv_free(&parser);
    return sheet;
}

std::string sheet_line(const std::vector<std::string>& cells) {
    std::string line;
    for (size_t k = 0; k < cells.size(); ++k) {
        const std::string& c = cells[k];
        if (k > 0) line += ',';
        const bool quote = c.find_first_of(",\"\r\n;\t") != std::string::npos ||
                           (!c.empty() && (c.front() == ' ' || c.back() == ' '));
        if (!quote) {
            line += c;
            continue;
        }
        std::string quoted(2 * c.size() + 2, '\0');
        quoted.resize(csv_write(quoted.data(), quoted.size(), c.data(), c.size()));
        line += quoted;
    }
    return line + "\n";
}

}  // namespace tv
