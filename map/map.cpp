// The stage map: twelve stage signs that fill from the bottom as their
// positions are won, the popup of a stage with its ten positions and their
// previews, and the way into the next level.
#include "map/map.h"

#include "audio/audio.h"
#include "effects/degrees.h"
#include "effects/effects.h"
#include "match3/board_draw.h"
#include "menus/dialogs.h"
#include "menus/menu.h"
#include "shell/assets.h"
#include "shell/pictures.h"
#include "shell/screen_change.h"
#include "tables/best_time_tables.h"
#include "tables/board_art_tables.h"
#include "tables/dialog_tables.h"
#include "tables/game_tables.h"
#include "tables/item_kinds.h"
#include "tables/level_codes.h"
#include "tables/level_tables.h"
#include "tables/map_tables.h"
#include "tables/player_tables.h"
#include "tables/puzzle_tables.h"
#include "tables/shell_tables.h"
#include "tables/stage_map_tables.h"
#include "text/text.h"

namespace {

constexpr int ALL_POSITIONS_WON = MAP_POSITIONS + 1;
constexpr int STAGE_COMPLETE = 11;        // the won count of a finished stage
constexpr int SIGN_PULSE_LAST = 100;      // the stage of a position above it never pulses
constexpr int SIGN_PULSE_FROM_FRAME = 30;
constexpr int HELP_FRAME = 20;            // a player who has won nothing sees the help then
// The icons of the first two stages start small again on every visit.
constexpr int ICON_GROW_RESET_LAST = 20;
constexpr int ITEM_SET_OF_PREVIEWS = 1;
constexpr int HALF_TILE_WIDTH = PIECE_WIDTH / 2, HALF_TILE_HEIGHT = PIECE_HEIGHT / 2;

std::string StageText(const std::string& head, int stage) {
    return head + TextFromInt(stage);
}

// Neither masked nor filtered; reports a missing file like every picture.
TImage LoadPlainPicture(const std::string& path) {
    TImage image = LoadImageFile(path, 0);
    if (!image) PrintLine("error LoadIm " + path);
    return image;
}

void Centred(TImage& entry, TImage image) {
    FreeImage(entry);
    entry = image;
    CentreImageHandle(entry);
}

void TopLeft(TImage& entry, TImage image) {
    FreeImage(entry);
    entry = image;
    SetImageAnchor(entry, 0.0f, 0.0f);
}

// A screen point of the level preview, from a point of the preview tables.
float PreviewX(int x) {
    return static_cast<float>(PREVIEW_LEFT + x / 2);
}
float PreviewY(int y) {
    return static_cast<float>(PREVIEW_TOP + y / 2);
}

void StartPosition(int position, int leaving) {
    TPlayerProfile& player = CurrentProfile();
    // A saved level or an unfinished puzzle is kept only for its own position.
    if (player.savedLevelFlag > 0 && leaving) {
        player.savedLevelFlag = 0;
        player.playerLevelSeconds = 0;
    }
    if (player.puzzlePending > 0 && leaving) {
        player.puzzlePending = 0;
        player.playerLevelSeconds = 0;
    }
    player.playerProgress = position;
    mapPosition = position;
    BeginScreenChange(SCREEN_MATCH3, 0);
}

void DrawMapFrame() {
    SetAlpha(1.0f);
    DrawMirroredFrame(mapBorderLeft, mapBorderTop, mapBorderBottom, 80, 648);
}

void PlaceSigns() {
    for (int stage = 1; stage <= STAGE_COUNT; stage++) {
        signX[stage] = SIGN_COLUMN_X[(stage - 1) % SIGN_COLUMNS + 1];
        signY[stage] = mapTop + SIGN_ROW_DY[(stage - 1) / SIGN_COLUMNS + 1];
    }
}

void OpenStagePopup(int stage) {
    popupStage = stage;
    FreeImage(popupSignImage);
    popupSignImage = LoadPicture(StageText("data/map/stagesign", stage) + ".png");
    CentreImageHandle(popupSignImage);
    // The stage pictures are drawn on yellow where they are see-through;
    // every other picture is masked on black.
    SetMaskKey(255, 255, 0);
    FreeImage(popupPreviewImage);
    popupPreviewImage = LoadPicture(StagePicturePath(stage, "preview.png"));
    SetImageAnchor(popupPreviewImage, 0.0f, 0.0f);
    SetMaskKey(0, 0, 0);
    PlaySound(13, mouseX);
    OpenDialog(DIALOG_STAGE_POPUP);
}

void DrawSign(int stage) {
    const int unlocked = CurrentProfile().playerUnlocked;
    const float x = static_cast<float>(signX[stage]), y = static_cast<float>(signY[stage]);
    const float hung = y + SIGN_DRAW_DY;
    const int won = StagePositionsWon(stage);
    SetAlpha(0.5f);
    DrawPicture(stageSignImage[stage], x, hung);
    // The stage being played breathes softly.
    if (stageEnd[stage] - stageSize[stage] < unlocked && unlocked <= stageEnd[stage] && unlocked <= SIGN_PULSE_LAST &&
        mapFrame > SIGN_PULSE_FROM_FRAME) {
        SetBlend(BLEND_LIGHT);
        SetAlpha(0.2f - 0.1f * CosDeg(4.0f * mapFrame - 120.0f));
        DrawPicture(stageSignImage[stage], x, hung);
        SetBlend(BLEND_ALPHA);
        SetAlpha(1.0f);
    }
    if (stageFillRows[stage]) {
        if (won >= 1 && won <= stageSize[stage]) {
            SetAlpha(1.0f);
            // The bands of the full picture rise from above the name plate,
            // one per position won, and their top row is lit.
            for (int i = 1; i <= won + 3; i++)
                DrawPictureFrame(stageFillRows[stage], x, y + 66.0f - FILL_BAND_HEIGHT * i, FILL_BANDS - i,
                                 FILL_BANDS_DRAWN - 1);
            SetBlend(BLEND_LIGHT);
            DrawPictureFrame(stageFillEdge[stage], x, y + 28.0f - FILL_BAND_HEIGHT * won,
                             (FILL_BANDS_DRAWN - 1 - won) * FILL_BAND_HEIGHT, FILL_EDGE_ROWS - 1);
            SetBlend(BLEND_ALPHA);
        } else if (won == STAGE_COMPLETE) {
            SetAlpha(1.0f);
            DrawPicture(stageFullImage[stage], x, hung);
        }
        SetAlpha(1.0f);
        SetBlend(BLEND_ALPHA);
    }
    if (ImagesOverlap(stageSignImage[stage], x, y, 0, knobHitImage, static_cast<float>(mouseX),
                      static_cast<float>(mouseY), 0) &&
        inputLayer == LAYER_SCREEN && dialogOpenLevel == 0 && pauseOverlay == -1 && fadeState == FADE_IN) {
        SetBlend(BLEND_LIGHT);
        SetAlpha(0.2f);
        DrawPicture(stageSignImage[stage], x, hung);
        if (mouseHitLeft == 1) OpenStagePopup(stage);
        SetBlend(BLEND_ALPHA);
        SetAlpha(1.0f);
    }
    SetDrawRotation(0.0f);
    if (won >= stageSize[stage]) DrawPicture(checkMarkImage, x + 55.0f, y);
    SetAlpha(1.0f);
    DrawPicture(signFrameImage, x, y);
    DrawGlyphText(codeTexts[67 + stage], static_cast<int>(x) - 3, y + 35.0f, ALIGN_CENTRE, FONT_HIGHLIGHT);
}

void DrawMapButtons() {
    SetAlpha(1.0f);
    inputLayer = dialogOpenLevel > 0 ? LAYER_DIALOG : LAYER_SCREEN;
    const int unlocked = CurrentProfile().playerUnlocked;
    if (DrawButton(MAP_BACK_X, MAP_BUTTON_Y, 3, LAYER_SCREEN, codeTexts[96]) == 3) BeginScreenChange(SCREEN_MENU, 0);
    if (DrawButton(MAP_HELP_X, MAP_BUTTON_Y, 3, LAYER_SCREEN, codeTexts[62]) == 3) OpenDialog(DIALOG_MAP_HELP);
    // With every position won there is nothing to continue: the button is
    // drawn on a layer no input ever has.
    const int continueLayer = unlocked < ALL_POSITIONS_WON ? LAYER_SCREEN : 0;
    if (DrawButton(MAP_CONTINUE_X, MAP_CONTINUE_Y, 1, continueLayer, codeTexts[97]) == 3) {
        TPlayerProfile& player = CurrentProfile();
        StartPosition(player.playerUnlocked, player.playerProgress < player.playerUnlocked);
    }
    if (unlocked < ALL_POSITIONS_WON) {
        SetBlend(BLEND_LIGHT);
        SetAlpha(0.1f + 0.1f * SinDeg(5.0f * mapFrame));
        DrawPicture(buttonImage[1], MAP_CONTINUE_X, MAP_CONTINUE_Y);
        SetAlpha(1.0f);
        SetBlend(BLEND_ALPHA);
    }
}

// The hovered position's line: its record, the lack of one, or the puzzle's line.
std::string PositionInfoLine(int position) {
    if (positionKind[position] != POSITION_LEVEL) return codeTexts[348];
    if (bestTime[position] == -1) return codeTexts[345];
    return codeTexts[343] + "  " + FormatMinutesSeconds(bestTime[position]) + " " + codeTexts[344] + " " +
           bestTimeName[position];
}

void DrawColumnStrips(int level) {
    for (int c = 1; c < LEVEL_COLUMNS; c++) {
        const TPreviewColumn& column = levelPreviewColumns[level][c];
        // A column longer than the longest strip is laid with several strips.
        int top = column.topY;
        for (int left = column.cellCount; left > 0; left -= STRIP_LONGEST) {
            const int count = left < STRIP_LONGEST ? left : STRIP_LONGEST;
            DrawPicture(cellRowImages[count], PreviewX(column.x) - CELL_HALF / 2, PreviewY(top) - CELL_HALF / 2);
            top += count * CELL_SPACING;
        }
    }
}

int FishOfOrder(int code, int slot) {
    switch (code - CODE_FISH) {
    case 1: return 7 + slot % 2;
    case 2: return 1 + slot % 2;
    case 3: return 3 + slot % 2;
    default: return 0;
    }
}

}  // namespace

