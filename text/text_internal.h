// Inner steps of the text drawing, shared by the font files of text/.
#pragma once

#include "text/glyph_lists.h"

// Makes a character list the current one (positions 1..count).
void FillGlyphList(const TGlyphListEntry* list, int count);
// Enters the current list into the glyph tables of one font.
void BuildGlyphTable(int font);
// Both lists into all four fonts; the table part of LoadFonts, without pictures.
void BuildAllGlyphTables();
// Puts one glyph into the next free queue slot; returns how far the pen moves.
int QueueGlyph(float x, float y, int character, int font);
// Paints the queued glyphs in slot order, then frees every slot.
void FlushGlyphQueue();
