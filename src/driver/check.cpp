#include "driver/check.h"

#include <set>

#include "bank/bank.h"
#include "editor/library.h"
#include "style/settings.h"
#include "style/style.h"

namespace tv {

namespace {

std::string where(const std::string& file, int line) {
    return file + (line > 0 ? ":" + std::to_string(line) : "") + ": ";
}

// A problem a reader told as an IoError. Lines checked one by one carry their reason
// alone; a file that could not be read at all keeps the whole account.
std::string told(const IoError& e) {
    const bool of_a_line = e.line > 0 || e.operation == "index";
    return where(e.file, e.line) + printable(of_a_line ? e.reason : e.what());
}

// The line of the style file that holds the setting a problem is told at.
int line_of(const SettingProblem& p) {
    for (const SettingRow& row : setting_rows())
        if ((p.number && row.number == p.number) || (p.letter && row.letter == p.letter) ||
            (p.text_setting && row.text == p.text_setting))
            return row.line;
    return 0;
}

struct Check {
    const Files& files;
    std::vector<std::string> found;
    std::set<std::string> banks_read;

    void add(const IoError& e) { found.push_back(told(e)); }

    // The material; false when it names no book, so that nothing can be checked
    // against it.
    bool material(Season& season) {
        if (!files.exists(MATERIAL_FILE)) {
            season = default_season();
            return true;
        }
        std::vector<IoError> problems;
        try {
            TextReader in = files.read(MATERIAL_FILE);
            season = read_season(in, &problems);
        } catch (const IoError& e) {
            problems.push_back(e);
            season = Season{};
        }
        for (const IoError& e : problems) add(e);
        return !season.books.empty();
    }

    // The names of the style list with their lines, blank lines and the entry of a new
    // style left out.
    std::vector<std::pair<std::string, int>> listed() {
        std::vector<std::pair<std::string, int>> names;
        try {
            (void)read_list(files);  // a missing list is told as a run tells it
            TextReader in = files.read(LIST_FILE);
            while (!in.eof()) {
                const int line = in.line_no();
                const std::string name = in.read_line(std::string::npos);
                if (!name.empty() && name != NEW_ENTRY) names.emplace_back(name, line);
            }
        } catch (const IoError& e) {
            add(e);
        }
        return names;
    }

    void style(const std::string& name, int list_line, const Season& season) {
        if (!is_style_name(name)) {
            found.push_back(where(LIST_FILE, list_line) + "\"" + printable(name) +
                            "\" is not a style name: letters and digits, at most " +
                            std::to_string(MAX_STYLE_NAME));
            return;
        }
        const std::string file = style_file_name(name);
        if (!files.exists(file)) {
            found.push_back(where(LIST_FILE, list_line) + "the style " + name + " has no file " +
                            file);
            return;
        }
        Style s;
        try {
            TextReader in = files.read(file);
            s = read_style(in);
        } catch (const IoError& e) {
            add(e);
            return;
        }
        for (const SettingProblem& p : settings_out_of_range(s, season))
            found.push_back(where(file, line_of(p)) + p.text);
        const BankNames names = bank_names(s);
        const std::pair<const std::string*, QuestionKind> bank[] = {
            {&names.F3, QuestionKind::Regular},
            {&names.F4, QuestionKind::Ftv},
            {&names.F5, QuestionKind::CvRef},
            {&names.F6, QuestionKind::CoRef}};
        for (const auto& [bank_file, kind] : bank) {
            if (!files.exists(*bank_file)) {
                found.push_back(where(file, 0) + "the question file " + *bank_file +
                                " is missing; the style's " + setting_choosing(s, *bank_file) +
                                " chose it");
                continue;
            }
            if (!banks_read.insert(*bank_file).second) continue;
            try {
                for (const IoError& e :
                     question_line_problems(QuestionFile::load(files, *bank_file), kind, season))
                    add(e);
            } catch (const IoError& e) {
                add(e);
            }
        }
    }
};

}  // namespace

std::vector<std::string> check_workspace(const Files& files) {
    Check check{files, {}, {}};
    Season season;
    const bool usable = check.material(season);
    for (const auto& [name, line] : check.listed())
        if (usable) check.style(name, line, season);
    return check.found;
}

}  // namespace tv
