// What the file layer refuses, and what a refusal says: anything but a regular file
// to read, a read-only file to replace, a second copy of the program in a folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "bank/textfile.h"
#include "bank/workspace_lock.h"
#include "support/support.h"

using namespace tv;
namespace fs = std::filesystem;

namespace {

std::string error_of(const std::function<void()>& act) {
    try {
        act();
    } catch (const IoError& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace

// A pipe would block the reading forever, a device would fill the memory, a folder
// used to read as an empty file: each is refused at once with what it is.
TEST(Files, OnlyRegularFilesOfABoundedSizeAreRead) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo((dir.path() / "RJ.A").c_str(), 0644), 0);
    fs::create_directory(dir.path() / "RJ.B");
    fs::create_symlink("/dev/zero", dir.path() / "RJ.C");
    {
        // A sparse file just above the bound: refused by its size, without reading it.
        std::FILE* f = std::fopen((dir.path() / "count.58A").c_str(), "wb");
        ASSERT_TRUE(f);
        ASSERT_EQ(::ftruncate(::fileno(f), static_cast<off_t>(MAX_FILE_SIZE) + 1), 0);
        std::fclose(f);
    }
    const struct {
        const char* name;
        const char* message;
    } cases[] = {
        {"RJ.A", "cannot open \"RJ.A\" for reading: it is a pipe (FIFO), not a regular file"},
        {"RJ.B", "cannot open \"RJ.B\" for reading: it is a folder, not a file"},
        {"RJ.C", "cannot open \"RJ.C\" for reading: it is a device, not a regular file"},
        {"count.58A", "cannot read \"count.58A\": the file is larger than 256 MiB, far beyond any file of the program"},
        {"RJ.D", "cannot open \"RJ.D\" for reading: No such file or directory"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(error_of([&] { dir.files().read(c.name); }), c.message);
    // Nor is a pipe opened for writing, which would wait for a reader.
    EXPECT_EQ(error_of([&] { dir.files().create("RJ.A"); }),
              "cannot create \"RJ.A\": it is a pipe (FIFO), not a regular file");
}

// A read-only file is not replaced: it keeps its text and its permissions, and no
// side file is left. A writable one keeps its permissions through a replacement.
TEST(Files, AReadOnlyFileIsNotReplacedAndPermissionsSurviveAReplacement) {
    test::TempDir dir;
    dir.write("League.spe", "old\n");
    dir.write("Season.spe", "old\n");
    fs::permissions(dir.path() / "League.spe", fs::perms::owner_read | fs::perms::group_read);
    fs::permissions(dir.path() / "Season.spe", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(error_of([&] { dir.files().replace_safely("League.spe"); }),
              "cannot replace \"League.spe\": the file is read-only; it was left as it is");
    EXPECT_EQ(dir.read("League.spe"), "old\n");
    EXPECT_EQ(fs::status(dir.path() / "League.spe").permissions(),
              fs::perms::owner_read | fs::perms::group_read);
    TextWriter out = dir.files().replace_safely("Season.spe");
    out.writeln("new");
    out.close();
    EXPECT_EQ(dir.read("Season.spe"), "new\n");
    EXPECT_EQ(fs::status(dir.path() / "Season.spe").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(dir.exists(std::string("League.spe") + SIDE_SUFFIX));
}

// The reason told is the one of the failing call, and every byte of it is shown.
TEST(Files, AFailureTellsItsOwnReasonWholeAndPrintable) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "count.00A");
    TextWriter out = dir.files().replace_safely("count.00A");
    out.writeln("1 1 0 0 0 0 0");
    EXPECT_EQ(error_of([&] { out.close(); }), "cannot replace \"count.00A\": Is a directory");
    EXPECT_FALSE(dir.exists(std::string("count.00A") + SIDE_SUFFIX));

    TextReader in("count.00A", std::string("1 2\x00x\n", 7));
    in.read_int();
    EXPECT_EQ(error_of([&] { in.read_int(); }),
              "cannot read a number from \"count.00A\" (line 1): \"2\\x00x\" is not a number");
}

TEST(Files, SideFilesOfAKilledRunAreRemovedAndNothingElse) {
    test::TempDir dir;
    for (const char* name : {"Out.qui.tv-new", "Out.inf.tv-new", "Out.qui", "notes.tv-newer"})
        dir.write(name, "x");
    remove_side_files(dir.files());
    EXPECT_FALSE(dir.exists("Out.qui.tv-new") || dir.exists("Out.inf.tv-new"));
    EXPECT_TRUE(dir.exists("Out.qui") && dir.exists("notes.tv-newer"));
}

// Two copies in one folder would splice one packet from two runs. The second copy is
// refused while the first holds the folder, told which process holds it, and may
// start once the first has ended.
TEST(WorkspaceLock, OneCopyPerFolderAndTheRefusalNamesTheHolder) {
    test::TempDir dir;
    {
        WorkspaceLock first(dir.files());
        EXPECT_EQ(dir.read(LOCK_FILE), std::to_string(::getpid()) + "\n");
        try {
            WorkspaceLock second(dir.files());
            ADD_FAILURE() << "a second copy took the folder";
        } catch (const FolderInUse& e) {
            EXPECT_NE(std::string(e.what()).find("(process " + std::to_string(::getpid()) + ")"),
                      std::string::npos)
                << e.what();
        }
    }
    EXPECT_NO_THROW(WorkspaceLock again(dir.files()));
}
