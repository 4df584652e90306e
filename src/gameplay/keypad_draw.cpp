// The keypad panel's pictures and drawing: the panel in the window's upper right, the digits
// entered so far in a row across its top.
#include <GL/gl.h>  // Required for: glBindTexture(), glViewport(), glOrtho(), glBegin()

#include "assets/picture_texture.h"
#include "assets/targa_image.h"
#include "gameplay/keypad.h"
#include "hud/hud_font.h"
#include "hud/hud_text.h"
#include "hud/overlay.h"
#include "hud/overlay_layout.h"

const char* const KeypadPanel::kPictureFiles[10] = {
    "Data/Picture/clock.tga", "Data/Picture/num_1.tga", "Data/Picture/num_2.tga",
    "Data/Picture/num_3.tga", "Data/Picture/num_4.tga", "Data/Picture/num_5.tga",
    "Data/Picture/num_6.tga", "Data/Picture/num_7.tga", "Data/Picture/num_8.tga",
    "Data/Picture/num_9.tga",
};

// A picture that cannot be read is left to the loader's placeholder; the panel works without.
void KeypadPanel::LoadPictures() {
    CTargaImage image;
    for (int picture = 0; picture < 10; ++picture) {
        BuildPictureTexture(image, kPictureFiles[picture], &textures[picture], true);
    }
}

namespace {

struct VerdictLook {
    float lampLeft;  // the status lamp left (red) or right (green) of the digit row
    float lamp[3], band[3], text[3];
    const char* words;
};
constexpr VerdictLook kAccepted = {0.865f,
                                   {0.25f, 1.0f, 0.35f},
                                   {0.05f, 0.35f, 0.1f},
                                   {0.6f, 1.0f, 0.6f},
                                   "密码正确  CODE ACCEPTED"};
constexpr VerdictLook kRefused = {
    0.085f, {1.0f, 0.2f, 0.15f}, {0.4f, 0.06f, 0.05f}, {1.0f, 0.7f, 0.65f}, "密码错误  WRONG CODE"};

// The verdict on the code, in the panel's -1..1 space: its status lamp lit, and a band with the
// news over the "enter four digits" caption, in the HUD font at the window's scale.
void DrawVerdict(const VerdictLook& look, GlyphRasterizer& font) {
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glColor3fv(look.lamp);
    glRectf(look.lampLeft, 0.825f, look.lampLeft + 0.05f, 0.875f);
    glColor3fv(look.band);
    glRectf(0.08f, 0.735f, 0.92f, 0.8f);
    glColor3fv(look.text);
    glRasterPos2f(0.2f, 0.752f);
    DrawHudText(look.words, font);
    glPopAttrib();
}

}  // namespace

// A viewport twice the panel's size whose upper-right quarter is the panel; the digit row sits
// a fifth of the panel's width in from its left edge and a tenth of its height below its top,
// 0.15 by 0.1 of it a digit (60 and 40 pixels in, 45 by 40 a digit, at 800 by 600).
void KeypadPanel::Draw(const OverlayLayout& layout) {
    const ScreenArea& panel = layout.keypadPanel;
    BeginOverlay(panel.x - panel.width, panel.y - panel.height, 2 * panel.width, 2 * panel.height);
    glBindTexture(GL_TEXTURE_2D, textures[0]);
    DrawOverlayQuad(0.0f, 0.0f, 1.0f, 1.0f);

    for (int i = 0; i < digitCount; ++i) {
        // A blank cell leaves the panel's own dark display showing.
        const int digit = DigitShown(i);
        if (digit == 0) continue;
        glBindTexture(GL_TEXTURE_2D, textures[digit]);
        DrawOverlayQuad(0.2f + 0.15f * i, 0.8f, 0.35f + 0.15f * i, 0.9f);
    }
    GlyphRasterizer& font = HudFontOfSize(layout.hudFontPixels);
    if (ShowsAcceptance()) DrawVerdict(kAccepted, font);
    if (ShowsRefusal()) DrawVerdict(kRefused, font);

    LeaveOverlayColourAndRaster();
    EndOverlay(layout.windowWidth, layout.windowHeight);
}
