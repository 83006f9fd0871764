// The game's picture loader and the two drawing operations every screen uses.
// A picture that cannot be loaded is reported once and stays empty, and
// drawing an empty picture does nothing.
#pragma once

#include <string>

#include "platform/platform.h"

// Loads masked and filtered; a missing file prints "error LoadIm <path>".
TImage LoadPicture(const std::string& path);
// A strip of count cells; a missing file prints "error LoadAnimIm <path>".
TImage LoadPictureStrip(const std::string& path, int cellWidth, int cellHeight, int count);
void DrawPicture(TImage image, float x, float y);
// Draws nothing for a frame outside 0..lastFrame.
void DrawPictureFrame(TImage image, float x, float y, int frame, int lastFrame);
// A screen's frame: the left side at the left edge and the left halves of the
// top and bottom edges from x = edgeX (the bottom at y = bottomY), then the
// same three mirrored onto the right half of the screen.
void DrawMirroredFrame(TImage left, TImage top, TImage bottom, float edgeX, float bottomY);
