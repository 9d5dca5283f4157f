#include "sectors/chapsec.h"

#include <algorithm>

#include "sectors/count_file.h"
#include "sectors/display.h"
#include "sectors/sectoring.h"

namespace tv {

namespace {

// Deals the sectors out over the chapters in turn, one at a time.
void propose(const Style& st, const Season& season, SectorTables& t) {
    int T = st.BCHAP;
    for (int i = 0; i < t.SECTORS; ++i) {
        for (int k = 0; k < material_chapters(st) && chapter_left_out(st, season, T); ++k)
            T = T < st.ECHAP ? T + 1 : st.BCHAP;
        ++t.CS[T];
        T = T < st.ECHAP ? T + 1 : st.BCHAP;
    }
}

}  // namespace

bool chapter_left_out(const Style& st, const Season& season, int ch) {
    return st.LG == 'L' && season.level_l_skips(ch);
}

int material_chapters(const Style& st) { return st.ECHAP - st.BCHAP + 1; }

void cut_chapters(const Style& st, const Season& season, SectorTables& t) {
    auto EVS = [&season](int ch) { return season.verses(ch); };
    // No sector ends past the last verse of its chapter within the material. When a
    // chapter or group runs out of verses before its sectors, the sectors left begin
    // after its last verse and end on it: they hold no verse.
    auto last_verse = [&](int ch) { return ch == st.ECHAP ? st.EVER : EVS(ch); };
    int s = 0;
    for (int T = st.BCHAP; T <= st.ECHAP && s < MAX_SECTORS; ++T) {
        if (chapter_left_out(st, season, T)) continue;
        const int n = t.CS[T];
        if (n > 0) {
            // A chapter of its own, cut into n runs of about equal length.
            for (int r = 1; r <= n && s < MAX_SECTORS; ++r) {
                ++s;
                t.BC[s] = t.EC[s] = T;
                int L = EVS(T) / n;
                if (T == st.BCHAP && r == 1 && st.BVER > 1) L = (EVS(T) - st.BVER) / n;
                if (T == st.ECHAP) L = st.EVER / n;
                if (r > 1) L = (EVS(T) - t.EV[s - 1]) / (n - r + 1);
                if (T == st.ECHAP && r > 1) L = (st.EVER - t.EV[s - 1]) / (n - r + 1);
                t.BV[s] = s == 1 ? st.BVER : r == 1 ? 1 : t.EV[s - 1] + 1;
                t.EV[s] = std::min(t.BV[s] + L - 1, last_verse(T));
                if (r == n) t.EV[s] = last_verse(T);
            }
        } else {
            // A group: chapters T..G share the sectors of G, the next chapter with a count.
            int G = T;
            while (G < st.ECHAP && t.CS[G] == 0) ++G;
            const int groupn = std::max(1, t.CS[G]);
            int V = 0;
            for (int c = T; c <= G; ++c) V += EVS(c);
            const int L = V / groupn;
            int c = T, v = s == 0 ? st.BVER : 1;
            for (int r = 1; r < groupn && s < MAX_SECTORS; ++r) {
                ++s;
                t.BC[s] = c;
                t.BV[s] = v;
                int end = v + L - 1;
                while (end > EVS(c) && c < G) end -= EVS(c++);
                if (c == G) end = std::min(end, last_verse(G));
                t.EC[s] = c;
                t.EV[s] = end;
                v = end + 1;
                if (v > EVS(c) && c < G) c++, v = 1;
            }
            if (s < MAX_SECTORS) {
                ++s;
                t.BC[s] = c;
                t.BV[s] = v;
                t.EC[s] = G;
                t.EV[s] = last_verse(G);
            }
            T = G;
        }
    }
}

void count_chapter_sectors(const Files& files, const std::string& count_file, const Style& st,
                           const Season& season, SectorTables& t) {
    const int S = t.SECTORS;
    const int rows = season.rows();
    for (SectorRow* row : {&t.QPS, &t.FPS, &t.RPS, &t.OPS, &t.SPS}) row->fill(0);
    const int start = count_line_of(st.BCHAP, st.BVER, rows);
    const int end = count_line_of(st.ECHAP, st.EVER, rows);
    TextReader counts = files.read(count_file);
    skip_to_line(counts, start);
    t.EV[S] = st.EVER;
    for (int s = 1; s <= S; ++s) {
        // The lines of the sector's verses, within its chapters and the material. A
        // sector whose end comes before its begin holds no verse. Left-out chapters
        // between sectors are passed over.
        const int first =
            std::max(count_line_of(t.BC[s], std::clamp(t.BV[s], 1, rows), rows), start);
        const int last = std::min(count_line_of(t.EC[s], std::clamp(t.EV[s], 0, rows), rows), end);
        if (first > last) continue;
        skip_to_line(counts, first);
        while (counts.line_no() <= last) read_count_line_into(counts, t, s);
    }
    copy_totals(t);
}

void sector_by_chapter(SectoringReport& report, const Files& files, const std::string& count_file,
                       const Style& style, const Season& season, BankTables& bank,
                       SectorTables& t) {
    bool entered = false;
    int QMAX = style.QMAX;
    for (;;) {
        report.clear();
        if (!entered) t.CS.fill(0);
        t.SECTORS = QMAX;
        const int X = material_chapters(style);
        // A sector per chapter at least, and a quiz holds at most 30 questions.
        if (X > MAX_SECTORS) {
            report.too_many_chapters(X);
            throw RunAbandoned{"more chapters than a quiz has questions"};
        }
        if (X > t.SECTORS) {
            // One sector per chapter at least: the rest of the run follows the raised count.
            report.sectors_raised(X);
            QMAX = t.SECTORS = X;
        }
        if (!entered) {
            propose(style, season, t);
            entered = true;
        }
        report.allocate_chapters(style, season, t);

        cut_chapters(style, season, t);
        count_chapter_sectors(files, count_file, style, season, t);
        settle_sectors(style, bank, t);
        t.MINQZ = 100;
        for (int s = 1; s <= t.SECTORS; ++s) t.MINQZ = std::min(t.MINQZ, t.QPS[s]);
        // The table reaches the list through the run's own list writer (Step 15), so
        // the list of the run before stays whole until this run puts its own in place.
        if (report.review_chapter_sectors(season, t)) return;
    }
}

}  // namespace tv
