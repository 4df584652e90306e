// Loading and drawing the info pictures.
#include "hud/info_picture.h"

#include <GL/gl.h>  // Required for: glViewport(), glOrtho(), glBegin(), glDeleteTextures()

#include "assets/picture_texture.h"
#include "assets/targa_image.h"
#include "hud/overlay.h"

InfoPicture::~InfoPicture() {
    // Never loaded (tests, a failed start-up): there is nothing to give back, and maybe no GL.
    bool anyTexture = false;
    for (unsigned int texture : textures) anyTexture = anyTexture || texture != 0;
    if (anyTexture) glDeleteTextures(kInfoPictureCount, textures);
}

bool InfoPicture::Load() {
    CTargaImage image;
    for (int i = 0; i < kInfoPictureCount; ++i) {
        BuildPictureTexture(image, g_infoPicturePaths[i], &textures[i]);
    }
    return true;
}

void InfoPicture::Draw(int w, int h) {
    if (current < 0 || current >= kInfoPictureCount) return;
    BeginOverlay(static_cast<int>(w * 0.3), static_cast<int>(h * 0.1), static_cast<int>(w * 0.6),
                 static_cast<int>(h * 0.6));
    glBindTexture(GL_TEXTURE_2D, textures[current]);
    // The middle half of the viewport's width, its whole height.
    DrawOverlayQuad(-0.5f, -1.0f, 0.5f, 1.0f);
    EndOverlay(w, h);
}
