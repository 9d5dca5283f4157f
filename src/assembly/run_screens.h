// The driver's small screens around assembly: the approval menu and the closing screen.
#pragma once
#include <string>

#include "console/console.h"

namespace tv {

// The two lines of the approval menu in the current colours, then the highlight colours.
void APPROVESPEC(Console& con);

// The approval menu: Up/Down move the highlight (wrapping), Enter chooses, Esc
// abandons the run (RunAbandoned). Gives the approval mode V: 1 = approve each
// quiz's specialty combination, 2 = run them automatically.
int approval_menu(Console& con);

// The run stopped at quiz `stopped` (Esc at its approval prompt): says how many
// quizzes were kept and in which files (NAME4.qui and NAME4.inf; none kept: those
// of the run before stay), and waits for Return.
void show_stopped_run(Console& con, int stopped, const std::string& NAME4);

// The closing screen: names the saved files and waits for Return. True when the
// user typed P (or p) first, asking for printed copies.
bool THANK(Console& con, const std::string& NAME4);

}  // namespace tv
