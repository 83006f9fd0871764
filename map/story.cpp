// The two story screens. A parchment rises from the bottom of the screen and
// tells the story a heading and three lines at a time over the wreck, the old
// turtle's grotto and the four holders waking, with fishes swimming by. The
// opening story ends by starting the first position, the closing story by
// entering the player among the champions and going back to the menu.
#include "map/story.h"

#include "map/puzzle.h"

#include "audio/audio.h"
#include "effects/degrees.h"
#include "effects/effects.h"
#include "map/floating_texts.h"
#include "map/puzzle.h"
#include "menus/champions.h"
#include "menus/dialogs.h"
#include "menus/menu.h"
#include "shell/pictures.h"
#include "shell/screen_change.h"
#include "tables/audio_tables.h"
#include "tables/dialog_tables.h"
#include "tables/effect_tables.h"
#include "tables/game_tables.h"
#include "tables/map_tables.h"
#include "tables/menu_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "text/text.h"

namespace {

const char* const STORY_BACK_FILE = "data/bg/bg4.jpg";
const char* const WIZARD_BACK_FILE = "data/bg/bgwizard.jpg";
const char* const PARCHMENT_FILE = "data/story/storyperg.png";
const char* const BORDER_LEFT_FILE = "data/story/storyborderleft.png";
const char* const BORDER_TOP_FILE = "data/story/storyborderup2.png";
const char* const BORDER_BOTTOM_FILE = "data/story/storyborderdown.png";
const char* const STORY_MUSIC = "introstory.ogg";

// The text pages: the opening story tells four, the closing story two; the
// page after the last one only hands over, and never ends by itself.
const int OPENING_PAGE_LENGTH[] = {0, 700, 800, 700, 800};
const int CLOSING_PAGE_LENGTH[] = {0, 700, 800};
constexpr int OPENING_END_PAGE = 5, CLOSING_END_PAGE = 3;
constexpr int END_PAGE_LENGTH = 999;

// Page p's heading is text 4p + base and its lines the three after it.
constexpr int OPENING_TEXT_BASE = 30, CLOSING_TEXT_BASE = 268;
constexpr int OPENING_GREETING = 33, CLOSING_GREETING = 271;
constexpr int TEXT_MENU = 112, TEXT_SKIP = 51;

constexpr int FADE_FRAMES = 20;
constexpr float FADE_STEP = 1.0f / FADE_FRAMES;

// The parchment waits below the screen, then rises to its place once page 1
// is under way; the first page's text comes after it has risen.
constexpr int PARCHMENT_BELOW = 1068, PARCHMENT_UP = 678;
constexpr int PARCHMENT_RISE_FRAME = 50;
constexpr int FIRST_TEXT_FRAME = 100;
constexpr int HOLDER_ABOVE_PARCHMENT = 137;

constexpr int BUTTON_Y = 741, MENU_BUTTON_X = 87, SKIP_BUTTON_X = 937, STORY_BUTTON = 3;
constexpr int SOUND_STORY = 5;
constexpr int GLOW_GOLD = 4;
constexpr int FEW_FISHES = 6;
constexpr int BLINK_LENGTH = 100;

float bgAlpha = 0.0f;     // the background's fade this frame (the opening story only)
float textAlpha = 0.0f;   // the parchment texts' fade this frame

float Unit(float alpha) {
    return alpha < 0.0f ? 0.0f : (alpha > 1.0f ? 1.0f : alpha);
}

// Loads with the handle at the centre or at the top-left corner, and leaves
// the loader's switch as it was. The opening story reports a missing
// picture, the closing story loads silently.
TImage LoadStoryPicture(const char* path, int centred, int reported) {
    const int before = AutoCentre();
    SetAutoCentre(centred);
    TImage image = reported ? LoadPicture(path) : LoadImageFile(path);
    SetAutoCentre(before);
    if (image && centred) CentreImageHandle(image);
    return image;
}

// The text of a page fades in from `textFrom` and out over its last 20
// frames; at its length the next page begins in the same frame.
void EndTextPage(int length, int textFrom) {
    const int f = storyFrame;
    if (f > textFrom) textAlpha = (f - textFrom) * FADE_STEP;
    storyPageLength = length;
    if (f > length - FADE_FRAMES) textAlpha = (length - f) * FADE_STEP;
    if (f == length) {
        storyFrame = 0;
        storyPage++;
    }
}

// Some fishes of the ten kinds swim in from both sides while few are about.
void SpawnStoryFlyers() {
    if (fishCount >= FEW_FISHES) return;
    struct TTry { int firstKind, lastKind, fromLeft; };
    static const TTry TRIES[] = {{1, 4, 1}, {1, 4, 0}, {7, 8, 1}, {7, 8, 0}, {13, 16, 1}, {13, 16, 0}};
    for (const TTry& t : TRIES) {
        if (RandomInt(1, 400) != 1) continue;
        const int kind = RandomInt(t.firstKind, t.lastKind);
        const int x = t.fromLeft ? RandomInt(-200, -100) : RandomInt(1100, 1200);
        const int y = RandomInt(200, 600);
        const int speed = RandomInt(7, 10);
        SpawnFlyer(static_cast<float>(x), static_cast<float>(y), static_cast<float>(speed), kind);
    }
}

// Golden glows rise from both bottom corners; those born nearer the middle live shorter.
void SpawnStoryGlows() {
    if (RandomInt(1, 2) == 1) {
        const int e = RandomInt(1, 400);
        SpawnGlow(static_cast<float>(e), 768.0f, RandomInt(300, 1500 - e), GLOW_GOLD);
    }
    if (RandomInt(1, 2) == 1) {
        const int e = RandomInt(1, 400);
        SpawnGlow(static_cast<float>(1024 - e), 768.0f, RandomInt(300, 1500 - e), GLOW_GOLD);
    }
    UpdateGlows(1.0f);
}

// Eases 10 % of the way each frame; truncating lets it settle exactly.
void MoveParchment() {
    parchmentY = static_cast<int>(parchmentY - (parchmentY - parchmentTargetY) * 0.1);
}

void DrawStoryBorders() {
    SetAlpha(1.0f);
    DrawMirroredFrame(storyBorderLeft, storyBorderTop, storyBorderBottom, 80, 668);
}

// The heading and three lines of page `page`, from y offsets of the parchment's centre.
void DrawPageText(int base, int page, int headingDy, int firstLineDy) {
    const int heading = 4 * page + base;
    DrawGlyphText(codeTexts[heading], 512, static_cast<float>(parchmentY + headingDy), ALIGN_CENTRE, FONT_HIGHLIGHT);
    for (int line = 1; line <= 3; line++)
        DrawGlyphText(codeTexts[heading + line], 512, static_cast<float>(parchmentY + firstLineDy + 35 * (line - 1)),
                      ALIGN_CENTRE, FONT_HIGHLIGHT);
}

// The menu and skip buttons of a text page: 1 when the menu button was
// clicked. Clicks in the page's last 20 frames are ignored, so a page
// already ending is not cut short twice.
int RunStoryButtons() {
    int toMenu = 0;
    if (DrawButton(MENU_BUTTON_X, BUTTON_Y, STORY_BUTTON, LAYER_SCREEN, codeTexts[TEXT_MENU]) == 3 &&
        storyFrame < storyPageLength - FADE_FRAMES)
        toMenu = 1;
    if (DrawButton(SKIP_BUTTON_X, BUTTON_Y, STORY_BUTTON, LAYER_SCREEN, codeTexts[TEXT_SKIP]) == 3 &&
        storyFrame < storyPageLength - FADE_FRAMES)
        storyFrame = storyPageLength - FADE_FRAMES;
    return toMenu;
}

std::u16string StoryPlayerName() {
    return currentPlayer >= 1 ? CurrentProfile().playerName : WidenLatin1(codeTexts[8]);
}

// The background of pages 3 and 4 drawn with its blue channel at `blue` (of fadeLevel).
void DrawTintedBack(int blue) {
    SetColor(fadeLevel, fadeLevel, blue);
    DrawPicture(storyBackImage, 0, 0);
    SetColor(fadeLevel, fadeLevel, fadeLevel);
}

// ---- the opening story's pages

void RunOpeningPages() {
    if (storyPage == 1) {
        const int f = storyFrame;
        DrawPicture(storyBackImage, 0, 0);
        if (f > PARCHMENT_RISE_FRAME) parchmentTargetY = PARCHMENT_UP;
        if (f == PARCHMENT_RISE_FRAME) PlaySound(SOUND_STORY, 512);
        SetAlpha(bgAlpha);
        EndTextPage(OPENING_PAGE_LENGTH[1], FIRST_TEXT_FRAME);
    }
    if (storyPage == 2) {
        DrawPicture(wizardBackImage, 0, 0);
        EndTextPage(OPENING_PAGE_LENGTH[2], 0);
    }
    if (storyPage == 3) {
        // The wreck turns golden over 50 frames as the fishes wake, and
        // stays at full strength into page 4, which goes on over it.
        const int f = storyFrame;
        if (f > storyPageLength - 30) SetAlpha(1.0f);
        int blue = static_cast<int>(fadeLevel * (1.0f - 0.01f * f));
        if (blue < fadeLevel * 0.5f) blue = static_cast<int>(fadeLevel * 0.5f);
        DrawTintedBack(blue);
        SetAlpha(bgAlpha);
        EndTextPage(OPENING_PAGE_LENGTH[3], 0);
        // Now and then a fish starts showing the wish in its bubble.
        if (f > 50) {
            for (int i = 1; i <= FLYER_LAST_SLOT; i++)
                if (flyers[i].kind > 0 && flyers[i].bubble == 0 && RandomInt(1, 100) == 1) flyers[i].bubble = 1;
        }
    }
    if (storyPage == 4) {
        // The gold fades back to the wreck's own colours.
        const int f = storyFrame;
        if (f < 30) SetAlpha(1.0f);
        int blue = static_cast<int>(fadeLevel * (0.5f + 0.015f * f));
        if (blue > fadeLevel) blue = fadeLevel;
        DrawTintedBack(blue);
        SetAlpha(bgAlpha);
        EndTextPage(OPENING_PAGE_LENGTH[4], 0);
    }
    if (storyPage == OPENING_END_PAGE) {
        DrawPicture(storyBackImage, 0, 0);
        storyPageLength = END_PAGE_LENGTH;
    }
}

// Page 4: the four holders wake one after another above the parchment.
void DrawWakingHolders() {
    static const int HOLDER_X[] = {0, 612, 412, 812, 212};
    static const int HOLDER_START[] = {0, 20, 30, 40, 50};
    const int f = storyFrame;
    for (int k = 1; k <= 4; k++) {
        const float x = static_cast<float>(HOLDER_X[k]);
        const float y = parchmentY - 160 + 4.0f * SinDeg(2.0f * frameCount + 50.0f * k + 50.0f);
        if (f == HOLDER_START[k]) PlaySound(SOUND_STORY, HOLDER_X[k]);
        float alpha = (f - HOLDER_START[k]) * FADE_STEP;
        if (f > storyPageLength - FADE_FRAMES) alpha = (storyPageLength - f) * FADE_STEP;
        SetAlpha(Unit(alpha));
        DrawHolderRays(x, y);
        DrawBlinkingHolder(k, x, y);
    }
}

// ---- the closing story's pages

void RunClosingPages() {
    if (storyPage == 1) {
        const int f = storyFrame;
        DrawPicture(storyBackImage, 0, 0);
        if (f > PARCHMENT_RISE_FRAME) parchmentTargetY = PARCHMENT_UP;
        if (f == 70) PlaySound(SOUND_STORY, 512);
        EndTextPage(CLOSING_PAGE_LENGTH[1], FIRST_TEXT_FRAME);
    }
    if (storyPage == 2) {
        DrawPicture(storyBackImage, 0, 0);
        EndTextPage(CLOSING_PAGE_LENGTH[2], 0);
    }
    if (storyPage == CLOSING_END_PAGE) {
        DrawPicture(storyBackImage, 0, 0);
        storyPageLength = END_PAGE_LENGTH;
    }
}

// The player has finished the game: entered among the champions once, by the
// story's end or by leaving it early through the menu button, so that
// leaving the story early does not lose the entry.
void FinishEnding() {
    endingShown = 1;
    AddChampion();
    BeginScreenChange(SCREEN_MENU, 0);
}

// The pictures both stories load.
void FreeSharedArt() {
    for (TImage* image : {&storyBackImage, &parchmentImage, &storyBorderLeft, &storyBorderTop, &storyBorderBottom})
        FreeImage(*image);
}

// The last frame of the fade away from a story is black: its pictures can go.
int LeavingAtBlack(int screen) {
    return fadeState == FADE_OUT && fadeLevel <= 0 && nextScreen != screen;
}

}  // namespace

