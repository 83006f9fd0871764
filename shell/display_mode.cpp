// The game's display: an 800 x 600 window or the full screen, both showing the
// 1024 x 768 logical screen, with the window icon from "icon32.ico".
#include "shell/shell.h"
#include "tables/shell_tables.h"

static const char* ICON_FILE = "icon32.ico";

// A window always has its minimise box here, so only the icon is left to set.
static void OpenWindowMode() {
    OpenDisplay(800, 600, 0, 60);
    SetLogicalResolution(1024, 768);
}

// Only 1 means full screen; any other first line of the settings opens the
// window, and the value becomes 0 so that the pointer is scaled for it.
void OpenGameDisplay() {
    if (fullScreen == 1) {
        OpenDisplay(1024, 768, 16, 60);
        SetLogicalResolution(1024, 768);
    } else {
        fullScreen = 0;
        OpenWindowMode();
    }
    SetWindowIcon(ICON_FILE);
}

// The game waits for a click after the switch; the setting is written by the
// options dialog when it closes.
void ToggleFullScreen() {
    pauseOverlay = 1;
    if (fullScreen == 1) {
        OpenWindowMode();
        fullScreen = 0;
    } else {
        OpenDisplay(1024, 768, 32, 60);
        SetLogicalResolution(1024, 768);
        fullScreen = 1;
    }
    SetWindowIcon(ICON_FILE);
}
