// The editor's state: the style being edited and the style menu. Owned by the
// program for its whole life and passed to the editor's screens.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "style/style.h"

namespace tv {

struct Editor {
    Season season = default_season();  // the workspace's material, read once at start
    EditorStyle style;                 // the quiz style record being edited
    std::string NAME1;                 // the style name on the form (at most 10 typed characters)

    // The style menu. FIL[1..SHOWN] are the lines of "Specs.lst" on the menu (its last
    // 17 at most, the last one "Enter New Specs") and FIL[SHOWN + 1] is "Exit".
    std::array<std::string, 19> FIL;
    int SHOWN = 0;          // list lines on the menu (1-17)
    int FLS = 0;            // style names in the list file (its lines less "Enter New Specs")
    int CUR = 1, PREV = 1;  // highlighted entry and the one highlighted before
    std::vector<std::string> LIST;  // every line of "Specs.lst", also those not shown
    std::string SPECFILE;           // style file of the chosen entry: the entry plus ".spe"
};

}  // namespace tv
