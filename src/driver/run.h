// The driver's state. One Run lives for the whole program: the settings and tables
// are set again by the steps of every run, while the specialty repeat points of a
// style without that specialty keep their values from run to run.
#pragma once
#include <string>

#include "assembly/assembly_tables.h"
#include "assembly/quiz_tables.h"
#include "bank/tables.h"
#include "editor/editor.h"
#include "style/style.h"
#include "output/packet.h"
#include "patterns/patterns.h"
#include "pdf/pdf.h"
#include "sectors/sector_tables.h"
#include "sectors/sectoring.h"

namespace tv {

constexpr int MAX_QUIZZES = 100;

struct Run {
    Season season = default_season();  // the workspace's material, read once at start
    Style settings;                    // the run settings, read from the style file every run
    Editor editor;                     // the editor's state (the run itself reads only `settings`)
    Patterns patterns;                 // the pattern generator's working data
    BankNames names;                   // the bank's files: F3 F4 F5 F6 and the count file
    BankTables bank;                   // per-verse counts, totals of the material
    SectorTables sectors;              // the sectors of the run
    RepeatPoints points;               // specialty repeat points (kept from run to run when unused)
    AssemblyTables at;                 // availability marks and the per-quiz tables
    QuizTables quiz;                   // the quiz being assembled
    PacketState packet;                // the packet writer's working fields

    std::string NAME;  // style name from the hand-off file; "Exit" ends the program
    int V = 0;         // approval mode: 1 quiz by quiz, 2 automatic
    int RSET = 4;      // row of the last progress message
    int C1 = 0;        // printed copies asked for

    // The run's own files: packet, message log, question and sector list.
    std::string packet_file, log_file, list_file, pdf_file;
    pdf::Paper paper = pdf::Paper::letter;  // the paper of the packet's PDF
    bool with_pdf = true;  // false: the packet and list alone (the benchmark's whole runs)
};

}  // namespace tv
