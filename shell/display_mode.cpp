// The game's display: an 800 x 600 window or the full screen, both showing the
// 1024 x 768 logical screen, with the window icon from "icon32.ico".
#include "shell/settings.h"
#include "tables/shell_tables.h"

static const char* ICON_FILE = "icon32.ico";

// A window always has its minimise box here, so only the icon is left to set.
static int OpenWindowMode() {
    int opened = OpenDisplay(800, 600, 0, 60);
    SetLogicalResolution(1024, 768);
    return opened;
}

// Only 1 means full screen; any other first line of the settings opens the
// window, and the value becomes 0 so that the pointer is scaled for it.
int OpenGameDisplay() {
    int opened = 0;
    if (fullScreen == 1) {
        opened = OpenDisplay(1024, 768, 16, 60);
        SetLogicalResolution(1024, 768);
    } else {
        fullScreen = 0;
        opened = OpenWindowMode();
    }
    SetWindowIcon(ICON_FILE);
    return opened;
}

// The game waits for a click after the switch; the setting is written by the
// options dialog when it closes.
void ToggleFullScreen() {
    pauseOverlay = 1;
    int opened = 0;
    if (fullScreen == 1) {
        opened = OpenWindowMode();
        fullScreen = 0;
    } else {
        opened = OpenDisplay(1024, 768, 32, 60);
        SetLogicalResolution(1024, 768);
        fullScreen = 1;
    }
    if (!opened) PrintError("the display could not be reopened: " + PlatformError());
    SetWindowIcon(ICON_FILE);
}
