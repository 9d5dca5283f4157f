#include <gtest/gtest.h>

#include <filesystem>

#include "driver/cycle.h"
#include "support/support.h"

using namespace tv;

// A full disk while the run writes its packet or its list ends the program with an
// I/O error naming the file; the style list and the style saved before stay whole.
TEST(Run, AFullDiskEndsTheRunWithAnIoErrorAndKeepsTheSavedFiles) {
    for (const char* full : {"RomIntro.qui", "RomIntro.inf"}) {
        test::TempDir dir;
        test::copy_from_source("data", dir.path());
        test::copy_from_source("examples/bank", dir.path());
        std::filesystem::create_symlink("/dev/full", dir.path() / full);
        ScriptFace face(test::keys("\r\x1b\r\r\r\r"));  // Practice run automatically
        Console con(face);
        Random rng;
        FixedClock clock(1);
        MemoryPrinter printer;
        try {
            run_program(con, dir.files(), rng, clock, printer, "");
            ADD_FAILURE() << "no error for " << full;
        } catch (const IoError& e) {
            EXPECT_EQ(e.file, full);
            EXPECT_NE(std::string(e.what()).find("No space left on device"), std::string::npos)
                << e.what();
        }
        for (const char* kept : {"Specs.lst", "Practice.spe"})
            EXPECT_EQ(dir.read(kept), test::slurp(test::source_dir() / "data" / kept)) << full;
    }
}
