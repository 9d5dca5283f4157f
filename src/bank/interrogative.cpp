#include "bank/interrogative.h"

#include <string>

namespace tv {

namespace {

// Openings that make a question interrogative; exact text, case-sensitive.
constexpr std::string_view OPENINGS[] = {
    "Is ",   "Are ",   "Can ",   "Did ",   "Was ",   "Who ",   "Who,",  "Why ",  "Why,",
    "How ",  "How,",   "What ",  "What,",  "Whom ",  "Will ",  "Whom,", "When ", "When,",
    "Do we", "Where ", "Where,", "Which ", "Which,", "Whose ", "Whose,"};

// Openings that look like a question word but begin a clause; they always win.
constexpr std::string_view EXCEPTIONS[] = {
    "What I ",    "When I ",     "When a ",     "When he ",     "When God",    "When we ",
    "When Gent",  "When temp",   "When you ",   "When his ",    "When Melc",   "When the ",
    "How much m", "How beauti",  "How much l",  "When this ",   "When they ",  "Where sin ",
    "Where you ", "How shall w", "When there ", "When everyth", "Where these "};

}  // namespace

bool is_interrogative(std::string_view line) {
    if (line.size() <= 6) return false;
    char columns[12];  // columns 7-18: the longest prefix compared
    const std::string_view text(columns, line.copy(columns, sizeof columns, 6));
    if (columns[0] == 'w') columns[0] = 'W';
    // Most openings differ from the text in their first letters: compared in line,
    // character by character.
    auto opens = [&](std::string_view w) {
        if (text.size() < w.size()) return false;
        for (size_t i = 0; i < w.size(); ++i)
            if (text[i] != w[i]) return false;
        return true;
    };
    bool mark = false;
    for (auto w : OPENINGS)
        if (opens(w)) mark = true;
    if (!mark) return false;
    for (auto w : EXCEPTIONS)
        if (opens(w)) return false;
    return true;
}

InterrogativeMarks mark_interrogatives(const QuestionFile& F3, int BEFORE, int SECTORS,
                                       const std::array<int, MAX_SECTORS + 1>& TQPS) {
    InterrogativeMarks INT;
    int line = BEFORE;  // lines passed over so far
    for (int s = 1; s <= SECTORS && s <= MAX_SECTORS; ++s) {
        int count = TQPS[s] > 0 ? TQPS[s] : 0;
        INT[s].assign(count + 1, false);
        for (int p = 1; p <= count; ++p) INT[s][p] = is_interrogative(F3.text(++line));
    }
    return INT;
}

}  // namespace tv
