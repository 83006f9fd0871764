// The eight help pages of the match-3 game (dialog 447): headings, lines,
// the little board sketches and pictures of each page, and the navigation.
#include "audio/audio.h"
#include "menus/dialogs.h"
#include "menus/menu.h"
#include "map/powerup_art.h"
#include "shell/pictures.h"
#include "tables/board_art_tables.h"
#include "tables/effect_tables.h"
#include "tables/map_tables.h"
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

constexpr int SKETCH_CELLS = 9;
constexpr int SKETCH_CONNECTORS = 12;

// The connectors between neighbouring cells of a sketch, in reading order.
const int connectorOffset[SKETCH_CONNECTORS + 1][2] = {
    {0, 0},   {-24, -48}, {24, -48}, {-48, -24}, {0, -24}, {48, -24}, {-24, 0},
    {24, 0},  {-48, 24},  {0, 24},   {48, 24},   {-24, 48}, {24, 48},
};

// One sketch, written as the pages list them: nine items row by row, the
// marked cells, the covered cells with their cover, the arrows on their
// connectors and the pointer's cell. Index 0 of every table is unused.
struct TSketch {
    int x, y;
    int items[SKETCH_CELLS + 1];
    int marks[SKETCH_CELLS + 1];
    int cover[SKETCH_CELLS + 1];
    int arrows[SKETCH_CONNECTORS + 1];
    int pointer;
};

void DrawSketch(const TSketch& sketch) {
    DrawBoardSketch(sketch.x, sketch.y, sketch.items, sketch.marks, sketch.cover, sketch.arrows, sketch.pointer);
}

// The long chain down the left column and along the bottom row.
#define CHAIN_L_MARKS {0, 1, 0, 0, 1, 0, 0, 1, 1, 1}
#define CHAIN_L_ARROWS {0, 0, 0, 3, 0, 0, 0, 0, 3, 0, 0, 1, 1}

const TSketch page1Sketches[] = {
    {252, 370, {0, 2, 1, 2, 3, 3, 1, 2, 1, 3}, {0, 0, 0, 0, 0, 0, 1, 0, 0, 1}, {}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4}, 9},
    {512, 370, {0, 1, 2, 3, 1, 3, 2, 1, 1, 1}, CHAIN_L_MARKS, {}, CHAIN_L_ARROWS, 9},
    {772, 370, {0, 1, 3, 1, 3, 1, 2, 1, 2, 2}, {0, 0, 0, 0, 0, 0, 1, 0, 1, 1}, {}, {}, 9},
};
const TSketch page2Sketches[] = {
    {252, 450, {0, 3, 2, 1, 3, 1, 2, 3, 3, 3}, {}, {0, 0, 1, 0, 0, 1, 0, 0, 1, 0}, {}, 0},
    {772, 450, {0, 3, 2, 1, 3, 1, 2, 3, 3, 3}, CHAIN_L_MARKS, {0, 0, 1, 0, 0, 1, 0, 0, 3, 0}, CHAIN_L_ARROWS, 9},
};
const TSketch page3Sketches[] = {
    {242, 300, {0, 5, 2, 1, 5, 1, 2, 5, 5, 5}, CHAIN_L_MARKS, {}, CHAIN_L_ARROWS, 9},
    {782, 300, {0, 3, 2, 1, 3, 1, 2, 10, 3, 2}, {}, {}, {}, 0},
    {242, 500, {0, 3, 2, 1, 3, 1, 2, 10, 3, 2}, {0, 1, 0, 0, 1, 0, 0, 1, 1, 0}, {}, {0, 0, 0, 3, 0, 0, 0, 0, 3, 0, 0, 1, 0}, 8},
    {782, 500, {}, {}, {0, 6, 2, 3, 4, 5, 6, 5, 2, 4}, {}, 0},
};
const TSketch page4Sketches[] = {
    {782, 500, {0, 3, 2, 1, 3, 1, 2, 3, 3, 3}, {0, 0, 0, 0, 0, 1, 0, 0, 0, 0}, {0, 0, 0, 0, 1, 2, 1, 0, 0, 0}, {}, 5},
};
const TSketch page5Sketches[] = {
    {782, 500, {}, {}, {0, 6, 2, 3, 4, 5, 6, 5, 2, 4}, {}, 0},
};
const TSketch page6Sketches[] = {
    {242, 500, {0, 1, 2, 3, 3, 4, 1, 2, 3, 4}, {}, {0, 0, 1, 0, 0, 1, 0, 0, 1, 0}, {}, 0},
    {782, 500, {0, 1, 2, 3, 3, 4, 1, 2, 3, 4}, {}, {0, 0, 4, 0, 0, 4, 0, 0, 4, 0}, {}, 0},
};
const TSketch page7Sketches[] = {
    {242, 500, {0, 1, 2, 1, 3, 4, 1, 2, 3, 4}, {}, {0, 0, 0, 0, 1, 1, 1, 0, 0, 0}, {}, 0},
    {782, 500, {}, {}, {0, 3, 4, 3, 1, 9, 3, 4, 1, 9}, {}, 0},
};
const TSketch page8Sketches[] = {
    {252, 300, {0, 1, 2, 3, 1, 7, 2, 1, 0, 1}, {0, 1, 0, 0, 1, 0, 0, 1, 0, 0}, {}, {0, 0, 0, 3, 0, 0, 0, 0, 3, 0, 0, 0, 0}, 7},
    {772, 300, {0, 4, 2, 3, 1, 0, 2, 2, 0, 1}, {}, {0, 0, 0, 0, 0, 7, 0, 0, 0, 0}, {}, 0},
};

