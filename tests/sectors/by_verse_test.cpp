#include <gtest/gtest.h>

#include <random>

#include "material.h"
#include "sectors/sectoring.h"

using namespace tv;
using namespace tv::test;

namespace {

void by_verse(Material& m, Console& con) {
    m.done();
    sector_by_verse(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t);
}

void by_verse(Material& m) {
    ScriptFace face;
    Console con(face);
    by_verse(m, con);
}

}  // namespace

TEST(ByVerse, AnAttemptThatUsesUpTheMaterialExactlyFails) {
    // Targets 4 and 3 both end the second sector with the last verse of the material;
    // only target 2 leaves material over, and the rest goes to the last sector.
    Material m(1, 1, 1, 4, 2);
    m.verse(1, 1, 2).verse(1, 2, 2).verse(1, 3, 2).verse(1, 4, 2);
    by_verse(m);
    EXPECT_EQ(spans(m.t), (std::vector<Span>{{1, 1, 1, 1, 2}, {1, 2, 1, 4, 6}}));
    EXPECT_EQ(m.t.MINQZ, 2);
    EXPECT_FALSE(m.t.RES);
}

TEST(ByVerse, FallingTargetsGiveTheLargerTargetToTheFirstSectors) {
    // 3 sectors over 10 verses of 1 question: target 3 works with sector 1 at 4.
    Material m(1, 1, 1, 10, 3);
    for (int v = 1; v <= 10; ++v) m.verse(1, v, 1);
    by_verse(m);
    EXPECT_EQ(m.t.MINQZ, 3);
    EXPECT_EQ(spans(m.t), (std::vector<Span>{{1, 1, 1, 3, 3}, {1, 4, 1, 6, 3}, {1, 7, 1, 10, 4}}));
    // The sector totals hold the counts as each sector closed.
    EXPECT_EQ(column(m.t.TQPS, 3), (std::vector<int>{3, 3, 3}));
}

TEST(ByVerse, LevelLStartsNoSectorInChapter7) {
    struct Case { char LG; Span second; int ftv2; };
    for (Case c : {Case{'L', {8, 1, 8, 39, 15}, 0}, Case{'F', {7, 1, 8, 39, 15}, 3}}) {
        SCOPED_TRACE(c.LG);
        Material m(6, 1, 8, 39, 2);
        m.style.LG = c.LG;
        m.verse(6, 23, 10).verse(7, 1, 0, 3).verse(8, 1, 10).verse(8, 2, 5);
        by_verse(m);
        EXPECT_EQ(m.t.MINQZ, 10);
        EXPECT_EQ(spans(m.t), (std::vector<Span>{{6, 1, 6, 23, 10}, c.second}));
        EXPECT_EQ(m.t.FPS[2], c.ftv2);
    }
}

TEST(ByVerse, FallsBackToSectoringByQuestion) {
    // Three sectors of whole verses cannot leave material over: by question instead.
    Material m(1, 1, 1, 3, 3);
    m.verse(1, 1, 1).verse(1, 2, 1).verse(1, 3, 10);
    ScriptFace face({key::ENTER});
    Console con(face);
    con.go(1, 5);
    by_verse(m, con);
    EXPECT_TRUE(m.t.RES);
    EXPECT_EQ(m.t.MINQZ, 4);
    EXPECT_EQ(spans(m.t), (std::vector<Span>{{1, 1, 1, 3, 4}, {1, 3, 1, 3, 4}, {1, 3, 1, 3, 4}}));
    EXPECT_EQ(con.screen().line(6), "  Sc From    To    --Total Questions--   Sc From    To    --Total Questions--");
}

TEST(ByVerse, AFinalTargetOf0GivesMinqz0) {
    Material m(1, 1, 3, 1, 2);
    m.verse(1, 1, 5).verse(3, 1, 1);
    by_verse(m);
    EXPECT_EQ(m.t.MINQZ, 0);
    EXPECT_EQ(spans(m.t), (std::vector<Span>{{1, 1, 1, 1, 5}, {2, 1, 3, 1, 1}}));
}

TEST(ByVerse, AChapterEndsAfterItsLastVerseNotAfterFiveEmptyVerses) {
    // Five verses without regular questions inside chapter 1: the walk goes on to 1:7
    // and counts their FTV, rather than leaving the rest of the chapter out.
    Material m(1, 1, 2, 29, 2);
    m.verse(1, 1, 2);
    for (int v = 2; v <= 6; ++v) m.verse(1, v, 0, 1);
    m.verse(1, 7, 2).verse(1, 8, 2).verse(1, 32, 0, 10).verse(2, 29, 1);
    by_verse(m);
    EXPECT_EQ(spans(m.t), (std::vector<Span>{{1, 1, 1, 1, 2}, {1, 7, 2, 29, 5}}));
    EXPECT_EQ(column(m.t.FPS, 2), (std::vector<int>{5, 10}));
    EXPECT_EQ(m.t.QPS[1] + m.t.QPS[2], m.bank.TQUEST);
}

