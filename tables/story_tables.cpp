#include "tables/story_tables.h"

int storyPage = 0, storyFrame = 0, storyPageLength = 0;
int parchmentY = 0, parchmentTargetY = 0;

Table<int, HOLDER_BLINK_SLOTS> holderBlink{"holderBlink"};

TImage storyBackImage, wizardBackImage, parchmentImage;
TImage storyBorderLeft, storyBorderTop, storyBorderBottom;

void ClearStoryTables() {
    storyPage = storyFrame = storyPageLength = 0;
    parchmentY = parchmentTargetY = 0;
    holderBlink.Clear();
    for (TImage* image : {&storyBackImage, &wizardBackImage, &parchmentImage, &storyBorderLeft, &storyBorderTop,
                          &storyBorderBottom})
        FreeImage(*image);
}
