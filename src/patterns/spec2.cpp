// SPEC2: the patterns of a run, their review and the pattern file "pat.txt";
// make_patterns: the run driver's pattern step around it.
#include <algorithm>

#include "patterns/patterns.h"

namespace tv {

namespace {

void write_pattern_file(const Files& files, const Patterns& P) {
    TextWriter out = files.create(PATTERN_FILE);
    for (int q = 1; q <= P.QZ; ++q) out.writeln(P.PAT[q]);
    out.close();
}

std::vector<std::string> read_pattern_file(const Files& files, int QZ) {
    TextReader in = files.read(PATTERN_FILE);
    std::vector<std::string> PAT(std::max(QZ, 0) + 1);
    for (int q = 1; q <= QZ; ++q) PAT[q] = in.read_line(PATTERN_LENGTH);
    return PAT;
}

// The style's specialty settings cannot be met: say so and wait for Return.
void report_unmet_ranges(Console& con, const PatternError& e) {
    con.normal();
    con.clr();
    con.go(3, 3);
    con.highlight();
    con.write("The specialty ranges of this style cannot be met.");
    con.normal();
    const int row = write_within(con, 3, 5, e.what());
    con.write_at(3, row + 1, "Change the style's specialty settings.  Press Return to continue.");
    con.wait_enter();
}

}  // namespace

void SPEC2(Console& con, const Files& files, DrawSource& rnd, Patterns& P, const Style& s) {
    con.clr();
    con.clr();
    con.go(1, 2);
    P.PAT.assign(std::max(P.QZ, 0) + 1, std::string());
    for (int q = 1; q <= P.QZ; ++q) P.PAT[q] = SPECPAT(P, s, rnd);
    WRITESPECS(con, P, s, rnd);
    write_pattern_file(files, P);
}

std::vector<std::string> make_patterns(Console& con, const Files& files, Random& random,
                                       const Style& style, int QNUM, Patterns& P) {
    P.QZ = QNUM;
    GeneratorDraws rnd(random);
    try {
        SPEC2(con, files, rnd, P, style);
    } catch (const PatternError& e) {
        report_unmet_ranges(con, e);
        throw RunAbandoned{e.what()};
    }
    return read_pattern_file(files, P.QZ);
}

}  // namespace tv
