// The packet writer over a quiz made from the input, in each of its layouts.
// Input lines:
//   1  the style fields: OUT, then AB LPP BCHAP BVER ECHAP EVER SECTORS Q2
//      (whole numbers; a missing or broken one keeps its default)
//   2  the quiz's pattern (TYP)
//   3  the style name (at most 14 characters, as the hand-off file gives it)
//   4- the question lines of positions 1-30, split and converted the way assembly
//      takes them (first 254 characters, the next 254 as the second part, the book
//      letter from the chapter); positions without a line are empty, as a quiz
//      starts.
// The quiz is written with OUT as given (refused when it names no layout) and then
// in every layout, each time to a fresh packet file. A card packet is a whole
// number of 18-line cards.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "bank/bank.h"
#include "output/packet.h"
#include "fuzz_support.h"

using namespace tv;

namespace {

// The whole numbers of a line, at most `n`; a field that is not a number of at
// most 9 digits (as the style reader takes them) reads as 0.
std::vector<int> numbers(std::string_view line, size_t n) {
    std::vector<int> out;
    for (std::string_view field : fuzz::split(line, ' ')) {
        if (field.empty()) continue;
        if (out.size() == n) break;
        std::string f(field.substr(0, 10));
        char* end = nullptr;
        const long v = std::strtol(f.c_str(), &end, 10);
        out.push_back(*end == '\0' && std::labs(v) <= 999999999 ? static_cast<int>(v) : 0);
    }
    return out;
}

long count_lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::WorkDir& dir = fuzz::work_dir();
    const std::vector<std::string_view> lines = fuzz::split(fuzz::as_text(data, size), '\n');
    auto line = [&](size_t i) { return i < lines.size() ? std::string(lines[i]) : std::string(); };

    Style settings;
    const std::string head = line(0);
    settings.OUT = head.empty() ? 'P' : head[0];
    const std::vector<int> v = numbers(head.size() > 1 ? std::string_view(head).substr(1) : "", 8);
    int* const fields[] = {&settings.AB,   &settings.LPP,   &settings.BCHAP,
                           &settings.BVER, &settings.ECHAP, &settings.EVER};
    int SECTORS = 30;
    QuizTables quiz;
    quiz.Q2 = 1;
    for (size_t i = 0; i < v.size(); ++i) {
        if (i < 6) *fields[i] = v[i];
        if (i == 6) SECTORS = v[i];
        if (i == 7) quiz.Q2 = v[i];
    }
    quiz.TYP = line(1).substr(0, 30);
    const std::string NAME = line(2).substr(0, 14);
    for (int X = 1; X <= MAX_POSITIONS; ++X) {
        quiz.ALL[X] = "";
        quiz.ALL2[X] = " ";
        quiz.RLBK[X] = ' ';
        if (static_cast<size_t>(X) + 2 >= lines.size()) continue;
        const std::string q = line(X + 2);
        quiz.ALL[X] = q.substr(0, 254);
        if (q.size() > 254) quiz.ALL2[X] = q.substr(254, 254);
        quiz.RLBK[X] = to_book_chapter(quiz.ALL[X], default_season());
    }

    // The writer's fields live for the whole run, from quiz to quiz.
    PacketState state;
    std::string letters(1, settings.OUT);
    for (const Layout& l : layouts()) letters += l.letter;
    for (const char out : letters) {
        settings.OUT = out;
        const Layout* layout = find_layout(out);
        {
            TextWriter packet = dir.files().create("fuzz.qui");
            try {
                append_to_packet(packet, settings, default_season(), NAME, SECTORS, quiz, state);
            } catch (const IoError&) {
                if (layout != nullptr) throw;
                continue;  // a letter of no layout is refused
            }
            if (layout == nullptr) fuzz::fail("a packet written for a letter of no layout");
            packet.close();
        }
        if (std::string_view(layout->name) == "card") {
            const std::string text = dir.read("fuzz.qui");
            if (count_lines(text) % 18 != 0 || text.empty() || text.back() != '\n')
                fuzz::fail("a card packet that is not a whole number of cards");
        }
    }
    return 0;
}
