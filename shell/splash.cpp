#include "shell/splash.h"

#include <string>
#include <vector>

#include "shell/pictures.h"
#include "shell/screen_change.h"
#include "shell/title.h"
#include "tables/shell_tables.h"

static const int SPLASH_LINES_READ = 29;
static const int SPLASH_LAST_PAGE = SPLASH_SLOTS - 1;

// The key is the first four characters, the value starts at the sixth.
// Lines of a page past the last slot have nowhere to go and are dropped.
static void ApplySplashLine(const std::string& line, int& page) {
    std::string key = line.substr(0, 4);
    std::string value = line.size() > 5 ? line.substr(5) : "";
    if (key == ";---") page++;
    if (page > SPLASH_LAST_PAGE) return;
    if (key == "file") splashPages[page].file = value;
    else if (key == "time") splashPages[page].time = IntFromText(value);
    else if (key == "skip") splashPages[page].skip = value == "true" ? 1 : 0;
}

// A page is shown when it names a picture and something can end it: its time
// or a skip key. A page without either (as a trailing ";---" line makes one)
// would hold the player on a black screen for ever, so it is passed over, and
// so is a page set to "none".
static int PageShown(int page) {
    const TSplashPage& entry = splashPages[page];
    return entry.file != "none" && (entry.time > 0 || entry.skip == 1);
}

// The first shown page from `page` on; 0 when none is left.
static int ShownPageFrom(int page) {
    for (int p = page < 1 ? 1 : page; p <= SPLASH_LAST_PAGE; p++)
        if (PageShown(p)) return p;
    return 0;
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
    for (int p = 1; p <= SPLASH_LAST_PAGE; p++) splashPageCount += PageShown(p);
    return found;
}

void EnterSplashPage(int page) {
    int shown = ReadSplashConfig() ? ShownPageFrom(page) : 0;
    if (shown == 0) {
        EnterTitle();
        return;
    }
    HidePointer();
    if (page == 1) {
        // The pages after the first are decoded on the second core meanwhile.
        std::vector<std::string> later;
        for (int p = shown + 1; p <= SPLASH_LAST_PAGE; p++)
            if (PageShown(p)) later.push_back("data/branding/" + splashPages[p].file);
        DecodeAhead(later);
        for (int p = 1; p <= SPLASH_LAST_PAGE; p++) {
            FreeImage(splashImages[p]);
            if (!PageShown(p)) continue;
            splashImages[p] = LoadPicture("data/branding/" + splashPages[p].file);
            CentreImageHandle(splashImages[p]);
        }
    }
    gameScreen = SCREEN_SPLASH;
    splashPage = shown;
    splashTimer = 0;
    StartFadeIn();
}

void SplashFrame() {
    splashTimer++;
    const TSplashPage& shown = splashPages[splashPage];
    int skipHeld = keyEscape == 1 || keyEnter == 1 || keySpace == 1;
    if (fadeState != FADE_OUT && ((shown.skip == 1 && skipHeld) || splashTimer == shown.time)) {
        int next = ShownPageFrom(splashPage + 1);
        if (next > 0) BeginScreenChange(SCREEN_SPLASH, next);
        else BeginScreenChange(SCREEN_TITLE, 0);
    }
    if (keyF3 == 1) developerMode = 1;
    DrawPicture(splashImages[splashPage], 512, 384);
}

void FreeSplashImages() {
    for (TImage& image : splashImages) FreeImage(image);
}
