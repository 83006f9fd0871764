// Drawing a line of text: every character goes through the glyph queue, which
// is painted in one pass and emptied before the call returns.
#include "tables/text_tables.h"
#include "text/text.h"
#include "text/text_internal.h"

void ClearGlyphQueue() {
    for (int slot = 0; slot <= GLYPH_QUEUE_LAST; slot++) {
        glyphQueue[slot].charCode = -1;
        glyphQueue[slot].font = 0;
    }
}

int QueueGlyph(float x, float y, int character, int font) {
    // The cursor walks forward over busy slots; at the last slot it stays, so
    // every glyph past it overwrites that slot.
    glyphCursor++;
    while (glyphCursor < GLYPH_QUEUE_LAST && glyphQueue[glyphCursor].charCode != -1) glyphCursor++;
    if (glyphCursor > GLYPH_QUEUE_LAST) glyphCursor = GLYPH_QUEUE_LAST;
    if (character > GLYPH_CODE_LIMIT) return 0;   // no glyph; the slot stays free
    if (font < 0 || font >= FONT_SLOTS || character < 0) font = 0;
    TGlyphSlot& slot = glyphQueue[glyphCursor];
    slot.charCode = character;
    slot.font = font;
    slot.cell = glyphCell[font][character];
    slot.x = x;
    slot.y = y - 4.0f;
    return glyphAdvance[font][character];
}

void FlushGlyphQueue() {
    const TGlyphSlot& first = glyphQueue[1];
    if (first.charCode != -1 && fontImage[first.font] != nullptr) {
        for (int s = 1; s <= GLYPH_QUEUE_LAST; s++) {
            const TGlyphSlot& slot = glyphQueue[s];
            if (slot.charCode == -1) continue;
            // Cells from 258 on (the at sign, the space) only move the pen.
            if (slot.cell <= 0 || slot.cell >= FIRST_UNPAINTED_CELL) continue;
            if (slot.x <= -40.0f) continue;
            TImage picture = fontImage[slot.font];
            if (picture == nullptr) continue;
            PaintImage(picture, slot.x, slot.y, slot.cell - 1);
            if (glyphPaintHook) glyphPaintHook(slot.font, slot.cell, slot.x, slot.y);
        }
    }
    for (int s = 1; s <= GLYPH_QUEUE_LAST; s++) {
        glyphQueue[s].charCode = -1;
        glyphQueue[s].font = 0;
    }
}

namespace {

// The line's left end for an alignment; -1 in `valid` when nothing is drawn.
int LineOrigin(int x, int width, int align, int& valid) {
    valid = 1;
    if (align == ALIGN_LEFT) return x;
    if (align == ALIGN_RIGHT) return x - width;
    if (align == ALIGN_CENTRE) return x - width / 2;
    valid = 0;
    return 0;
}

template <class TText, class TCode>
void DrawLine(const TText& text, int x, float y, int align, int font, TCode code) {
    glyphCursor = 0;
    int width = TextPixelWidth(text, font);
    int valid = 0;
    int origin = LineOrigin(x, width, align, valid);
    if (valid) {
        int pen = 0;
        for (auto c : text) pen += QueueGlyph(static_cast<float>(origin + pen), y, code(c), font);
    }
    FlushGlyphQueue();
}

}  // namespace

void DrawGlyphText(const std::u16string& text, int x, float y, int align, int font) {
    DrawLine(text, x, y, align, font, [](char16_t c) { return static_cast<int>(c); });
}

void DrawGlyphText(const std::string& latin1, int x, float y, int align, int font) {
    DrawLine(latin1, x, y, align, font, [](char c) { return static_cast<int>(static_cast<unsigned char>(c)); });
}
