// The input snapshot taken at the start of every frame, the close box, and the
// pause after the window loses the focus.
#include "audio/audio.h"
#include "menus/dialogs.h"
#include "menus/profiles.h"
#include "shell/shell.h"
#include "tables/shell_tables.h"
#include "text/text.h"

static void ReadMouse() {
    mouseX = PointerX();
    mouseY = PointerY();
    mouseHitLeft = WasMouseClicked(1);
    mouseHitRight = WasMouseClicked(2);
    mouseDownLeft = IsMouseDown(1);
    mouseDownRight = IsMouseDown(2);
    mouseHeldFrames = mouseDownLeft == 1 ? mouseHeldFrames + 1 : 0;
    if (fullScreen == 0) {
        // The 800 x 600 window shows the 1024 x 768 screen.
        mouseX = static_cast<int>(mouseX * 1.28);
        mouseY = static_cast<int>(mouseY * 1.28);
    }
}

static void ReadKeys() {
    keyEnter = IsKeyDown(KEY_ENTER);
    keyEscape = IsKeyDown(KEY_ESCAPE);
    keySpace = IsKeyDown(KEY_SPACE);
    keyF4 = IsKeyDown(KEY_F4);
    keyF3 = IsKeyDown(KEY_F3);
    keyF2 = IsKeyDown(KEY_F2);
    keyF1 = IsKeyDown(KEY_F1);
}

// The first frame after the focus was lost: the overlay goes up, the player
// and the settings are saved, the window is minimised and the music paused.
static void HandleSuspension() {
    appSuspended = 2;
    pauseOverlay = 1;
    if (currentPlayer > -1 && (gameScreen <= 0 || gameScreen == SCREEN_MATCH3)) SaveProfile(currentPlayer);
    SaveSettings(0);
    MinimiseWindow();
    if (musicChannel) SetPaused(musicChannel, 1);
}

void PollInput() {
    PumpEvents();
    mouseHitLeft = mouseHitRight = mouseDownLeft = mouseDownRight = 0;
    if (inputEnabled == 1) ReadMouse();
    ReadKeys();
    if (IsKeyDown(KEY_F5) && frameCount > 100) LoadCodeTexts();
    if (AppCloseRequested()) {
        // The branding pages show no dialogs: there the close box ends the
        // game at once, after the settings are written.
        if (gameScreen == SCREEN_SPLASH) {
            SaveSettings(0);
            BeginScreenChange(SCREEN_QUIT, 0);
        } else {
            OpenDialog(99);
        }
    }
    for (int event = NextAppEvent(); event != 0; event = NextAppEvent()) {
        if (event == APP_SUSPEND) appSuspended = 1;
        else if (event == APP_RESUME) appSuspended = 0;
    }
    if (appSuspended == 1 && pauseOverlay == -1) HandleSuspension();
}
