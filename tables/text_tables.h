// The tables of the text subsystem: the text table, the glyph tables of the
// fonts, the font pictures, the character list being built and the glyph queue.
// Defined in tables/text_tables.cpp.
#pragma once

#include <string>

#include "platform/platform.h"
#include "tables/sizes.h"
#include "tables/table.h"

constexpr int GLYPH_LIST_SLOTS = 261;   // positions 1..260
constexpr int GLYPH_QUEUE_LAST = 200;
constexpr int FONT_CELLS = 260;         // cells in every font picture
constexpr int FIRST_UNPAINTED_CELL = 258;
constexpr int GLYPH_CODE_LIMIT = 1500;  // codes from here on get no glyph

// One position of a character list: code 0 marks an empty position.
struct TGlyphPosition {
    int code = 0;
    int width = 0;
};

// One glyph waiting to be painted; charCode -1 marks a free slot.
struct TGlyphSlot {
    int charCode = -1;
    int font = 0;
    int cell = 0;
    float x = 0.0f;   // left edge of the cell on the screen
    float y = 0.0f;   // top edge of the cell on the screen
};

// Every word the player sees, by text number 0..500 (1..TEXT_LINES_READ read from the file).
// Texts hold one character per byte, ISO 8859-1.
extern Table<std::string, TEXT_SLOTS> codeTexts;

// Cell number and advance by font 0..7 and character code 0..1500; 0 = no glyph.
extern Table<Table<int, GLYPH_CODES>, FONT_SLOTS> glyphCell;
extern Table<Table<int, GLYPH_CODES>, FONT_SLOTS> glyphAdvance;
extern Table<TImage, FONT_SLOTS> fontImage;       // fonts 1, 2, 4 and 7 only

// The character list that BuildGlyphTable reads: positions 1..glyphListLength.
extern Table<TGlyphPosition, GLYPH_LIST_SLOTS> glyphList;
extern int glyphListLength;

extern Table<TGlyphSlot, GLYPH_QUEUE_SLOTS> glyphQueue;   // slots 1..200
extern int glyphCursor;   // the slot filled last during the current line

// Called for every glyph the queue paints (font, cell, left, top); lets a
// checker watch what reaches the screen. Null in the game.
using TGlyphPaintHook = void (*)(int font, int cell, float x, float y);
extern TGlyphPaintHook glyphPaintHook;

// Empties the text table, the glyph tables and the list (the start-up allocation).
void ClearTextTables();
