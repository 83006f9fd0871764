#include "tables/text_tables.h"

Table<std::string, TEXT_SLOTS> codeTexts{"codeTexts"};
Table<Table<int, GLYPH_CODES>, FONT_SLOTS> glyphCell{"glyphCell"};
Table<Table<int, GLYPH_CODES>, FONT_SLOTS> glyphAdvance{"glyphAdvance"};
Table<TImage, FONT_SLOTS> fontImage{"fontImage"};
Table<TGlyphPosition, GLYPH_LIST_SLOTS> glyphList{"glyphList"};
int glyphListLength = 0;
Table<TGlyphSlot, GLYPH_QUEUE_SLOTS> glyphQueue{"glyphQueue"};
int glyphCursor = 0;
TGlyphPaintHook glyphPaintHook = nullptr;

void ClearTextTables() {
    codeTexts.Clear();
    for (int font = 0; font < FONT_SLOTS; font++) {
        glyphCell[font].Clear();
        glyphAdvance[font].Clear();
    }
    for (TImage& image : fontImage) FreeImage(image);
    glyphList.Clear();
    glyphListLength = 0;
    glyphQueue.Clear();
    glyphCursor = 0;
}
