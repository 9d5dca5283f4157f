#include "driver/command_line.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <ostream>
#include <sstream>
#include <system_error>

#include "base/io_error.h"
#include "driver/bank_commands.h"

namespace tv {

namespace fs = std::filesystem;

namespace {

constexpr const char* LIST_FILE = "Specs.lst";

// The regular files of a folder, by name, leaving out its README.
std::vector<fs::path> files_of(const fs::path& dir) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(dir, ec))
        if (e.is_regular_file(ec) && e.path().filename() != "README.md") found.push_back(e.path());
    if (ec) throw IoError("read the folder", dir.string(), ec.message());
    std::sort(found.begin(), found.end());
    return found;
}

// Copies `from` to the new file `to`, created exclusively: never over a file that
// appeared meanwhile, never through a link.
void copy_to_new(const fs::path& from, const fs::path& to) {
    std::ifstream in(from, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in && !in.eof()) throw IoError("read", from.string(), "the file could not be read");
    const std::string bytes = text.str();
    const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) throw IoError("create", to.string(), std::strerror(errno));
    int err = 0;
    for (size_t done = 0; err == 0 && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0)
            done += static_cast<size_t>(n);
        else if (n == 0 || errno != EINTR)
            err = n == 0 ? EIO : errno;
    }
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0) return;
    ::unlink(to.c_str());  // a half copy would be kept by the next --init
    throw IoError("write", to.string(), std::strerror(err));
}

std::string joined(const std::vector<std::string>& names) {
    std::string s;
    for (const std::string& n : names) s += (s.empty() ? "" : ", ") + n;
    return s;
}

}  // namespace

Options parse_options(const std::vector<std::string>& args) {
    Options o;
    auto wrong = [&o](const std::string& why) {
        o.action = Options::Action::Wrong;
        o.error = why;
        return o;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") {
            o.action = Options::Action::Help;
            return o;
        }
        if (a == "--version") {
            o.action = Options::Action::Version;
            return o;
        }
        if (a == "--demo" || a.rfind("--demo=", 0) == 0) {
            o.demo = true;
            o.demo_name = a.size() > 7 ? a.substr(7) : "";
            if (a.size() > 7 &&
                (o.demo_name == "bank" || o.demo_name.find_first_of("/.") != std::string::npos ||
                 o.demo_name.empty()))
                return wrong("--demo=NAME names a demo folder, such as hebrews-peter");
        } else if (a == "--init" || a.rfind("--init=", 0) == 0) {
            if (o.action == Options::Action::Init) return wrong("--init is given twice");
            o.action = Options::Action::Init;
            if (a != "--init")
                o.dir = a.substr(7);
            else if (i + 1 < args.size())
                o.dir = args[++i];
            if (o.dir.empty()) return wrong("--init needs the folder to make");
        } else if (a == "--import" || a == "--export" || a.rfind("--import=", 0) == 0 ||
                   a.rfind("--export=", 0) == 0) {
            const std::string option = a.substr(0, 8);
            if (o.action != Options::Action::Run) return wrong(option + " goes alone");
            o.action = option == "--import" ? Options::Action::Import : Options::Action::Export;
            if (a.size() > 8)
                o.sheet = a.substr(9);
            else if (i + 1 < args.size())
                o.sheet = args[++i];
            if (o.sheet.empty()) return wrong(option + " needs the spreadsheet file (CSV)");
        } else {
            return wrong((a.rfind("-", 0) == 0 ? "unknown option " : "unexpected argument ") + a);
        }
    }
    if (o.demo && o.action != Options::Action::Init) return wrong("--demo goes with --init DIR");
    return o;
}

std::string usage_text() {
    return "Usage: tallyvane                   run in this folder, a workspace\n"
           "       tallyvane --init DIR [--demo | --demo=hebrews-peter]\n"
           "                                   make the workspace DIR (with --demo, add\n"
           "                                   the demo question bank; --demo=NAME makes\n"
           "                                   the demo workspace of another season)\n"
           "       tallyvane --import FILE     replace the question bank of this workspace\n"
           "                                   by the rows of a spreadsheet (CSV or TSV)\n"
           "       tallyvane --export FILE     write the whole question bank as one CSV\n"
           "       tallyvane --help | --version\n";
}

