// The quiz style record, its file (the style name plus ".spe", 29 lines) and the
// hand-off file "temp2.txt" through which the editor names the style to run.
#pragma once
#include <string>
#include <vector>

#include "bank/season.h"
#include "bank/textfile.h"

namespace tv {

// The 29 settings of a style, in file order. Chapters are numbered across the books
// of the material (Romans 1-16, then James 1-5 as 17-21). Letters are stored upper-case.
struct Style {
    char LG = 'F';
    int BCHAP = 1, BVER = 1;
    int ECHAP = 1, EVER = 1;
    std::string NAME4;
    int LPP = 60;
    char OUT = 'P';
    int QMAX = 20;
    char REGLST = 'A';
    int AB = 16, IPC = 50;
    char INDX = 'Y';
    int QNUM = 10;
    char SEC1 = 'V';
    int REPEATPCT = 0;
    int SPMAX = 0, SPMIN = 0, FMAX = 0, FMIN = 0, RMAX = 0, RMIN = 0, OMAX = 0, OMIN = 0,
        SMAX = 0, SMIN = 0;
    int PRIMPCT = 100;
    int SPEARLY = 1, SPLATE = 30;
    char SETSPC = 'N';
    std::string TYP = std::string(30, 'n');
};

// The editor's form of the record: chapters within their book, with the book text
// (a blank and the book's letter, " R") and the offset to the absolute chapter
// (the chapters of the books before it).
struct EditorStyle : Style {
    std::string BBK = " R", EBK = " R";
    int ADDB = 0, ADDE = 0;
};

// Absolute chapters into book + chapter within the book, and back.
EditorStyle to_editor(const Style& s, const Season& season);
Style to_absolute(const EditorStyle& e);

// Reads the 29 lines of a style file; chapters stay absolute.
Style read_style(TextReader& in);
// Reads the named style file into the editor's form.
EditorStyle READIN(const Files& files, const std::string& file_name, const Season& season);
// Writes lines 1-28 (chapters already absolute) and line 29.
void write_style_head(TextWriter& out, const Style& s);
void write_style_typ(TextWriter& out, const std::string& typ);

// The first setting of a style that lies outside the values the form allows, told
// with the form's label (e.g. "Lines/Pg is 7; it must be 18 to 500"); "" when every
// setting is in range. A hand-edited file can hold anything; the run refuses such a
// style rather than index a table outside its bounds.
std::string setting_out_of_range(const Style& s, const Season& season);

// A setting outside the form's values: what is wrong, and the setting (a number, a
// letter, or the output name), so that the form can put the cursor on its field.
struct SettingProblem {
    std::string text;
    int Style::*number = nullptr;
    char Style::*letter = nullptr;
    bool output_name = false;
};
// Every setting outside the form's values, in file order; empty when all are in range.
std::vector<SettingProblem> settings_out_of_range(const Style& s, const Season& season);

// A style name is also the name of its file, so it is held to what the form lets the
// user type: letters and digits, here up to the 16 characters of a style list line.
// The editor and the run both find a style's file through style_file_name.
constexpr size_t MAX_STYLE_NAME = 16;
bool is_style_name(const std::string& name);
// The style file of a style name: the name plus ".spe". A name that breaks the rule
// above (a path, a blank, a control byte) is an IoError: no file is opened for it.
std::string style_file_name(const std::string& name);

constexpr const char* HANDOFF_FILE = "temp2.txt";
constexpr const char* EXIT_NAME = "Exit";
void write_handoff(const Files& files, const std::string& name);
// The first line of the hand-off file, at most MAX_STYLE_NAME characters.
std::string read_handoff(const Files& files);

}  // namespace tv
