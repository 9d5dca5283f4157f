// The file layer: what it refuses, and what a refusal says (anything but a regular file
// to read, a link to write through; a second copy of the program in a folder:
// tests/e2e/signals.sh), and how lines and numbers are read.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "bank/textfile.h"
#include "bank/workspace_lock.h"
#include "support/support.h"

using namespace tv;
namespace fs = std::filesystem;

// A pipe would block the reading forever, a device would fill the memory, a folder
// used to read as an empty file, a sparse file just above the bound is refused by
// its size without reading it: each is refused at once with what it is.
TEST(Files, OnlyRegularFilesOfABoundedSizeAreRead) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo((dir.path() / "RJ.A").c_str(), 0644), 0);
    fs::create_directory(dir.path() / "RJ.B");
    fs::create_symlink("/dev/zero", dir.path() / "RJ.C");
    dir.write("count.58A", "");
    fs::resize_file(dir.path() / "count.58A", MAX_FILE_SIZE + 1);
    const std::pair<const char*, const char*> cases[] = {{"RJ.A", "cannot open \"RJ.A\" for reading: it is a pipe (FIFO)"},
        {"RJ.B", "cannot open \"RJ.B\" for reading: it is a folder"},
        {"RJ.C", "cannot open \"RJ.C\" for reading: it is a device"},
        {"count.58A", "cannot read \"count.58A\": the file is larger than 256 MiB"}};
    for (const auto& [name, message] : cases)
        EXPECT_EQ(test::error_of([&] { dir.files().read(name); }).rfind(message, 0), 0u) << name;
    // Nor is a pipe opened for writing, which would wait for a reader.
    EXPECT_NE(test::error_of([&] { dir.files().create("RJ.A"); }).find("pipe"), std::string::npos);
}

// A file keeps its permissions through a replacement. (A read-only one is not
// replaced: StyleLibrary.ASaveNeverLeavesAListedStyleWithoutItsFileNorReplacesAReadOnlyOne.)
TEST(Files, PermissionsSurviveAReplacement) {
    test::TempDir dir;
    const auto writable = fs::perms::owner_read | fs::perms::owner_write;
    dir.write("Season.spe", "old\n");
    fs::permissions(dir.path() / "Season.spe", writable);
    TextWriter out = dir.files().replace_safely("Season.spe");
    out.writeln("new");
    out.close();
    EXPECT_EQ(dir.read("Season.spe"), "new\n");
    EXPECT_EQ(fs::status(dir.path() / "Season.spe").permissions(), writable);
}

// The reason told is the one of the failing call, and every byte of it is shown;
// side files of a killed run are removed, and nothing else.
TEST(Files, AFailureTellsItsOwnReasonAndLeavesNoSideFile) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "count.00A");
    TextWriter out = dir.files().replace_safely("count.00A");
    out.writeln("1 1 0 0 0 0 0");
    EXPECT_EQ(test::error_of([&] { out.close(); }), "cannot replace \"count.00A\": Is a directory");
    EXPECT_TRUE(test::leftovers(dir.path()).empty());
    EXPECT_EQ(test::error_of([&] { dir.files().create("gone/temp.txt"); }),
        "cannot create \"gone/temp.txt\": No such file or directory");
    // A folder that cannot be written (denied, read-only, not permitted): the message names
    // the side file that could not be made, and says why, rather than blame the style file.
    for (int err : {EACCES, EROFS, EPERM}) {
        Files files = dir.files();
        test::Faults denied(FileFaults::Op::create, "Kept.spe", err);
        files.inject(&denied);
        const std::string told = test::error_of([&] { files.replace_safely("Kept.spe"); });
        EXPECT_EQ(told.rfind("cannot create \"Kept.spe.", 0), 0u) << told;
        EXPECT_NE(told.find(".tv-new\" (the new text of \"Kept.spe\"): " + std::string(std::strerror(err)) +
                            ": the folder cannot be written"),
            std::string::npos)
            << told;
    }
    // Nor a file left open: a failed write or flush closes it.
    const auto open_files = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), {}); };
    const auto before = open_files();
    for (FileFaults::Op op : {FileFaults::Op::write, FileFaults::Op::close}) {
        Files files = dir.files();
        test::Faults full(op, "Kept.spe", ENOSPC);
        files.inject(&full);
        TextWriter failing = files.replace_safely("Kept.spe");
        EXPECT_THROW((failing.writeln("x"), failing.close()), IoError);
    }
    EXPECT_EQ(open_files(), before);

    TextReader in("count.00A", std::string("1 2\x00x\n", 7));
    in.read_int();
    EXPECT_EQ(
        test::error_of([&] { in.read_int(); }), "cannot read a number from \"count.00A\" (line 1): \"2\\x00x\" is not a number");
    TextReader last("count.00A", "1\n2");  // no line end after the last line
    last.read_line(), last.read_line();
    EXPECT_EQ(test::error_of([&] { last.read_int(); }),
        "cannot read a number from \"count.00A\" (line 2): the file ends where a number was expected");

    for (const char* name : {"Out.qui.tv-new", "Out.qui.0f3a9c21.tv-new", "Out.qui", "notes.tv-newer"}) dir.write(name, "x");
    recover_side_files(dir.files());
    EXPECT_TRUE(test::leftovers(dir.path()).empty());
    EXPECT_TRUE(dir.exists("Out.qui") && dir.exists("notes.tv-newer"));
    // A record with a damaged line is not completed in part: the old file stays.
    dir.write("Out.qui.0f3a9c21.tv-new", "new");
    dir.write(COMMIT_RECORD, "Out.qui.0f3a9c21.tv-new\tOut.qui\t3\ndamaged\n");
    recover_side_files(dir.files());
    EXPECT_EQ(dir.read("Out.qui"), "x");
    EXPECT_FALSE(dir.exists(COMMIT_RECORD));
    // A file that cannot be put in place, for a folder has its name, is told as such.
    fs::create_directory(dir.path() / "Put.qui");
    TextWriter packet = dir.files().together("Put.qui");
    TextWriter* const writers[] = {&packet};
    const std::string told = test::error_of([&] { dir.files().put_in_place(writers); });
    EXPECT_EQ(told.rfind("cannot put in place \"Put.qui\": Is a directory", 0), 0u) << told;
}

