// The question bank of a run: the names of its files, and the verse index loaded
// (built first when needed) with the totals of the run's material.
#pragma once
#include <string>

#include "bank/tables.h"
#include "bank/textfile.h"
#include "console/console.h"
#include "editor/style.h"

namespace tv {

// The five file names of the bank, from LG, REGLST and PRIMPCT.
BankNames bank_names(const Style& s);

// Builds the verse index when the style asks for it or its file cannot be found (the
// search runs through the current folder and then the folders of `path_list`), loads
// it into the per-verse tables and counts the material and the questions before it.
void index_material(Console& con, const Files& files, const Style& s, const BankNames& names,
                    BankTables& bank, const std::string& path_list);

}  // namespace tv
