// The eight help pages of the match-3 game (dialog 447): headings, lines and
// the page navigation. The board sketches and pictures of each page are drawn
// over these lines once the sketch drawing exists; the words stand alone.
#include "audio/audio.h"
#include "menus/dialogs.h"
#include "menus/menu.h"
#include "map/powerup_art.h"
#include "tables/dialog_tables.h"
#include "tables/game_tables.h"
#include "tables/shell_tables.h"
#include "text/text.h"

namespace {

constexpr int HELP_PAGES = 8;
constexpr int AUTO_HELP_FRAME = 36;   // the level's frame while the help it opened is shown

struct THelpLine {
    int page, text, x, y, align;
};

// Consecutive texts of a page share a column and step down the page.
const THelpLine helpLines[] = {
    {1, 282, 512, 210, ALIGN_CENTRE}, {1, 283, 512, 240, ALIGN_CENTRE},
    {1, 286, 252, 460, ALIGN_CENTRE}, {1, 287, 252, 497, ALIGN_CENTRE}, {1, 288, 252, 527, ALIGN_CENTRE},
    {1, 289, 252, 557, ALIGN_CENTRE}, {1, 290, 512, 460, ALIGN_CENTRE}, {1, 291, 512, 497, ALIGN_CENTRE},
    {1, 292, 512, 527, ALIGN_CENTRE}, {1, 293, 512, 557, ALIGN_CENTRE}, {1, 294, 772, 460, ALIGN_CENTRE},
    {1, 295, 772, 497, ALIGN_CENTRE}, {1, 296, 772, 527, ALIGN_CENTRE}, {1, 297, 772, 557, ALIGN_CENTRE},
    {2, 142, 200, 230, ALIGN_LEFT}, {2, 143, 200, 260, ALIGN_LEFT}, {2, 144, 200, 290, ALIGN_LEFT},
    {2, 146, 512, 400, ALIGN_CENTRE}, {2, 147, 512, 430, ALIGN_CENTRE}, {2, 148, 512, 460, ALIGN_CENTRE},
    {2, 149, 512, 550, ALIGN_CENTRE},
    {8, 203, 512, 225, ALIGN_CENTRE}, {8, 204, 512, 255, ALIGN_CENTRE}, {8, 205, 512, 285, ALIGN_CENTRE},
    {8, 206, 512, 315, ALIGN_CENTRE}, {8, 207, 512, 345, ALIGN_CENTRE}, {8, 208, 512, 450, ALIGN_CENTRE},
    {8, 209, 512, 480, ALIGN_CENTRE}, {8, 210, 512, 520, ALIGN_CENTRE},
};

const int helpHeadings[HELP_PAGES + 1] = {0, 281, 141, 171, 151, 161, 181, 191, 201};

// Pages 3 to 7 share one layout: a line under the heading, then two blocks
// of four lines; page 3's lower block sits a little higher.
void DrawMiddlePage(int page) {
    const int heading = helpHeadings[page];
    DrawGlyphText(codeTexts[heading + 1], 512, 210.0f, ALIGN_CENTRE, FONT_TEXT);
    const int lowerTop = page == 3 ? 430 : 440;
    for (int i = 0; i < 4; i++) {
        DrawGlyphText(codeTexts[heading + 2 + i], 512, 260.0f + 30 * i, ALIGN_CENTRE, FONT_TEXT);
        DrawGlyphText(codeTexts[heading + 6 + i], 512, static_cast<float>(lowerTop + 30 * i), ALIGN_CENTRE,
                      FONT_TEXT);
    }
}

}  // namespace

void DrawHelpPages() {
    if (helpPage < 1 || helpPage > HELP_PAGES) helpPage = 1;
    SetDrawScale(1.0f, 1.0f);
    if (bigPopupImage) PaintImage(bigPopupImage, 512, 384, 0);
    DrawGlyphText(codeTexts[helpHeadings[helpPage]], 512, 140.0f, ALIGN_CENTRE, FONT_HEAD);
    if (helpPage >= 3 && helpPage <= 7) DrawMiddlePage(helpPage);
    for (const THelpLine& line : helpLines) {
        if (line.page == helpPage)
            DrawGlyphText(codeTexts[line.text], line.x, static_cast<float>(line.y), line.align, FONT_TEXT);
    }
    const int open = dialogOpenLevel == DIALOG_FULLY_OPEN;
    if (DrawButton(512, 650, 3, LAYER_DIALOG, codeTexts[5]) == 3 || ((keyEscape || keyEnter) && open)) {
        // The help that opens by itself on the first level goes on to the
        // page about fish before it closes.
        if (levelFrame == AUTO_HELP_FRAME && helpPage == 1) helpPage = 2;
        else CloseDialog();
    }
    if (levelFrame != AUTO_HELP_FRAME && helpNavigation == 1) {
        if (DrawButton(312, 650, 3, helpPage < 2 ? -1 : LAYER_DIALOG, codeTexts[102]) == 3) helpPage--;
        if (DrawButton(712, 650, 3, helpPage > 7 ? -1 : LAYER_DIALOG, codeTexts[101]) == 3) helpPage++;
    }
}
