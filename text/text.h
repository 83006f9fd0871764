// Text drawing with the game's four bitmap fonts, and the text table.
#pragma once

#include <string>

#include "tables/text_tables.h"

enum { ALIGN_LEFT = 1, ALIGN_RIGHT = 2, ALIGN_CENTRE = 3 };
enum { FONT_NORMAL = 1, FONT_HIGHLIGHT = 2, FONT_HEAD = 4, FONT_TEXT = 7 };

// Reads "data/texts/codetexts.txt" into texts 1..TEXT_LINES_READ. Called during asset loading
// and every frame while F5 is held after the first 100 frames.
void LoadCodeTexts();
// Builds the glyph tables and loads the four font strips; last step of asset loading.
void LoadFonts();
void ClearGlyphQueue();
// Draws one line now with the current colour, alpha, blend, scale and rotation.
// y is the reference height: each cell's top is drawn 4 pixels above it.
void DrawGlyphText(const std::u16string& text, int x, float y, int align, int font);
void DrawGlyphText(const std::string& latin1, int x, float y, int align, int font);
int TextPixelWidth(const std::u16string& text, int font);
int TextPixelWidth(const std::string& latin1, int font);
int GlyphAdvance(int character, int font);
std::string FormatMinutesSeconds(int seconds);