// ---- pictures

void LoadStoryArt() {
    storyBackImage = LoadStoryPicture(STORY_BACK_FILE, 0, 1);
    wizardBackImage = LoadStoryPicture(WIZARD_BACK_FILE, 0, 1);
    parchmentImage = LoadStoryPicture(PARCHMENT_FILE, 1, 1);
    storyBorderLeft = LoadStoryPicture(BORDER_LEFT_FILE, 0, 1);
    storyBorderTop = LoadStoryPicture(BORDER_TOP_FILE, 0, 1);
    storyBorderBottom = LoadStoryPicture(BORDER_BOTTOM_FILE, 0, 1);
}

void FreeStoryArt() {
    FreeSharedArt();
    FreeImage(wizardBackImage);
}

void LoadEndingArt() {
    storyBackImage = LoadStoryPicture(STORY_BACK_FILE, 0, 0);
    parchmentImage = LoadStoryPicture(PARCHMENT_FILE, 1, 0);
    storyBorderLeft = LoadStoryPicture(BORDER_LEFT_FILE, 0, 0);
    storyBorderTop = LoadStoryPicture(BORDER_TOP_FILE, 0, 0);
    storyBorderBottom = LoadStoryPicture(BORDER_BOTTOM_FILE, 0, 0);
}

// Both stories start alike: the parchment below the screen, no dialog, the
// first page with its length known (the first frame's fade reads it).
static void StartStoryPages(int firstPageLength, int screen) {
    score = 0;
    dialogKind = 0;
    dialogOpenLevel = 0;
    parchmentY = parchmentTargetY = PARCHMENT_BELOW;
    for (int k = 1; k <= 4; k++) holderBlink[k] = 0;
    storyPage = 1;
    storyFrame = 0;
    storyPageLength = firstPageLength;
    pauseOverlay = -1;
    inputEnabled = 1;
    gameScreen = screen;
}

