// The textured cube round the scene, drawn first with the depth test off.
#pragma once

class SkyBox {
public:
    void SetSize(float size) { size_ = size; }
    // Six data-set paths: top, bottom, front, back, left, right. Always true.
    bool Load(const char* top, const char* bottom, const char* front, const char* back,
              const char* left, const char* right);
    void Draw() const;

    unsigned int textures[6] = {0, 0, 0, 0, 0, 0};  // top, bottom, front, back, left, right
    float Size() const { return size_; }

private:
    float size_ = 0.0f;  // half the cube's edge
};
