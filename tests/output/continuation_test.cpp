// The continuation printers on a text buffer, one call each.
#include "base/utf8.h"
#include "packet_fixture.h"

using namespace tv;

namespace {

using Printer = void (*)(TextWriter&, PacketState&);

struct Printed {
    std::vector<std::string> lines;
    PacketState st;
};

// Puts `text` at positions 1.. of the buffer and prints it from MARK1 = 0.
Printed print(Printer printer, const std::string& text) {
    test::TempDir dir;
    Printed r;
    const std::u32string chars = utf8::decode(utf8::prefix(text, A2_SIZE));
    r.st.A2.replace(1, chars.size(), chars);
    {
        TextWriter w = dir.files().create("c.txt");
        printer(w, r.st);
        w.close();
    }
    r.lines = test::lines_of(dir.read("c.txt"));
    return r;
}

}  // namespace

TEST(Continuation, AtMostFifteenLines) {
    std::string text;  // 16 lines of one word each
    for (int i = 0; i < 16; ++i) text += std::string(30, 'x') + " ";
    for (auto [name, printer] : {std::pair<const char*, Printer>{"continue_long_on_page", continue_long_on_page},
             {"continue_on_card", continue_on_card}, {"continue_regular_on_card", continue_regular_on_card}}) {
        const Printed r = print(printer, text);
        EXPECT_EQ(std::tuple(r.lines.size(), r.st.X5, r.st.LINES), std::tuple(15u, 15, 15)) << name;
    }
}

// A word longer than the window is broken at the window's end instead of
// leaving empty lines behind (chosen behaviour: nothing of the text is lost).
TEST(Continuation, WordLongerThanTheWindowIsBroken) {
    const std::string word(80, 'x');
    const Printed page = print(continue_on_page, word + " end");
    ASSERT_EQ(page.lines.size(), 2u);
    EXPECT_EQ(page.lines[0], std::string(15, ' ') + std::string(55, 'x'));
    EXPECT_EQ(page.lines[1].substr(0, 44), std::string(15, ' ') + std::string(25, 'x') + " end");
}
