// A style file made from the input, taken as the driver takes the style of a run:
// read into the run settings (the editor's shared fields copied), the bank's file
// names and the run's own file names from it, the editor's cross-field check of
// the settings, and the material counted over the demo bank's verse index.
// Properties: the editor's form converts back to the same settings, and a style
// written out by the editor reads back to the same settings. (A letter field that
// is a CR is the one exception: written before the line end, it reads back as part
// of a CR LF line end. The comparison takes it as a blank.)
#include <cstdint>

#include "bank/bank.h"
#include "driver/cycle.h"
#include "editor/checks.h"
#include "fuzz_support.h"

using namespace tv;

namespace {

// The per-verse counts of the demo bank, counted once.
const BankTables& demo_tables() {
    static const BankTables t = [] {
        BankTables b;
        const Files bank(std::filesystem::path(TV_SOURCE_DIR) / "examples" / "bank");
        count_questions(read_bank(bank, BankNames{"RJ.A", "FTV.00", "cv.b", "co.b", ""}),
                        default_season(), b);
        return b;
    }();
    return t;
}

int total(const VerseCounts& c) {
    int n = 0;
    for (int ch = 0; ch <= MAX_CHAPTERS; ++ch)
        for (int v : c[ch]) n += v;
    return n;
}

bool same(const Style& a, const Style& b) {
    return a.LG == b.LG && a.NAME4 == b.NAME4 && a.OUT == b.OUT && a.REGLST == b.REGLST &&
           a.INDX == b.INDX && a.SEC1 == b.SEC1 && a.SETSPC == b.SETSPC && a.TYP == b.TYP &&
           a.BCHAP == b.BCHAP && a.BVER == b.BVER && a.ECHAP == b.ECHAP && a.EVER == b.EVER &&
           a.LPP == b.LPP && a.QMAX == b.QMAX && a.AB == b.AB && a.IPC == b.IPC &&
           a.QNUM == b.QNUM && a.REPEATPCT == b.REPEATPCT && a.SPMAX == b.SPMAX &&
           a.SPMIN == b.SPMIN && a.FMAX == b.FMAX && a.FMIN == b.FMIN && a.RMAX == b.RMAX &&
           a.RMIN == b.RMIN && a.OMAX == b.OMAX && a.OMIN == b.OMIN && a.SMAX == b.SMAX &&
           a.SMIN == b.SMIN && a.PRIMPCT == b.PRIMPCT && a.SPEARLY == b.SPEARLY &&
           a.SPLATE == b.SPLATE;
}

// The settings with a CR letter as a blank.
Style plain(Style s) {
    for (char* letter : {&s.LG, &s.OUT, &s.REGLST, &s.INDX, &s.SEC1, &s.SETSPC})
        if (*letter == '\r') *letter = ' ';
    return s;
}

// The style as the editor writes it, read back.
Style written_and_read(const Files& files, const Style& s) {
    {
        TextWriter out = files.create("again.spe");
        write_style_head(out, s);
        write_style_typ(out, s.TYP);
        out.close();
    }
    TextReader in = files.read("again.spe");
    return read_style(in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::WorkDir& dir = fuzz::work_dir();
    const Files files = dir.files();
    const BankTables& demo = demo_tables();
    dir.write("fuzz.spe", fuzz::as_text(data, size));

    auto run = std::make_unique<Run>();
    run->NAME = "fuzz";
    try {
        TextReader in = files.read("fuzz.spe");
        run->settings = read_style(in);
    } catch (const IoError& e) {
        if (e.file != "fuzz.spe" || e.line < 1) fuzz::fail("an error not naming the style's line");
        return 0;
    }
    const Style& s = run->settings;
    // The driver refuses a style with a setting outside the form's values; the check
    // itself must cope with anything.
    const bool in_range = setting_out_of_range(s, default_season()).empty();
    name_bank(*run);
    name_run_files(*run);

    const EditorStyle e = to_editor(s, default_season());
    if (!same(to_absolute(e), s)) fuzz::fail("the editor's form converts back to other settings");
    const int check = failing_check(e);
    if (check < 0 || check > CHECK_COUNT) fuzz::fail("a check number out of range");
    check_field(check);

    BankTables t = demo;
    count_material(s, t);
    for (int n : {t.TQUEST, t.FQUEST, t.RQUEST, t.OQUEST, t.SQUEST, t.BEFORE, t.FBEFORE, t.RBEFORE,
                  t.OBEFORE, t.SBEFORE})
        if (n < 0) fuzz::fail("a negative count of the material");
    if (in_range && check == 0 &&
        (t.BEFORE + t.TQUEST > total(t.QCOUNT) || t.FBEFORE + t.FQUEST > total(t.FCOUNT)))
        fuzz::fail("the material and the verses before it hold more than the bank");

    if (!same(plain(written_and_read(files, s)), plain(s)))
        fuzz::fail("a style written out reads back different");
    return 0;
}
