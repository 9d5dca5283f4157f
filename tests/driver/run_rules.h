// The rules a user relies on in every run, whatever its seed, checked on the files
// the run wrote (the packet, the list, pat.txt) against the style and the question
// bank it was made from. The checker knows nothing of the draws: a change of the
// random sequence keeps every rule it states.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace tv::test {

struct RunReport {
    std::vector<std::string> broken;  // each rule broken, with the quiz and position
    int quizzes = 0;                  // quizzes in the list
    int early_repeats = 0;            // questions used again before a repeat began
    bool share_given_up = false;      // the interrogative share was given up
};

// Checks the run of the style file `style`.spe made in the workspace `dir`.
RunReport check_run(const std::filesystem::path& dir, const std::string& style);

}  // namespace tv::test
