// generate_patterns: the patterns of a run, their review and the pattern file "pat.txt";
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

}  // namespace

void generate_patterns(PatternReport& report, const Files& files, DrawSource& rnd, Patterns& P,
                       const Style& s) {
    P.PAT.assign(std::max(P.QZ, 0) + 1, std::string());
    for (int q = 1; q <= P.QZ; ++q) P.PAT[q] = make_pattern(P, s, rnd);
    report.review(P, s, rnd);
    write_pattern_file(files, P);
}

std::vector<std::string> make_patterns(PatternReport& report, const Files& files, Random& random,
                                       const Style& style, int QNUM, Patterns& P) {
    P.QZ = QNUM;
    GeneratorDraws rnd(random);
    try {
        generate_patterns(report, files, rnd, P, style);
    } catch (const PatternError& e) {
        report.ranges_unmet(e.what());
        throw RunAbandoned{e.what()};
    }
    return read_pattern_file(files, P.QZ);
}

}  // namespace tv