void FreeEndingArt() {
    FreeSharedArt();
    FreePuzzleTiles();   // the last stage's puzzle is over
}

// ---- the opening story

void EnterIntroStory() {
    FreeImage(screenBackground);
    FreeMenuArt();
    FreeStoryArt();
    LoadStoryArt();
    ClearFlyers();
    ClearGlows();
    ClearFloatingTexts();
    ClearParticles();
    for (int i = 0; i < 5; i++) {
        const int x = RandomInt(-200, 1300);
        const int y = RandomInt(200, 600);
        const int speed = RandomInt(7, 10);
        const int kind = RandomInt(13, 16);
        SpawnFlyer(static_cast<float>(x), static_cast<float>(y), static_cast<float>(speed), kind);
    }
    StartStoryPages(OPENING_PAGE_LENGTH[1], SCREEN_STORY);
    musicLevel = 0;
    PlayMusic(STORY_MUSIC);
    StartFadeIn();
}

void RunIntroStory() {
    boardAlpha = 1.0f;
    textAlpha = 0.0f;
    storyFrame++;
    {
        const int f = storyFrame, length = storyPageLength;
        bgAlpha = Unit(f > length - FADE_FRAMES ? (length - f) * FADE_STEP : f * FADE_STEP);
    }
    SetBlend(BLEND_ALPHA);
    SetDrawScale(1.0f, 1.0f);
    SetAlpha(bgAlpha);
    RunOpeningPages();

    SpawnStoryFlyers();
    float flyerAlpha = 1.0f;
    if (storyPage == 1) flyerAlpha = bgAlpha;
    if (storyPage == 2) flyerAlpha = 0.0f;
    if (storyPage == 3 && storyFrame < storyPageLength - FADE_FRAMES) flyerAlpha = bgAlpha;
    SetAlpha(flyerAlpha);
    UpdateFlyers();
    if (storyPage == 1) SpawnStoryGlows();

    SetAlpha(bgAlpha);
    MoveParchment();
    if (storyPage == 4) DrawWakingHolders();
    SetAlpha(1.0f);
    DrawPicture(parchmentImage, 512, static_cast<float>(parchmentY));
    if (storyPage <= 3) {
        SetAlpha(storyPage == 1 ? bgAlpha : 0.0f);
        DrawBlinkingHolder(1, 512, static_cast<float>(parchmentY - HOLDER_ABOVE_PARCHMENT));
    }
    DrawStoryBorders();

    SetAlpha(Unit(textAlpha));
    if (storyPage == 1) {
        const std::u16string greeting = WidenLatin1(codeTexts[OPENING_GREETING] + " ") + StoryPlayerName() + u" !";
        DrawGlyphText(greeting, 512, static_cast<float>(parchmentY - 75), ALIGN_CENTRE, FONT_NORMAL);
    }
    inputLayer = dialogOpenLevel > 0 ? LAYER_DIALOG : LAYER_SCREEN;
    if (storyPage < OPENING_END_PAGE) {
        DrawPageText(OPENING_TEXT_BASE, storyPage, -67, -30);
        if (RunStoryButtons()) BeginScreenChange(SCREEN_MENU, 0);
    }
    if (storyPage == OPENING_END_PAGE && storyFrame == 1) {
        playStarted = 1;
        if (currentPlayer >= 1) CurrentProfile().playerProgress = 1;
        mapPosition = 1;
        BeginScreenChange(SCREEN_MATCH3, 0);
    }
    if (LeavingAtBlack(SCREEN_STORY)) FreeStoryArt();
    SetAlpha(1.0f);
    RunDialogs();
}

