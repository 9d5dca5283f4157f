// The readers of a single question line: the chapter and verse it belongs to, the
// interrogative test, the book letter (to_book_chapter) and the FTV type (read_ftv_kinds), on
// every line of the input as a question file gives them.
#include <cstdint>

#include "bank/bank.h"
#include "bank/interrogative.h"
#include "fuzz_support.h"

using namespace tv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TextReader in("fuzz.q", std::string(fuzz::as_text(data, size)));
    std::vector<std::string> lines;
    while (!in.eof()) lines.push_back(in.read_line(std::string::npos));

    // A question file read whole keeps the reader's lines: all of them up to the last
    // with text, or up to the first blank line that has text after it.
    const QuestionFile whole =
        QuestionFile::from_text("fuzz.q", std::string(fuzz::as_text(data, size)));
    const auto blank = [](std::string_view l) {
        return l.find_first_not_of(" \t") == std::string_view::npos;
    };
    for (size_t k = 0; k < lines.size(); ++k) {
        const int n = static_cast<int>(k) + 1;
        if (n <= whole.size() ? whole.text(n) != lines[k]
                              : !whole.blank_before_end() && !blank(lines[k]))
            fuzz::fail("the question file and the text reader disagree on line " +
                       std::to_string(n));
    }
    if (whole.blank_before_end() && !blank(whole.text(whole.size())))
        fuzz::fail("the reading stopped at a line that is not blank");

    for (const std::string& line : lines) {
        const QuestionRef r = read_question_ref(line, default_season());
        if (r.problem.empty()) {
            if (r.chapter < 1 || r.chapter > CHAPTERS || r.verse < 1 || r.verse > VERSES)
                fuzz::fail("a line taken as " + std::to_string(r.chapter) + ":" +
                           std::to_string(r.verse) + " without a problem");
        } else if (r.verse != 0 && (r.verse < 1 || r.verse > VERSES)) {
            fuzz::fail("a refused line keeps verse " + std::to_string(r.verse));
        }

        is_interrogative(line);

        std::string first = line.substr(0, 254);  // what assembly keeps of a line
        const std::string before = first;
        const char book = to_book_chapter(first, default_season());
        if (book != 'R' && book != 'J') fuzz::fail("to_book_chapter gave a book other than R or J");
        if (first.size() != before.size() ||
            (first.size() > 2 && first.compare(2, std::string::npos, before, 2) != 0))
            fuzz::fail("to_book_chapter changed more than the chapter columns");
    }

    // The FTV types of all the lines as one sector, after none and after one line.
    const QuestionFile file("fuzz.q", lines);
    std::array<int, MAX_SECTORS + 1> TFPS{};
    TFPS[1] = file.size();
    BankTables t;
    for (int before = 0; before <= 1; ++before) {
        read_ftv_kinds(file, before, 1, TFPS, t);
        if (static_cast<int>(t.FTYPE[1].size()) != file.size() + 1)
            fuzz::fail("read_ftv_kinds gave the wrong number of types");
    }
    return 0;
}
