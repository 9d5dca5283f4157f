// The editor's state: the style being edited and the style menu. Owned by the
// program for its whole life and passed to the editor's screens.
#pragma once
#include <string>

#include "editor/style.h"

namespace tv {

struct Editor {
    EditorStyle style;   // the quiz style record being edited
    std::string NAME1;   // the style name on the form (at most 10 typed characters)
};

}  // namespace tv
