#include "driver/bank_commands.h"

#include <ostream>

#include "bank/season.h"
#include "bank/workspace_lock.h"
#include "base/printable.h"
#include "driver/command_line.h"
#include "exchange/exchange.h"

namespace tv {

namespace {

namespace fs = std::filesystem;

// The folder of a file named on the command line, for the file layer.
Files folder_of(const std::string& file) {
    const fs::path parent = fs::path(file).parent_path();
    return Files(parent.empty() ? fs::path(".") : parent);
}

std::string joined(const std::vector<std::string>& names) {
    std::string s;
    for (const std::string& n : names) s += (s.empty() ? "" : ", ") + n;
    return s;
}

int report_problems(const std::vector<std::string>& problems, const std::string& what,
                    std::ostream& err) {
    for (const std::string& p : problems) err << printable(p) << "\n";
    err << "tallyvane: " << problems.size() << (problems.size() == 1 ? " problem" : " problems")
        << "; " << what << "\n";
    return EXIT_FAILED;
}

// Runs a bank command with the workspace locked: a file error or a folder in use is told
// on one line and ends the command with a failure.
template <class Command>
int locked(const Files& workspace, std::ostream& err, Command command) {
    try {
        WorkspaceLock lock(workspace);
        return command();
    } catch (const IoError& e) {
        err << "tallyvane: " << printable(e.what()) << "\n";
    } catch (const FolderInUse& e) {
        err << "tallyvane: " << e.what() << "\n";
    }
    return EXIT_FAILED;
}

}  // namespace

int import_command(const Files& workspace, const std::string& sheet, std::ostream& out,
                   std::ostream& err) {
    return locked(workspace, err, [&] {
        const Season season = load_season(workspace);
        const std::string name = fs::path(sheet).filename().string();
        std::string text = folder_of(sheet).read(name).release_text();
        const ImportPlan plan = plan_import(sheet, text, season);
        if (!plan.problems.empty())
            return report_problems(plan.problems, "no bank file was changed", err);
        const ImportDone done = write_bank(workspace, plan);
        out << "Imported " << plan.questions << " questions from " << sheet << " into "
            << joined(done.written) << "\n";
        if (!done.kept.empty())
            out << "Left as they were (no rows for them): " << joined(done.kept) << "\n";
        if (!done.indexes_removed.empty())
            out << "Removed the verse indexes " << joined(done.indexes_removed)
                << ": the next run builds them again\n";
        return EXIT_OK;
    });
}

int export_command(const Files& workspace, const std::string& sheet, std::ostream& out,
                   std::ostream& err) {
    return locked(workspace, err, [&] {
        const Season season = load_season(workspace);
        const Export e = export_bank(workspace, season);
        if (e.files.empty()) {
            err << "tallyvane: this workspace has no question bank files to export\n";
            return EXIT_FAILED;
        }
        if (!e.problems.empty())
            return report_problems(e.problems, sheet + " was not written", err);
        TextWriter w = folder_of(sheet).replace_safely(fs::path(sheet).filename().string());
        w.write(e.text);
        w.close();
        out << "Exported " << e.questions << " questions of " << joined(e.files) << " to " << sheet
            << "\n";
        return EXIT_OK;
    });
}

}  // namespace tv
