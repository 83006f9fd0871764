#include "match3/board_draw.h"

#include <cmath>

#include "match3/board.h"
#include "match3/board_art.h"
#include "shell/pictures.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"

namespace {

float SinDeg(float degrees) {
    return std::sin(degrees * 3.14159265f / 180.0f);
}

float CosDeg(float degrees) {
    return std::cos(degrees * 3.14159265f / 180.0f);
}

int SwapModeOn() {
    return CurrentProfile().playerGameMode == MODE_SWAP;
}

int ItemIsValid(int slot) {
    return slot >= 1 && slot <= BOARD_LAST_SLOT && items[slot].kind > 0;
}

// One of the two swapped items: grows while going, shrinks while returning.
void DrawSwapItem(int slot, int& grow, int dx, int dy) {
    if (!ItemIsValid(slot) || items[slot].kind >= 100) return;
    if (swapDir == 2) {
        if (grow > 0) grow--;
    } else if (grow < 10) {
        grow++;
    }
    const TItem& item = items[slot];
    TImage picture = ItemPicture(item.kind);
    float scale = 1.0f + 0.02f * grow;
    SetDrawScale(scale, scale);
    SetBlend(BLEND_ALPHA);
    SetAlpha(boardAlpha);
    DrawPicture(picture, static_cast<float>(item.x + dx), static_cast<float>(item.y + dy));
    SetBlend(BLEND_LIGHT);
    SetAlpha(boardAlpha * (0.4f + 0.2f * SinDeg(10.0f * frameCount)));
    DrawPicture(picture, static_cast<float>(item.x + dx), static_cast<float>(item.y + dy));
    SetDrawScale(1, 1);
    SetBlend(BLEND_ALPHA);
    SetAlpha(boardAlpha);
}

}  // namespace

int ItemArt(int kind) {
    return ItemArtAt(mapPosition, kind);
}

int ItemArtAt(int position, int kind) {
    int ending = position % 10;
    switch (kind) {
    case 1: return ending >= 3 && ending <= 6 ? 11 : 1;
    case 2: return ending >= 4 && ending <= 7 ? 12 : 2;
    case 3: return ending >= 5 && ending <= 8 ? 13 : 3;
    case 5: return ending >= 6 && ending <= 9 ? 15 : 5;
    default: return kind;
    }
}

TImage ItemPicture(int kind) {
    int set = CurrentProfile().itemSet;
    if (set < 1 || set >= ITEM_SETS) set = 1;    // players start with set 1
    int picture = ItemArt(kind);
    if (picture < 0 || picture >= ITEM_ART_KINDS) return nullptr;
    return itemArtImage[set][picture];
}

void ComposeBoardImage() {
    FreeImage(boardImage);
    boardImage = MakeImage(BOARD_IMAGE_WIDTH, BOARD_IMAGE_HEIGHT, 1);
    if (!boardImage) return;
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        const TCell& cell = cells[slot];
        if (!cell.exists || cell.borderKind <= 0 || cell.borderKind > BORDER_KINDS) continue;
        if (BorderDrawnLive(cell.borderKind)) continue;
        int dx, dy;
        BorderPieceOffset(cell.borderKind, dx, dy);
        PasteImage(boardImage, 0, borderImages[cell.borderKind], 0, BoardImageX(cell.x - CELL_HALF + dx),
                   BoardImageY(cell.y - CELL_HALF + dy));
    }
    for (int c = 1; c < LEVEL_COLUMNS; c++) {
        const TColumn& column = columns[c];
        // A column longer than the longest strip is laid with several strips.
        int top = column.colTop;
        for (int left = column.colCount; left > 0; left -= STRIP_LONGEST) {
            int count = left < STRIP_LONGEST ? left : STRIP_LONGEST;
            PasteImage(boardImage, 0, cellRowImages[count], 0, BoardImageX(column.colX - CELL_HALF),
                       BoardImageY(top - CELL_HALF));
            top += count * CELL_SPACING;
        }
    }
}

