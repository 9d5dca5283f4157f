// The workspace commands that move the question bank to and from a spreadsheet. Each
// takes the workspace's lock, prints what it did to `out` and every problem to `err`,
// and returns the exit status.
#pragma once
#include <iosfwd>
#include <string>

#include "bank/textfile.h"

namespace tv {

// --import FILE: the bank files from the rows of a CSV or TSV file; with any problem,
// every one is named and no file is changed.
int import_command(const Files& workspace, const std::string& sheet, std::ostream& out,
                   std::ostream& err);
// --export FILE: the whole bank as one CSV file.
int export_command(const Files& workspace, const std::string& sheet, std::ostream& out,
                   std::ostream& err);

// --pdf FILE: the PDF of a packet written earlier, beside it as FILE with ".pdf" for
// its extension; the layout is the one the text shows, the paper the workspace's.
int pdf_command(const Files& workspace, const std::string& packet, std::ostream& out,
                std::ostream& err);

}  // namespace tv
