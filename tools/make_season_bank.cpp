// Writes a small made-up question bank for the material named in a workspace's
// Material.txt: the regular list A (RJ.A), the FTV file of Pct Prim FTV 100
// (FTV.00) and the CV Ref and CO Ref files of lists A and B (cv.b, co.b). Every
// verse of every book gets its questions from a fixed word list and a generator
// seeded by the verse, so the same material always gives the same bank. The bank
// written is then counted as the program counts it, so a line the program would
// refuse stops the generator with the program's own message.
//   make_season_bank FOLDER
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "bank/bank.h"
#include "bank/season.h"

namespace {

const std::vector<std::string> NOUNS = {
    "faith", "hope",      "grace",    "promise", "covenant", "priest",  "word",      "house",
    "rest",  "servant",   "glory",    "mercy",   "brothers", "elders",  "shepherd",  "stone",
    "light", "patience",  "blessing", "altar",   "love",     "truth",   "spirit",    "joy",
    "peace", "knowledge", "virtue",   "city",    "country",  "fathers", "angels",    "heaven",
    "earth", "voice",     "name",     "way",     "heart",    "day",     "life",      "fire",
    "water", "bread",     "crown",    "path",    "oath",     "tent",    "sacrifice", "blood"};
const std::vector<std::string> LINKS = {"of", "and", "in", "for", "with", "to", "by", "from"};

// A small linear congruential generator: the bank must not change between runs.
struct Draw {
    std::uint64_t state;
    explicit Draw(std::uint64_t seed) : state(seed * 2654435761u + 12345) {}
    int operator()(int n) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        return static_cast<int>((state >> 33) % static_cast<std::uint64_t>(n));
    }
    const std::string& noun() { return NOUNS[(*this)(static_cast<int>(NOUNS.size()))]; }
};

std::string capital(std::string w) {
    w[0] = static_cast<char>(w[0] - 'a' + 'A');
    return w;
}

std::string two(int n) { return (n < 10 ? " " : "") + std::to_string(n); }

// The verse text: nouns joined by small words, from 10 to 23 words.
std::string verse_text(Draw& d) {
    const int words = 10 + d(14);
    std::string text = capital(d.noun());
    for (int i = 1; i < words; ++i) text += " " + (i % 2 == 1 ? LINKS[d(8)] : d.noun());
    return text + ".";
}

// A regular question on the verse at `where` ("1 Peter 3:15").
std::string regular(Draw& d, const std::string& where, const std::string& text) {
    const std::string a = d.noun(), b = d.noun();
    switch (d(6)) {
    case 0:
        return "What does " + where + " say about the " + a + "?\tThe " + a + " " + LINKS[d(8)] +
               " " + b;
    case 1: return "Who, according to " + where + ", gave the " + a + "?\tThe " + b;
    case 2: return "Why, according to " + where + ", is the " + a + " near?\tBecause of the " + b;
    case 3: return "How, according to " + where + ", do we keep the " + a + "?\tBy " + b;
    case 4: return "In " + where + ", which word follows \"" + a + "\"?\t" + capital(b);
    default:
        return "Finish this: \"" + text.substr(0, text.find(' ', 12)) + " ...\"\t" + capital(a);
    }
}

void write(const std::string& folder, const std::string& name,
           const std::vector<std::string>& lines) {
    const tv::Files files(folder);
    tv::TextWriter out = files.create(name);
    for (const std::string& line : lines) out.writeln(line);
    out.close();
    std::cout << name << ": " << lines.size() << " questions\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_season_bank FOLDER\n";
        return 2;
    }
    try {
        const tv::Season season = tv::load_season(tv::Files(argv[1]));
        std::vector<std::string> reg, ftv, cv, co;
        for (int ch = 1; ch <= season.chapters(); ++ch) {
            for (int vs = 1; vs <= season.verses(ch); ++vs) {
                Draw d(static_cast<std::uint64_t>(ch) * 100 + vs);
                const std::string where = season.book_of(ch).name + " " +
                                          std::to_string(season.within(ch)) + ":" +
                                          std::to_string(vs);
                const std::string head = two(ch) + " " + two(vs) + "\t";
                const std::string text = verse_text(d);
                for (int k = d(4); k > 0; --k) reg.push_back(head + regular(d, where, text));
                if (d(3) == 0) {
                    const char type = static_cast<char>('a' + d(5));
                    const std::string code = d(5) == 0 ? std::string("QT") + type + "1"
                                                       : "F" + std::to_string(1 + d(3)) + type;
                    ftv.push_back(head + code + "\t" + text);
                }
                if (d(2) == 0)
                    cv.push_back(head + "CV\twhat word follows \"" + d.noun() + "\"?\t" +
                                 capital(d.noun()));
                if (d(3) == 0)
                    co.push_back(head + "CO\twhich verse speaks of the " + d.noun() + "?\tVerse " +
                                 std::to_string(vs));
            }
        }
        const std::string folder = argv[1];
        write(folder, "RJ.A", reg);
        write(folder, "FTV.00", ftv);
        write(folder, "cv.b", cv);
        write(folder, "co.b", co);
        const tv::BankNames names{"RJ.A", "FTV.00", "cv.b", "co.b", ""};
        auto counted = std::make_unique<tv::BankTables>();
        tv::count_questions(tv::read_bank(tv::Files(folder), names), season, *counted);
    } catch (const std::exception& e) {
        std::cerr << "make_season_bank: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
