#include "editor/library.h"

#include <algorithm>

#include "bank/tables.h"
#include "editor/form.h"
#include "editor/setspec.h"

namespace tv {

namespace {

constexpr int MENU_COL = 33, MENU_TOP = 5, ENTRY_WIDTH = 15;

IoError workspace_error(const std::string& file) {
    return IoError("open", file,
                   "No such file or directory; a workspace needs \"Specs.lst\" (the style list) "
                   "and \"New.spe\" (the new-style template)",
                   0, "for reading");
}

// Entry k at its row, filled with blanks to 15 columns, in the current colours.
void draw_entry(Console& con, const Editor& ed, int k) {
    std::string text = ed.FIL[k];
    if (text.size() < ENTRY_WIDTH) text.resize(ENTRY_WIDTH, ' ');
    con.write_at(MENU_COL, k + MENU_TOP, text);
}

// Steps 1-7 of the menu: the heading, the list (its last 17 lines) and "Exit".
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
    ed.CUR = ed.PREV = 1;
}

enum class MenuChoice { chosen, remove };

// Step 8: moves the highlight until Return, or Shift-D on a style name.
MenuChoice choose_entry(Console& con, Editor& ed) {
    const int last = ed.SHOWN + 1;
    for (;;) {
        con.normal();
        draw_entry(con, ed, ed.PREV);
        con.highlight();
        draw_entry(con, ed, ed.CUR);
        con.normal();
        ed.PREV = ed.CUR;
        int k = con.read_key();
        // Of an extended key only the arrows count: F10 shares its scan code with
        // "D" and must not remove a style.
        bool extended = k == 0;
        if (extended) k = con.read_key();
        if (k == 'H' || (!extended && k == '8')) {
            if (--ed.CUR < 1) ed.CUR = last;
        } else if (k == 'P' || (!extended && k == '2')) {
            if (++ed.CUR > last) ed.CUR = 1;
        } else if (!extended && k == 'D' && ed.CUR < ed.SHOWN && ed.FIL[ed.CUR] != NEW_ENTRY) {
            return MenuChoice::remove;
        } else if (!extended && k == key::ENTER) {
            return MenuChoice::chosen;
        }
    }
}

// Shift-D: the name leaves the list (every line of it); its style file stays.
void remove_entry(const Files& files, const Editor& ed) {
    const int offset = static_cast<int>(ed.LIST.size()) - ed.SHOWN;
    const std::string name = ed.LIST[offset + ed.CUR - 1];
    std::vector<std::string> names;
    for (const auto& line : ed.LIST)
        if (line != name) names.push_back(line);
    write_list(files, names);
}

}  // namespace

std::vector<std::string> read_list(const Files& files, size_t width) {
    if (!files.exists(LIST_FILE)) throw workspace_error(LIST_FILE);
    TextReader in = files.read(LIST_FILE);
    std::vector<std::string> lines;
    while (!in.eof()) {
        std::string line = in.read_line(width);
        if (!line.empty()) lines.push_back(line);
    }
    if (lines.empty()) lines.push_back(NEW_ENTRY);
    return lines;
}

void write_list(const Files& files, const std::vector<std::string>& names) {
    TextWriter out = files.replace_safely(LIST_FILE);
    std::vector<std::string> written;
    for (const auto& name : names) {
        if (name.empty() || name == NEW_ENTRY) continue;
        if (std::find(written.begin(), written.end(), name) != written.end()) continue;
        out.writeln(name);
        written.push_back(name);
    }
    out.writeln(NEW_ENTRY);
    out.close();
}

bool TOPMENU(Console& con, const Files& files, Editor& ed) {
    for (;;) {
        draw_menu(con, files, ed);
        if (choose_entry(con, ed) == MenuChoice::chosen) break;
        remove_entry(files, ed);
    }
    con.text_background(BLUE);
    if (ed.CUR == ed.SHOWN + 1) {
        write_handoff(files, EXIT_NAME);
        return false;
    }
    return true;
}

void CHECKNEW(Console& con, const Files& files, Editor& ed) {
    if (ed.FIL[ed.CUR] == NEW_ENTRY) ed.FIL[ed.CUR] = NEW_STYLE;
    ed.NAME1 = ed.FIL[ed.CUR].substr(0, 14);
    ed.SPECFILE = style_file_name(ed.FIL[ed.CUR]);
    if (ed.FIL[ed.CUR] == NEW_STYLE && !files.exists(ed.SPECFILE))
        throw workspace_error(ed.SPECFILE);
    ed.style = READIN(files, ed.SPECFILE, ed.season);
    con.clr();
}

void settle_typ(Console& con, Editor& ed) {
    EditorStyle& s = ed.style;
    if (s.SETSPC == 'Y') {
        SETSPEC(con, s);
        return;
    }
    s.TYP.assign(MAX_POSITIONS, 'n');
    for (int p = std::max(s.SPEARLY, 1); p <= std::min(s.SPLATE, MAX_POSITIONS); ++p)
        s.TYP[p - 1] = 'A';
}

void OUTFILE(Console& con, const Files& files, Editor& ed) {
    const std::string& name = ed.NAME1;
    std::vector<std::string> listed = read_list(files, 14);
    if (std::find(listed.begin(), listed.end(), name) == listed.end() && name != NEW_STYLE) {
        std::vector<std::string> names = read_list(files);
        names.push_back(name);
        write_list(files, names);
    }
    TextWriter out = files.replace_safely(style_file_name(name));
    write_style_head(out, to_absolute(ed.style));
    con.normal();
    settle_typ(con, ed);
    write_style_typ(out, ed.style.TYP);
    out.close();
    write_handoff(files, name);
}

void SPECS2(Console& con, const Files& files, Editor& ed) {
    for (;;) {
        if (!TOPMENU(con, files, ed)) return;
        CHECKNEW(con, files, ed);
        if (edit_form(con, ed)) {
            OUTFILE(con, files, ed);
            return;
        }
    }
}

}  // namespace tv
