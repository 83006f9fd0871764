// The branding pages before the title, as "data/branding/splashconfig.txt"
// lists them: a picture, a time and whether a key may skip each page.
#pragma once

#include "tables/shell_tables.h"

// Reads the configuration again (every page does); 0 when the file is missing.
int ReadSplashConfig();
// Set-up of a page: start-up enters page 1, the screen change the later ones.
// With no configuration or no page the title follows at once.
void EnterSplashPage(int page);
void SplashFrame();
// Releases the page pictures; the title calls it when it hands over.
void FreeSplashImages();
