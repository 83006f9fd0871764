// The text table: every word the player sees, read from one file.
#include "platform/platform.h"
#include "text/text.h"
#include "text/text_table.h"

namespace {

const char* const CODE_TEXTS_PATH = "data/texts/codetexts.txt";
constexpr int LABEL_COLUMN = 17;   // characters before a line's text

}  // namespace

int LoadCodeTextsFrom(const std::string& path) {
    TStream file = OpenForRead(path);
    if (!file) {
        for (int i = 1; i <= TEXT_LINES_READ; i++) codeTexts[i].clear();
        PrintError("the text table " + path + " cannot be read; the game shows no words");
        return 0;
    }
    // ReadLine drops carriage returns and ends a line at a line feed or a zero
    // byte; past the end of the file every line is empty.
    int ended = 0;
    for (int i = 1; i <= TEXT_LINES_READ; i++) {
        if (!ended) ended = Eof(file);
        if (ended) {
            codeTexts[i].clear();
            continue;
        }
        std::string line = ReadLine(file);
        if (line.size() > LABEL_COLUMN) codeTexts[i].assign(line, LABEL_COLUMN);
        else codeTexts[i].clear();
    }
    Close(file);
    return 1;
}

void LoadCodeTexts() {
    LoadCodeTextsFrom(CODE_TEXTS_PATH);
}
