// The branding pages before the title ("data/branding/"): the makers' page,
// the game's page and the configuration that lists them, how long each is
// shown and that a key may skip it.
#include <cmath>
#include <string>

#include "art_common.h"
#include "families.h"

namespace {

const int W = 1024, H = 768;   // a whole screen, so the page is centred on black

struct TPage {
    const char* file;
    int frames;     // 40 frames a second
};
const TPage PAGES[] = {{"orvane.png", 120}, {"glimmerdeep.png", 160}};

cairo_t* BeginBlackPage() {
    cairo_t* cr = BeginPicture(W, H);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    return cr;
}

// The makers' page: a lantern of light over three waves, and the name.
void MakeStudioPage() {
    cairo_t* cr = BeginBlackPage();
    const double cx = W / 2.0, cy = 320;
    SoftGlow(cr, cx, cy, 150, {0.3, 0.75, 0.95}, 0.35);
    GlossyBead(cr, cx, cy - 20, 30, {1.0, 0.9, 0.6});
    SoftGlow(cr, cx, cy - 20, 60, {1.0, 0.85, 0.45}, 0.5);
    for (int wave = 0; wave < 3; wave++) {
        double y = cy + 30 + wave * 22, half = 110 - wave * 18;
        cairo_move_to(cr, cx - half, y);
        for (double x = -half; x <= half; x += 4) cairo_line_to(cr, cx + x, y + 7 * std::sin(x * 0.06 + wave));
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_source_rgba(cr, 0.45, 0.85, 1.0, 0.9 - wave * 0.2);
        cairo_set_line_width(cr, 6 - wave);
        cairo_stroke(cr);
    }
    DrawTitleText(cr, "Orvane", cx, 500, 72, {1, 1, 1}, {0.6, 0.85, 1.0}, INK, 6);
    DrawTitleText(cr, "games from the quiet deep", cx, 548, 22, {0.8, 0.9, 1.0}, {0.5, 0.7, 0.9}, INK, 3);
    EndPicture(cr, std::string("data/branding/") + PAGES[0].file, "branding");
}

void Bubble(cairo_t* cr, double x, double y, double r) {
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.85, 0.97, 1.0, 0.6);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_arc(cr, x - r * 0.35, y - r * 0.35, r * 0.25, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
    cairo_fill(cr);
}

// The game's page: its name glimmering over a pearl in an open shell.
void MakeGamePage() {
    cairo_t* cr = BeginBlackPage();
    const double cx = W / 2.0;
    FlatGlow(cr, cx, 390, 420, 0.55, {0.1, 0.45, 0.7}, 0.45);
    for (int i = 0; i < 9; i++) {   // the shell's ribs
        double a = M_PI + i * M_PI / 9;
        cairo_move_to(cr, cx, 330);
        cairo_arc(cr, cx, 330, 90, a, a + M_PI / 9);
        cairo_close_path(cr);
        SetRgb(cr, i % 2 ? TRgb{1.0, 0.78, 0.84} : TRgb{0.95, 0.62, 0.74});
        cairo_fill_preserve(cr);
        SetRgb(cr, INK, 0.8);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    SoftGlow(cr, cx, 300, 70, {0.9, 0.95, 1.0}, 0.5);
    GlossyBead(cr, cx, 300, 30, {0.95, 0.96, 1.0});
    DrawTitleText(cr, "Glimmerdeep", cx, 470, 96, {1, 1, 1}, {0.35, 0.82, 0.98}, INK, 9);
    DrawTitleText(cr, "~ a deep sea puzzle ~", cx, 530, 28, {1.0, 0.95, 0.75}, {1.0, 0.8, 0.35}, INK, 4);
    TRandom rnd(761);
    for (int i = 0; i < 24; i++) Bubble(cr, rnd.Range(220, 800), rnd.Range(170, 600), rnd.Range(2, 8));
    EndPicture(cr, std::string("data/branding/") + PAGES[1].file, "branding");
}

// One block of lines per page, separated by ";---"; the reader takes the
// value from the sixth character of each line.
void WriteSplashConfig() {
    std::string text;
    int page = 0;
    for (const TPage& p : PAGES) {
        if (page > 0) text += ";---\r\n";
        page++;
        text += "page=" + std::to_string(page) + "\r\n";
        text += std::string("file=") + p.file + "\r\n";
        text += "time=" + std::to_string(p.frames) + "\r\n";
        text += "skip=true\r\n";
    }
    SaveBytes(text, "data/branding/splashconfig.txt");
}

}  // namespace

void MakeBrandingArt() {
    MakeStudioPage();
    MakeGamePage();
    WriteSplashConfig();
}
