// The PDF a run writes beside its packet, read back with poppler-utils: the packet's
// text page by page, one PDF page per packet page or card, the font embedded.
#include <gtest/gtest.h>

#include <tuple>

#include <algorithm>
#include <cstdio>
#include <regex>
#include <sstream>

#include "driver/bank_commands.h"
#include "driver/cycle.h"
#include "pdf/pdf.h"
#include "support/support.h"

using namespace tv;

namespace {

// Romans 1:1-6:23 in 15 sectors by verse, page layout, 12 quizzes, 2-5 specialties.
const char* BASE[] = {"N", "1 1", "6 23", "Rules", "60", "P", "15", "A", "12", "50", "N", "12", "V", "0", "5", "2", "2", "1", "2",
    "0", "2", "0", "0", "0", "100", "2", "14", "N", "nAAAAAAAAAAAAAnnnnnnnnnnnnnnnn"};

struct Row {
    const char* workspace;  // under examples/
    const char* changes;    // "line=value;..." over BASE
    char layout;
    const char* paper = "";  // Paper.txt of the workspace
};

const Row RUNS[] = {{"bank", "", 'P'}, {"bank", "6=C", 'C'}, {"bank", "13=C;6=T;9=9", 'T', "# the paper\nA4\n"},
    {"hebrews-peter", "3=21 18", 'P', "a4"}, {"hebrews-peter", "3=21 18;13=Q;6=C", 'C'},
    {"hebrews-peter", "3=3 19;13=C;6=T;7=10;27=10", 'T'},
    // curly quotes and accented letters
    {"matthew", "", 'P'}, {"matthew", "13=Q;6=C", 'C'}, {"matthew", "13=C;6=T;9=9", 'T'}};

std::string output_of(const std::string& command) {
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (p == nullptr) return out;
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    EXPECT_EQ(pclose(p), 0) << command;
    return out;
}

std::vector<std::string> split(const std::string& text, char at) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, at);) parts.push_back(part);
    return parts;
}

// The lines of a page that hold anything, each with its runs of blanks made one.
std::string words(const std::string& page) {
    std::string out;
    for (const std::string& line : split(page, '\n')) {
        std::istringstream in(line);
        std::string w, joined;
        while (in >> w) joined += (joined.empty() ? "" : " ") + w;
        if (!joined.empty()) out += joined + "\n";
    }
    return out;
}

// The packet's pages as the printer would give them: at form feeds (page layout), or
// every 18 lines (cards), empty ones left out.
std::vector<std::string> packet_pages(const std::string& text, char layout) {
    std::vector<std::string> pages;
    if (layout == 'P') {
        pages = split(text, '\f');
    } else {
        const std::vector<std::string> lines = split(text, '\n');
        for (size_t i = 0; i < lines.size(); i += 18) {
            std::string card;
            for (size_t j = i; j < std::min(lines.size(), i + 18); ++j) card += lines[j] + "\n";
            pages.push_back(card);
        }
    }
    std::erase_if(pages, [](const std::string& p) { return words(p).empty(); });
    return pages;
}

// Every character but blanks, sorted: the same text however a table's cells are broken.
std::string characters(const std::string& text) {
    std::string out;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)) && c != '\f') out += c;
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace

