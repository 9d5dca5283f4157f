#include "sectors/sectoring.h"

#include "sectors/chapsec.h"
#include "sectors/count_file.h"
#include "sectors/display.h"

namespace tv {

CountLine read_count_line(TextReader& counts) {
    CountLine c;
    c.CH = static_cast<int>(counts.read_int());
    c.VS = static_cast<int>(counts.read_int());
    c.A = static_cast<int>(counts.read_int());
    c.B = static_cast<int>(counts.read_int());
    c.C2 = static_cast<int>(counts.read_int());
    c.D = static_cast<int>(counts.read_int());
    c.SS = static_cast<int>(counts.read_int());
    counts.skip_line();
    return c;
}

CountLine read_count_line_into(TextReader& counts, SectorTables& t, int S) {
    CountLine c = read_count_line(counts);
    if (S >= 1 && S <= MAX_SECTORS) {
        t.QPS[S] += c.A;
        t.FPS[S] += c.B;
        t.RPS[S] += c.C2;
        t.OPS[S] += c.D;
        t.SPS[S] += c.SS;
    }
    return c;
}

namespace {

int count_at(const VerseCounts& c, int X, int Y) { return in_tables(X, Y) ? c[X][Y] : 0; }

void add_specialty(SectorTables& t, int s, const CountLine& c) {
    t.FPS[s] += c.B;
    t.RPS[s] += c.C2;
    t.OPS[s] += c.D;
    t.SPS[s] += c.SS;
}

void clear_specialty(SectorTables& t) {
    for (SectorRow* row : {&t.FPS, &t.RPS, &t.OPS, &t.SPS}) row->fill(0);
}

}  // namespace

void add_specialty_counts(const BankTables& bank, SectorTables& t, int X, int Y, int S) {
    if (S < 1 || S > MAX_SECTORS) return;
    t.FPS[S] += count_at(bank.FCOUNT, X, Y);
    t.RPS[S] += count_at(bank.RCOUNT, X, Y);
    t.OPS[S] += count_at(bank.OCOUNT, X, Y);
    t.SPS[S] += count_at(bank.SCOUNT, X, Y);
}

// ---------------------------------------------------------------------------------
// Checks and header

void check_material(SectoringReport& report, const BankTables& bank, const SectorTables& t) {
    // A single sector never lets either walk end, and the tables hold 30 sectors.
    if (t.SECTORS < 2 || t.SECTORS > MAX_SECTORS) {
        report.cannot_sector(t.SECTORS);
        throw RunAbandoned{"questions per quiz outside 2-30"};
    }
    if (bank.TQUEST < t.SECTORS) {
        report.too_few_questions(bank.TQUEST);
        throw RunAbandoned{"fewer regular questions than sectors"};
    }
    report.material_summary(bank);
}

void compute_repeat_points(const Style& style, const BankTables& bank, RepeatPoints& rp) {
    if (style.FMAX >= 1) rp.FQUIZ = ((bank.FQUEST * 4) / style.FMAX) / 5;
    if (style.SMAX >= 1) rp.SQUIZ = bank.SQUEST / style.SMAX;
    if (style.OMAX >= 1) rp.OQUIZ = bank.OQUEST / style.OMAX;
    if (style.RMAX >= 1) rp.RQUIZ = bank.RQUEST / style.RMAX;
}

// ---------------------------------------------------------------------------------
// Sectoring by question

void plan_sector_sizes(SectorTables& t, int TQUEST) {
    const int S = t.SECTORS;
    const int q = TQUEST / S;
    for (int s = 1; s < S; ++s) t.QPS[s] = q;
    // The share of the remainder decides which sectors get one question more or less.
    const double f = static_cast<double>(TQUEST) / S - q;
    int ADD = 0;
    auto to_all = [&] {
        for (int s = 1; s < S; ++s) ++t.QPS[s], ++ADD;
    };
    auto at_steps = [&](int delta, int step, int bound) {
        for (int p = 1; p <= bound; p += step) t.QPS[p] += delta, ADD += delta;
    };
    if (f >= 0.875) {
        to_all();
        at_steps(-1, 7, 8 * ((S - 1) / 8));
    } else if (f >= 0.75) {
        to_all();
        at_steps(-1, 4, 4 * ((S - 1) / 4));
    } else if (f >= 0.5) {
        at_steps(+1, 2, 2 * ((S - 1) / 2));
    } else if (f >= 0.333) {
        at_steps(+1, 3, 3 * ((S - 1) / 3));
    } else if (f >= 0.25) {
        at_steps(+1, 4, 3 * ((S - 1) / 4));
    } else if (f >= 0.125) {
        at_steps(+1, 8, 8 * ((S - 1) / 8));
    }
    t.QPS[S] = TQUEST - q * (S - 1) - ADD;
}

namespace {

// Reads count lines up to the end of the material until one holds regular
// questions. The lines passed over give their specialty counts to sector s, so that
// every specialty question of the material belongs to exactly one sector.
bool next_regular_verse(TextReader& counts, int end_line, SectorTables& t, int s, CountLine& cur) {
    while (counts.line_no() <= end_line) {
        CountLine c = read_count_line(counts);
        if (c.A >= 1) {
            cur = c;
            return true;
        }
        add_specialty(t, s, c);
    }
    return false;
}

// Walks the regular questions of the material, closing each sector when it holds its
// planned number. A sector that closes inside a verse shares it with the next one;
// a verse's specialty counts go to the sector in which it is first reached.
void walk_questions(const Files& files, const std::string& count_file, const Style& st,
                    const Season& season, SectorTables& t) {
    const int S = t.SECTORS;
    const int rows = season.rows();
    const int end_line = count_line_of(st.ECHAP, st.EVER, rows);
    TextReader counts = files.read(count_file);
    skip_to_line(counts, count_line_of(st.BCHAP, st.BVER, rows));

    int s = 1;
    CountLine cur;
    if (!next_regular_verse(counts, end_line, t, s, cur))
        throw IoError("sector the material with", count_file,
                      "no verse of the material holds a regular question");
    t.BC[1] = cur.CH;
    t.BV[1] = cur.VS;
    add_specialty(t, 1, cur);
    int used = 0, placed = 0;
    do {
        ++used;
        ++placed;
        if (placed == t.QPS[s]) {
            t.EC[s] = cur.CH;
            t.EV[s] = cur.VS;
            ++s;
            t.BC[s] = cur.CH;
            t.BV[s] = cur.VS;
            placed = 0;
        }
        if (used == cur.A) {
            used = 0;
            if (!next_regular_verse(counts, end_line, t, s, cur))
                throw IoError("sector the material with", count_file,
                              "its verses hold fewer regular questions than the material's count",
                              counts.line_no());
            if (placed == 0) {
                t.BC[s] = cur.CH;
                t.BV[s] = cur.VS;
            }
            add_specialty(t, s, cur);
        }
    } while (s != S);

    // The last sector runs to the end of the material. The walk stopped just after the
    // last sector's first verse, whose counts it took; every line after it adds its
    // specialty counts too.
    t.EC[S] = st.ECHAP;
    t.EV[S] = st.EVER;
    while (counts.line_no() <= end_line) add_specialty(t, S, read_count_line(counts));
}

}  // namespace

void sector_by_question(SectoringReport& report, const Files& files, const std::string& count_file,
                        const Style& style, const Season& season, const BankTables& bank,
                        SectorTables& t) {
    t.MINQZ = bank.TQUEST / t.SECTORS;
    report.by_question();

    plan_sector_sizes(t, bank.TQUEST);
    clear_specialty(t);
    walk_questions(files, count_file, style, season, t);
    t.RES = true;
}

// ---------------------------------------------------------------------------------
// Sectoring by verse

namespace {

struct Position {
    int X, Y;  // chapter, verse
};

bool in_material(const Style& st, Position p) {
    return p.X < st.ECHAP || (p.X == st.ECHAP && p.Y <= st.EVER);
}

// Adds the verse at p to sector s and moves on: verses of the chapter without
// regular questions are passed over with their specialty counts added, however many
// in a row; after the chapter's last verse the walk goes on at verse 1 of the next
// chapter. With `end` given, the passing stops at the end of the material.
void take_verse(const Season& season, const BankTables& bank, SectorTables& t, int s, Position& p,
                const Style* end) {
    t.QPS[s] += count_at(bank.QCOUNT, p.X, p.Y);
    add_specialty_counts(bank, t, p.X, p.Y, s);
    t.EC[s] = p.X;
    t.EV[s] = p.Y;
    ++p.Y;
    const int last = season.verses(p.X);
    while (p.Y <= last && count_at(bank.QCOUNT, p.X, p.Y) == 0 &&
           (end == nullptr || in_material(*end, p))) {
        add_specialty_counts(bank, t, p.X, p.Y, s);
        ++p.Y;
    }
    if (p.Y > last) {
        ++p.X;
        p.Y = 1;
    }
}

// At level L a sector does not begin in a chapter the level skips (with Romans and
// James, 7, 9-11 and 14-16): it begins at the next chapter not skipped.
void skip_left_out_start(const Season& season, Position& p) {
    if (p.X < 1 || !season.level_l_skips(p.X)) return;
    for (int ch = p.X + 1; ch <= season.chapters(); ++ch) {
        if (!season.level_l_skips(ch)) {
            p = {ch, 1};
            return;
        }
    }
}

// One attempt: sectors 1..C3-1 are filled to C1+1 regular questions, the others to
// C1. It succeeds when material is left over after the last sector.
bool verse_attempt(const Style& st, const Season& season, const BankTables& bank, SectorTables& t,
                   int C1, int C3, Position& p) {
    const int S = t.SECTORS;
    for (SectorRow* row :
         {&t.QPS, &t.FPS, &t.RPS, &t.OPS, &t.SPS, &t.TQPS, &t.TFPS, &t.TRPS, &t.TOPS, &t.TSPS})
        std::fill(row->begin() + 1, row->begin() + S + 1, 0);
    p = {st.BCHAP, st.BVER};
    for (int s = 1; s <= S; ++s) {
        const int target = s < C3 ? C1 + 1 : C1;
        if (st.LG == 'L') skip_left_out_start(season, p);
        t.BC[s] = p.X;
        t.BV[s] = p.Y;
        do take_verse(season, bank, t, s, p, nullptr);
        while (p.X <= season.chapters() && t.QPS[s] < target);
        copy_totals(t, s);
        if (p.X > season.chapters()) break;
    }
    return in_material(st, p);
}

}  // namespace

void sector_by_verse(SectoringReport& report, const Files& files, const std::string& count_file,
                     const Style& style, const Season& season, BankTables& bank, SectorTables& t) {
    const int S = t.SECTORS;
    int C1 = bank.TQUEST / S + 1;
    bool ok = false;
    Position p{};
    do {
        --C1;
        int C3 = S;
        do {
            --C3;
            ok = verse_attempt(style, season, bank, t, C1, C3, p);
        } while (!ok && C3 != 1 && C1 != -1);
    } while (!ok && C1 != -1);

    if (C1 == -1) {
        sector_by_question(report, files, count_file, style, season, bank, t);
    } else {
        // The rest of the material goes to the last sector, up to its end.
        while (in_material(style, p)) take_verse(season, bank, t, S, p, &style);
        t.MINQZ = C1;
        t.RES = false;
    }
    settle_sectors(style, bank, t);
    report.table(season, t);
}

// ---------------------------------------------------------------------------------
// After sectoring

void sector_followup(SectoringReport& report, const Files& files, const std::string& count_file,
                     const Style& style, const Season& season, BankTables& bank, SectorTables& t,
                     bool stopped) {
    if (stopped) throw RunAbandoned{"Esc after sectoring"};
    if (t.MINQZ == 0) throw RunAbandoned{"a sector holds no regular question"};
    if (t.MINQZ >= style.QNUM || t.MINQZ >= 12) return;

    if (report.early_repeats(t.MINQZ, !t.RES)) {
        sector_by_question(report, files, count_file, style, season, bank, t);
        settle_sectors(style, bank, t);
        report.table(season, t);
        report.resectored_table_read();
    }
}

void sector_material(SectoringReport& report, const Files& files, const std::string& count_file,
                     const Style& style, const Season& season, BankTables& bank, SectorTables& t,
                     RepeatPoints& rp) {
    t = SectorTables{};
    t.SECTORS = style.QMAX;
    report.clear();
    check_material(report, bank, t);
    compute_repeat_points(style, bank, rp);

    bool stopped = false;
    if (style.SEC1 == 'C') {
        sector_by_chapter(report, files, count_file, style, season, bank, t);
        t.RES = false;
    } else if (style.SEC1 == 'Q') {
        sector_by_question(report, files, count_file, style, season, bank, t);
        t.RES = true;
        settle_sectors(style, bank, t);
        report.table(season, t);
        report.wait_on_table();
    } else {
        sector_by_verse(report, files, count_file, style, season, bank, t);
        stopped = !report.accept_table();
    }
    sector_followup(report, files, count_file, style, season, bank, t, stopped);
    report.clear();
}

}  // namespace tv
