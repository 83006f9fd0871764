#include "tables/effect_tables.h"

Table<TImage, EFFECT_COLOURS> sparkleImages{"sparkleImages"};
Table<TImage, EFFECT_COLOURS> glowBlobImages{"glowBlobImages"};
Table<TImage, EFFECT_COLOURS> dirtImages{"dirtImages"};
TImage bombFlareImage, glowStarImage, dynamiteImage;
int fishCount;
Table<TParticle, PARTICLE_SLOTS> particles{"particles"};
Table<TGlow, GLOW_SLOTS> glows{"glows"};
Table<TFlyer, FLYER_SLOTS> flyers{"flyers"};

void ClearEffectTables() {
    for (TImage& image : sparkleImages) FreeImage(image);
    for (TImage& image : glowBlobImages) FreeImage(image);
    for (TImage& image : dirtImages) FreeImage(image);
    FreeImage(bombFlareImage);
    FreeImage(glowStarImage);
    FreeImage(dynamiteImage);
    fishCount = 0;
    particles.Clear();
    glows.Clear();
    flyers.Clear();
}
