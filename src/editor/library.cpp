#include "editor/library.h"

#include <algorithm>
#include <filesystem>

#include "bank/tables.h"
#include "base/printable.h"
#include "base/utf8.h"
#include "editor/form.h"
#include "editor/setspec.h"

namespace tv {

namespace {

constexpr int MENU_COL = 33, MENU_TOP = 5, ENTRY_WIDTH = 15;
constexpr KeyHint MENU_KEYS[] = {{"Up/Down", "Move"}, {"Return", "Choose"}, {"Shift-D", "Delete"}};

IoError workspace_error(const std::string& file) {
    return IoError("open", file,
                   "No such file or directory; a workspace needs \"Specs.lst\" (the style list) "
                   "and \"New.spe\" (the new-style template)",
                   0, "for reading");
}

// Entry k at its row, filled with blanks to 15 columns, in the current colours.
void draw_entry(Console& con, const Editor& ed, int k) {
    // The names come from the style list, a file: shown printably, within the screen.
    std::string text(utf8::prefix(printable(ed.FIL[k]), Screen::COLS - MENU_COL));
    const size_t width = utf8::length(text);
    if (width < ENTRY_WIDTH) text.append(ENTRY_WIDTH - width, ' ');
    con.write_at(MENU_COL, k + MENU_TOP, text);
}

// Steps 1-7 of the menu (docs/how-it-works.md 9.1): the heading, the list (its last
// 17 lines) and "Exit".
void draw_menu(Console& con, const Files& files, Editor& ed) {
    con.normal();
    con.clr();
    con.write_at(1, 3, "            Press Return to Choose a Quiz Style or Shift-D to Delete");
    con.write_at(1, 4, std::string(5, ' ') + std::string(69, '_'));
    ed.LIST = read_list(files);
    int n = static_cast<int>(ed.LIST.size());
    ed.FLS = n - 1;
    ed.SHOWN = std::min(n, MENU_LINES);
    for (int k = 1; k <= ed.SHOWN; ++k) ed.FIL[k] = ed.LIST[n - ed.SHOWN + k - 1];
    ed.FIL[ed.SHOWN + 1] = EXIT_NAME;
    for (int k = 1; k <= ed.SHOWN + 1; ++k) draw_entry(con, ed, k);
    con.keys(MENU_KEYS);
    ed.CUR = ed.PREV = 1;
}

enum class MenuChoice { chosen, remove };

// Step 8 of the menu (docs/how-it-works.md 9.1): moves the highlight until Return, or
// Shift-D on a style name.
MenuChoice choose_entry(Console& con, Editor& ed) {
    const int last = ed.SHOWN + 1;
    for (;;) {
        con.normal();
        draw_entry(con, ed, ed.PREV);
        con.highlight();
        draw_entry(con, ed, ed.CUR);
        con.normal();
        ed.PREV = ed.CUR;
        // Of the extended keys only the arrows count: F10 shares its scan code with
        // "D" and must not remove a style, and a typed "H" or "P" is no arrow.
        const Key k = con.read();
        if (k.is(key::UP) || k.typed('8')) {
            if (--ed.CUR < 1) ed.CUR = last;
        } else if (k.is(key::DOWN) || k.typed('2')) {
            if (++ed.CUR > last) ed.CUR = 1;
        } else if (k.typed('D') && ed.CUR < ed.SHOWN && ed.FIL[ed.CUR] != NEW_ENTRY) {
            return MenuChoice::remove;
        } else if (k.typed(key::ENTER)) {
            return MenuChoice::chosen;
        }
    }
}

// Shift-D: the highlighted line leaves the list, and only that line: a name listed
// twice keeps its other line. The style file stays.
void remove_entry(const Files& files, const Editor& ed) {
    const int offset = static_cast<int>(ed.LIST.size()) - ed.SHOWN;
    std::vector<std::string> names = ed.LIST;
    names.erase(names.begin() + (offset + ed.CUR - 1));
    write_list(files, names);
}

}  // namespace

std::vector<std::string> read_list(const Files& files) {
    // Only a list that is not there at all gets the note on what a workspace needs;
    // anything else (a folder, a pipe, no permission) is told as it is.
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(files.path(LIST_FILE), ec)))
        throw workspace_error(LIST_FILE);
    TextReader in = files.read(LIST_FILE);
    std::vector<std::string> lines;
    while (!in.eof()) {
        // Whole lines: a line too long for a style name stays as it is in the file (the
        // menu refuses it), rather than turn into a shorter name on the next rewrite.
        std::string line = in.read_line(std::string::npos);
        if (!line.empty()) lines.push_back(line);
    }
    if (lines.empty()) lines.push_back(NEW_ENTRY);
    return lines;
}