int StagePositionsWon(int stage) {
    const int unlocked = CurrentProfile().playerUnlocked;
    if (unlocked <= stageEnd[stage - 1]) return 0;
    if (unlocked > stageEnd[stage]) return STAGE_COMPLETE;
    return unlocked - stageEnd[stage - 1] - 1;
}

int PositionOpen(int position) {
    return position >= 1 && position <= MAP_POSITIONS && position <= CurrentProfile().playerUnlocked;
}

void LoadMapArt() {
    Centred(stageMapTitleImage, LoadPlainPicture("data/texts/stagemap.png"));
    Centred(signFrameImage, LoadPicture("data/map/mapperg.png"));
    Centred(mapPopupImage, LoadPicture("data/map/mappopup.png"));
    for (int stage = 1; stage <= STAGE_COUNT; stage++) {
        const std::string full = StageText("data/map/mapsign", stage) + "full.png";
        Centred(stageFillRows[stage], LoadPictureStrip(full, SIGN_WIDTH, FILL_BAND_HEIGHT, FILL_BANDS));
        Centred(stageFillEdge[stage], LoadPictureStrip(full, SIGN_WIDTH, 1, FILL_EDGE_ROWS));
        Centred(stageFullImage[stage], LoadPicture(full));
        Centred(stageSignImage[stage], LoadPicture(StageText("data/map/mapsign", stage) + ".png"));
    }
    for (int kind : {POSITION_LEVEL, POSITION_SPECIAL})
        Centred(positionIcon[kind], LoadPicture(StageText("data/map/mapss", kind) + ".png"));
    TopLeft(mapBorderLeft, LoadPlainPicture("data/map/mapborderleft.png"));
    TopLeft(mapBorderTop, LoadPlainPicture("data/map/mapborderup.png"));
    TopLeft(mapBorderBottom, LoadPlainPicture("data/map/mapborderdown.png"));
}

