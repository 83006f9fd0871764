// The readable source of the level layouts: one text file per stage, each level
// a header line and a 15 x 20 grid of characters, one character per cell code.
#pragma once

#include <string>
#include <vector>

#include "tools/levelc/level_geometry.h"

struct TLevelSource {
    int level = 0;          // 1..108
    std::string comment;    // what the level introduces
    std::string file;       // source file name, for messages
    int line = 0;           // line of the header
    int codes[LEVEL_CODES] = {};  // row-major, row 1..15, column 1..20
};

// The character of a cell code in the grids, and back; '?' / -1 when unknown.
char CodeCharacter(int code);
int CharacterCode(char ch);

// Reads one stage file's text. Appends its levels to `levels`; on a malformed
// line appends a message naming the file and line to `errors`. Returns the
// number of levels read.
int ParseLevelSource(const std::string& text, const std::string& fileName,
                     std::vector<TLevelSource>& levels, std::vector<std::string>& errors);

// Reads every "stage*.txt" of a folder in name order. Returns the number of files read.
int ReadLevelSources(const std::string& folder, std::vector<TLevelSource>& levels,
                     std::vector<std::string>& errors);

// The grid of one level as the source writes it (15 lines of 20 characters).
std::string FormatLevelGrid(const int codes[LEVEL_CODES]);

// The 1200 bytes of a level file: 300 little-endian int32, stored value = code - 1.
std::string EncodeLevelFile(const int codes[LEVEL_CODES]);
// Decodes a level file's bytes; returns 1 when it holds at least 300 integers.
int DecodeLevelFile(const std::string& bytes, int codes[LEVEL_CODES]);
// "lvla" + three digits + ".lvl".
std::string LevelFileBaseName(int level);