TEST(PacketPdf, GivesBackThePacketPageByPage) {
    for (const Row& row : RUNS) {
        SCOPED_TRACE(std::string(row.workspace) + " " + row.layout);
        std::vector<std::string> style(std::begin(BASE), std::end(BASE));
        for (const std::string& c : split(row.changes, ';')) style.at(std::stoi(c) - 1) = c.substr(c.find('=') + 1);
        test::TempDir dir;
        test::copy_from_source(std::string("examples/") + row.workspace, dir.path());
        if (dir.exists("questions.csv")) {
            std::ostringstream told;
            ASSERT_EQ(import_command(dir.files(), (dir.path() / "questions.csv").string(), told, told), 0) << told.str();
        }
        if (*row.paper) dir.write(pdf::PAPER_FILE, row.paper);
        std::string text;
        for (const std::string& line : style) text += line + "\n";
        dir.write("Rules.spe", text);
        dir.write("Specs.lst", "Rules\nEnter New Specs\n");
        ScriptFace face(test::keys("\r\x1b\r" + std::string(12, '\r')));
        Console con(face);
        Random rng;
        FixedClock clock(27);
        MemoryPrinter printer;
        tv::Run run;
        start_program(run, rng, clock, load_season(dir.files()));
        ASSERT_TRUE(run_cycle(run, con, dir.files(), rng, clock, printer)) << test::dump(con.screen());

        const std::string packet = dir.read("Rules.qui");
        const std::string pdf = (dir.path() / "Rules.pdf").string();
        const std::string info = output_of("pdfinfo '" + pdf + "'");
        const std::string all = output_of("pdftotext -layout '" + pdf + "' -");
        const std::vector<std::string> shown = split(all, '\f');
        if (row.layout == 'T') {  // the cells broken into lines, each quiz on a page of its own
            EXPECT_TRUE(characters(all) == characters(std::regex_replace(packet, std::regex("<pb>"), "")));
            const auto starts =
                std::count_if(shown.begin(), shown.end(), [](const std::string& p) { return words(p).rfind("Quiz ", 0) == 0; });
            EXPECT_EQ(starts, std::count(packet.begin(), packet.end(), '<'));
        } else {
            const std::vector<std::string> pages = packet_pages(packet, row.layout);
            ASSERT_NE(info.find("Pages:           " + std::to_string(pages.size()) + "\n"), std::string::npos) << info;
            for (size_t i = 0; i < pages.size(); ++i) EXPECT_EQ(words(shown.at(i)), words(pages[i])) << "page " << i + 1;
        }
        EXPECT_NE(info.find(row.layout == 'C' ? "Page size:       360 x 216 pts"
                            : *row.paper      ? "Page size:       595.28 x 841.89 pts (A4)"
                                              : "Page size:       612 x 792 pts (letter)"),
            std::string::npos)
            << info;
        EXPECT_NE(info.find("Title:           Rules Style Quizzing \u2014 "), std::string::npos) << info;
        EXPECT_NE(dir.read("Rules.pdf").find("/Title (Quiz 1)"), std::string::npos) << "no bookmark of quiz 1";
        const std::string fonts = output_of("pdffonts '" + pdf + "'");
        EXPECT_NE(fonts.find("DejaVuSansMono"), std::string::npos) << fonts;
        EXPECT_EQ(fonts.find(" no "), std::string::npos) << "a font not embedded:\n" << fonts;
        // The packet made into a PDF again, from its file alone.
        std::ostringstream out, err;
        dir.write("Rules.pdf", "");
        ASSERT_EQ(pdf_command(dir.files(), (dir.path() / "Rules.qui").string(), out, err), 0) << err.str();
        EXPECT_TRUE(words(output_of("pdftotext -layout '" + pdf + "' -")) == words(all));
        if (std::string(row.workspace) == "matthew") {
            EXPECT_TRUE(std::any_of(packet.begin(), packet.end(), [](char c) { return c & 0x80; }));
        }
    }
}

// What the PDF library cannot take keeps its column: control characters, DEL and the C1
// controls as blanks, a byte that is not UTF-8 as the Latin-1 letter of that byte.
TEST(PacketPdf, ControlCharactersAndStrayBytesKeepTheirColumns) {
    test::TempDir dir;
    dir.write("t.pdf", pdf::packet_pdf("x\x7Fy\x01z caf\xE9 \xC2\x85w\n", 'P', {}, "t.pdf"));
    EXPECT_EQ(words(output_of("pdftotext -layout '" + (dir.path() / "t.pdf").string() + "' -")), "x y z caf\u00e9 w\n");
}

// A packet's layout from its text alone: form feeds make pages, TABs or page marks a table.
// Its title: the style named on its first line and the season, either alone without the other.
TEST(PacketPdf, TheLayoutAndTitleOfAPacketAreKnownFromItsText) {
    const std::pair<const char*, char> cases[] = {
        {"Quiz 1\f\n", 'P'}, {"1\tF1a\tWho\n", 'T'}, {"Quiz 1\n<pb>\n", 'T'}, {"\n    Quiz 1\n", 'C'}};
    for (const auto& [text, layout] : cases) EXPECT_EQ(pdf::layout_of_text(text), layout) << text;
    const std::tuple<const char*, const char*, const char*> titles[] = {
        {"\n  Practice\n", "Romans", "Practice \u2014 Romans"}, {"\n  Practice\n", "", "Practice"}, {"\n\n", "Romans", "Romans"}};
    for (const auto& [text, season, title] : titles) EXPECT_EQ(pdf::title_of_text(text, 'C', season), title) << text;
}

// The paper of a workspace: Letter unless its paper file says A4, in either case; any other
// word is named with its line.
TEST(PacketPdf, ThePaperIsA4OrLetter) {
    const std::pair<const char*, const char*> cases[] = {{"", "letter"}, {"# ours\n Letter \n", "letter"}, {"a4\nlegal\n", "a4"},
        {"\nlegal\n", "cannot use \"Paper.txt\" (line 2): the paper is \"legal\"; it must be A4 or Letter"}};
    for (const auto& [text, told] : cases) {
        test::TempDir dir;
        dir.write(pdf::PAPER_FILE, text);
        std::string paper = "a4";
        const std::string e = test::error_of([&] { paper = pdf::read_paper(dir.files()) == pdf::Paper::a4 ? paper : "letter"; });
        EXPECT_EQ(e == "no error" ? paper : e, told);
    }
}
