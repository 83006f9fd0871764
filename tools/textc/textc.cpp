// textc: compiles the game's words from their UTF-8 source into the text
// table the game reads, "data/texts/codetexts.txt".
//
//   textc <source> <output>
//
// The source holds one text per line: "NNN label | text", with '#' comment
// lines and blank lines between. The output has exactly as many lines as the
// game reads (TEXT_LINES_READ); line n is text n: a 17-character label column
// followed by the text as one byte per character (ISO 8859-1), lines ending
// in CR LF. A character that ISO 8859-1
// or the game's fonts cannot show stops the build with the line named.
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tables/sizes.h"
#include "text/glyph_lists.h"

namespace {

constexpr int TEXT_COUNT = TEXT_LINES_READ;
constexpr size_t LABEL_COLUMN = 17;

struct TSourceText {
    int defined = 0;
    std::string label;
    std::string latin1;
};

std::string sourceName;
int failures = 0;

void Fail(int lineNo, const std::string& message) {
    std::fprintf(stderr, "%s:%d: %s\n", sourceName.c_str(), lineNo, message.c_str());
    failures++;
}

std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string CodeName(unsigned code) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", code);
    return buffer;
}

// The characters every font can draw: those of both character lists.
std::set<int> DrawableCodes() {
    std::set<int> body, both;
    for (const TGlyphListEntry& e : BODY_GLYPH_LIST)
        if (e.code > 0) body.insert(e.code);
    for (const TGlyphListEntry& e : HEAD_GLYPH_LIST)
        if (e.code > 0 && body.count(e.code)) both.insert(e.code);
    return both;
}

// Decodes UTF-8 into Latin-1 bytes; 0 and a message for the first bad character.
int ToLatin1(const std::string& utf8, const std::set<int>& drawable, std::string& out, std::string& error) {
    out.clear();
    size_t i = 0;
    while (i < utf8.size()) {
        unsigned char b = static_cast<unsigned char>(utf8[i]);
        unsigned code = 0;
        int extra = 0;
        if (b < 0x80) code = b;
        else if ((b & 0xE0) == 0xC0) { code = b & 0x1F; extra = 1; }
        else if ((b & 0xF0) == 0xE0) { code = b & 0x0F; extra = 2; }
        else if ((b & 0xF8) == 0xF0) { code = b & 0x07; extra = 3; }
        else { error = "the text is not valid UTF-8"; return 0; }
        for (int k = 1; k <= extra; k++) {
            if (i + k >= utf8.size()) { error = "the text is not valid UTF-8"; return 0; }
            unsigned char c = static_cast<unsigned char>(utf8[i + k]);
            if ((c & 0xC0) != 0x80) { error = "the text is not valid UTF-8"; return 0; }
            code = (code << 6) | (c & 0x3F);
        }
        i += extra + 1;
        if (code > 0xFF) {
            error = "character " + CodeName(code) + " cannot be written in ISO 8859-1";
            return 0;
        }
        if (!drawable.count(static_cast<int>(code))) {
            error = "character " + CodeName(code) + " has no glyph in the game's fonts";
            return 0;
        }
        out.push_back(static_cast<char>(code));
    }
    return 1;
}

int ParseSource(const std::string& path, std::vector<TSourceText>& texts) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "textc: cannot read %s\n", path.c_str());
        return 0;
    }
    std::set<int> drawable = DrawableCodes();
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        lineNo++;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#') continue;
        size_t bar = line.find('|');
        if (bar == std::string::npos) {
            Fail(lineNo, "expected \"NNN label | text\"");
            continue;
        }
        std::istringstream head(line.substr(0, bar));
        std::string number, label, more;
        head >> number >> label >> more;
        if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos || !more.empty()) {
            Fail(lineNo, "expected \"NNN label | text\"");
            continue;
        }
        int n = std::stoi(number);
        if (n < 1 || n > TEXT_COUNT) {
            Fail(lineNo, "text number " + number + " is outside 1 to " + std::to_string(TEXT_COUNT));
            continue;
        }
        if (texts[n].defined) {
            Fail(lineNo, "text number " + number + " is given twice");
            continue;
        }
        for (char c : label) {
            if (static_cast<unsigned char>(c) < 33 || static_cast<unsigned char>(c) > 126) {
                Fail(lineNo, "the label must be plain ASCII");
                break;
            }
        }
        std::string error;
        if (!ToLatin1(Trim(line.substr(bar + 1)), drawable, texts[n].latin1, error)) {
            Fail(lineNo, error);
            continue;
        }
        texts[n].defined = 1;
        texts[n].label = label;
    }
    return failures == 0;
}

// "NNN label" padded or cut to the label column.
std::string LabelColumn(int n, const std::string& label) {
    char number[8];
    std::snprintf(number, sizeof number, "%03d", n);
    // The last character of the column stays a blank, so a long label never
    // runs into its text.
    std::string column = std::string(number) + " " + label;
    column.resize(LABEL_COLUMN - 1, ' ');
    column.push_back(' ');
    return column;
}

int WriteTable(const std::string& path, const std::vector<TSourceText>& texts) {
    std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            std::fprintf(stderr, "textc: cannot write %s\n", temporary.c_str());
            return 0;
        }
        for (int n = 1; n <= TEXT_COUNT; n++) {
            out << LabelColumn(n, texts[n].label) << texts[n].latin1 << "\r\n";
        }
        if (!out.good()) {
            std::fprintf(stderr, "textc: cannot write %s\n", temporary.c_str());
            return 0;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::fprintf(stderr, "textc: cannot replace %s\n", path.c_str());
        std::remove(temporary.c_str());
        return 0;
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: textc <source> <output>\n");
        return 2;
    }
    sourceName = argv[1];
    std::vector<TSourceText> texts(TEXT_COUNT + 1);
    if (!ParseSource(argv[1], texts)) {
        std::fprintf(stderr, "textc: %d error(s); the text table was not written\n", failures);
        return 1;
    }
    if (!WriteTable(argv[2], texts)) return 1;
    int defined = 0;
    for (const TSourceText& t : texts) defined += t.defined;
    std::printf("textc: %d texts written to %s\n", defined, argv[2]);
    return 0;
}
