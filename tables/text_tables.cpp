#include "tables/text_tables.h"

Table<Table<int, GLYPH_CODES>, FONT_SLOTS> glyphCell;
Table<Table<int, GLYPH_CODES>, FONT_SLOTS> glyphAdvance;
Table<TImage, FONT_SLOTS> fontImage;
Table<TGlyphPosition, GLYPH_LIST_SLOTS> glyphList;
int glyphListLength = 0;
Table<TGlyphSlot, GLYPH_QUEUE_SLOTS> glyphQueue;
int glyphCursor = 0;
TGlyphPaintHook glyphPaintHook = nullptr;

void ClearTextTables() {
    for (int font = 0; font < FONT_SLOTS; font++) {
        glyphCell[font].Clear();
        glyphAdvance[font].Clear();
    }
    glyphList.Clear();
    glyphListLength = 0;
    glyphQueue.Clear();
    glyphCursor = 0;
}