// ---- the closing story

void EnterEndingStory() {
    FreeEndingArt();
    // The last level's picture is not shown again before the next level loads its own.
    FreeImage(levelBackgroundImage);
    LoadEndingArt();
    ClearFloatingTexts();
    ClearParticles();
    PlayMusic(STORY_MUSIC);
    StartStoryPages(CLOSING_PAGE_LENGTH[1], SCREEN_ENDING);
    StartFadeIn();
}

void RunEndingStory() {
    boardAlpha = 1.0f;
    storyFrame++;
    textAlpha = 0.0f;
    SetBlend(BLEND_ALPHA);
    SetDrawScale(1.0f, 1.0f);
    SetAlpha(1.0f);
    RunClosingPages();
    SpawnStoryFlyers();
    SetAlpha(1.0f);
    UpdateFlyers();
    SpawnStoryGlows();

    SetAlpha(1.0f);
    MoveParchment();
    DrawPicture(parchmentImage, 512, static_cast<float>(parchmentY));
    DrawBlinkingHolder(1, 512, static_cast<float>(parchmentY - HOLDER_ABOVE_PARCHMENT));
    DrawStoryBorders();

    SetAlpha(Unit(textAlpha));
    if (storyPage == 1)
        DrawGlyphText(codeTexts[CLOSING_GREETING], 512, static_cast<float>(parchmentY - 75), ALIGN_CENTRE,
                      FONT_NORMAL);
    inputLayer = dialogOpenLevel > 0 ? LAYER_DIALOG : LAYER_SCREEN;
    if (storyPage < CLOSING_END_PAGE) {
        DrawPageText(CLOSING_TEXT_BASE, storyPage, -70, -33);
        if (RunStoryButtons()) FinishEnding();
    }
    if (storyPage == CLOSING_END_PAGE && storyFrame == 1) FinishEnding();
    if (LeavingAtBlack(SCREEN_ENDING)) FreeEndingArt();
    SetAlpha(1.0f);
    RunDialogs();
}

