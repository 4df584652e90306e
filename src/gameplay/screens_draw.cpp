// The screens' pictures and drawing: one picture over the whole window.
#include <GL/gl.h>  // Required for: glBindTexture(), glViewport(), glOrtho(), glBegin()

#include "assets/picture_texture.h"
#include "assets/targa_image.h"
#include "gameplay/screens.h"
#include "hud/overlay.h"

const char* const Screens::kPictureFiles[5] = {
    "Data/Picture/start.tga", "Data/Picture/ending1.tga", "Data/Picture/ending2.tga",
    "Data/Picture/win.tga",   "Data/Picture/ending3.tga",
};

// A picture that cannot be read is left to the loader's placeholder; the buttons still work.
void Screens::LoadPictures() {
    CTargaImage image;
    for (int picture = 0; picture < 5; ++picture) {
        // The end pictures wait for the start-up to finish; the start picture is the first frame.
        BuildPictureTexture(image, kPictureFiles[picture], &textures[picture], picture != 0);
    }
}

// The frame neither clears nor draws the house behind a screen: the quad covers every pixel.
void Screens::Draw(int w, int h) {
    BeginOverlay(0, 0, w, h);
    // With both flags set (a time-out on the start picture) the end picture is bound last.
    if (startScreenShown) glBindTexture(GL_TEXTURE_2D, textures[0]);
    if (endScreenShown && endingCode < 4) glBindTexture(GL_TEXTURE_2D, ShownTexture());
    DrawOverlayQuad(-1.0f, -1.0f, 1.0f, 1.0f);
    LeaveOverlayColourAndRaster();
    EndOverlay(w, h);
}
