// Reading the verse index from a count file made from the input. A file that loads
// holds counts within range, and written out again it loads to the same counts.
#include <cstdint>

#include "bank/bank.h"
#include "fuzz_support.h"

using namespace tv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::WorkDir& dir = fuzz::work_dir();
    dir.write("count.00A", fuzz::as_text(data, size));

    BankTables t;
    if (!load_index(dir.files(), "count.00A", default_season(), t)) return 0;
    for (const VerseCounts* table : {&t.QCOUNT, &t.FCOUNT, &t.RCOUNT, &t.OCOUNT, &t.SCOUNT})
        for (int CH = 0; CH <= CHAPTERS; ++CH)
            for (int V = 0; V <= VERSES; ++V) {
                const int n = (*table)[CH][V];
                if (n < 0 || n > MAX_PER_VERSE || (n > 0 && (CH == 0 || V == 0)))
                    fuzz::fail("a count out of range");
            }

    write_index(dir.files(), "count.again", default_season(), t);
    BankTables again;
    if (!load_index(dir.files(), "count.again", default_season(), again))
        fuzz::fail("the index written again does not load");
    if (again.QCOUNT != t.QCOUNT || again.FCOUNT != t.FCOUNT || again.RCOUNT != t.RCOUNT ||
        again.OCOUNT != t.OCOUNT || again.SCOUNT != t.SCOUNT)
        fuzz::fail("the index written again reads back different counts");
    return 0;
}
