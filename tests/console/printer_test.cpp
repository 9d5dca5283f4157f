#include <gtest/gtest.h>

#include <filesystem>

#include "console/printer.h"
#include "support/support.h"

using namespace tv;
namespace fs = std::filesystem;

// Only an `lp` that can be run is a printer: one that cannot would fail every copy.
TEST(SystemPrinter, OnlyAnExecutableLpOnThePathCounts) {
    test::TempDir dir;
    for (const char* d : {"plain", "folder", "runs"}) fs::create_directory(dir.path() / d);
    dir.write("plain/lp", "#!/bin/sh\n");
    fs::create_directory(dir.path() / "folder/lp");
    dir.write("runs/lp", "#!/bin/sh\n");
    fs::permissions(dir.path() / "runs/lp", fs::perms::owner_exec, fs::perm_options::add);
    const std::string plain = (dir.path() / "plain").string(), folder = (dir.path() / "folder").string(),
                      runs = (dir.path() / "runs").string();

    EXPECT_EQ(SystemPrinter::find_lp(plain + ":" + folder), "");
    EXPECT_EQ(SystemPrinter::find_lp(plain + "::" + folder + ":" + runs), runs + "/lp");
    EXPECT_FALSE(SystemPrinter(plain).has_printer());
    EXPECT_TRUE(SystemPrinter(runs).has_printer());
}
