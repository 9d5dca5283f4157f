// The quiz style record: plain data without dependencies, so that every layer,
// the question bank included, may take a style. Its file format is style/style.h.
#pragma once
#include <string>

namespace tv {

// The 29 settings of a style, in file order. Chapters are numbered across the books
// of the material (Romans 1-16, then James 1-5 as 17-21). Letters are stored upper-case.
struct Style {
    char LG = 'F';
    int BCHAP = 1, BVER = 1;
    int ECHAP = 1, EVER = 1;
    std::string NAME4;
    int LPP = 60;
    char OUT = 'P';
    int QMAX = 20;
    char REGLST = 'A';
    int AB = 16, IPC = 50;
    char INDX = 'Y';
    int QNUM = 10;
    char SEC1 = 'V';
    int REPEATPCT = 0;
    int SPMAX = 0, SPMIN = 0, FMAX = 0, FMIN = 0, RMAX = 0, RMIN = 0, OMAX = 0, OMIN = 0, SMAX = 0,
        SMIN = 0;
    int PRIMPCT = 100;
    int SPEARLY = 1, SPLATE = 30;
    char SETSPC = 'N';
    std::string TYP = std::string(30, 'n');
};

}  // namespace tv
