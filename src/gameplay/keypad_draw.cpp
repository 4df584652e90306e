// The keypad panel's pictures and drawing: the panel in the window's upper right, the digits
// entered so far in a row across its top.
#include <GL/gl.h>  // Required for: glBindTexture(), glViewport(), glOrtho(), glBegin()

#include "assets/picture_texture.h"
#include "assets/targa_image.h"
#include "gameplay/keypad.h"
#include "hud/overlay.h"

namespace {

constexpr const char* kPictures[10] = {
    "Data/Picture/clock.tga", "Data/Picture/num_1.tga", "Data/Picture/num_2.tga",
    "Data/Picture/num_3.tga", "Data/Picture/num_4.tga", "Data/Picture/num_5.tga",
    "Data/Picture/num_6.tga", "Data/Picture/num_7.tga", "Data/Picture/num_8.tga",
    "Data/Picture/num_9.tga",
};

}  // namespace

// A picture that cannot be read is left to the loader's placeholder; the panel works without.
void KeypadPanel::LoadPictures() {
    CTargaImage image;
    for (int picture = 0; picture < 10; ++picture) {
        BuildPictureTexture(image, kPictures[picture], &textures[picture]);
    }
}

// A 600 by 800 viewport whose upper-right quarter is the panel; the digit row sits 60 pixels in
// from the panel's left edge and 40 below its top, 45 by 40 pixels a digit.
void KeypadPanel::Draw(int w, int h) {
    BeginOverlay(w - 800, h - 900, 600, 800);
    glBindTexture(GL_TEXTURE_2D, textures[0]);
    DrawOverlayQuad(0.0f, 0.0f, 1.0f, 1.0f);

    CheckEntry();

    for (int i = 0; i < digitCount; ++i) {
        // An emptied slot (0) shows the panel picture itself, shrunk to a digit cell.
        const int slot = digits[i + 1];
        glBindTexture(GL_TEXTURE_2D, slot >= 0 && slot <= 9 ? textures[slot] : textures[0]);
        DrawOverlayQuad(0.2f + 0.15f * i, 0.8f, 0.35f + 0.15f * i, 0.9f);
    }

    LeaveOverlayColourAndRaster();
    EndOverlay(w, h);
}
