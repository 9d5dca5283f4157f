// The whole index build over question files made from the input: the input is cut
// at form feeds into the regular, FTV, CV Ref and CO Ref files (a missing part is
// an empty file). An index built without an error must write out and read back
// to the same counts.
#include <cstdint>

#include "bank/bank.h"
#include "fuzz_support.h"

using namespace tv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::WorkDir& dir = fuzz::work_dir();
    const BankNames names{"RJ.A", "FTV.00", "cv.b", "co.b", "count.00A"};
    const std::vector<std::string_view> parts = fuzz::split(fuzz::as_text(data, size), '\f');
    const std::string* const files[] = {&names.F3, &names.F4, &names.F5, &names.F6};
    for (size_t i = 0; i < 4; ++i) dir.write(*files[i], i < parts.size() ? parts[i] : "");

    BankTables counted;
    try {
        count_questions(read_bank(dir.files(), names), default_season(), counted);
    } catch (const IoError& e) {
        if (e.file != names.F3 && e.file != names.F4 && e.file != names.F5 && e.file != names.F6)
            fuzz::fail("the error names no question file: " + std::string(e.what()));
        if (e.reason.empty()) fuzz::fail("an error without a reason");
        return 0;
    }
    for (const VerseCounts* table :
         {&counted.QCOUNT, &counted.FCOUNT, &counted.RCOUNT, &counted.OCOUNT})
        for (int CH = 0; CH <= CHAPTERS; ++CH)
            for (int V = 0; V <= VERSES; ++V) {
                const int n = (*table)[CH][V];
                if (n < 0 || n > MAX_PER_VERSE || (n > 0 && (CH == 0 || V == 0)))
                    fuzz::fail("a count out of range");
            }

    write_index(dir.files(), names.count_file, default_season(), counted);
    BankTables loaded;
    if (!load_index(dir.files(), names.count_file, default_season(), loaded))
        fuzz::fail("the index just written does not load");
    if (loaded.QCOUNT != counted.QCOUNT || loaded.FCOUNT != counted.FCOUNT ||
        loaded.RCOUNT != counted.RCOUNT || loaded.OCOUNT != counted.OCOUNT)
        fuzz::fail("the index read back differs from the counts");
    return 0;
}
