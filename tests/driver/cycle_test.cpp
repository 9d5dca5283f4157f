#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "driver/cycle.h"
#include "support/support.h"

using namespace tv;
using tv::test::ext;

namespace {

// A small bank on Romans 1:1-12: one regular question per verse, each opening like a
// direct question ("Who"), an FTV question in every odd verse, a CV Ref in verses 2, 6
// and 10, and one question of each kind at 2:1, outside the material. Sectoring by
// verse gives 3 sectors of 4, 3 and 5 regular questions: repeats begin after quiz 3.
std::string bank_file(char kind, bool ftv_in_material) {
    std::string text;
    auto add = [&](int ch, int vs, const std::string& q) {
        text += (ch < 10 ? " " : "") + std::to_string(ch) + (vs < 10 ? "  " : " ") +
                std::to_string(vs) + "\t" + q + "\n";
    };
    for (int v = 1; v <= 12; ++v) {
        std::string n = std::to_string(v);
        if (kind == 'q') add(1, v, "Who spoke in verse " + n + "?\tanswer");
        if (kind == 'f' && ftv_in_material && v % 2 == 1) add(1, v, "F1V\tverse " + n);
        if (kind == 'r' && v % 4 == 2) add(1, v, "CV\twhat is verse " + n + "?\tanswer");
    }
    const std::string code = kind == 'q' ? "Who?" : kind == 'f' ? "F1V" : kind == 'r' ? "CV" : "CO";
    add(2, 1, code + "\tlater\ta");
    return text;
}

struct Setup {
    std::string name = "Small";
    int QNUM = 2;
    int IPC = 50;
    bool ftv = true;
};

// The style: material 1:1-1:12, 3 questions per quiz, sectoring by verse, at most 2
// specialties: FTV 0-1, CV Ref 0-1, none of CO Ref and SIT; output "SmallOut".
struct Workspace {
    test::TempDir dir;
    Files files = dir.files();
    explicit Workspace(const Setup& s = {}) {
        dir.write("Specs.lst", s.name + "\nEnter New Specs\n");
        dir.write(s.name + ".spe", "F\n1 1\n1 12\nSmallOut\n60\nP\n3\nA\n16\n" +
                                       std::to_string(s.IPC) + "\nN\n" + std::to_string(s.QNUM) +
                                       "\nV\n0\n2\n0\n1\n0\n1\n0\n0\n0\n0\n0\n58\n1\n3\nN\n" +
                                       std::string(30, 'n') + "\n");
        for (auto [file, kind] :
             {std::pair{"RJ.A", 'q'}, {"FTV.58", 'f'}, {"cv.b", 'r'}, {"co.b", 'o'}})
            dir.write(file, bank_file(kind, s.ftv));
    }
    std::vector<std::string> lines(const std::string& name) const {
        std::vector<std::string> out;
        std::istringstream in(dir.read(name));
        for (std::string l; std::getline(in, l);) out.push_back(l);
        return out;
    }
    int count(const std::string& name, const std::string& text) const {  // lines holding `text`
        int n = 0;
        for (const auto& l : lines(name)) n += l.find(text) != std::string::npos;
        return n;
    }
};

std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
std::vector<int> operator+(std::vector<int> a, const std::string& typed) {
    return a + test::keys(typed);
}

// Up to the sector table: the first style on the menu, the form taken to its title
// with Esc and accepted, the page of patterns accepted, a key on the sector table.
const std::vector<int> TO_SECTORS = test::keys("\r\x1b\r\r\r");
// The top line of the approval menu (automatic), Return on the closing screen.
const std::string AUTOMATIC = "\r\r";

struct Devices {
    ScriptFace face;
    Console con{face};
    Random rng;
    FixedClock clock{1234};
    MemoryPrinter printer;
    explicit Devices(std::vector<int> keys) : face(std::move(keys)) {}
    int run(const Files& files) { return run_program(con, files, rng, clock, printer, ""); }
    bool cycle(tv::Run& run, const Files& files, Printer* p = nullptr) {
        return run_cycle(run, con, files, rng, clock, p ? *p : printer, "");
    }
    const Screen& screen() const { return con.screen(); }
};


}  // namespace

TEST(Run, ASpecialtyWithoutQuestionsInTheMaterialStopsTheRun) {
    Workspace ws({.ftv = false});
    Devices d(TO_SECTORS + "\r");
    tv::Run run;
    EXPECT_THROW(d.cycle(run, ws.files), ScriptExhausted);  // the warning takes two lines
    EXPECT_EQ(d.screen().line(3), "  One specialty has zero questions.");
    EXPECT_EQ(d.screen().line(7), "  Press return to continue.");
    Devices again(TO_SECTORS + "\r\r");
    EXPECT_TRUE(again.cycle(run, ws.files));
    EXPECT_EQ(again.face.left(), 0u);
    EXPECT_EQ(ws.dir.read("SmallOut.qui"), "");
    EXPECT_FALSE(ws.dir.exists("SmallOut.inf"));
}

// A full disk while the run writes its packet or its list ends the program with an
// I/O error naming the file; the style list and the style written before stay whole.
TEST(Run, AFullDiskEndsTheRunWithAnIoErrorAndKeepsTheSavedFiles) {
    for (const char* full : {"SmallOut.qui", "SmallOut.inf"}) {
        Workspace ws;
        std::filesystem::create_symlink("/dev/full", ws.dir.path() / full);
        const std::string list = ws.dir.read("Specs.lst");
        Devices d(TO_SECTORS + AUTOMATIC);
        tv::Run run;
        try {
            d.cycle(run, ws.files);
            ADD_FAILURE() << "no error for " << full;
        } catch (const IoError& e) {
            EXPECT_EQ(e.file, full);
            EXPECT_NE(std::string(e.what()).find("No space left on device"), std::string::npos)
                << e.what();
        }
        EXPECT_EQ(ws.dir.read("Specs.lst"), list) << full;
        // The style as the form saved it, whole.
        TextReader saved = ws.files.read("Small.spe");
        EXPECT_EQ(read_style(saved).TYP, "AAA" + std::string(27, 'n')) << full;
    }
}
