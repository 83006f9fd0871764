// The picture families of the data folder; each writes its own files.
#pragma once

void MakeFontArt();         // data/texts: the four glyph strips
void MakeItemArt();         // data/match3: items of set 1
void MakeBoardArt();        // data/match3: column strips, border pieces, cell overlays, bars
void MakeEffectArt();       // data/effects
void MakeFishArt();         // data/fishes
void MakePowerUpArt();      // data/pu
void MakeInterfaceArt();    // data/UI, data/texts banners and mode buttons, icon32.ico
void MakeBackgroundArt();   // data/bg
void MakeStageMapArt();     // data/map and the popup's rail data/texts/stagemap.png
void MakeStagePictureArt();  // data/puzzles/m1..m12: the stage pictures, their preview and thumbnail
void MakePuzzleArt();       // data/puzzles: the frame, the pieces' bevel and shadow
void MakeStoryArt();        // data/story and the old turtle's grotto in data/bg
void MakeBrandingArt();     // data/branding: the pages before the title and their configuration
