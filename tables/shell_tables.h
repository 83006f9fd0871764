// Shell state, the input snapshot, the settings, the shell's pictures, the
// splash pages and the title animation.
// Defined in tables/shell_tables.cpp; cleared by ClearShellTables at start-up.
#pragma once

#include <string>

#include "platform/platform.h"
#include "tables/sizes.h"
#include "tables/table.h"

enum {
    SCREEN_QUIT = -999,
    SCREEN_SPLASH = -2,
    SCREEN_TITLE = -1,
    SCREEN_MENU = 0,
    SCREEN_MATCH3 = 12,
    SCREEN_MAP = 13,
    SCREEN_STORY = 14,
    SCREEN_ENDING = 15,
};
enum { FADE_IN = 1, FADE_OUT = 2 };

// ---- shell state
extern int gameScreen, nextScreen, nextScreenParam, prevScreen;
extern int fadeState, fadeLevel;
extern int pauseOverlay, appSuspended;
extern int frameCount, framesPerSecond, fpsFrames, fpsLastTick;
extern int currentStage, developerMode, pointerLatch;
extern int quitRequested, inputEnabled;
extern TTimer frameTimer, secondsTimer, fpsTimer;

// ---- input snapshot, rewritten by PollInput at the start of every frame
extern int mouseX, mouseY;
extern int mouseHitLeft, mouseHitRight, mouseDownLeft, mouseDownRight, mouseHeldFrames;
extern int keyEnter, keyEscape, keySpace, keyF1, keyF2, keyF3, keyF4;

// ---- settings, one line each of "settings.txt"
extern int fullScreen, musicVolume, soundVolume, currentPlayer;
extern int settingsLine5, settingsLine6, customPointer;
extern std::string saveFolder;   // ends in a slash
extern int firstRun;

// ---- shell pictures
extern TImage pointerImage, logoImage, loadBackImage, lowerBarImage, loadBarImage;
extern TImage loadFillImage, pauseGlowImage, raysImage, screenBackground;
extern float logoX, logoY;

// ---- splash pages, as "data/branding/splashconfig.txt" lists them
struct TSplashPage {
    std::string file;   // inside "data/branding/", or "none"
    int time = 0;       // frames shown; 0 never ends by itself
    int skip = 0;       // 1: Escape, Enter or Space ends the page early
};

extern Table<TSplashPage, SPLASH_SLOTS> splashPages;    // pages 1..6
extern Table<TImage, SPLASH_SLOTS> splashImages;
extern int splashPageCount, splashPage, splashTimer;

// ---- title animation
extern int titleFrame;      // frames since the title was entered
extern int loadBarY;        // y of the loading bar, 1068 below the screen at first

// ---- saving
// Lets a check break a save just before the new file would replace the old
// one (returning 1 fails the save). Null in the game.
using TSaveFailureHook = int (*)(const std::string& path);
extern TSaveFailureHook saveFailureHook;

// Zero-fills every table and scalar above (the start-up allocation).
void ClearShellTables();