// ---- holders and rays

void DrawBlinkingHolder(int k, float x, float y) {
    // Eyes half shut, shut, half shut, open, then the same again; 0 is open.
    static const int BLINK_EYES[] = {1, 2, 1, 0, 1, 2, 1};
    constexpr int BLINK_STEPS = 7, BLINK_STEP_FRAMES = 3;
    int& blink = holderBlink[k];
    if (blink == 0 && RandomInt(0, 200) == 1) blink = 1;
    if (blink == 0) {
        DrawPicture(holderImage[k], x, y);
        return;
    }
    const int step = (blink - 1) / BLINK_STEP_FRAMES;
    const int eyes = step < BLINK_STEPS ? BLINK_EYES[step] : 0;
    DrawPicture(eyes > 0 ? holderEyesImage[k][eyes] : holderImage[k], x, y);
    blink++;
    if (blink >= BLINK_LENGTH) blink = 0;
}

namespace {

void DrawRayLayer(float x, float y, float scale, float alpha, float degrees) {
    SetDrawScale(scale, scale);
    SetAlpha(alpha);
    SetDrawRotation(degrees);
    DrawPicture(raysImage, x, y);
}

// Every pulse draws light on light and leaves the drawing state as it found it.
void EndRays(float alpha) {
    SetBlend(BLEND_ALPHA);
    SetAlpha(alpha);
    SetDrawRotation(0.0f);
    SetDrawScale(1.0f, 1.0f);
}

}  // namespace