#undef CHAIN_L_MARKS
#undef CHAIN_L_ARROWS

template <int N>
void DrawSketches(const TSketch (&sketches)[N]) {
    for (const TSketch& sketch : sketches) DrawSketch(sketch);
}

void DrawAt(TImage image, float x, float y, float scale, float rotation) {
    SetDrawScale(scale, scale);
    SetDrawRotation(rotation);
    DrawPicture(image, x, y);
    SetDrawRotation(0.0f);
    SetDrawScale(1.0f, 1.0f);
}

// The pearls that enter power-up k, each on a small glow, on the left or the
// right of the page.
void DrawEntryPearls(int powerUp, int right) {
    static const int points[2][3][2] = {{{252, 320}, {202, 285}, {182, 350}}, {{772, 320}, {812, 285}, {842, 350}}};
    for (const auto& point : points[right]) {
        DrawAt(pauseGlowImage, static_cast<float>(point[0]), static_cast<float>(point[1]), 0.25f, 0.0f);
        DrawAt(pearlImage[powerUp], static_cast<float>(point[0]), static_cast<float>(point[1]), 1.0f, 0.0f);
    }
}

// Moss blown away in three directions by the blast.
void DrawScatteredMoss(float x1, float y1, float x2, float y2, float x3, float y3) {
    DrawAt(helpMossImage, x1, y1, 1.0f, 0.0f);
    DrawAt(helpMossImage, x2, y2, 1.0f, 90.0f);
    DrawAt(helpMossImage, x3, y3, 1.0f, 135.0f);
}

// The dynamite's fuse trail fading behind it as it spins.
void DrawFuseTrail() {
    const float alpha = CurrentAlpha();
    for (int i = 1; i <= 10; i++) {
        SetAlpha(alpha * (1.0f - 0.1f * i));
        DrawAt(dynamiteImage, 257.0f + 7 * i, 515.0f + 7 * i, 0.6f, 15.0f * i);
    }
    SetAlpha(alpha);
    DrawAt(dynamiteImage, 264.0f, 522.0f, 0.8f, 0.0f);
}

