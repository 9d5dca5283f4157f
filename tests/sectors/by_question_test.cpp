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
        RESECTOR(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t);
        FAIL() << "expected an error";
    } catch (const IoError& e) {
        EXPECT_EQ(e.file, COUNT_FILE);
    }
}

TEST(PlannedSizes, WorkedExamples) {
    // 100 in 30: one question more at 1, 4, ..., 25; the last sector takes the rest.
    // 239 in 30: one more everywhere but at 1, 8, 15, 22 (step 7); the last gets 11.
    // 62 in 30: a share below 0.125 adds nothing.
    // 39 in 10: one more to 1-9 but at 1 and 8, the bound itself; the last gets 5.
    std::vector<int> hundred(30, 3), big(30, 8), small(30, 2);
    for (int s : {1, 4, 7, 10, 13, 16, 19, 22, 25}) hundred[s - 1] = 4;
    for (int s : {1, 8, 15, 22}) big[s - 1] = 7;
    hundred[29] = 4, big[29] = 11, small[29] = 4;

    EXPECT_EQ(planned(100, 30), hundred);
    EXPECT_EQ(planned(239, 30), big);
    EXPECT_EQ(planned(62, 30), small);
    EXPECT_EQ(planned(39, 10), (std::vector<int>{3, 4, 4, 4, 4, 4, 4, 3, 4, 5}));
}
