// The style library: the style menu over the style list "Specs.lst", loading the
// chosen style, and saving it (list, style file, position-type line, hand-off).
#pragma once
#include <string>
#include <vector>

#include "bank/textfile.h"
#include "console/console.h"
#include "editor/editor.h"

namespace tv {

constexpr const char* LIST_FILE = "Specs.lst";
constexpr const char* NEW_ENTRY = "Enter New Specs";
constexpr const char* NEW_STYLE = "New";  // the style whose file is the new-style template
constexpr int MENU_LINES = 17;            // list lines the menu can show

// The editor: the style menu, the form of the chosen style and its save. Returns once
// the hand-off file names the style to run or holds "Exit".
void style_editor(Console& con, const Files& files, Editor& ed);

// The style menu. Returns false when the user left with "Exit" (the hand-off file then
// holds "Exit"), true when entry ed.CUR was chosen. Shift-D removes a name from the list.
bool style_menu(Console& con, const Files& files, Editor& ed);

// Loads the chosen entry: "Enter New Specs" becomes the style "New", whose file is the
// new-style template. Sets NAME1 and SPECFILE and reads the style into ed.style.
void load_chosen_style(Console& con, const Files& files, Editor& ed);

// Saves the style named NAME1: settles the position-type line, adds a new name to the
// list, writes the style file and the hand-off file. Returns false, having written
// nothing, when the user left the specialty type screen with Esc.
bool save_style(Console& con, const Files& files, Editor& ed);

// Settles TYP before it is written: with SETSPC "Y" the specialty type screen sets
// the position types by hand; otherwise "n" everywhere and "A" from SPEARLY to SPLATE.
// False when the user left the specialty type screen with Esc.
bool settle_typ(Console& con, Editor& ed);

// Every line of the style list, whole, blank lines left out. An empty list reads as
// the single line "Enter New Specs". A missing list is an IoError saying what a
// workspace needs.
std::vector<std::string> read_list(const Files& files);

// Rewrites the style list: the names in order, each once, blank lines and "Enter New
// Specs" left out, and "Enter New Specs" as the last line.
void write_list(const Files& files, const std::vector<std::string>& names);

}  // namespace tv
