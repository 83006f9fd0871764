// The screen table: every screen's number with its set-up and its frame
// function, the one place the screen change and the loop look them up.
#include "map/map.h"
#include "map/story.h"
#include "match3/game_screen.h"
#include "menus/menu.h"
#include "shell/shell.h"
#include "shell/splash.h"
#include "shell/title.h"
#include "tables/shell_tables.h"

namespace {

struct TScreen {
    int screen;
    void (*setUp)(int param);   // param: the page of a splash screen, else 0
    void (*frame)();            // null: the number is only a target
};

const TScreen SCREENS[] = {
    {SCREEN_SPLASH, [](int page) { EnterSplashPage(page); }, SplashFrame},
    {SCREEN_TITLE, [](int) { EnterTitle(); }, RunTitleScreen},
    {SCREEN_MENU, [](int) { EnterMainMenu(); }, RunMainMenu},
    {SCREEN_MATCH3, [](int) { EnterGameScreen(); }, GameScreenFrame},
    {SCREEN_MAP, [](int) { EnterMap(); }, RunMap},
    {SCREEN_STORY, [](int) { EnterIntroStory(); }, RunIntroStory},
    {SCREEN_ENDING, [](int) { EnterEndingStory(); }, RunEndingStory},
    {SCREEN_QUIT, [](int) { quitRequested = 1; }, nullptr},
};

const TScreen* FindScreen(int screen) {
    for (const TScreen& entry : SCREENS)
        if (entry.screen == screen) return &entry;
    return nullptr;
}

}  // namespace

void EnterScreen(int screen, int param) {
    if (const TScreen* entry = FindScreen(screen)) entry->setUp(param);
}

void RunScreenFrame(int screen) {
    const TScreen* entry = FindScreen(screen);
    if (entry && entry->frame) entry->frame();
}