void DrawCells() {
    mossLeft = 0;
    mossDrawn = 0;
    SetBlend(BLEND_ALPHA);
    SetAlpha(boardAlpha);
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        const TCell& cell = cells[slot];
        if (!cell.exists || !BorderDrawnLive(cell.borderKind)) continue;
        int dx, dy;
        BorderPieceOffset(cell.borderKind, dx, dy);
        DrawPicture(borderImages[cell.borderKind], static_cast<float>(cell.x - CELL_HALF + dx),
                    static_cast<float>(cell.y - CELL_HALF + dy));
    }
    DrawPicture(boardImage, BOARD_IMAGE_X, BOARD_IMAGE_Y);
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        TCell& cell = cells[slot];
        if (!cell.exists || !cell.isMoss) continue;
        SetBlend(CurrentAlpha() >= 0.99f ? BLEND_SOLID : BLEND_ALPHA);
        DrawPicture(mossImage, static_cast<float>(cell.x), static_cast<float>(cell.y));
        if (cell.x == glintX) cell.glow = 18;
        mossLeft++;
        mossDrawn++;
    }
    SetBlend(BLEND_ALPHA);
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        TCell& cell = cells[slot];
        if (!cell.exists) continue;
        if (cell.glow > 0) {
            cell.glow--;
            SetBlend(BLEND_LIGHT);
            SetAlpha(boardAlpha * SinDeg(10.0f * cell.glow));
            DrawPicture(cellGlowImage, static_cast<float>(cell.x), static_cast<float>(cell.y));
            SetBlend(BLEND_ALPHA);
        }
        if (cell.chainMark > 0) {
            if (cell.chainMark < 5) cell.chainMark++;
            SetAlpha(boardAlpha * cell.chainMark * 0.2f);
            DrawPicture(cellMarkImage, static_cast<float>(cell.x), static_cast<float>(cell.y));
        }
    }
    SetAlpha(boardAlpha);
}

void DrawItems() {
    const int swapMode = SwapModeOn();
    SetBlend(BLEND_ALPHA);
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        TItem& item = items[slot];
        if (!IsBody(item.kind)) continue;
        if (swapMode && (slot == swapFirst || slot == swapSecond)) continue;
        int ox = 0, oy = 0;
        if (item.shake > 0) {
            item.shake--;
            int reach = static_cast<int>(0.2f * item.shake);
            ox = RandomInt(-reach, reach);
            oy = RandomInt(-reach, reach);
        }
        if (item.bounce > 0) item.bounce--;
        float drawX = static_cast<float>(item.x + ox);
        float drawY = static_cast<float>(item.y + item.bounce + oy);
        if (item.fadeIn < 20) item.fadeIn++;
        SetAlpha(item.fadeIn * 0.05f * boardAlpha);
        const int stone = IsStone(item.kind);
        const int bomb = item.kind == ITEM_BOMB;
        if (stone || bomb) {
            SetDrawScale(0.25f, 0.25f);
            SetDrawRotation(2.0f * levelFrame);
            DrawPicture(pauseGlowImage, drawX, drawY);
            SetDrawRotation(0);
            SetDrawScale(1, 1);
        }
        if (bomb) {
            float phase = 10.0f * frameCount + 80.0f * slot;
            SetDrawScale(1.0f + 0.02f * SinDeg(phase), 1.0f + 0.02f * CosDeg(phase));
        }
        if (item.hintPhase > 0) {
            item.hintPhase++;
            if (item.hintPhase > 71) item.hintPhase = 0;
            SetDrawRotation(10.0f * SinDeg(10.0f * item.hintPhase));
        }
        DrawPicture(ItemPicture(item.kind), drawX, drawY);
        SetDrawRotation(0);
        SetDrawScale(1, 1);
    }
    SetAlpha(0.75f * boardAlpha);
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        const TCell& cell = cells[slot];
        if (!cell.exists) continue;
        float x = static_cast<float>(cell.x), y = static_cast<float>(cell.y);
        switch (cell.arrowDir) {
        case 1: DrawPicture(arrowImages[1], x + CELL_HALF, y); break;
        case 2: DrawPicture(arrowImages[2], x - CELL_HALF, y); break;
        case 3: DrawPicture(arrowImages[3], x, y + CELL_HALF); break;
        case 4: DrawPicture(arrowImages[4], x, y - CELL_HALF); break;
        default: break;
        }
    }
    SetAlpha(boardAlpha);
}

void DrawSwapPair() {
    if (!SwapModeOn()) return;
    DrawSwapItem(swapFirst, swapGrow1, swapDx1, swapDy1);
    DrawSwapItem(swapSecond, swapGrow2, swapDx2, swapDy2);
}
