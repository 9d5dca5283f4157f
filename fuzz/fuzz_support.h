// Shared by the fuzz targets: a private working folder for the files a target
// writes, and the input cut into lines or parts.
#pragma once
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "bank/textfile.h"

namespace tv::fuzz {

// A folder of its own under the system's temporary folder for the whole run of a
// fuzz target, removed when the target ends normally.
class WorkDir {
public:
    WorkDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tv-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        path_ = pattern;
    }
    ~WorkDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    WorkDir(const WorkDir&) = delete;

    Files files() const { return Files(path_); }
    void write(const std::string& name, std::string_view content) const {
        std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path path_;
};

// One folder per process, made on first use.
inline const WorkDir& work_dir() {
    static const WorkDir dir;
    return dir;
}

inline std::string_view as_text(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input cut at every `sep`; always at least one part.
inline std::vector<std::string_view> split(std::string_view text, char sep) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(sep, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

// A broken property: printed, then the target stops so libFuzzer keeps the input.
[[noreturn]] inline void fail(const std::string& what) {
    std::fprintf(stderr, "property broken: %s\n", what.c_str());
    std::abort();
}

}  // namespace tv::fuzz