void FreeMapArt() {
    FreeImage(stageMapTitleImage);
    FreeImage(signFrameImage);
    FreeImage(mapPopupImage);
    for (auto* images : {&stageFillRows, &stageFillEdge, &stageFullImage, &stageSignImage})
        for (TImage& image : *images) FreeImage(image);
    for (TImage& image : positionIcon) FreeImage(image);
    FreeImage(mapBorderLeft);
    FreeImage(mapBorderTop);
    FreeImage(mapBorderBottom);
}

void EnterMap() {
    prevScreen = gameScreen;
    FreeMapArt();
    if (prevScreen == SCREEN_MATCH3) FreeImage(levelBackgroundImage);
    LoadMapArt();
    // The background follows the furthest open position; the menu has chosen it already.
    if (prevScreen != SCREEN_MENU) LoadBackgroundImage();
    helpPage = 1;
    menuFrame = 0;
    playButtonAlpha = 0.0f;
    inputEnabled = 1;
    dialogOpenLevel = 0;
    pauseOverlay = -1;
    mapFrame = 0;
    currentStage = CurrentStage();
    for (int position = 1; position <= ICON_GROW_RESET_LAST; position++) iconGrow[position] = 0;
    // From the menu the title music goes on; after a won level the results music does.
    if (prevScreen != SCREEN_MENU && levelEndTimer == 0) PlayMusic("titel.ogg");
    gameScreen = SCREEN_MAP;
    StartFadeIn();
}

