// tallyvane --pdf FILE.qui: the PDF of a packet made earlier.
#include <filesystem>
#include <ostream>

#include "bank/season.h"
#include "base/printable.h"
#include "driver/bank_commands.h"
#include "driver/command_line.h"
#include "pdf/pdf.h"

namespace tv {

int pdf_command(const Files& workspace, const std::string& packet, std::ostream& out,
                std::ostream& err) {
    const std::filesystem::path path(packet);
    const Files folder(path.has_parent_path() ? workspace.path(path.parent_path().string())
                                              : workspace.dir());
    const std::string name = path.filename().string();
    const std::string pdf_name = path.stem().string() + ".pdf";
    if (path.extension() == ".pdf") {
        err << "tallyvane: \"" << printable(packet)
            << "\" is a PDF already; name the packet (.qui)\n";
        return EXIT_FAILED;
    }
    try {
        const std::string text = std::move(folder.read(name)).release_text();
        const char layout = pdf::layout_of_text(text);
        pdf::Settings settings;
        settings.paper = pdf::read_paper(workspace);
        // In a workspace the title names its season too.
        const std::string season =
            workspace_problem(workspace.dir()).empty() ? load_season(workspace).name : "";
        settings.title = pdf::title_of_text(text, layout, season);
        const std::string bytes = pdf::packet_pdf(text, layout, settings, pdf_name);
        TextWriter pdf = folder.replace_safely(pdf_name);
        pdf.write(bytes);
        pdf.close();
        out << "The PDF of " << printable(packet) << " is "
            << printable((path.parent_path() / pdf_name).string()) << "\n";
        return EXIT_OK;
    } catch (const IoError& e) {
        err << "tallyvane: " << e.what() << "\n";
        return EXIT_FAILED;
    }
}

}  // namespace tv
