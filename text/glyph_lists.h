// The two character lists of the bitmap fonts: one (code, width) pair per
// glyph cell, in cell order. The font loader builds its lookup tables from
// them and the art generator draws the font strips from them, so the
// pictures and the advances always agree.
#pragma once

#include <cstdint>

struct TGlyphListEntry {
    int code;    // 16-bit character code; 0 marks a cell without a character
    int width;   // width in pixels before the font's reduction; 0 when empty
};

constexpr int BODY_GLYPH_COUNT = 259;   // fonts 1, 2 and 7
constexpr int HEAD_GLYPH_COUNT = 260;   // font 4

// Position p (from 1) of a list describes cell p, that is frame p - 1.
extern const TGlyphListEntry BODY_GLYPH_LIST[BODY_GLYPH_COUNT];
extern const TGlyphListEntry HEAD_GLYPH_LIST[HEAD_GLYPH_COUNT];