std::vector<fs::path> share_candidates(const fs::path& exe_dir, const std::string& bin_to_share,
                                       const std::string& installed_share,
                                       const std::string& source_tree) {
    std::vector<fs::path> c;
    if (!exe_dir.empty()) {
        fs::path beside = (exe_dir / bin_to_share).lexically_normal();
        c.push_back(beside.has_filename() ? beside : beside.parent_path());  // no trailing "/"
    }
    c.push_back(source_tree);
    c.push_back(installed_share);
    return c;
}

fs::path find_share_dir(const std::vector<fs::path>& candidates) {
    std::error_code ec;
    for (const fs::path& dir : candidates)
        if (!dir.empty() && fs::is_regular_file(dir / "data" / LIST_FILE, ec)) return dir;
    return {};
}

InitReport init_workspace(const fs::path& dir, const fs::path& share, bool demo,
                          const std::string& demo_name) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir, ec))
        throw IoError("make the folder", dir.string(),
                      ec ? ec.message() : "a file of that name is there");
    std::error_code missing;
    if (demo && !demo_name.empty() && !fs::is_directory(share / "examples" / demo_name, missing))
        throw IoError("find the demo", demo_name,
                      "there is no such folder in " + (share / "examples").string());
    std::vector<fs::path> sources = demo && !demo_name.empty()
                                        ? files_of(share / "examples" / demo_name)
                                        : files_of(share / "data");
    if (demo && demo_name.empty()) {
        const std::vector<fs::path> bank = files_of(share / "examples" / "bank");
        sources.insert(sources.end(), bank.begin(), bank.end());
    }
    InitReport report;
    for (const fs::path& from : sources) {
        const std::string name = from.filename().string();
        const fs::path to = dir / name;
        // A file of the user's (or a broken link of that name) is left alone.
        if (fs::symlink_status(to, ec).type() != fs::file_type::not_found) {
            report.kept.push_back(name);
            continue;
        }
        copy_to_new(from, to);
        report.copied.push_back(name);
    }
    return report;
}

int run_command(const Options& options, const std::vector<fs::path>& share, std::ostream& out,
                std::ostream& err) {
    switch (options.action) {
    case Options::Action::Help:
        out << "tallyvane " << TV_VERSION << ": prepares packets of quizzes on Romans and James.\n"
            << usage_text() << "See tallyvane(1) for the keys of each screen and the files.\n";
        return EXIT_OK;
    case Options::Action::Version: out << "tallyvane " << TV_VERSION << "\n"; return EXIT_OK;
    case Options::Action::Wrong:
        err << "tallyvane: " << options.error << "\n" << usage_text();
        return EXIT_USAGE;
    case Options::Action::Run: return EXIT_OK;
    case Options::Action::Import:
    case Options::Action::Export:
        if (const std::string problem = workspace_problem("."); !problem.empty()) {
            err << "tallyvane: " << problem;
            return EXIT_FAILED;
        }
        return options.action == Options::Action::Import
                   ? import_command(Files("."), options.sheet, out, err)
                   : export_command(Files("."), options.sheet, out, err);
    case Options::Action::Init: break;
    }
    const fs::path from = find_share_dir(share);
    if (from.empty()) {
        err << "tallyvane: cannot find the files of a new workspace (data/" << LIST_FILE
            << "); looked in:\n";
        for (const fs::path& p : share) err << "  " << p.string() << "\n";
        return EXIT_FAILED;
    }
    try {
        const InitReport r = init_workspace(options.dir, from, options.demo, options.demo_name);
        out << "Workspace " << options.dir << ": " << r.copied.size() << " files copied from "
            << from.string() << "\n";
        if (!r.kept.empty()) out << "Kept as they were: " << joined(r.kept) << "\n";
        out << "Start it with: cd " << options.dir << " && tallyvane\n";
        return EXIT_OK;
    } catch (const IoError& e) {
        err << "tallyvane: " << e.what() << "\n";
        return EXIT_FAILED;
    }
}

std::string workspace_problem(const fs::path& dir) {
    std::error_code ec;
    if (fs::is_regular_file(dir / LIST_FILE, ec)) return "";
    return "this folder is not a workspace: it has no \"" + std::string(LIST_FILE) +
           "\" (the style list).\n"
           "Make one with: tallyvane --init DIR   (add --demo for a demo question bank),\n"
           "then start tallyvane in DIR.\n";
}

}  // namespace tv
