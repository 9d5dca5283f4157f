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
#include <tuple>
#include <utility>

#include "bank/season.h"
#include "base/io_error.h"
#include "style/style.h"
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

std::string bytes_of(const fs::path& from) {
    std::ifstream in(from, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in && !in.eof()) throw IoError("read", from.string(), "the file could not be read");
    return text.str();
}

// Writes the new file `to`, created exclusively: never over a file that appeared
// meanwhile, never through a link.
void write_new(const std::string& bytes, const fs::path& to) {
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

void copy_to_new(const fs::path& from, const fs::path& to) { write_new(bytes_of(from), to); }

// The Material.txt of a workspace made without one: comments alone, so that the
// workspace quizzes Romans and James until the lines are written.
constexpr const char* MATERIAL_TEMPLATE =
    "# The material of this workspace's season. As long as this file holds comments\n"
    "# alone, the workspace quizzes Romans and James.\n"
    "#\n"
    "# season NAME                    the season's name on the banner (at most 23 characters)\n"
    "# book LETTER NAME COUNTS...     a book: the letter of its references, its name (it may\n"
    "#                                begin with a number, as in \"1 Peter\"), then the verses\n"
    "#                                of each of its chapters, numbers only\n"
    "# level-L CHAPTERS               the chapters level \"L\" covers (\"1-3 14\"), numbered\n"
    "#                                across the books; all of them when left out\n"
    "#\n"
    "# For example, remove the \"# \" before these lines for a season on Matthew:\n"
    "# season Matthew\n"
    "# book M Matthew 25 23 17 25 48 34 29 34 38 42 30 50 58 36 39 28 27 35 30 34 46 46 39 51 46 "
    "75 66 20\n"
    "# level-L 1-7\n";

// Puts a style's material onto the season's: a style over the whole of Romans and
// James gets the whole season; any other keeps its chapters where the first book has
// them, and otherwise as many of the first book's last chapters. It begins at verse
// 1 and ends with the last verse of its last chapter.
void move_onto(Style& s, const Season& season) {
    const Season rj = default_season();
    const int last = season.chapters();
    if (s.BCHAP == 1 && s.BVER == 1 && s.ECHAP == rj.chapters() &&
        s.EVER == rj.verses(rj.chapters())) {
        s.BCHAP = 1;
        s.ECHAP = last;
    } else {
        const int first_book = season.books[0].chapters();
        const int span = std::clamp(s.ECHAP - s.BCHAP + 1, 1, first_book);
        if (s.BCHAP < 1 || s.ECHAP > first_book) {
            s.ECHAP = first_book;
            s.BCHAP = first_book - span + 1;
        }
    }
    s.BVER = 1;
    s.EVER = season.verses(s.ECHAP);
}

// The material a workspace is made with: a file, or the Material.txt of a built-in
// season (a folder of examples/). Read before anything is made, so that a file the
// program would refuse makes no workspace.
std::pair<std::string, Season> material_of(const std::string& material, const fs::path& share) {
    std::error_code ec;
    fs::path from = material;
    if (!fs::is_regular_file(from, ec)) {
        const fs::path named = share / "examples" / material / MATERIAL_FILE;
        if (material.find('/') != std::string::npos || !fs::is_regular_file(named, ec))
            throw IoError("find the material", material,
                          "there is no such file, nor a season of that name in " +
                              (share / "examples").string());
        from = named;
    }
    std::string bytes = bytes_of(from);
    TextReader in(from.string(), bytes);
    Season season = read_season(in);
    return {std::move(bytes), std::move(season)};
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
        } else if (a == "--material" || a.rfind("--material=", 0) == 0) {
            if (a != "--material")
                o.material = a.substr(11);
            else if (i + 1 < args.size())
                o.material = args[++i];
            if (o.material.empty()) return wrong("--material needs a file or a season's name");
        } else if (a == "--check") {
            o.action = Options::Action::Check;
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
        } else if (a == "--pdf" || a.rfind("--pdf=", 0) == 0) {
            if (o.action != Options::Action::Run) return wrong("--pdf goes alone");
            o.action = Options::Action::Pdf;
            if (a.size() > 5)
                o.sheet = a.substr(6);
            else if (i + 1 < args.size())
                o.sheet = args[++i];
            if (o.sheet.empty()) return wrong("--pdf needs the packet file (NAME.qui)");
        } else {
            return wrong((a.rfind("-", 0) == 0 ? "unknown option " : "unexpected argument ") + a);
        }
    }
    if (o.demo && o.action != Options::Action::Init) return wrong("--demo goes with --init DIR");
    if (!o.material.empty() && (o.action != Options::Action::Init || o.demo))
        return wrong("--material goes with --init DIR, without --demo");
    return o;
}

std::string usage_text() {
    return "Usage: tallyvane                   run in this folder, a workspace\n"
           "       tallyvane --init DIR [--demo | --demo=hebrews-peter]\n"
           "                                   make the workspace DIR (with --demo, add\n"
           "                                   the demo question bank; --demo=NAME makes\n"
           "                                   the demo workspace of another season)\n"
           "       tallyvane --init DIR --material FILE|SEASON\n"
           "                                   make the workspace DIR of that material\n"
           "       tallyvane --check           check this workspace's files; no screen\n"
           "       tallyvane --import FILE     replace the question bank of this workspace\n"
           "                                   by the rows of a spreadsheet (CSV or TSV)\n"
           "       tallyvane --export FILE     write the whole question bank as one CSV\n"
           "       tallyvane --pdf FILE.qui    make the PDF of a packet, beside it\n"
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
                          const std::string& demo_name, const std::string& material) {
    std::error_code ec;
    std::string material_text = demo ? "" : MATERIAL_TEMPLATE;
    Season season;
    if (!material.empty()) std::tie(material_text, season) = material_of(material, share);
    // A material of other books than Romans and James moves the example styles.
    const Season rj = default_season();
    const bool moved =
        !material.empty() && !std::equal(season.books.begin(), season.books.end(), rj.books.begin(),
                                         rj.books.end(), [](const Book& a, const Book& b) {
                                             return a.name == b.name && a.verses == b.verses;
                                         });
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
        if (moved && from.extension() == ".spe") {
            // The example styles are read and written as the program does, over the
            // season's own books.
            TextReader in(from.string(), bytes_of(from));
            Style s = read_style(in);
            move_onto(s, season);
            TextWriter out = Files(dir).replace_safely(name);
            write_style_head(out, s);
            write_style_typ(out, s.TYP);
            out.close();
        } else {
            copy_to_new(from, to);
        }
        report.copied.push_back(name);
    }
    if (!material_text.empty()) {
        if (fs::symlink_status(dir / MATERIAL_FILE, ec).type() != fs::file_type::not_found) {
            report.kept.push_back(MATERIAL_FILE);
        } else {
            write_new(material_text, dir / MATERIAL_FILE);
            report.copied.push_back(MATERIAL_FILE);
        }
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
    case Options::Action::Run:
    case Options::Action::Check: return EXIT_OK;
    case Options::Action::Import:
    case Options::Action::Export:
        if (const std::string problem = workspace_problem("."); !problem.empty()) {
            err << "tallyvane: " << problem;
            return EXIT_FAILED;
        }
        return options.action == Options::Action::Import
                   ? import_command(Files("."), options.sheet, out, err)
                   : export_command(Files("."), options.sheet, out, err);
    case Options::Action::Pdf: return pdf_command(Files("."), options.sheet, out, err);
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
        const InitReport r =
            init_workspace(options.dir, from, options.demo, options.demo_name, options.material);
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
