// The two button controls of every screen and dialog. Controls are drawn and
// tested in one call per frame; a click is used up by the first control that
// takes it, so the controls drawn later in the frame never see it.
#include <cmath>

#include "audio/audio.h"
#include "menus/dialogs.h"
#include "menus/menu.h"
#include "tables/shell_tables.h"
#include "text/text.h"

namespace {

// A control reacts only on its own layer, once the picture has faded in, with
// no pause overlay, and when no dialog is fading (none, or one fully open).
int MayReact(int layer) {
    return layer == inputLayer && fadeState == FADE_IN && pauseOverlay == -1 &&
           (dialogOpenLevel == 0 || dialogOpenLevel == 16);
}

int ClickResult(int x) {
    if (mouseHitLeft != 1) return 2;
    mouseHitLeft = 0;
    PlaySound(13, x);
    return 3;
}

void SetLayerColour(int grey, int layer) {
    if (layer == inputLayer) SetColor(grey, grey, grey);
    else SetColor(grey / 2, grey / 2, grey / 2);
}

// Paints the button and its caption in the colour of its layer and, when it
// is hovered or clicked, once more additively at 15 % of the alpha; then puts
// the colour, alpha and blend back.
void PaintButton(TImage picture, int x, float y, int layer, const std::string& caption, float captionY, int font,
                 int result, int grey, float alpha) {
    SetDrawScale(1.0f, 1.0f);
    SetLayerColour(grey, layer);
    for (int pass = 0; pass < (result != 0 ? 2 : 1); pass++) {
        if (pass == 1) {
            SetBlend(BLEND_LIGHT);
            SetAlpha(alpha * 0.15f);
        }
        if (picture) PaintImage(picture, x, y, 0);
        if (!caption.empty()) DrawGlyphText(caption, x - 2, captionY, ALIGN_CENTRE, font);
    }
    if (result != 0) SetBlend(BLEND_ALPHA);
    SetColor(grey, grey, grey);
    SetAlpha(alpha);
}

}  // namespace

int DrawButton(int x, int y, int image, int layer, const std::string& caption) {
    int grey, green, blue;
    CurrentColor(grey, green, blue);
    const float alpha = CurrentAlpha();
    TImage picture = buttonImage[image];
    int result = 0;
    if (picture && ImagesOverlap(picture, x, y, 0, buttonHitImage, mouseX, mouseY, 0) && MayReact(layer))
        result = ClickResult(x);
    int offset = -21, font = FONT_NORMAL;
    if (image == 1) offset = -14;
    if (image == 1 || image == 3) font = FONT_HIGHLIGHT;
    PaintButton(picture, x, static_cast<float>(y), layer, caption, static_cast<float>(y + offset), font, result, grey,
                alpha);
    return result;
}

int DrawBobbingButton(int x, float y, int image, int layer, const std::string& caption) {
    int grey, green, blue;
    CurrentColor(grey, green, blue);
    const float alpha = CurrentAlpha();
    TImage picture = bigButtonImage[image];
    int result = 0;
    if (picture) {
        // The hit box stays still while the picture bobs.
        float reachX = ImageWidth(picture) / 2 - 10, reachY = ImageHeight(picture) / 2 - 10;
        if (mouseX > x - reachX && mouseX < x + reachX && mouseY > y - reachY && mouseY < y + reachY &&
            MayReact(layer))
            result = ClickResult(x);
    }
    const float drawnY = y + 2.0f * std::sin((frameCount * 2.0f + x * 88.0f + y * 88.0f) * 3.14159265f / 180.0f);
    PaintButton(picture, x, drawnY, layer, caption, drawnY - 12.0f, FONT_NORMAL, result, grey, alpha);
    return result;
}
