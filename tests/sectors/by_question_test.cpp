#include <gtest/gtest.h>

#include <numeric>

#include "material.h"
#include "sectors/sectoring.h"

using namespace tv;
using namespace tv::test;

namespace {

std::vector<int> planned(int TQUEST, int S) {
    SectorTables t;
    t.SECTORS = S;
    plan_sector_sizes(t, TQUEST);
    return column(t.QPS, S);
}

// Runs RESECTOR with Enter at its prompt.
void resector(Material& m, Console& con) {
    m.done();
    RESECTOR(con, m.files(), COUNT_FILE, m.style, m.bank, m.t);
}

}  // namespace

TEST(PlannedSizes, AlwaysAddUpAndLeaveNoSectorEmpty) {
    for (int S = 2; S <= 30; ++S)
        for (int TQUEST = S; TQUEST <= 40 * S; ++TQUEST) {
            std::vector<int> sizes = planned(TQUEST, S);
            ASSERT_EQ(std::accumulate(sizes.begin(), sizes.end(), 0), TQUEST) << TQUEST << " in " << S;
            ASSERT_GE(*std::min_element(sizes.begin(), sizes.end()), 1) << TQUEST << " in " << S;
        }
}

TEST(Resector, ACountFileThatDoesNotMatchTheMaterialIsReported) {
    Material m(1, 1, 1, 5, 2);
    m.verse(1, 1, 2).verse(1, 2, 2);
    m.done();
    m.bank.TQUEST = 9;  // more than the file holds
    ScriptFace face({key::ENTER});
    Console con(face);
    try {
        RESECTOR(con, m.files(), COUNT_FILE, m.style, m.bank, m.t);
        FAIL() << "expected an error";
    } catch (const IoError& e) {
        EXPECT_EQ(e.file, COUNT_FILE);
    }
}
