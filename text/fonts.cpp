// The four bitmap fonts: their glyph tables and their pictures.
#include "shell/pictures.h"
#include "tables/text_tables.h"
#include "text/glyph_lists.h"
#include "text/text.h"
#include "text/text_internal.h"

namespace {

struct TFontFile {
    int font;
    const char* path;
    int cellWidth;
    int cellHeight;
};

const TFontFile FONT_FILES[] = {
    {FONT_NORMAL, "data/texts/fnormal.png", 20, 33},
    {FONT_HIGHLIGHT, "data/texts/fhighlight.png", 20, 33},
    {FONT_HEAD, "data/texts/fhead.png", 28, 28},
    {FONT_TEXT, "data/texts/ftext.png", 20, 33},
};

// How much narrower than its list width a glyph advances in each font.
int FontReduction(int font) {
    switch (font) {
        case FONT_NORMAL:
        case FONT_HIGHLIGHT: return 1;
        case FONT_HEAD: return 2;
        case FONT_TEXT: return 3;
        default: return 0;
    }
}

}  // namespace

void FillGlyphList(const TGlyphListEntry* list, int count) {
    glyphList.Clear();
    if (count > GLYPH_LIST_SLOTS - 1) count = GLYPH_LIST_SLOTS - 1;
    for (int p = 1; p <= count; p++) {
        glyphList[p].code = list[p - 1].code;
        glyphList[p].width = list[p - 1].width;
    }
    glyphListLength = count;
}

void BuildGlyphTable(int font) {
    if (font < 0 || font >= FONT_SLOTS) return;
    int reduction = FontReduction(font);
    for (int p = 1; p <= glyphListLength; p++) {
        int code = glyphList[p].code;
        if (code == 0) continue;                  // an empty position
        if (code >= GLYPH_CODE_LIMIT || code < 0) continue;
        glyphCell[font][code] = p;                // a later duplicate wins
        glyphAdvance[font][code] = glyphList[p].width - reduction;
    }
}

void BuildAllGlyphTables() {
    FillGlyphList(BODY_GLYPH_LIST, BODY_GLYPH_COUNT);
    BuildGlyphTable(FONT_NORMAL);
    BuildGlyphTable(FONT_HIGHLIGHT);
    BuildGlyphTable(FONT_TEXT);
    FillGlyphList(HEAD_GLYPH_LIST, HEAD_GLYPH_COUNT);
    BuildGlyphTable(FONT_HEAD);
}

void LoadFonts() {
    BuildAllGlyphTables();
    ClearGlyphQueue();
    // Glyphs sit at the top-left of their cells, so the strips keep that handle.
    int centring = AutoCentre();
    SetAutoCentre(0);
    for (const TFontFile& file : FONT_FILES) {
        FreeImage(fontImage[file.font]);
        fontImage[file.font] = LoadPictureStrip(file.path, file.cellWidth, file.cellHeight, FONT_CELLS);
        SetImageAnchor(fontImage[file.font], 0.0f, 0.0f);
    }
    SetAutoCentre(centring);
}

int GlyphAdvance(int character, int font) {
    if (character < 0 || character >= GLYPH_CODES) return 0;
    if (font < 0 || font >= FONT_SLOTS) return 0;
    return glyphAdvance[font][character];
}

int TextPixelWidth(const std::u16string& text, int font) {
    int width = 0;
    for (char16_t c : text) width += GlyphAdvance(static_cast<int>(c), font);
    return width;
}

int TextPixelWidth(const std::string& latin1, int font) {
    int width = 0;
    for (char c : latin1) width += GlyphAdvance(static_cast<unsigned char>(c), font);
    return width;
}
