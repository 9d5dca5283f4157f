// Writes a packet of 100 quizzes of 30 positions in each layout and reports the
// time per quiz, beside the time to write the same bytes in one piece (the floor);
// then the PDF of each of these packets, per packet and per page, beside the time to
// write the same PDF bytes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "output/packet.h"
#include "pdf/pdf.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int QUIZZES = 100;
constexpr int POSITIONS = 30;
constexpr int ROUNDS = 5;
constexpr int PDF_ROUNDS = 3;

const char* const VERSE =
    "For I am not ashamed of the Good News of Christ, because it is the power of God for "
    "salvation for everyone who believes, for the Jew first, and also for the Greek. For in "
    "it is revealed God's righteousness from faith to faith. As it is written, \"But the "
    "righteous shall live by faith.\" For the wrath of God is revealed from heaven against all "
    "ungodliness and unrighteousness of men, who suppress the truth in unrighteousness, because "
    "that which is known of God is revealed in them, for God revealed it to them.";

std::string ref(int chapter, int verse) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%2d:%2d", chapter, verse);
    return buf;
}

// A quiz with every kind of position: mostly regular questions, specialty
// positions spread over it, one in six FTV lines long enough for a second part.
tv::QuizTables make_quiz(int Q2) {
    tv::QuizTables q;
    q.Q2 = Q2;
    q.TYP = std::string(POSITIONS, 'n');
    const std::string verse = VERSE;
    for (int X = 1; X <= POSITIONS; ++X) {
        const int chapter = 1 + (X * 7 + Q2) % 16, v = 1 + (X * 5 + Q2) % 20;
        const char type = "nnRnFnOnnSnF"[(X + Q2) % 12];
        q.TYP[X - 1] = type;
        q.RLBK[X] = X % 4 == 0 ? 'J' : 'R';
        std::string line;
        switch (type) {
        case 'R':
            line = ref(chapter, v) +
                   "\tCV\tWhat is revealed from heaven against all ungodliness?\tThe wrath of God";
            break;
        case 'O':
            line = ref(chapter, v) + "\tCO\tWhat is the power of God for salvation?\tThe Good News";
            break;
        case 'S':
            line = ref(chapter, v) +
                   "\tFinish this: \"For in it is revealed\" * God's righteousness from faith to "
                   "faith";
            break;
        case 'F':
            line = ref(chapter, v) + (X % 3 == 0 ? "\tQTV2\t" : "\tFTV\t") +
                   verse.substr(0, X % 6 == 0 ? verse.size() : 160);
            break;
        default:
            line = ref(chapter, v) +
                   "\tWho suppress the truth in unrighteousness, according to this verse?\tMen";
        }
        q.ALL[X] = line.substr(0, 254);
        q.ALL2[X] = line.size() > 254 ? line.substr(254, 254) : " ";
    }
    return q;
}

}  // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / ("tallyvane-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const tv::Files files(dir);
    std::vector<tv::QuizTables> quizzes;
    for (int Q2 = 1; Q2 <= QUIZZES; ++Q2) quizzes.push_back(make_quiz(Q2));

    tv::Style settings;
    settings.BCHAP = 1, settings.BVER = 1, settings.ECHAP = 21, settings.EVER = 20;
    settings.AB = 20;
    settings.LPP = 60;

    std::printf("packet of %d quizzes x %d positions, best of %d rounds\n", QUIZZES, POSITIONS,
                ROUNDS);
    std::printf("%-6s %10s %12s %14s %12s %7s\n", "layout", "bytes", "total ms", "us per quiz",
                "floor ms", "ratio");
    std::vector<std::string> packets;
    for (const tv::Layout& layout : tv::layouts()) {
        settings.OUT = layout.letter;
        double best = 1e18, floor = 1e18;
        std::string written;
        for (int round = 0; round < ROUNDS; ++round) {
            const auto t0 = Clock::now();
            {
                tv::TextWriter w = files.create("bench.qui");
                tv::PacketState state;
                for (const auto& q : quizzes)
                    tv::append_to_packet(w, settings, tv::default_season(), "Benchmark", POSITIONS,
                                         q, state);
                w.close();
            }
            best = std::min(best,
                            std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
            if (written.empty()) {
                std::ifstream in(dir / "bench.qui", std::ios::binary);
                std::ostringstream s;
                s << in.rdbuf();
                written = s.str();
            }
            const auto t1 = Clock::now();
            {
                tv::TextWriter w = files.create("floor.qui");
                w.write(written);
                w.close();
            }
            floor = std::min(floor,
                             std::chrono::duration<double, std::milli>(Clock::now() - t1).count());
        }
        std::printf("%-6s %10zu %12.3f %14.2f %12.3f %7.1f\n", layout.name, written.size(), best,
                    best * 1000.0 / QUIZZES, floor, best / floor);
        packets.push_back(written);
    }

    std::printf("\nPDF of each packet, best of %d rounds\n", PDF_ROUNDS);
    std::printf("%-6s %6s %10s %12s %14s %12s %7s\n", "layout", "pages", "bytes", "total ms",
                "us per page", "floor ms", "ratio");
    tv::pdf::Settings pdf_settings;
    pdf_settings.lines_per_page = settings.LPP;
    pdf_settings.title = "Benchmark";
    for (size_t i = 0; i < packets.size(); ++i) {
        const tv::Layout& layout = tv::layouts()[i];
        double best = 1e18, floor = 1e18;
        std::string bytes;
        size_t pages = 0;
        for (int round = 0; round < PDF_ROUNDS; ++round) {
            const auto t0 = Clock::now();
            {
                const auto sheets = tv::pdf::sheets(packets[i], layout.letter, pdf_settings);
                pages = sheets.size();
                bytes = tv::pdf::render(sheets, pdf_settings, "bench.pdf");
                tv::TextWriter w = files.create("bench.pdf");
                w.write(bytes);
                w.close();
            }
            best = std::min(best,
                            std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
            const auto t1 = Clock::now();
            {
                tv::TextWriter w = files.create("floor.pdf");
                w.write(bytes);
                w.close();
            }
            floor = std::min(floor,
                             std::chrono::duration<double, std::milli>(Clock::now() - t1).count());
        }
        std::printf(
            "%-6s %6zu %10zu %12.3f %14.2f %12.3f %7.1f\n", layout.name, pages, bytes.size(), best,
            best * 1000.0 / static_cast<double>(std::max<size_t>(pages, 1)), floor, best / floor);
    }
    fs::remove_all(dir);
    return 0;
}