TEST(ByVerse, TheLastSectorStopsAtTheEndOfTheMaterial) {
    // 1:4 lies after the material: its FTV belong to no sector.
    Material m(1, 1, 1, 3, 2);
    m.verse(1, 1, 2).verse(1, 2, 2).verse(1, 3, 2).verse(1, 4, 0, 5);
    by_verse(m);
    EXPECT_EQ(spans(m.t), (std::vector<Span>{{1, 1, 1, 1, 2}, {1, 2, 1, 3, 4}}));
    EXPECT_EQ(m.t.FPS[2], 0);
    EXPECT_EQ(m.bank.FQUEST, 0);
}

// ---------------------------------------------------------------------------------
// The walk as it was before chapters ended at their last verse: at most four verses
// without regular questions were passed over, a fifth ended the chapter.

namespace {

struct OldWalk {
    const Style& st;
    const BankTables& b;
    SectorTables t;

    int q(int X, int Y) const { return X >= 1 && X <= 21 && Y >= 1 && Y <= 45 ? b.QCOUNT[X][Y] : 0; }
    void add_specialties(int X, int Y, int s) {
        if (X < 1 || X > 21 || Y < 1 || Y > 45) return;
        t.FPS[s] += b.FCOUNT[X][Y], t.RPS[s] += b.RCOUNT[X][Y];
        t.OPS[s] += b.OCOUNT[X][Y], t.SPS[s] += b.SCOUNT[X][Y];
    }
    void take(int s, int& X, int& Y) {
        t.QPS[s] += q(X, Y);
        add_specialties(X, Y, s);
        t.EC[s] = X, t.EV[s] = Y;
        ++Y;
        for (int k = 0; k < 4 && q(X, Y) == 0; ++k) {
            add_specialties(X, Y, s);
            if (++Y >= 45) break;
        }
        if (q(X, Y) == 0) ++X, Y = 1;
    }
    bool in(int X, int Y) const { return X < st.ECHAP || (X == st.ECHAP && Y <= st.EVER); }
    int run(int S) {
        t.SECTORS = S;
        int C1 = b.TQUEST / S + 1, X = 0, Y = 0;
        bool ok = false;
        do {
            --C1;
            int C3 = S;
            do {
                --C3;
                t = SectorTables{};
                t.SECTORS = S;
                X = st.BCHAP, Y = st.BVER;
                for (int s = 1; s <= S; ++s) {
                    t.BC[s] = X, t.BV[s] = Y;
                    do take(s, X, Y);
                    while (X <= 21 && t.QPS[s] < (s < C3 ? C1 + 1 : C1));
                    if (X > 21) break;
                }
                ok = in(X, Y);
            } while (!ok && C3 != 1 && C1 != -1);
        } while (!ok && C1 != -1);
        while (C1 != -1 && in(X, Y) && X <= 21) take(S, X, Y);
        t.EC[S] = st.ECHAP, t.EV[S] = st.EVER;
        return C1;
    }
};

}  // namespace

TEST(ByVerse, BanksWithoutFiveEmptyVersesInARowGiveTheSectorsTheyGaveBefore) {
    std::mt19937 rng(20240611);
    auto draw = [&](int n) { return static_cast<int>(rng() % n); };
    int compared = 0;
    for (int round = 0; round < 300; ++round) {
        const int bchap = 1 + draw(18), echap = std::min(21, bchap + draw(4));
        const int bver = 1 + draw(VERSE_COUNT[bchap]);
        int ever = 1 + draw(VERSE_COUNT[echap]);
        if (echap == bchap && ever < bver) ever = bver;
        Material m(bchap, bver, echap, ever, 2 + draw(11));
        for (int ch = 1; ch <= 21; ++ch) {
            int empty_run = 0;  // never five verses in a row without regular questions
            for (int v = 1; v <= VERSE_COUNT[ch]; ++v) {
                bool empty = draw(3) == 0 && empty_run < 4;
                // Right after the material every verse holds questions, so that nothing
                // is passed over beyond its end.
                if (ch == echap && v > ever) empty = false;
                empty_run = empty ? empty_run + 1 : 0;
                m.verse(ch, v, empty ? 0 : 1 + draw(4), draw(3), draw(2), draw(2), draw(2));
            }
        }
        m.done();
        if (m.bank.TQUEST < m.t.SECTORS) continue;
        OldWalk old{m.style, m.bank, {}};
        const int old_minqz = old.run(m.t.SECTORS);
        if (old_minqz == -1) continue;  // sectored by question instead

        ScriptFace face;
        Console con(face);
        sector_by_verse(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t);
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_EQ(m.t.MINQZ, old_minqz);
        ASSERT_EQ(spans(m.t), spans(old.t));
        for (auto row : {&SectorTables::FPS, &SectorTables::RPS, &SectorTables::OPS, &SectorTables::SPS})
            ASSERT_EQ(column(m.t.*row, m.t.SECTORS), column(old.t.*row, m.t.SECTORS));
        ++compared;
    }
    EXPECT_GE(compared, 200);
}