void RunMap() {
    SetColor(fadeLevel, fadeLevel, fadeLevel);
    SetBlend(BLEND_SOLID);
    DrawPicture(screenBackground, 0, 0);
    SetBlend(BLEND_ALPHA);
    SetAlpha(1.0f);
    SpawnMenuGlows();
    mapTop = MAP_TOP;
    UpdateParticles();
    SpawnMenuFlyers();
    UpdateFlyers();
    DrawMapFrame();
    mapFrame++;
    if (CurrentProfile().playerUnlocked == 1 && mapFrame == HELP_FRAME) OpenDialog(DIALOG_MAP_HELP);
    DrawMapStatusLine();
    PlaceSigns();
    for (int stage = 1; stage <= STAGE_COUNT; stage++) DrawSign(stage);
    DrawMapButtons();
    RunDialogs();
}

void DrawMapStatusLine() {
    currentStage = CurrentStage();
    SetAlpha(1.0f);
    const int unlocked = CurrentProfile().playerUnlocked;
    if (unlocked >= ALL_POSITIONS_WON) {
        DrawGlyphText(codeTexts[105], 512, 20.0f, ALIGN_CENTRE, FONT_HIGHLIGHT);
        return;
    }
    const int stage = (unlocked - 1) / 10 + 1;
    const std::string line = codeTexts[67 + stage] + " , " + codeTexts[81] + " " + TextFromInt((unlocked - 1) % 10 + 1) +
                             " " + codeTexts[85] + " " + TextFromInt(stageSize[currentStage]);
    DrawGlyphText(line, 512, 20.0f, ALIGN_CENTRE, FONT_HIGHLIGHT);
}

void DrawStagePopup() {
    const float alpha = CurrentAlpha();
    SetDrawScale(1.0f, 1.0f);
    DrawPicture(mapPopupImage, 512, 411);
    DrawPicture(stageMapTitleImage, 512, 543);
    DrawPicture(popupSignImage, 512, 314);
    DrawGlyphText(codeTexts[67 + popupStage], 512, 130.0f, ALIGN_CENTRE, FONT_HEAD);
    const int first = stageEnd[popupStage - 1] + 1;
    for (int position = first; position <= stageEnd[popupStage]; position++) {
        const int x = POPUP_ICON_FIRST_X + POPUP_ICON_STEP * (position - first);
        const int open = PositionOpen(position);
        const float iconAlpha = open ? alpha : 0.3f * alpha;
        if (open && mouseX > x - POPUP_ICON_REACH && mouseX < x + POPUP_ICON_REACH &&
            mouseY > POPUP_ICON_Y - POPUP_ICON_REACH && mouseY < POPUP_ICON_Y + POPUP_ICON_REACH) {
            if (iconGrow[position] < ICON_GROW_FULL) iconGrow[position] += 2;
            // Only once the popup is fully open, and not again while the map
            // already fades out towards the chosen position.
            if (mouseHitLeft == 1 && alpha > 0.95f && fadeState == FADE_IN) {
                PlaySound(33, 512);
                StartPosition(position, CurrentProfile().playerProgress != position);
            }
            SetAlpha(iconAlpha);
            SetDrawScale(1.0f, 1.0f);
            if (positionKind[position] == POSITION_LEVEL) DrawLevelPreview(positionLevel[position], position);
            if (positionKind[position] == POSITION_SPECIAL) DrawPuzzlePreview();
            SetAlpha(iconAlpha);
            DrawGlyphText(PositionInfoLine(position), 512, 466.0f, ALIGN_CENTRE, FONT_TEXT);
        } else if (iconGrow[position] > 0) {
            iconGrow[position] -= 2;
            if (iconGrow[position] < 0) iconGrow[position] = 0;
        }
        const float scale = 0.8f + 0.02f * iconGrow[position];
        SetDrawScale(scale, scale);
        SetAlpha(iconAlpha);
        DrawPicture(positionIcon[positionKind[position]], static_cast<float>(x), POPUP_ICON_Y);
    }
    SetDrawScale(1.0f, 1.0f);
    SetAlpha(alpha);
    if (DrawButton(POPUP_CLOSE_X, POPUP_CLOSE_Y, 3, LAYER_DIALOG, codeTexts[4]) == 3) CloseDialog();
}

