// The branding pages before the title, as "data/branding/splashconfig.txt"
// lists them: a picture, a time and whether a key may skip each page.
#pragma once

#include <string>

#include "platform/platform.h"
#include "tables/sizes.h"
#include "tables/table.h"

struct TSplashPage {
    std::string file;   // inside "data/branding/", or "none"
    int time = 0;       // frames shown; 0 never ends by itself
    int skip = 0;       // 1: Escape, Enter or Space ends the page early
};

extern Table<TSplashPage, SPLASH_SLOTS> splashPages;    // pages 1..6
extern Table<TImage, SPLASH_SLOTS> splashImages;
extern int splashPageCount, splashPage, splashTimer;

// Reads the configuration again (every page does); 0 when the file is missing.
int ReadSplashConfig();
// Set-up of a page: start-up enters page 1, the screen change the later ones.
// With no configuration or no page the title follows at once.
void EnterSplashPage(int page);
void SplashFrame();
// Releases the page pictures; the title calls it when it hands over.
void FreeSplashImages();
// Empties the pages and their pictures (the start-up allocation).
void ClearSplashTables();
