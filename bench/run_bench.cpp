// Whole runs without a terminal: for the demo bank and a bank ten times its size,
// 100 quizzes of 30 questions in each layout, from the index build to the packet and
// the list. Each run is compared with its floor: reading every bank file once and
// writing as many bytes as the run wrote, flushing to the disk what the run flushes. Each case runs in a child process so that
// its peak memory is its own.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "base/random.h"
#include "console/console.h"
#include "console/printer.h"
#include "driver/cycle.h"
#include "output/packet.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// Writes `bytes` bytes to a new file, flushed to the disk when `flush`; returns them.
long write_floor(const fs::path& file, uintmax_t bytes, bool flush) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return 0;
    const std::string block(4096, 'x');
    for (uintmax_t left = bytes; left > 0;) {
        const size_t n = static_cast<size_t>(std::min<uintmax_t>(left, block.size()));
        if (::write(fd, block.data(), n) != static_cast<ssize_t>(n)) break;
        left -= n;
    }
    if (flush) (void)::fsync(fd);
    ::close(fd);
    return static_cast<long>(bytes);
}

void sync_folder(const fs::path& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

const char* BANK_FILES[] = {"RJ.A", "FTV.00", "cv.b", "co.b"};

// Answers every prompt with Enter: accept the patterns, keep the sectors, run the
// specialty combinations automatically, leave the closing screen.
class EnterFace : public tv::Face {
public:
    int wait_key(const tv::Screen&) override { return tv::key::ENTER; }
    bool key_waiting(const tv::Screen&) override { return true; }
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A question file `times` as large: each verse's lines repeated, told apart by a
// number at the end of the question, so every verse keeps its place in the order.
std::string enlarge(const std::string& text, int times) {
    std::istringstream in(text);
    std::vector<std::string> verse;
    std::string out, line, key;
    auto flush = [&] {
        for (int t = 0; t < times; ++t)
            for (const auto& l : verse) out += l + (t ? " (" + std::to_string(t) + ")" : "") + "\n";
        verse.clear();
    };
    while (std::getline(in, line)) {
        std::string k = line.substr(0, 5);
        if (k != key) flush();
        key = k;
        verse.push_back(line);
    }
    flush();
    return out;
}

// Whole material, 30 questions a quiz, 100 quizzes, sectored by question, 40 percent
// interrogatives, up to six specialty questions a quiz.
std::string style(char layout) {
    return std::string("F\n1 1\n21 20\nBench\n60\n") + layout +
           "\n30\nA\n20\n40\nY\n100\nQ\n20\n6\n2\n2\n1\n2\n0\n2\n0\n0\n0\n100\n1\n30\nN\n"
           "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA\n";
}

struct Result {
    double run_ms = 0, floor_ms = 0, flushed_ms = 0;  // the floor without and with the flushes
    long bytes = 0, peak_kb = 0;
    double specialties = 0;  // specialty questions per quiz, from the run's patterns
};

// The average number of specialty letters in the patterns of the run ("pat.txt").
double specialties_per_quiz(const fs::path& dir) {
    std::istringstream in(slurp(dir / "pat.txt"));
    std::string line;
    long letters = 0, quizzes = 0;
    while (std::getline(in, line)) {
        ++quizzes;
        for (char c : line) letters += c != 'n';
    }
    return quizzes ? static_cast<double>(letters) / quizzes : 0;
}

fs::path make_workspace(const std::string& name, int times, char layout) {
    // The process number in a fixed width, so that every run sees paths of one length.
    char pid[16];
    std::snprintf(pid, sizeof pid, "%010ld", static_cast<long>(getpid()));
    fs::path dir = fs::temp_directory_path() / ("tv-bench-" + name + "-" + layout + "-" + pid);
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const char* f : BANK_FILES) {
        std::ofstream out(dir / f, std::ios::binary);
        out << enlarge(slurp(fs::path(TV_SOURCE_DIR) / "examples/bank" / f), times);
    }
    std::ofstream(dir / "Bench.spe", std::ios::binary) << style(layout);
    std::ofstream(dir / "Specs.lst", std::ios::binary) << "Bench\nEnter New Specs\n";
    return dir;
}

double ms_since(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// One run of the style, from the hand-off on.
Result measure(const fs::path& dir, uint64_t seed = 12345) {
    tv::Files files(dir);
    EnterFace face;
    tv::Console con(face);
    tv::Random rng(seed);
    tv::FixedClock clock(1000, 1);
    tv::MemoryPrinter printer;
    tv::Run run;
    // The PDF has rows of its own (packet_bench): these stay comparable with the runs
    // timed before there was one.
    run.with_pdf = false;
    tv::write_handoff(files, "Bench");
    auto t0 = Clock::now();
    tv::run_style(run, con, files, rng, clock, printer);
    Result r;
    r.run_ms = ms_since(t0);
    for (const char* f : {"Bench.qui", "Bench.inf", "count.00A", "temp.txt", "pat.txt"})
        if (fs::exists(dir / f)) r.bytes += static_cast<long>(fs::file_size(dir / f));
    r.specialties = specialties_per_quiz(dir);

    // The floor: read the bank once, write as many bytes. The files a run keeps (packet,
    // list, verse index) must reach the disk whole, so a second floor also flushes as
    // many files of their sizes, and their folder, as the run puts in place.
    for (bool flush : {false, true}) {
        t0 = Clock::now();
        size_t read = 0;
        for (const char* f : BANK_FILES) read += slurp(dir / f).size();
        long kept_bytes = 0;
        for (const char* f : {"Bench.qui", "Bench.inf", "count.00A"})
            if (fs::exists(dir / f))
                kept_bytes +=
                    write_floor(dir / (std::string(f) + ".floor"), fs::file_size(dir / f), flush);
        write_floor(dir / "rest.floor", static_cast<uintmax_t>(r.bytes - kept_bytes), false);
        if (flush) sync_folder(dir);
        (flush ? r.flushed_ms : r.floor_ms) = read == 0 ? 0 : ms_since(t0);
    }
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    r.peak_kb = u.ru_maxrss;
    return r;
}

// Runs one case in a child process and reads its result back.
Result run_case(const std::string& name, int times, char layout) {
    fs::path dir = make_workspace(name, times, layout);
    int fd[2];
    if (pipe(fd) != 0) return {};
    pid_t pid = fork();
    if (pid == 0) {
        close(fd[0]);
        Result r{};
        try {
            r = measure(dir);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s %c: %s\n", name.c_str(), layout, e.what());
        } catch (...) {
            std::fprintf(stderr, "%s %c: the run was abandoned\n", name.c_str(), layout);
        }
        ssize_t ignored = write(fd[1], &r, sizeof r);
        (void)ignored;
        _exit(0);
    }
    close(fd[1]);
    Result r{};
    ssize_t got = read(fd[0], &r, sizeof r);
    close(fd[0]);
    waitpid(pid, nullptr, 0);
    fs::remove_all(dir);
    if (got != static_cast<ssize_t>(sizeof r)) return {};
    return r;
}

// With arguments, `run_bench BANK LAYOUT N` (BANK demo or large), the one case is run
// in this process with the seeds 1..N: a steady load for a profiler, and the mean
// time over many draws. A run that gives the interrogative share up replaces
// questions 32000 times, so it also counts those runs.
int profile_case(const std::string& name, char layout, int times) {
    fs::path dir = make_workspace(name, name == "large" ? 10 : 1, layout);
    double total = 0;
    int given_up = 0;
    for (int i = 1; i <= times; ++i) {
        total += measure(dir, static_cast<uint64_t>(i)).run_ms;
        given_up += slurp(dir / "Bench.inf").find("Abandoning") != std::string::npos;
    }
    fs::remove_all(dir);
    std::printf("%s %c: %d runs, %.2f ms a run, share given up in %d\n", name.c_str(), layout,
                times, total / times, given_up);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4) return profile_case(argv[1], argv[2][0], std::atoi(argv[3]));
    std::printf("%-6s %-6s %8s %9s %6s %11s %6s %9s %9s %13s\n", "bank", "layout", "run ms",
                "floor ms", "ratio", "flushed ms", "ratio", "bytes", "peak KiB", "specials/quiz");
    const std::pair<const char*, int> banks[] = {{"demo", 1}, {"large", 10}};
    for (auto [name, times] : banks)
        for (const tv::Layout& each : tv::layouts()) {
            const char layout = each.letter;
            // The run and its floor each at their best of five: the machine's noise only
            // ever adds time, to either of them.
            Result best{};
            for (int round = 0; round < 5; ++round) {
                Result r = run_case(name, times, layout);
                if (round == 0 || r.run_ms < best.run_ms)
                    best = Result{r.run_ms, best.floor_ms, best.flushed_ms,
                                  r.bytes,  r.peak_kb,     r.specialties};
                if (round == 0 || r.floor_ms < best.floor_ms) best.floor_ms = r.floor_ms;
                if (round == 0 || r.flushed_ms < best.flushed_ms) best.flushed_ms = r.flushed_ms;
            }
            auto ratio = [&](double floor) { return floor > 0 ? best.run_ms / floor : 0; };
            std::printf("%-6s %-6c %8.1f %9.2f %6.1f %11.2f %6.1f %9ld %9ld %13.2f\n", name, layout,
                        best.run_ms, best.floor_ms, ratio(best.floor_ms), best.flushed_ms,
                        ratio(best.flushed_ms), best.bytes, best.peak_kb, best.specialties);
        }
    return 0;
}
