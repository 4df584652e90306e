// The screens' pictures and drawing: one picture over the whole window.
#include <GL/gl.h>  // Required for: glBindTexture(), glViewport(), glOrtho(), glBegin()

#include "assets/picture_texture.h"
#include "assets/targa_image.h"
#include "gameplay/screens.h"

namespace {

constexpr const char* kPictures[5] = {
    "Data/Picture/start.tga", "Data/Picture/ending1.tga", "Data/Picture/ending2.tga",
    "Data/Picture/win.tga",   "Data/Picture/ending3.tga",
};

}  // namespace

// A picture that cannot be read is left to the loader's placeholder; the buttons still work.
void Screens::LoadPictures() {
    CTargaImage image;
    for (int picture = 0; picture < 5; ++picture) {
        BuildPictureTexture(image, kPictures[picture], &textures[picture]);
    }
}

// The frame neither clears nor draws the house behind a screen: the quad covers every pixel.
void Screens::Draw(int w, int h) {
    glPushMatrix();
    glPushAttrib(GL_LIGHTING_BIT | GL_FOG_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    // With both flags set (a time-out on the start picture) the end picture is bound last.
    if (startScreenShown) glBindTexture(GL_TEXTURE_2D, textures[0]);
    if (endScreenShown && endingCode < 4) glBindTexture(GL_TEXTURE_2D, ShownTexture());
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -1, 1);
    glBegin(GL_QUADS);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(1.0f, 1.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-1.0f, 1.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-1.0f, -1.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(1.0f, -1.0f);
    glEnd();
    // As the keypad panel does, the colour and raster position stay set for what comes next.
    glColor3f(1.0f, 0.0f, 0.0f);
    glRasterPos2i(-1, 0);
    glViewport(0, 0, w, h);
    glPopAttrib();
    glPopMatrix();
}
