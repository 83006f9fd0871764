// The program's loop: one pass per frame at 40 frames per second, each pass a
// snapshot of the input, the active screen's frame, and what lies above every
// screen (the paused overlay, the game's pointer, the frame rate).
#include <cstdlib>

#include "audio/audio.h"
#include "menus/dialogs.h"
#include "shell/assets.h"
#include "shell/replay.h"
#include "shell/shell.h"
#include "tables/game_tables.h"
#include "tables/shell_tables.h"
#include "tables/tables.h"
#include "text/text.h"

// The three timers belong to the process: made once, before the tables.
static void CreateShellTimers() {
    if (frameTimer == 0) frameTimer = CreateTickTimer(40);
    if (secondsTimer == 0) secondsTimer = CreateTickTimer(1);
    if (fpsTimer == 0) fpsTimer = CreateTickTimer(1);
}

int PrepareGame() {
    SetWindowTitle("Glimmerdeep");
    if (!CheckSingleInstance()) return GAME_OTHER_COPY;
    // Opening the display and the input method takes a while: the second core
    // decodes the big pictures meanwhile.
    DecodeStartUpPicturesAhead();
    if (!PlatformInit()) return GAME_NO_DISPLAY;
    CreateShellTimers();
    AllocateGameTables();
    FindSaveFolder();
    int started = StartUp();
    StopDecodingStartUpPictures();
    if (started != GAME_READY) return started;
    settingsLine5 = 0;
    return GAME_READY;
}

void RunLoopPass(int sync) {
    ApplyReplayFrame(frameCount + 1);
    Cls();
    PollInput();
    RunFrame();
    Flip(sync);
    Wait(frameTimer);
}

// Without a display nobody could see or end the game, and the lock it holds
// would turn every later start away: it says why and leaves at once.
void RunGame() {
    int ready = PrepareGame();
    if (ready == GAME_OTHER_COPY) return;
    if (ready == GAME_NO_DISPLAY) PrintError("Glimmerdeep cannot start without a display: " + PlatformError());
    if (ready != GAME_READY) {
        ReleaseInstanceLock();
        PlatformShutdown();
        std::exit(1);
    }
    while (quitRequested != 1) RunLoopPass(1);
    PlatformShutdown();
}

void CountFrame() {
    fpsFrames++;
    int ticks = Ticks(fpsTimer);
    if (ticks > fpsLastTick) {
        fpsLastTick = ticks;
        framesPerSecond = fpsFrames;
        fpsFrames = 0;
    }
}

static int OnBrandingScreen() {
    return gameScreen == SCREEN_SPLASH || gameScreen == SCREEN_TITLE;
}

// Drawn with the colour, alpha and blend the screen left; a click clears it.
static void DrawPauseOverlay() {
    if (appSuspended != 0 || pauseOverlay != 1 || OnBrandingScreen()) return;
    SetDrawScale(2.5f, 2.5f);
    PaintImage(pauseGlowImage, 512, 384, 0);
    SetDrawScale(1.0f, 1.0f);
    DrawGlyphText(codeTexts[92], 512, 354.0f, ALIGN_CENTRE, FONT_HEAD);
    DrawGlyphText(codeTexts[93], 512, 404.0f, ALIGN_CENTRE, FONT_NORMAL);
    if (mouseHitLeft == 1) pauseOverlay = -1;
}

// The game's pointer fades with the screen; with the system pointer chosen,
// the system pointer appears from the first dialog or level end on.
static void DrawGamePointer() {
    if (!pointerImage) return;
    int show = 1;
    if (customPointer == -1) show = 0;
    if (OnBrandingScreen()) show = 0;
    int oldLatch = pointerLatch;
    if (pointerLatch == 0 && (dialogOpenLevel > 0 || levelEndTimer > 290)) pointerLatch = 1;
    if (oldLatch == 0 && pointerLatch == 1 && customPointer == -1) ShowPointer();
    SetAlpha(1.0f);
    if (show == 1) PaintImage(pointerImage, mouseX, mouseY, 0);
}

static void DrawFrameRate() {
    if (OnBrandingScreen() || keyF1 != 1 || developerMode != 1) return;
    DrawGlyphText(TextFromInt(framesPerSecond) + " FPS", 50, 70.0f, ALIGN_LEFT, FONT_NORMAL);
}

void RunFrame() {
    CountFrame();
    SetViewport(0, 0, 1024, 768);
    frameCount++;
    UpdateScreenChange();
    currentStage = 1;
    if (currentPlayer > -1) currentStage = CurrentStage();
    RunScreenFrame(gameScreen);
    if (frameCount > 30) UpdateMusic();
    DrawPauseOverlay();
    DrawGamePointer();
    DrawFrameRate();
}
