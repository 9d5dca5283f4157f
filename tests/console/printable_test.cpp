#include <gtest/gtest.h>

#include "console/io_error.h"
#include "console/printable.h"

using namespace tv;

// Bytes of a file shown on the screen or in the error line: a control byte must never
// reach the terminal, while UTF-8 letters stay readable.
TEST(Printable, ControlBytesAreEscapedAndLettersKept) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain text: 12 ~", "plain text: 12 ~"},
        {"\x1b]0;owned\x07title", "\\x1b]0;owned\\x07title"},  // would retitle the window
        {"ok\r\x1b[2Kfake", "ok\\x0d\\x1b[2Kfake"},            // would draw over the message
        {"17 5\tIf", "17 5\\tIf"},
        {"\x7f\x01", "\\x7f\\x01"},
        {"caf\xc3\xa9 \xe2\x80\x94 \xf0\x9f\x93\x96", "caf\xc3\xa9 \xe2\x80\x94 \xf0\x9f\x93\x96"},
        {"\xc2\x9b" "31m", "\\xc2\\x9b" "31m"},  // the C1 control CSI, valid UTF-8 but obeyed
        {"\xff\xfe", "\\xff\\xfe"},
        {"\xc0\xaf", "\\xc0\\xaf"},                // an overlong "/"
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"},       // a surrogate
        {"cut \xe2\x80", "cut \\xe2\\x80"},        // a letter cut short at the end
    };
    for (const auto& [raw, shown] : cases) {
        EXPECT_EQ(printable(raw), shown) << raw;
        EXPECT_EQ(printable(shown), shown) << "escaping twice changes " << shown;
    }
}

TEST(Printable, TheMessageOfAFileErrorHoldsNoControlByte) {
    const IoError e("index", "RJ\x1b[1m.A", "the verse field \"\x1b]0;x\x07\" is not a number", 3);
    EXPECT_EQ(std::string(e.what()),
              "cannot index \"RJ\\x1b[1m.A\" (line 3): the verse field \"\\x1b]0;x\\x07\" is not a number");
}