void DrawTitleRays() {
    const float a = CurrentAlpha(), f = static_cast<float>(frameCount);
    SetBlend(BLEND_LIGHT);
    DrawRayLayer(512, -300, (1.0f + 0.1f * SinDeg(0.3f * f)) * 4.0f, a * (0.2f + 0.12f * SinDeg(0.5f * f)),
                 90.0f * SinDeg(0.02f * f));
    EndRays(a);
}

void DrawMenuRays(int x, int y) {
    const float a = CurrentAlpha(), f = static_cast<float>(frameCount);
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    SetBlend(BLEND_LIGHT);
    DrawRayLayer(fx, fy, 1.0f + 0.1f * SinDeg(0.3f * f), a * (0.6f + 0.4f * SinDeg(0.5f * f)),
                 90.0f * SinDeg(0.02f * f));
    DrawRayLayer(fx, fy, 1.0f + 0.1f * SinDeg(0.5f * f), a * (0.6f + 0.4f * SinDeg(0.3f * f)),
                 90.0f * SinDeg(0.04f * f));
    EndRays(a);
}

void DrawHolderRays(float x, float y) {
    const float a = CurrentAlpha(), f = static_cast<float>(frameCount);
    SetBlend(BLEND_LIGHT);
    DrawRayLayer(x, y, (1.0f + 0.1f * SinDeg(0.3f * f)) * 0.5f, a * (0.6f + 0.4f * SinDeg(0.5f * f)) * 0.8f,
                 90.0f * SinDeg(0.08f * f));
    DrawRayLayer(x, y, (1.0f + 0.1f * SinDeg(0.5f * f)) * 0.5f, a * (0.6f + 0.4f * SinDeg(0.3f * f)) * 0.8f,
                 90.0f * SinDeg(0.16f * f));
    EndRays(a);
}
