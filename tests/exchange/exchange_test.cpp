// The question bank to a spreadsheet and back: whole banks survive the round trip,
// a file as spreadsheet programs save it is read whole, and every mistake is named.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "bank/season.h"
#include "bank/workspace_lock.h"
#include "driver/bank_commands.h"
#include "exchange/exchange.h"
#include "support/support.h"

namespace tv {
namespace {

namespace fs = std::filesystem;
using namespace test;

// A workspace with the bank files and material of a folder of the project.
void fill(const TempDir& ws, const std::string& folder) {
    copy_from_source(folder, ws.path());
    for (const auto& e : fs::directory_iterator(ws.path()))
        if (e.path().extension() == ".spe" || e.path().filename() == "Specs.lst") fs::remove(e.path());
}

std::vector<std::string> names_in(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().filename() != LOCK_FILE) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Export, then import into an empty workspace of the same material: the same files, byte
// for byte; the committed sample, when named, is what the export writes.
TEST(Exchange, ExportThenImportGivesTheSameFiles) {
    const std::pair<const char*, const char*> cases[] = {
        {"examples/bank", "examples/demo-bank.csv"}, {"examples/hebrews-peter", nullptr}};
    for (const auto& [folder, sample] : cases) {
        SCOPED_TRACE(folder);
        TempDir from, to;
        fill(from, folder);
        const Season season = load_season(from.files());
        const Export e = export_bank(from.files(), season);
        ASSERT_TRUE(e.problems.empty()) << e.problems.front();
        if (sample) {
            EXPECT_EQ(e.text, slurp(source_dir() / sample)) << "regenerate the sample with --export";
        }
        if (from.exists(MATERIAL_FILE)) to.write(MATERIAL_FILE, from.read(MATERIAL_FILE));
        const ImportPlan plan = plan_import("bank.csv", e.text, season);
        ASSERT_TRUE(plan.problems.empty()) << plan.problems.front();
        write_bank(to.files(), plan);
        EXPECT_EQ(names_in(to.path()), names_in(from.path()));
        for (const std::string& name : e.files) EXPECT_EQ(to.read(name), from.read(name)) << name;
    }
}

// Quoted commas and doubled quotes, curly quotes, accents, a line break in a cell, CR LF
// and a byte-order mark; columns in another order and case, rows in any order, the
// defaults of the book, list and code.
TEST(Exchange, ReadsAFileAsASpreadsheetProgramSavesIt) {
    TempDir ws;
    ws.write("Specs.lst", "Enter New Specs\n");
    ws.write(MATERIAL_FILE, slurp(source_dir() / "tests/data/sheets/Material.txt"));
    ws.write("count.58A", "stale\n");
    ws.write("LLcount.58A", "kept\n");
    ws.write("count.58AB", "kept\n");
    std::ostringstream out, err;
    ASSERT_EQ(import_command(ws.files(), (source_dir() / "tests/data/sheets/saved.csv").string(), out, err), 0) << err.str();
    const std::pair<const char*, const char*> expected[] = {
        {"RJ.A",
            " 1  1\tWho is called \u201cthe son of David\u201d?\tJesus Christ\n"
            " 2  1\tWho came from the east, according to Matthew 2:1?\tWise men\n"
            " 5  3\tFinish: \u201cBlessed are the poor in spirit, for theirs\u2026\u201d\tIs the kingdom of heaven\n"},
        {"RJ.B", " 2  8\tWhat did Herod say: \"Go and search diligently\"?\tFor the young child\n"},
        {"FTV.00", " 5  3\tF1b\tBlessed are the poor in spirit, for theirs is the kingdom of heaven.\n"},
        {"FTV.58", " 5  1\tQTa1\tApr\u00e8s cela J\u00e9sus vit les foules.\n"},
        {"cv.b", " 4 21\tCV\twho is the \u00abfils\u00bb of Zebedee?\tJames and John\n"},
        {"co.c", "27 19\tCO\twhat did Pilate\u2019s wife suffer?\tMany things in a dream\n"}};
    for (const auto& [file, text] : expected) EXPECT_EQ(ws.read(file), text) << file;
    EXPECT_FALSE(ws.exists("count.58A")) << "an index of the replaced files is removed";
    EXPECT_TRUE(ws.exists("LLcount.58A") && ws.exists("count.58AB")) << "an index of other files, or no index, is kept";
}

// Every planted mistake named by row and column, and the bank left as it was.
TEST(Exchange, NamesEveryMistakeAndChangesNothing) {
    TempDir ws;
    ws.write("Specs.lst", "Enter New Specs\n");
    ws.write(MATERIAL_FILE, slurp(source_dir() / "tests/data/sheets/Material.txt"));
    ws.write("RJ.A", " 1  1\tWho?\tJesus\n");
    const std::vector<std::string> before = names_in(ws.path());
    std::ostringstream out, err;
    EXPECT_EQ(import_command(ws.files(), (source_dir() / "tests/data/sheets/mistakes.csv").string(), out, err), 1);
    std::vector<std::string> named;
    const std::string text = err.str();
    const std::regex where("row (\\d+), column (\\w+)");
    for (auto m = std::sregex_iterator(text.begin(), text.end(), where); m != std::sregex_iterator(); ++m)
        named.push_back((*m)[1].str() + " " + (*m)[2].str());
    const std::vector<std::string> planted = {"3 Chapter", "4 Verse", "5 Book", "6 Kind", "7 Code", "8 List", "9 Answer",
        "10 Chapter", "10 Question", "11 Question", "12 Verse", "13 List"};
    EXPECT_EQ(named, planted) << text;
    EXPECT_EQ(ws.read("RJ.A"), " 1  1\tWho?\tJesus\n");
    EXPECT_EQ(names_in(ws.path()), before);
}

// Separators and headers as people write them, and the header's own mistakes.
TEST(Exchange, HeaderAndSeparator) {
    const Season romans_james = default_season();
    // The text; the one line written, or the one problem named.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Book;Ch;Vs;Type;Text;Answer\nJames;1;5;regular;Who gives?;God\n", "17  5\tWho gives?\tGod", nullptr},
        {"book\tchapter\tverse\tkind\tquestion\nR\t16\t27\tquote\tTo the only wise God, be glory forever.\n",
            "16 27\tQTa1\tTo the only wise God, be glory forever.", nullptr},
        {"Chapter,Verse,Kind,Question,Answer\n1,1,regular,Who?,Paul\n", nullptr,
            "row 2, column Book: is empty: the material has the books R Romans, J James"},
        {"Book,Chapter,Verse,Kind,Question,Answer\r\nR,1,1,regular,Who?,Paul\r\n\r\nR,1,99,regular,Who?,Paul\r\n", nullptr,
            "row 4, column Verse: Romans 1 has 32 verses"},
        {"Chapter,Verse,Kind,Question,Notes\n1,1,regular,Who?,x\n", nullptr, "row 1: the column \"Notes\" is none of"},
        {"Book,Verse,Kind,Question\nR,1,regular,Who?\n", nullptr, "row 1: there is no column Chapter"},
        {"Book,Chapter,Verse,Kind,Level,Question,Answer\nR,1,1,regular,X,Who?,Paul\n", nullptr, "row 2, column Level:"},
        {"Book,Chapter,Verse,Kind,Code,Question\nR,1,1,quote,QTz0,Paul a servant\n", nullptr, "row 2, column Code:"},
        {"Book,Chapter,Verse,Kind,Question,Answer\nR,1,1,regular,Caf\xE9?,Paul\n", nullptr,
            "row 2, column Question: is not UTF-8"},
        {"Book,Chapter,Verse,Kind,List,Question\nR,1,1,FTV,0,Paul a servant\n", " 1  1\tF1a\tPaul a servant", nullptr},
        {"Book,Chapter,Verse,Kind,Question,Answer\nJ,1,5,regular,Who gives?,God,more\n", nullptr,
            "row 2: cell 7 holds text under no column name"}};
    for (const auto& [text, line, problem] : cases) {
        SCOPED_TRACE(text);
        const ImportPlan plan = plan_import("q.csv", text, romans_james);
        if (line) {
            ASSERT_TRUE(plan.problems.empty()) << plan.problems.front();
            ASSERT_EQ(plan.files.size(), 1u);
            EXPECT_EQ(plan.files.begin()->second, std::vector<std::string>{line});
        } else {
            ASSERT_EQ(plan.problems.size(), 1u);
            EXPECT_NE(plan.problems.front().find(problem), std::string::npos) << plan.problems.front();
        }
    }
    // A book's letter in either case, the last letter of the alphabet too.
    Season z = romans_james;
    z.books[1].letter = 'Z';
    EXPECT_TRUE(plan_import("q.csv", "Book,Chapter,Verse,Kind,Question,Answer\nz,1,1,regular,Who?,God\n", z).problems.empty());
    // At most 255 questions of one file on a verse: the 256th is named.
    std::string many = "Book,Chapter,Verse,Kind,Question,Answer\n";
    for (int i = 0; i < 255; ++i) many += "J,1,5,regular,Who gives?,God\n";
    EXPECT_TRUE(plan_import("q.csv", many, romans_james).problems.empty());
    const ImportPlan over = plan_import("q.csv", many + "J,1,5,regular,Who gives?,God\n", romans_james);
    ASSERT_EQ(over.problems.size(), 1u);
    EXPECT_NE(over.problems.front().find("row 257, column Verse: more than 255"), std::string::npos) << over.problems.front();
}

// An index built from a file the import wrote is removed, and only such an index. A file
// named nearly as a bank file is no bank file: nothing is said of it.
TEST(Exchange, AnIndexBuiltFromAWrittenFileIsRemoved) {
    TempDir ws;
    for (const char* name : {"count.58A", "count.00A", "count.00C", "count.x0C", "FTV.x5"}) ws.write(name, "old\n");
    const char* text =
        "Book,Chapter,Verse,Kind,List,Question,Answer\nR,1,1,FTV,58,Paul a servant,\n"
        "R,1,2,co-ref,C,what was promised?,The gospel\n";
    EXPECT_TRUE(write_bank(ws.files(), plan_import("q.csv", text, default_season())).kept.empty());
    EXPECT_EQ(names_in(ws.path()), (std::vector<std::string>{"FTV.58", "FTV.x5", "co.c", "count.00A", "count.x0C"}));
}

// The codes each kind takes (an empty cell its default), and those named as wrong: the
// import writes no line the bank's check would refuse.
TEST(Exchange, CodesOfEachKind) {
    // The kind, the code, the code written (nullptr: named as a problem of the Code column).
    const std::tuple<std::string, const char*, const char*> cases[] = {{"FTV", "F1a", "F1a"}, {"FTV", "F9VR", "F9VR"},
        {"FTV", "F2Z", "F2Z"}, {"FTV", "", "F1a"}, {"FTV", "G1a", nullptr}, {"FTV", "Fxa", nullptr}, {"FTV", "F0a", nullptr},
        {"FTV", "F1ab", nullptr}, {"FTV", "F1", nullptr}, {"FTV", "F1a1", nullptr}, {"FTV", "F1-", nullptr},
        {"quote", "QTVR", "QTVR"}, {"quote", "QTz9", "QTz9"}, {"quote", "", "QTa1"}, {"quote", "QTa0", nullptr},
        {"quote", "QT1a", nullptr}, {"quote", "QXa1", nullptr}, {"quote", "QTa12", nullptr}, {"quote", "QTVRx", nullptr},
        {"CV Ref", "cv", "CV"}, {"CV Ref", "", "CV"}, {"CV Ref", "CO", nullptr}, {"CV Ref", "C1", nullptr},
        {"CO Ref", "CO", "CO"}, {"CO Ref", "", "CO"}, {"CO Ref", "COR", nullptr}, {"regular", "", ""},
        {"regular", "A1", nullptr}};
    for (const auto& [kind, code_cell, written] : cases) {
        const bool verse_text = kind == "FTV" || kind == "quote";
        const std::string text = "Book,Chapter,Verse,Kind,Code,Question,Answer\nR,1,1," + kind + "," + code_cell + ",Who is it," +
                                 (verse_text ? "" : "Paul") + "\n";
        const ImportPlan plan = plan_import("q.csv", text, default_season());
        if (!written) {
            ASSERT_EQ(plan.problems.size(), 1u) << kind << " " << code_cell;
            EXPECT_NE(plan.problems.front().find("row 2, column Code:"), std::string::npos) << plan.problems.front();
            continue;
        }
        ASSERT_TRUE(plan.problems.empty()) << plan.problems.front();
        const std::string code = *written ? std::string(written) + "\t" : "";
        EXPECT_EQ(plan.files.begin()->second.front(), " 1  1\t" + code + "Who is it" + (verse_text ? "" : "\tPaul")) << code_cell;
    }
}

}  // namespace
}  // namespace tv
