// Loading and drawing the info pictures.
#include "hud/info_picture.h"

#include <GL/gl.h>  // Required for: glViewport(), glOrtho(), glBegin(), glDeleteTextures()

#include "assets/picture_texture.h"
#include "assets/targa_image.h"
#include "hud/overlay.h"

namespace {

// The picture's viewport: 0.3 of the width in from the left, 0.1 of the height up from the
// bottom, 0.6 of each in size; the picture fills the middle half of it across.
ScreenArea PictureViewport(int w, int h) {
    return {static_cast<int>(w * 0.3), static_cast<int>(h * 0.1), static_cast<int>(w * 0.6),
            static_cast<int>(h * 0.6)};
}

}  // namespace

ScreenArea InfoPicture::Area(int w, int h) {
    const ScreenArea viewport = PictureViewport(w, h);
    const int left = viewport.x + viewport.width / 4;
    const int right = viewport.x + viewport.width - viewport.width / 4;
    return {left, viewport.y, right - left, viewport.height};
}

InfoPicture::~InfoPicture() {
    // Never loaded (tests, a failed start-up): there is nothing to give back, and maybe no GL.
    bool anyTexture = false;
    for (unsigned int texture : textures) anyTexture = anyTexture || texture != 0;
    if (anyTexture) glDeleteTextures(kInfoPictureCount, textures);
}

bool InfoPicture::Load() {
    CTargaImage image;
    for (int i = 0; i < kInfoPictureCount; ++i) {
        BuildPictureTexture(image, g_infoPicturePaths[i], &textures[i], true);
    }
    return true;
}

void InfoPicture::Draw(int w, int h) {
    if (current < 0 || current >= kInfoPictureCount) return;
    const ScreenArea viewport = PictureViewport(w, h);
    BeginOverlay(viewport.x, viewport.y, viewport.width, viewport.height);
    glBindTexture(GL_TEXTURE_2D, textures[current]);
    // The middle half of the viewport's width, its whole height.
    DrawOverlayQuad(-0.5f, -1.0f, 0.5f, 1.0f);
    EndOverlay(w, h);
}