// A link where the program writes is never written through: a file created or
// replaced takes the link's place, and a side file planted under the old fixed name is
// never used.
TEST(Files, NothingIsWrittenThroughALink) {
    auto replace = [](const Files& f) {
        TextWriter out = f.replace_safely("Specs.lst");
        out.writeln("new");
        out.close();
    };
    const std::pair<const char*, std::function<void(const Files&)>> cases[] = {
        {"temp.txt", [](const Files& f) { f.create("temp.txt").writeln("new"); }}, {"Specs.lst", replace},
        {"Specs.lst.tv-new", replace}};
    for (const auto& [link, write] : cases) {
        test::TempDir dir, outside;
        outside.write("victim", "theirs\n");
        fs::create_symlink(outside.path() / "victim", dir.path() / link);
        EXPECT_EQ(test::error_of([&] { write(dir.files()); }), "no error") << link;
        EXPECT_EQ(outside.read("victim"), "theirs\n") << link;
        const std::string name = std::string(link).substr(0, std::string(link).find(SIDE_SUFFIX));
        EXPECT_TRUE(dir.read(name) == "new\n" && !fs::is_symlink(dir.path() / name)) << link;
        // with the permissions of a new file, not those of the link
        EXPECT_EQ(fs::status(dir.path() / name).permissions(), fs::status(outside.path() / "victim").permissions()) << link;
    }
}

TEST(TextReader, AcceptsLfCrLfAndCrAndALastLineWithoutLineEnd) {
    for (std::string text : {"one\ntwo\nthree", "one\r\ntwo\r\nthree\r\n", "one\rtwo\rthree\r", "one\r\ntwo\rthree"}) {
        TextReader in("f", text);
        EXPECT_EQ(in.read_line(), "one");
        EXPECT_EQ(in.read_line(), "two");
        EXPECT_FALSE(in.eof());
        EXPECT_EQ(in.read_line(), "three");
        EXPECT_TRUE(in.eof());
    }
}

TEST(TextReader, LongLinesAreCutAndIntegersAreFreeFormat) {
    TextReader cut("f", "abcdefgh\nnext\n");
    EXPECT_EQ(cut.read_line(3), "abc");
    EXPECT_EQ(cut.read_line(3), "nex");
    EXPECT_TRUE(cut.eof());

    TextReader in("count.58A", "  12 -3\t+4\r\n\n  7 -123456789\n");
    for (int want : {12, -3, 4, 7, -123456789}) EXPECT_EQ(in.read_int(), want);
    // Not numbers: a letter, a sign alone, ten digits, nothing.
    for (const char* bad : {"x4", "-", "1234567890", "  \n"}) EXPECT_THROW(TextReader("n", bad).read_int(), IoError) << bad;
}

// A second copy is refused and told which process holds the folder, whatever its digits;
// a lock let go frees the folder.
TEST(WorkspaceLock, ASecondCopyIsToldWhoHoldsTheFolder) {
    test::TempDir dir;
    { WorkspaceLock before(dir.files()); }
    WorkspaceLock held(dir.files());
    std::ofstream(dir.path() / LOCK_FILE) << "1203\n";  // the same file, written over
    const std::string told = test::error_of<FolderInUse>([&] { WorkspaceLock second(dir.files()); });
    EXPECT_NE(told.find("(process 1203)"), std::string::npos) << told;
}
