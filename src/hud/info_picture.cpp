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
        BuildPictureTexture(image, g_infoPicturePaths[i], &textures[i], true);
    }
    return true;
}

void InfoPicture::Draw(const OverlayLayout& layout) {
    if (current < 0 || current >= kInfoPictureCount) return;
    const ScreenArea& area = layout.infoPicture;
    BeginOverlay(area.x, area.y, area.width, area.height);
    glBindTexture(GL_TEXTURE_2D, textures[current]);
    DrawOverlayQuad(-1.0f, -1.0f, 1.0f, 1.0f);
    EndOverlay(layout.windowWidth, layout.windowHeight);
}
