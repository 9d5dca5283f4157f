// What reaches the terminal and the printer: file bytes made harmless, and an `lp`
// that can be run.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/io_error.h"
#include "base/printable.h"
#include "console/printer.h"
#include "support/support.h"

using namespace tv;
namespace fs = std::filesystem;

// Bytes of a file shown on the screen or in the error line: a control byte must never
// reach the terminal, while UTF-8 letters stay readable.
TEST(Printable, ControlBytesAreEscapedAndLettersKept) {
    const std::pair<std::string, std::string> cases[] = {
        {"\x1b]0;owned\x07title", "\\x1b]0;owned\\x07title"},  // would retitle the window
        {"ok\r\x1b[2Kfake", "ok\\x0d\\x1b[2Kfake"},            // would draw over the message
        {"17 5\tIf \x7f", "17 5\\tIf \\x7f"},
        {"caf\xc3\xa9 \xe2\x80\x94 \xf0\x9f\x93\x96", "caf\xc3\xa9 \xe2\x80\x94 \xf0\x9f\x93\x96"},
        {"\xc2\x9b"
         "31m",
            "\\xc2\\x9b"
            "31m"},                                  // the C1 control CSI, valid UTF-8 but obeyed
        {"\xc2\x9f\xc2\xa0", "\\xc2\\x9f\xc2\xa0"},  // the last C1 control, the first letter after
        {"\xc0\xaf\xff", "\\xc0\\xaf\\xff"},         // an overlong "/", a byte never in UTF-8
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"},         // a surrogate
        {"\xf4\x8f\xbf\xbf\xf4\x90\x80\x80", "\xf4\x8f\xbf\xbf\\xf4\\x90\\x80\\x80"},  // the last code point, one past it
        {"cut \xe2\x80", "cut \\xe2\\x80"},                                            // a letter cut short at the end
        {"20\xc2\xb0 \xc2\xa7", "20\xc2\xb0 \xc2\xa7"},  // the first two-byte letters (degree, section)
    };
    for (const auto& [raw, shown] : cases) {
        EXPECT_EQ(printable(raw), shown) << raw;
        EXPECT_EQ(printable(shown), shown) << "escaping twice changes " << shown;
    }
    const IoError e("index", "RJ\x1b[1m.A", "the verse \"\x1b]0;x\" is wrong", 3);
    EXPECT_EQ(std::string(e.what()), "cannot index \"RJ\\x1b[1m.A\" (line 3): the verse \"\\x1b]0;x\" is wrong");
}

// Only an `lp` that can be run is a printer: one that cannot would fail every copy.
TEST(SystemPrinter, OnlyAnExecutableLpOnThePathCounts) {
    test::TempDir dir;
    for (const char* d : {"plain", "folder/lp", "runs"}) fs::create_directories(dir.path() / d);
    dir.write("plain/lp", "#!/bin/sh\n");
    dir.write("runs/lp", "#!/bin/sh\ncat > \"$(dirname \"$0\")/printed\"\n");
    fs::permissions(dir.path() / "runs/lp", fs::perms::owner_exec, fs::perm_options::add);
    const std::string root = dir.path().string();
    EXPECT_EQ(SystemPrinter::find_lp(root + "/plain::" + root + "/folder:" + root + "/runs"), root + "/runs/lp");
    EXPECT_FALSE(SystemPrinter(root + "/plain:" + root + "/folder").has_printer());
    SystemPrinter lp(root + "/runs");
    ASSERT_TRUE(lp.has_printer());
    // The document goes to lp byte for byte, NUL and all.
    const std::string document("%PDF-1.5\n\0\xff\n", 11);
    EXPECT_EQ(lp.print(document), "");
    EXPECT_EQ(dir.read("runs/printed"), document);
}
