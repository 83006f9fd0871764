#include "tables/shell_tables.h"

int gameScreen, nextScreen, nextScreenParam, prevScreen;
int fadeState, fadeLevel;
int pauseOverlay, appSuspended;
int frameCount, framesPerSecond, fpsFrames, fpsLastTick;
int currentStage, developerMode, pointerLatch;
int quitRequested, inputEnabled;
TTimer frameTimer, secondsTimer, fpsTimer;

int mouseX, mouseY;
int mouseHitLeft, mouseHitRight, mouseDownLeft, mouseDownRight, mouseHeldFrames;
int keyEnter, keyEscape, keySpace, keyF1, keyF2, keyF3, keyF4;

int fullScreen, musicVolume, soundVolume, currentPlayer;
int settingsLine5, settingsLine6, customPointer;
std::string saveFolder;
int firstRun;

TImage pointerImage, logoImage, loadBackImage, lowerBarImage, loadBarImage;
TImage loadFillImage, pauseGlowImage, raysImage, screenBackground;
float logoX, logoY;

Table<TSplashPage, SPLASH_SLOTS> splashPages{"splashPages"};
Table<TImage, SPLASH_SLOTS> splashImages{"splashImages"};
int splashPageCount, splashPage, splashTimer;

int titleFrame = 0;
int loadBarY = 1068;

TSaveFailureHook saveFailureHook = nullptr;

// The timers are made before the tables are allocated and live for the whole
// process, so they are left as they are; so is the save hook, which belongs
// to whoever set it.
void ClearShellTables() {
    gameScreen = nextScreen = nextScreenParam = prevScreen = 0;
    fadeState = fadeLevel = 0;
    pauseOverlay = appSuspended = 0;
    frameCount = framesPerSecond = fpsFrames = fpsLastTick = 0;
    currentStage = developerMode = pointerLatch = 0;
    quitRequested = inputEnabled = 0;

    mouseX = mouseY = 0;
    mouseHitLeft = mouseHitRight = mouseDownLeft = mouseDownRight = mouseHeldFrames = 0;
    keyEnter = keyEscape = keySpace = keyF1 = keyF2 = keyF3 = keyF4 = 0;

    fullScreen = musicVolume = soundVolume = currentPlayer = 0;
    settingsLine5 = settingsLine6 = customPointer = 0;
    saveFolder.clear();
    firstRun = 0;

    FreeImage(pointerImage);
    FreeImage(logoImage);
    FreeImage(loadBackImage);
    FreeImage(lowerBarImage);
    FreeImage(loadBarImage);
    FreeImage(loadFillImage);
    FreeImage(pauseGlowImage);
    FreeImage(raysImage);
    FreeImage(screenBackground);
    logoX = logoY = 0.0f;

    splashPages.Clear();
    for (TImage& image : splashImages) FreeImage(image);
    splashPageCount = splashPage = splashTimer = 0;

    titleFrame = 0;
    loadBarY = 1068;
}
