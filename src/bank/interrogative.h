// The interrogative index: which regular questions of the material are put as a
// direct question ("Who ...", "Is ...", "When did ..."), judged by their opening
// words. Quiz assembly steers each quiz's share of such questions with it.
#pragma once
#include <array>
#include <string_view>
#include <vector>

#include "bank/question_file.h"
#include "bank/tables.h"

namespace tv {

// INT[s][p]: regular question p (from 1) of sector s is interrogative. Every
// question of a sector has its mark, however many the sector holds; index 0 unused.
using InterrogativeMarks = std::array<std::vector<bool>, MAX_SECTORS + 1>;

// Whether a question line (question text from column 7) opens like a direct question.
bool is_interrogative(std::string_view line);

// Reads the regular questions of the material, sector by sector (TQPS[s] lines
// each, after the BEFORE lines in front of the material), and marks each one.
InterrogativeMarks mark_interrogatives(const QuestionFile& F3, int BEFORE, int SECTORS,
                                       const std::array<int, MAX_SECTORS + 1>& TQPS);

}  // namespace tv