void write_list(const Files& files, const std::vector<std::string>& names) {
    TextWriter out = files.replace_safely(LIST_FILE);
    for (const auto& name : names)
        if (!name.empty() && name != NEW_ENTRY) out.writeln(name);
    out.writeln(NEW_ENTRY);
    out.close();
}

bool style_menu(Console& con, const Files& files, Editor& ed) {
    for (;;) {
        draw_menu(con, files, ed);
        if (choose_entry(con, ed) == MenuChoice::chosen) break;
        remove_entry(files, ed);
    }
    if (ed.CUR == ed.SHOWN + 1) {
        write_handoff(files, EXIT_NAME);
        return false;
    }
    return true;
}

void load_chosen_style(Console& con, const Files& files, Editor& ed) {
    if (ed.FIL[ed.CUR] == NEW_ENTRY) ed.FIL[ed.CUR] = NEW_STYLE;
    ed.SPECFILE = style_file_name(ed.FIL[ed.CUR]);
    ed.NAME1 = ed.FIL[ed.CUR];
    std::error_code ec;
    if (ed.FIL[ed.CUR] == NEW_STYLE &&
        !std::filesystem::exists(std::filesystem::symlink_status(files.path(ed.SPECFILE), ec)))
        throw workspace_error(ed.SPECFILE);
    ed.style = read_style_file(files, ed.SPECFILE, ed.season);
    con.clr();
}

bool settle_typ(Console& con, Editor& ed) {
    EditorStyle& s = ed.style;
    if (s.SETSPC == 'Y') return set_specialty_types(con, s);
    s.TYP.assign(MAX_POSITIONS, 'n');
    for (int p = std::max(s.SPEARLY, 1); p <= std::min(s.SPLATE, MAX_POSITIONS); ++p)
        s.TYP[p - 1] = 'A';
    return true;
}

bool save_style(Console& con, const Files& files, Editor& ed) {
    con.normal();
    // The position types are settled first, so that leaving their screen saves nothing.
    if (!settle_typ(con, ed)) return false;
    const std::string& name = ed.NAME1;
    // The style file is whole on disk before the list names it: a kill or a full disk
    // on the way leaves no listed style without its file.
    TextWriter out = files.replace_safely(style_file_name(name));
    write_style_head(out, to_absolute(ed.style));
    write_style_typ(out, ed.style.TYP);
    out.close();
    std::vector<std::string> names = read_list(files);
    if (std::find(names.begin(), names.end(), name) == names.end() && name != NEW_STYLE) {
        names.push_back(name);
        write_list(files, names);
    }
    write_handoff(files, name);
    return true;
}

void style_editor(Console& con, const Files& files, Editor& ed) {
    for (;;) {
        if (!style_menu(con, files, ed)) return;
        // A style that cannot be loaded or saved is told on the screen; the menu stays
        // usable (Shift-D can take a broken entry off the list).
        try {
            load_chosen_style(con, files, ed);
            bool accepted = edit_form(con, ed);
            // Esc on the specialty type screen goes back to the form, at its own field.
            while (accepted && !save_style(con, files, ed)) accepted = resume_form(con, ed);
            if (accepted) return;
        } catch (const IoError& e) {
            show_file_problem(con, e.what());
        }
    }
}

}  // namespace tv
