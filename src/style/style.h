// The file of a quiz style (the style name plus ".spe", 29 lines), the range of its
// settings, the form's view of its chapters, and the hand-off file "temp2.txt"
// through which the editor names the style to run.
#pragma once
#include <string>
#include <vector>

#include "bank/season.h"
#include "bank/textfile.h"
#include "base/style_record.h"

namespace tv {

// The editor's form of the record: chapters within their book, with the book text
// (a blank and the book's letter, " R") and the offset to the absolute chapter
// (the chapters of the books before it).
struct EditorStyle : Style {
    std::string BBK = " R", EBK = " R";
    int ADDB = 0, ADDE = 0;
};

// The number of specialty questions of every quiz of a run with a fixed pattern.
int fixed_specialty_count(const Style& s);

// Absolute chapters into book + chapter within the book, and back.
EditorStyle to_editor(const Style& s, const Season& season);
Style to_absolute(const EditorStyle& e);

// Reads the 29 lines of a style file; chapters stay absolute.
Style read_style(TextReader& in);
// Reads the named style file into the editor's form.
EditorStyle read_style_file(const Files& files, const std::string& file_name, const Season& season);
// Writes lines 1-28 (chapters already absolute) and line 29.
void write_style_head(TextWriter& out, const Style& s);
void write_style_typ(TextWriter& out, const std::string& typ);

// The first setting of a style that a run cannot use, told with the form's label
// (e.g. "Number of Quizzes in this Run is 0; it must be 1 to 100"); "" when every
// setting can be used. A hand-edited file can hold anything; the run refuses such a
// style rather than index a table outside its bounds.
std::string setting_out_of_range(const Style& s, const Season& season);

// A setting a run cannot use: what is wrong, and the setting (a number, a letter or
// a text), so that the form can put the cursor on its field. A rule across settings
// (the sums of the specialty ranges) names the setting it is told at.
struct SettingProblem {
    std::string text;
    int Style::*number = nullptr;
    char Style::*letter = nullptr;
    std::string Style::*text_setting = nullptr;
    bool across = false;
};
// Every setting a run cannot use, in file order; empty when all can be used.
std::vector<SettingProblem> settings_out_of_range(const Style& s, const Season& season);

// The specialty ranges (Total, FTV Type, CV Ref, CO Ref, Situation): each Max within 0
// to its cap and each Min within 0 to its Max, in file order; then, across them, the
// four type minima above Total Min (told at Total Min) and the four type maxima below
// Total Max (told at Total Max). Empty when the ranges can be met.
std::vector<SettingProblem> specialty_range_problems(const Style& s);

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
