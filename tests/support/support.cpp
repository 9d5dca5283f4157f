#include "support.h"

#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>

namespace tv::test {

TempDir::TempDir() {
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        path_ = base / ("tv-test-" + std::to_string(getpid()) + "-" + std::to_string(rd()));
        if (std::filesystem::create_directory(path_)) break;
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void TempDir::write(const std::string& name, const std::string& content) const {
    std::ofstream(path_ / name, std::ios::binary) << content;
}

std::string TempDir::read(const std::string& name) const { return slurp(path_ / name); }

bool TempDir::exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

std::string slurp(const std::filesystem::path& p) {
    std::ostringstream s;
    s << std::ifstream(p, std::ios::binary).rdbuf();
    return s.str();
}

std::filesystem::path source_dir() { return TV_SOURCE_DIR; }

void copy_from_source(const std::string& relative_dir, const std::filesystem::path& to) {
    for (auto& e : std::filesystem::directory_iterator(source_dir() / relative_dir))
        if (e.is_regular_file())
            std::filesystem::copy_file(e.path(), to / e.path().filename(), std::filesystem::copy_options::overwrite_existing);
}

void Faults::step(const char* name) {
    if (kill_at == name) ::_exit(KILLED);
}

std::vector<std::string> leftovers(const std::filesystem::path& dir) {
    std::vector<std::string> found;
    for (auto& e : std::filesystem::directory_iterator(dir)) {
        const std::string name = e.path().filename().string();
        if (name.ends_with(SIDE_SUFFIX) || name == COMMIT_RECORD) found.push_back(name);
    }
    return found;
}

std::vector<int> keys(const std::string& text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    return std::vector<int>(bytes, bytes + text.size());
}

std::string dump(const Screen& s) {
    std::string out;
    for (int r = 1; r <= Screen::ROWS; ++r) out += s.line(r) + "\n";
    return out;
}

}  // namespace tv::test
