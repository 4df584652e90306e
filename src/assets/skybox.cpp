// Sky box: six pictures on the inside of a cube round the world origin, drawn first in every
// frame with the depth test off so that everything else covers it.
#include "assets/skybox.h"

#include <GL/gl.h>  // Required for: glBegin(), glTexCoord2f(), glVertex3f(), glPushAttrib()

#include <array>   // Required for: std::array
#include <vector>  // Required for: std::vector

#include "assets/picture_texture.h"
#include "assets/targa_image.h"

namespace {

enum Slot { kTop, kBottom, kFront, kBack, kLeft, kRight };

// One face: its picture and its four corners, each a texture coordinate (s, t) and a corner
// of the unit cube, scaled by the size when drawn.
struct SkyFace {
    Slot slot;
    float corners[4][5];  // s, t, x, y, z
};

// In drawing order; the right face comes before the left one.
constexpr SkyFace kFaces[6] = {
    {kTop, {{1, 1, -1, 1, -1}, {0, 1, 1, 1, -1}, {0, 0, 1, 1, 1}, {1, 0, -1, 1, 1}}},
    {kBottom, {{1, 1, 1, -1, -1}, {0, 1, -1, -1, -1}, {0, 0, -1, -1, 1}, {1, 0, 1, -1, 1}}},
    {kFront, {{0, 0, -1, -1, -1}, {1, 0, 1, -1, -1}, {1, 1, 1, 1, -1}, {0, 1, -1, 1, -1}}},
    {kBack, {{0, 0, 1, -1, 1}, {1, 0, -1, -1, 1}, {1, 1, -1, 1, 1}, {0, 1, 1, 1, 1}}},
    {kRight, {{1, 0, 1, -1, 1}, {1, 1, 1, 1, 1}, {0, 1, 1, 1, -1}, {0, 0, 1, -1, -1}}},
    {kLeft, {{1, 0, -1, -1, -1}, {1, 1, -1, 1, -1}, {0, 1, -1, 1, 1}, {0, 0, -1, -1, 1}}},
};

}  // namespace

bool SkyBox::Load(const char* top, const char* bottom, const char* front, const char* back,
                  const char* left, const char* right) {
    const char* const paths[6] = {top, bottom, front, back, left, right};
    CTargaImage image;
    // A picture that cannot be read gets a placeholder and a warning; the sky is drawn anyway.
    for (int slot = 0; slot < 6; ++slot)
        BuildPictureTexture(image, paths[slot], &textures[slot], true);
    return true;
}

void SkyBox::Draw() const {
    DrawFaces(false);
}

void SkyBox::DrawBehind(const Occlusion& hiding) const {
    if (hiding.FillsWindow()) return;
    std::vector<std::array<int, 4>> parts;
    if (!hiding.OpenParts(&parts)) {
        DrawFaces(true);
        return;
    }
    // Only within the cells no wall fills: elsewhere every sky fragment would fail.
    glEnable(GL_SCISSOR_TEST);
    for (const std::array<int, 4>& part : parts) {
        glScissor(part[0], part[1], part[2], part[3]);
        DrawFaces(true);
    }
    glDisable(GL_SCISSOR_TEST);
}

void SkyBox::DrawFaces(bool behind) const {
    glPushMatrix();
    glPushAttrib(GL_LIGHTING_BIT | GL_FOG_BIT | GL_DEPTH_BUFFER_BIT | GL_VIEWPORT_BIT);
    if (behind) {
        // Only where the depth buffer still holds the clear value: every sky fragment is put at
        // depth 1, which passes there and nowhere anything was drawn, even beyond the cube
        // (the garden reaches past it). The sky leaves the depth as it was.
        glEnable(GL_DEPTH_TEST);
        glDepthRange(1.0, 1.0);
        glDepthFunc(GL_LEQUAL);
        glDepthMask(GL_FALSE);
    } else {
        glDisable(GL_DEPTH_TEST);
    }
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    const float s = size_;
    for (const SkyFace& face : kFaces) {
        glBindTexture(GL_TEXTURE_2D, textures[face.slot]);
        glBegin(GL_QUADS);
        for (const auto& corner : face.corners) {
            glTexCoord2f(corner[0], corner[1]);
            glVertex3f(corner[2] * s, corner[3] * s, corner[4] * s);
        }
        glEnd();
    }
    glPopAttrib();
    glPopMatrix();
}
