// Reading the text table from a chosen file.
#pragma once

#include <string>

// Replaces texts 1..TEXT_LINES_READ with the lines of the file at `path`; LoadCodeTexts
// reads the game's own file through it. A missing file leaves every text
// empty, prints one line on standard error and returns 0; otherwise 1.
int LoadCodeTextsFrom(const std::string& path);
