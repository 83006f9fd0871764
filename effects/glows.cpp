// Glows: soft coloured lights that rise, sway and fade, drawn additively with
// a faint vertical streak, small ones first so the big ones lie on top.
#include "effects/effects.h"

#include "effects/degrees.h"
#include "platform/platform.h"
#include "tables/effect_tables.h"
#include "tables/shell_tables.h"

namespace {

constexpr int GLOW_SIZE_LEAST = 2, GLOW_SIZE_MOST = 30;

void StepGlow(int j, int size, float alpha, int onBoard) {
    TGlow& g = glows[j];
    float fade = 1.0f;
    if (g.life < 50) fade = g.life * 0.02f;
    // A young glow fades in, quicker over the board; the fade-in wins over
    // the fade-out.
    if (!onBoard && g.age < 40) fade = g.age * 0.025f;
    if (onBoard && g.age < 5) fade = g.age * 0.2f;
    float intensity = alpha * size * 0.033f * fade;
    float scale = size * 0.033f * 0.5f * fade;
    if (onBoard) {
        intensity *= 3.0f;
        scale *= 0.5f;
    }
    const TImage picture = sparkleImages[g.colour];
    SetDrawScale(scale, 50.0f * scale);
    SetDrawRotation(0.0f);
    SetAlpha(intensity * 0.1f);
    PaintImage(picture, g.x, g.y, 0);
    SetAlpha(intensity);
    SetDrawScale(scale, scale);
    PaintImage(picture, g.x, g.y, 0);
    g.x += 0.01f * SinDeg(static_cast<float>(frameCount + 33 * j)) * g.size;
    float rise = g.life * 0.002f;
    if (rise < 0.05f) rise = 0.05f;
    g.y -= g.size * 0.05f * rise;
    if (g.y < -40) g.colour = 0;
    g.life--;
    if (g.life <= 0) g.colour = 0;
    g.age++;
}

}  // namespace

int SpawnGlow(float x, float y, int maxLife, int colour) {
    for (int j = 1; j <= GLOW_LAST_SLOT; j++) {
        TGlow& g = glows[j];
        if (g.colour != 0) continue;
        g.colour = colour;
        g.x = x;
        g.y = y;
        g.size = RandomInt(GLOW_SIZE_LEAST, GLOW_SIZE_MOST);
        g.life = RandomInt(static_cast<int>(maxLife * 0.2f), maxLife);
        g.age = 0;
        return j;
    }
    return 0;
}

void UpdateGlows(float alpha) {
    const int onBoard = gameScreen == SCREEN_MATCH3;
    SetBlend(BLEND_LIGHT);
    for (int size = 1; size <= GLOW_SIZE_MOST; size++) {
        for (int j = 1; j < GLOW_SLOTS; j++) {
            if (glows[j].colour > 0 && glows[j].size == size) StepGlow(j, size, alpha, onBoard);
        }
    }
    SetDrawRotation(0.0f);
    SetAlpha(alpha);
    SetDrawScale(1.0f, 1.0f);
    SetBlend(BLEND_ALPHA);
}

void ClearGlows() {
    for (int j = 1; j < GLOW_SLOTS; j++) glows[j].colour = 0;
}
