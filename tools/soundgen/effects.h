// The recipes of the game's sound effects, by file name.
#pragma once

#include "synth.h"

using TRecipe = void (*)(TBuffer& sound);

struct TEffectRecipe {
    const char* file;
    TRecipe recipe;
};

// Every effect file of the game's sound table, each once.
extern const TEffectRecipe EFFECT_RECIPES[];
extern const int EFFECT_RECIPE_COUNT;
