// The options dialog: the sound and music volumes on two sliders dragged by
// their knobs, and the full-screen and game-pointer check boxes.
#include "audio/audio.h"
#include "menus/dialogs.h"
#include "menus/menu.h"
#include "shell/pictures.h"
#include "shell/settings.h"
#include "tables/dialog_tables.h"
#include "tables/shell_tables.h"
#include "text/text.h"

namespace {

constexpr int VOLUME_MAX = 280;       // the knob moves one pixel per volume step
constexpr int SLIDER_LEFT = 372;      // the knob's x at volume 0
constexpr int KNOB_IMAGE = 10;
constexpr int BOX_REACH = 20;         // the check boxes react this close to their centre

int ClampVolume(int volume) {
    if (volume < 0) return 0;
    if (volume > VOLUME_MAX) return VOLUME_MAX;
    return volume;
}

// One slider: its track, the words at both ends and the knob. A drag starts
// only while the other knob is not dragged.
void DrawSlider(int label, float labelY, int trackY, int& volume, int& dragging, int otherDragging) {
    DrawGlyphText(codeTexts[label], 512, labelY, ALIGN_CENTRE, FONT_TEXT);
    DrawPicture(sliderTrackImage, 512, static_cast<float>(trackY));
    DrawGlyphText(codeTexts[19], 322, trackY - 18.0f, ALIGN_CENTRE, FONT_TEXT);
    DrawGlyphText(codeTexts[20], 702, trackY - 18.0f, ALIGN_CENTRE, FONT_TEXT);
    volume = ClampVolume(volume);
    if (DrawSliderKnob(volume + SLIDER_LEFT, trackY, KNOB_IMAGE, LAYER_DIALOG) == 4 && otherDragging == 0)
        dragging = 1;
    // Dragged past an end the value stays out of range for this frame; the
    // clamp of the next frame brings it back.
    if (dragging == 1) volume = mouseX - SLIDER_LEFT;
}

// Returns 1 when the box was clicked. The click is not used up.
int DrawCheckBox(int x, int y, int label, int checked) {
    DrawPicture(checkBoxImage, static_cast<float>(x), static_cast<float>(y));
    DrawGlyphText(codeTexts[label], x + 37, static_cast<float>(y - 15), ALIGN_LEFT, FONT_TEXT);
    int clicked = 0;
    if (soundDragging == 0 && musicDragging == 0 && mouseX > x - BOX_REACH && mouseX < x + BOX_REACH &&
        mouseY > y - BOX_REACH && mouseY < y + BOX_REACH) {
        SetBlend(BLEND_LIGHT);
        DrawPicture(checkBoxImage, static_cast<float>(x), static_cast<float>(y));
        SetBlend(BLEND_ALPHA);
        clicked = mouseHitLeft == 1;
    }
    if (checked) DrawPicture(checkMarkImage, x + 6.0f, y - 6.0f);
    return clicked;
}

}  // namespace

int DrawSliderKnob(int x, int y, int, int layer) {
    int red, green, blue;
    CurrentColor(red, green, blue);
    const int grey = red;
    const float alpha = CurrentAlpha();
    int result = 0;
    // A knob does not wait for the dialog to open fully.
    if (knobImage && ImagesOverlap(knobImage, x, y, 0, knobHitImage, mouseX, mouseY, 0) && layer == inputLayer &&
        fadeState == FADE_IN && pauseOverlay == -1) {
        result = 2;
        if (mouseHitLeft == 1) {
            mouseHitLeft = 0;
            PlaySound(13, x);
            result = 3;
        }
        if (mouseDownLeft == 1) result = 4;
    }
    if (layer == inputLayer) {
        SetColor(grey, grey, grey);
        if (result != 0) {
            SetDrawScale(1.025f, 1.025f);
            DrawPicture(knobImage, static_cast<float>(x), static_cast<float>(y));
            SetDrawScale(1.0f, 1.0f);
        } else {
            SetDrawScale(1.0f, 1.0f);
            DrawPicture(knobImage, static_cast<float>(x), static_cast<float>(y));
        }
    } else {
        SetColor(grey / 2, grey / 2, grey / 2);
        DrawPicture(knobImage, static_cast<float>(x), static_cast<float>(y));
    }
    SetColor(grey, grey, grey);
    SetAlpha(alpha);
    return result;
}

void DrawOptionsDialog() {
    MediumDialogLayout(15);
    DrawSlider(17, 336.0f, 394, soundVolume, soundDragging, musicDragging);
    DrawSlider(16, 241.0f, 299, musicVolume, musicDragging, soundDragging);
    if (DrawCheckBox(446, 454, 18, fullScreen == 1)) ToggleFullScreen();
    if (DrawCheckBox(446, 504, 261, customPointer == 1)) {
        customPointer = -customPointer;
        if (customPointer == -1) ShowPointer();
        else HidePointer();
    }
    if (mouseDownLeft == 0) {
        soundDragging = 0;
        musicDragging = 0;
    }
    if (DialogButton(512, 584, 5) || ((keyEscape || keyEnter) && DialogFullyOpen())) {
        SaveSettings(0);
        CloseDialog();
    }
}