int PreviewItemArt(int position, int kind) {
    return ItemArtAt(position, kind);
}

void DrawLevelPreview(int level, int position) {
    if (level < 1 || level >= LEVEL_SLOTS) return;
    const auto& cells = levelPreviewCells[level];
    const auto& previewItems = levelPreviewItems[level];
    SetDrawScale(0.5f, 0.5f);
    SetBlend(BLEND_ALPHA);
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        const TPreviewCell& cell = cells[slot];
        if (cell.code <= 0 || cell.code >= CODE_NOTHING || cell.borderKind <= 0) continue;
        int dx, dy;
        BorderPieceOffset(cell.borderKind, dx, dy);
        DrawPicture(borderImages[cell.borderKind], PreviewX(cell.x) + dx / 2 - CELL_HALF / 2,
                    PreviewY(cell.y) + dy / 2 - CELL_HALF / 2);
    }
    SetDrawScale(0.5f, 0.5f);
    SetBlend(BLEND_SOLID);
    DrawColumnStrips(level);
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        const TPreviewCell& cell = cells[slot];
        if (cell.code > 0 && cell.code < CODE_NOTHING && cell.mossFlag == 1)
            DrawPicture(mossImage, PreviewX(cell.x), PreviewY(cell.y));
    }
    SetBlend(BLEND_ALPHA);
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        const TPreviewCell& cell = cells[slot];
        if (cell.code <= CODE_FISH) continue;
        const float x = PreviewX(cell.x), y = PreviewY(cell.y);
        // Fish on the right half look back into the board.
        SetDrawScale(x >= 512.0f ? -0.5f : 0.5f, 0.5f);
        DrawPicture(fishImage[FishOfOrder(cell.code, slot)][1], x, y);
        DrawPicture(orderBubbleImages[cell.code - CODE_FISH], x, y);
        SetDrawScale(0.5f, 0.5f);
    }
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        const TPreviewItem& item = previewItems[slot];
        if (item.kind != ITEM_PREVIEW_STONE) continue;
        SetDrawScale(0.125f, 0.125f);
        SetDrawRotation(2.0f * frameCount);
        DrawPicture(pauseGlowImage, PreviewX(item.x), PreviewY(item.y));
        SetDrawRotation(0.0f);
        SetDrawScale(1.0f, 1.0f);
    }
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        const TPreviewItem& item = previewItems[slot];
        SetDrawScale(0.5f, 0.5f);
        if (item.kind >= 1 && item.stoneVariant == -1) {
            const int art = PreviewItemArt(position, item.kind);
            if (art >= 0 && art < ITEM_ART_KINDS)
                DrawPicture(itemArtImage[ITEM_SET_OF_PREVIEWS][art], PreviewX(item.x), PreviewY(item.y));
        }
        if (item.stoneVariant > 0) {
            SetDrawScale(0.4f, 0.4f);
            DrawPicture(pearlImage[item.stoneVariant], PreviewX(item.x), PreviewY(item.y));
            SetDrawRotation(0.0f);
            SetBlend(BLEND_ALPHA);
            SetDrawScale(1.0f, 1.0f);
        }
    }
    SetBlend(BLEND_ALPHA);
    SetDrawScale(1.0f, 1.0f);
}

void DrawPuzzlePreview() {
    SetDrawScale(0.5f, 0.5f);
    for (int c = 1; c <= PUZZLE_COLUMNS; c++)
        for (int r = 1; r <= PUZZLE_ROWS; r++)
            DrawPicture(pieceShadowImage, static_cast<float>(HALF_TILE_WIDTH * c + PUZZLE_PREVIEW_X - HALF_TILE_WIDTH),
                        static_cast<float>(HALF_TILE_HEIGHT * r + PUZZLE_PREVIEW_Y - HALF_TILE_HEIGHT));
    SetDrawScale(1.0f, 1.0f);
    DrawPicture(popupPreviewImage, PUZZLE_PREVIEW_X, PUZZLE_PREVIEW_Y);
    SetDrawScale(0.5f, 0.5f);
    for (int c = 1; c <= PUZZLE_COLUMNS; c++)
        for (int r = 1; r <= PUZZLE_ROWS; r++)
            DrawPicture(pieceBevelImage, static_cast<float>(HALF_TILE_WIDTH * c + PUZZLE_PREVIEW_X - HALF_TILE_WIDTH),
                        static_cast<float>(HALF_TILE_HEIGHT * r + PUZZLE_PREVIEW_Y - HALF_TILE_HEIGHT));
    SetDrawScale(1.0f, 1.0f);
}
