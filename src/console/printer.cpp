#include "console/printer.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "console/io_error.h"

namespace tv {

SystemPrinter::SystemPrinter() : use_lp_(lp_available()) {}

bool SystemPrinter::lp_available() {
    const char* path = std::getenv("PATH");
    if (!path) return false;
    std::stringstream dirs(path);
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        if (dir.empty()) continue;
        std::error_code ec;
        auto p = std::filesystem::path(dir) / "lp";
        if (std::filesystem::is_regular_file(p, ec)) return true;
    }
    return false;
}

void SystemPrinter::begin_job(const std::string& fallback_file) {
    fallback_ = fallback_file;
    job_.clear();
}

void SystemPrinter::print_line(const std::string& line) { job_ += line + "\n"; }

void SystemPrinter::end_job() {
    if (use_lp_) {
        FILE* p = popen("lp -s", "w");
        if (!p) throw IoError("start", "lp", "the printer command could not be started");
        fwrite(job_.data(), 1, job_.size(), p);
        if (pclose(p) != 0) throw IoError("print through", "lp", "the printer command failed");
    } else {
        std::ofstream out(fallback_, std::ios::app | std::ios::binary);
        out << job_;
        if (!out.flush()) throw IoError("write", fallback_, "the copy could not be written");
    }
    job_.clear();
}

}  // namespace tv
