// The textured cube round the scene: drawn first with the depth test off, or after the scene's
// opaque faces where none of them lies, which gives the same picture.
#pragma once

#include "assets/occlusion.h"

class SkyBox {
public:
    void SetSize(float size) { size_ = size; }
    // Six data-set paths: top, bottom, front, back, left, right. Always true.
    bool Load(const char* top, const char* bottom, const char* front, const char* back,
              const char* left, const char* right);
    void Draw() const;
    // The sky where the depth buffer still holds its clear value 1, the depth left as it is:
    // drawn after the opaque scene and before anything blended, the picture is the one Draw
    // first gives, without texturing the sky under every wall.
    // Left out when opaque rectangles fill the window: no sky can show then.
    void DrawBehind(const Occlusion& hiding = Occlusion()) const;

    unsigned int textures[6] = {0, 0, 0, 0, 0, 0};  // top, bottom, front, back, left, right
    float Size() const { return size_; }

private:
    void DrawFaces(bool behind) const;

    float size_ = 0.0f;  // half the cube's edge
};
