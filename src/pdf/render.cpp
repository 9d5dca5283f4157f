// The pages drawn on cairo's PDF surface, and the workspace's choice of paper.
#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <memory>

#include "base/utf8.h"
#include "pdf/pdf.h"

// fontconfig and cairo keep the fonts they found for the life of the process, by design:
// the leak checker of a sanitized build (which calls these) leaves their caches alone.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libcairo.so\n";
}
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }

namespace tv::pdf {

namespace {

constexpr const char* FONT = "DejaVu Sans Mono";
constexpr double ADVANCE = 0.602;  // the font's advance, in ems
constexpr double LEADING = 1.18;   // baseline to baseline, in ems
constexpr double LARGEST = 11;     // points: no text larger than this

// A line as the PDF library takes it: valid UTF-8 without control characters. A byte that
// was not valid UTF-8 is shown as the Latin-1 character of that byte, a TAB or other
// control character as a blank, so that every character keeps its column.
std::string drawable(std::string_view line) {
    std::string out;
    for (size_t i = 0; i < line.size();) {
        char32_t c = utf8::next(line, i);
        if (utf8::is_stray_byte(c)) c -= 0xDC00;
        if (c < 0x20 || (c >= 0x7F && c < 0xA0)) c = U' ';
        utf8::append(out, c);
    }
    return out;
}

cairo_status_t append_bytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

struct SurfaceFree {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextFree {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};

}  // namespace

std::string render(const std::vector<Sheet>& pages, const Settings& settings,
                   const std::string& file_name) {
    std::string bytes;
    const double w = pages.empty() ? 612 : pages.front().width;
    const double h = pages.empty() ? 792 : pages.front().height;
    std::unique_ptr<cairo_surface_t, SurfaceFree> surface(
        cairo_pdf_surface_create_for_stream(append_bytes, &bytes, w, h));
    cairo_surface_t* s = surface.get();
    if (!settings.title.empty())
        cairo_pdf_surface_set_metadata(s, CAIRO_PDF_METADATA_TITLE,
                                       drawable(settings.title).c_str());
    cairo_pdf_surface_set_metadata(s, CAIRO_PDF_METADATA_CREATOR, "Tallyvane " TV_VERSION);
    // A fixed date keeps the same packet's PDF the same, byte for byte.
    cairo_pdf_surface_set_metadata(s, CAIRO_PDF_METADATA_CREATE_DATE, "2000-01-01T00:00:00Z");
    std::unique_ptr<cairo_t, ContextFree> context(cairo_create(s));
    cairo_t* cr = context.get();
    cairo_select_font_face(cr, FONT, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    int number = 0;
    for (const Sheet& page : pages) {
        ++number;
        cairo_pdf_surface_set_size(s, page.width, page.height);
        const double size = std::min(
            {LARGEST, (page.width - 2 * page.margin) / (std::max(page.columns, 1) * ADVANCE),
             (page.height - 2 * page.margin) / (std::max(page.rows, 1) * LEADING)});
        cairo_set_font_size(cr, size);
        cairo_font_extents_t font;
        cairo_font_extents(cr, &font);
        cairo_set_source_rgb(cr, 0, 0, 0);
        double y = page.margin + font.ascent;
        for (const std::string& line : page.lines) {
            const std::string text = drawable(line);
            if (!text.empty()) {
                cairo_move_to(cr, page.margin, y);
                cairo_show_text(cr, text.c_str());
            }
            y += size * LEADING;
        }
        if (page.quiz > 0) {
            const std::string mark = "Quiz " + std::to_string(page.quiz);
            const std::string link = "page=" + std::to_string(number);
            cairo_pdf_surface_add_outline(s, CAIRO_PDF_OUTLINE_ROOT, mark.c_str(), link.c_str(),
                                          CAIRO_PDF_OUTLINE_FLAG_OPEN);
        }
        cairo_show_page(cr);
    }
    context.reset();
    cairo_surface_finish(s);
    if (cairo_status_t st = cairo_surface_status(s); st != CAIRO_STATUS_SUCCESS)
        throw IoError("write", file_name, cairo_status_to_string(st), 0, "as a PDF");
    return bytes;
}

Paper read_paper(const Files& files) {
    if (!files.exists(PAPER_FILE)) return Paper::letter;
    TextReader in = files.read(PAPER_FILE);
    while (!in.eof()) {
        const int line = in.line_no();
        std::string word = in.read_line();
        word.erase(0, word.find_first_not_of(" \t"));
        word.erase(word.find_last_not_of(" \t") + 1);
        if (word.empty() || word[0] == '#') continue;
        std::string lower = word;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (lower == "a4") return Paper::a4;
        if (lower == "letter") return Paper::letter;
        throw IoError("use", PAPER_FILE, "the paper is \"" + word + "\"; it must be A4 or Letter",
                      line);
    }
    return Paper::letter;
}

}  // namespace tv::pdf
