// The pool of rising texts. A text lives 44 drawn frames, rising one pixel a
// frame, its alpha following a half sine so it fades in and out again.
#include "map/floating_texts.h"

#include <cmath>

#include "platform/platform.h"
#include "tables/game_tables.h"
#include "text/text.h"

namespace {
constexpr int LAST_FREE_SLOT = FLOATING_TEXT_SLOTS - 2;   // 19
constexpr int SPARE_SLOT = FLOATING_TEXT_SLOTS - 1;       // 20
constexpr int TEXT_LIFE = 45;

float SinDegrees(float degrees) {
    return std::sin(degrees * 3.14159265f / 180.0f);
}
}  // namespace

void AddFloatingText(int x, int y, const std::string& text) {
    int slot = SPARE_SLOT;
    for (int s = LAST_FREE_SLOT; s >= 1; s--)
        if (floatingTexts[s].age == 0) slot = s;
    TFloatingText& entry = floatingTexts[slot];
    entry.age = 1;
    entry.text = text;
    entry.x = x;
    entry.y = y;
}

void UpdateFloatingTexts() {
    float alpha = CurrentAlpha();
    for (int s = 1; s <= SPARE_SLOT; s++) {
        TFloatingText& entry = floatingTexts[s];
        if (entry.age <= 0) continue;
        entry.age++;
        entry.y--;
        SetAlpha(SinDegrees(4.0f * entry.age) * alpha);
        DrawGlyphText(entry.text, entry.x, static_cast<float>(entry.y), ALIGN_CENTRE, FONT_NORMAL);
        if (entry.age >= TEXT_LIFE) entry.age = 0;
    }
    SetAlpha(alpha);
}

void ClearFloatingTexts() {
    for (int s = 1; s <= SPARE_SLOT; s++) floatingTexts[s].age = 0;
}