void DrawPagePictures(int page) {
    switch (page) {
    case 1: DrawSketches(page1Sketches); break;
    case 2:
        SetDrawScale(-1.0f, 1.0f);
        DrawPicture(fishImage[14][1], 772, 220);
        SetDrawScale(1.0f, 1.0f);
        DrawPicture(orderBubbleImages[1], 772, 220);
        DrawAt(itemArtImage[1][1], 772, 280, 0.8f, 0.0f);
        DrawPicture(iconBubbleImage, 772, 280);
        DrawSketches(page2Sketches);
        DrawPicture(helpMossImage, 772, 498);
        break;
    case 3:
        DrawSketches(page3Sketches);
        DrawPicture(bombFlareImage, 734, 548);
        break;
    case 4:
        DrawEntryPearls(1, 0);
        DrawEntryPearls(1, 1);
        DrawPicture(holderImage[1], 232, 500);
        DrawSketches(page4Sketches);
        DrawPicture(helpMossImage, 782, 500);
        break;
    case 5:
        DrawEntryPearls(2, 0);
        DrawEntryPearls(2, 1);
        DrawPicture(holderImage[2], 232, 500);
        DrawSketches(page5Sketches);
        break;
    case 6:
        DrawEntryPearls(3, 0);
        DrawPicture(holderImage[3], 792, 300);
        DrawSketches(page6Sketches);
        DrawPicture(bombFlareImage, 782, 500);
        DrawScatteredMoss(782, 548, 782, 500, 782, 452);
        break;
    case 7:
        DrawEntryPearls(4, 0);
        DrawPicture(holderImage[4], 792, 300);
        DrawSketches(page7Sketches);
        DrawFuseTrail();
        DrawScatteredMoss(734, 500, 782, 500, 830, 500);
        break;
    case 8:
        DrawSketches(page8Sketches);
        DrawPicture(helpStoneImage, 772, 300);
        DrawPicture(holderImage[1], 232, 500);
        DrawPicture(holderImage[4], 792, 500);
        break;
    default: break;
    }
}

}  // namespace

void DrawBoardSketch(int x, int y, const int* items, const int* marks, const int* cover, const int* arrows,
                     int pointer) {
    const float alpha = CurrentAlpha();
    float cellX[SKETCH_CELLS + 1], cellY[SKETCH_CELLS + 1];
    for (int k = 1; k <= SKETCH_CELLS; k++) {
        cellX[k] = static_cast<float>(x + CELL_SPACING * ((k - 1) % 3 - 1));
        cellY[k] = static_cast<float>(y + CELL_SPACING * ((k - 1) / 3 - 1));
    }
    SetDrawScale(1.0f, 1.0f);
    DrawPicture(boardSketchImage, static_cast<float>(x), static_cast<float>(y));
    for (int k = 1; k <= SKETCH_CELLS; k++)
        if (cover[k] == 1) DrawPicture(mossImage, cellX[k], cellY[k]);
    SetDrawScale(0.5f, 0.5f);
    for (int k = 1; k <= SKETCH_CELLS; k++)
        if (cover[k] > 1) DrawPicture(glowBlobImages[cover[k]], cellX[k], cellY[k]);
    SetDrawScale(1.0f, 1.0f);
    for (int k = 1; k <= SKETCH_CELLS; k++)
        if (items[k] > 0) DrawPicture(itemArtImage[1][items[k]], cellX[k], cellY[k]);
    SetAlpha(alpha * 0.75f);
    for (int k = 1; k <= SKETCH_CELLS; k++)
        if (marks[k] == 1) DrawPicture(cellMarkImage, cellX[k], cellY[k]);
    for (int c = 1; c <= SKETCH_CONNECTORS; c++)
        if (arrows[c] > 0)
            DrawPicture(arrowImages[arrows[c]], static_cast<float>(x + connectorOffset[c][0]),
                        static_cast<float>(y + connectorOffset[c][1]));
    SetAlpha(alpha);
    if (pointer >= 1 && pointer <= SKETCH_CELLS) DrawPicture(pointerImage, cellX[pointer] + 18, cellY[pointer] + 18);
}

void DrawHelpPages() {
    if (helpPage < 1 || helpPage > HELP_PAGES) helpPage = 1;
    SetDrawScale(1.0f, 1.0f);
    if (bigPopupImage) PaintImage(bigPopupImage, 512, 384, 0);
    DrawGlyphText(codeTexts[helpHeadings[helpPage]], 512, 140.0f, ALIGN_CENTRE, FONT_HEAD);
    if (helpPage >= 3 && helpPage <= 7) DrawMiddlePage(helpPage);
    DrawPagePictures(helpPage);
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
