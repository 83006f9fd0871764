#include "shell/splash.h"

#include "shell/pictures.h"
#include "shell/screen_change.h"
#include "shell/title.h"
#include "tables/shell_tables.h"

static const int SPLASH_LINES_READ = 29;

// The key is the first four characters, the value starts at the sixth.
static void ApplySplashLine(const std::string& line, int& page) {
    std::string key = line.substr(0, 4);
    std::string value = line.size() > 5 ? line.substr(5) : "";
    if (key == "file") splashPages[page].file = value;
    else if (key == "time") splashPages[page].time = IntFromText(value);
    else if (key == "skip") splashPages[page].skip = value == "true" ? 1 : 0;
    else if (key == ";---") page++;
}

int ReadSplashConfig() {
    TStream stream = OpenForRead("data/branding/splashconfig.txt");
    int page = 1;
    int found = stream != nullptr;
    if (found) {
        for (int n = 0; !Eof(stream) && n < SPLASH_LINES_READ; n++) ApplySplashLine(ReadLine(stream), page);
        Close(stream);
    }
    splashPageCount = 0;
    for (int p = 1; p <= page; p++)
        if (splashPages[p].file != "none") splashPageCount++;
    return found;
}

void EnterSplashPage(int page) {
    if (!ReadSplashConfig() || splashPageCount < 1) {
        splashPageCount = 0;
        EnterTitle();
        return;
    }
    HidePointer();
    if (page == 1) {
        for (int i = 1; i <= splashPageCount; i++) {
            FreeImage(splashImages[i]);
            splashImages[i] = LoadPicture("data/branding/" + splashPages[i].file);
            CentreImageHandle(splashImages[i]);
        }
    }
    gameScreen = SCREEN_SPLASH;
    splashPage = page;
    splashTimer = 0;
    StartFadeIn();
}

void SplashFrame() {
    splashTimer++;
    const TSplashPage& shown = splashPages[splashPage];
    int skipHeld = keyEscape == 1 || keyEnter == 1 || keySpace == 1;
    if (fadeState != FADE_OUT && ((shown.skip == 1 && skipHeld) || splashTimer == shown.time)) {
        if (splashPage < splashPageCount) BeginScreenChange(SCREEN_SPLASH, splashPage + 1);
        else BeginScreenChange(SCREEN_TITLE, 0);
    }
    if (keyF3 == 1) developerMode = 1;
    DrawPicture(splashImages[splashPage], 512, 384);
}

void FreeSplashImages() {
    for (int i = 1; i <= splashPageCount; i++) FreeImage(splashImages[i]);
}
