// The check of a workspace without a screen: the material, the style list, every
// listed style and every question file a listed style would use, read with the
// readers a run uses, every problem gathered rather than the first.
#pragma once
#include <string>
#include <vector>

#include "bank/textfile.h"

namespace tv {

// Every problem found, in the order the files are read, each "file:line: what is
// wrong" ("file: what is wrong" when it is about the whole file). Empty when a run
// of any listed style would take every file.
std::vector<std::string> check_workspace(const Files& files);

}  // namespace tv
