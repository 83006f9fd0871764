// Parsing the stage files of level layouts and encoding the level files.
#include "tools/levelc/level_source.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

struct TCodeChar {
    char ch;
    int code;
};

// '.' no cell, 'o' a plain cell, 's' a stone, 'm' moss, 'P' a pillar,
// 'Q' a stone pillar, '1'..'3' a fish wanting that many items.
const TCodeChar CODE_CHARS[] = {
    {'.', CODE_EMPTY},         {'o', CODE_CELL},
    {'s', CODE_STONE},         {'m', CODE_MOSS},
    {'P', CODE_PILLAR},        {'Q', CODE_STONE_PILLAR},
    {'1', CODE_FISH + 1},      {'2', CODE_FISH + 2},
    {'3', CODE_FISH + 3},
};

std::string TrimRight(const std::string& s) {
    size_t end = s.size();
    while (end > 0 && (s[end - 1] == ' ' || s[end - 1] == '\t' || s[end - 1] == '\r')) end--;
    return s.substr(0, end);
}

std::string Where(const std::string& file, int line) {
    return file + ":" + std::to_string(line) + ": ";
}

}  // namespace

char CodeCharacter(int code) {
    for (const TCodeChar& cc : CODE_CHARS)
        if (cc.code == code) return cc.ch;
    return '?';
}

int CharacterCode(char ch) {
    for (const TCodeChar& cc : CODE_CHARS)
        if (cc.ch == ch) return cc.code;
    return -1;
}

int ParseLevelSource(const std::string& text, const std::string& fileName,
                     std::vector<TLevelSource>& levels, std::vector<std::string>& errors) {
    std::istringstream in(text);
    std::string raw;
    int lineNo = 0, count = 0;
    TLevelSource current;
    int rowsRead = -1;  // -1: outside a level
    auto finish = [&]() {
        if (rowsRead < 0) return;
        if (rowsRead < LEVEL_ROWS)
            errors.push_back(Where(fileName, current.line) + "level " + std::to_string(current.level) +
                             " has " + std::to_string(rowsRead) + " grid rows, not 15");
        else {
            levels.push_back(current);
            count++;
        }
        rowsRead = -1;
    };
    while (std::getline(in, raw)) {
        lineNo++;
        std::string line = TrimRight(raw);
        if (line.empty() || line[0] == '#') continue;
        if (line.rfind("level ", 0) == 0) {
            finish();
            current = TLevelSource();
            current.file = fileName;
            current.line = lineNo;
            int number = 0, used = 0;
            if (std::sscanf(line.c_str(), "level %d:%n", &number, &used) < 1 || used == 0 || number < 1 ||
                number > LEVEL_COUNT) {
                errors.push_back(Where(fileName, lineNo) + "bad level header \"" + line + "\"");
                continue;
            }
            current.level = number;
            std::string comment = line.substr(used);
            size_t start = comment.find_first_not_of(' ');
            current.comment = start == std::string::npos ? "" : comment.substr(start);
            rowsRead = 0;
            continue;
        }
        if (line.rfind("stage ", 0) == 0) continue;  // a stage's title line
        if (rowsRead < 0) {
            errors.push_back(Where(fileName, lineNo) + "grid row outside a level");
            continue;
        }
        if (rowsRead >= LEVEL_ROWS) {
            errors.push_back(Where(fileName, lineNo) + "level " + std::to_string(current.level) +
                             " has more than 15 grid rows");
            continue;
        }
        if ((int)line.size() != LEVEL_COLUMNS_IN_FILE) {
            errors.push_back(Where(fileName, lineNo) + "grid row of " + std::to_string(line.size()) +
                             " characters, not 20");
        }
        for (int c = 0; c < LEVEL_COLUMNS_IN_FILE && c < (int)line.size(); c++) {
            int code = CharacterCode(line[c]);
            if (code < 0) {
                errors.push_back(Where(fileName, lineNo) + "unknown cell character '" +
                                 std::string(1, line[c]) + "' in column " + std::to_string(c + 1));
                code = CODE_EMPTY;
            }
            current.codes[rowsRead * LEVEL_COLUMNS_IN_FILE + c] = code;
        }
        rowsRead++;
    }
    finish();
    return count;
}

int ReadLevelSources(const std::string& folder, std::vector<TLevelSource>& levels,
                     std::vector<std::string>& errors) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        std::string name = entry.path().filename().string();
        if (name.rfind("stage", 0) == 0 && entry.path().extension() == ".txt") files.push_back(name);
    }
    if (ec) {
        errors.push_back(folder + ": cannot list the level sources");
        return 0;
    }
    std::sort(files.begin(), files.end());
    for (const std::string& name : files) {
        std::ifstream f(folder + "/" + name, std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        ParseLevelSource(ss.str(), name, levels, errors);
    }
    return (int)files.size();
}

std::string FormatLevelGrid(const int codes[LEVEL_CODES]) {
    std::string out;
    for (int r = 0; r < LEVEL_ROWS; r++) {
        for (int c = 0; c < LEVEL_COLUMNS_IN_FILE; c++) out += CodeCharacter(codes[r * LEVEL_COLUMNS_IN_FILE + c]);
        out += '\n';
    }
    return out;
}

std::string EncodeLevelFile(const int codes[LEVEL_CODES]) {
    std::string bytes;
    bytes.reserve(LEVEL_CODES * 4);
    for (int i = 0; i < LEVEL_CODES; i++) {
        unsigned int v = (unsigned int)(codes[i] - 1);
        for (int k = 0; k < 4; k++) bytes += (char)((v >> (8 * k)) & 0xFF);
    }
    return bytes;
}

int DecodeLevelFile(const std::string& bytes, int codes[LEVEL_CODES]) {
    if (bytes.size() < (size_t)LEVEL_CODES * 4) {
        for (int i = 0; i < LEVEL_CODES; i++) codes[i] = 0;
        return 0;
    }
    for (int i = 0; i < LEVEL_CODES; i++) {
        unsigned int v = 0;
        for (int k = 0; k < 4; k++) v |= (unsigned int)(unsigned char)bytes[4 * i + k] << (8 * k);
        codes[i] = (int)v + 1;
    }
    return 1;
}

std::string LevelFileBaseName(int level) {
    char name[32];
    std::snprintf(name, sizeof name, "lvla%03d.lvl", level);
    return name;
}
