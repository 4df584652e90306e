// Picture textures: the one way every Targa picture of the game (sky, keypad, screens, notes)
// becomes a texture. One level at the picture's own size, filtered linearly: the screens, notes
// and keypad are shown at their own size in a window of 800 by 600 and the sky is magnified,
// so a chain of smaller copies would never be read, and scaling the picture to a power of two
// first would only blur it.
#include "assets/picture_texture.h"

#include <GL/gl.h>  // Required for: glGenTextures(), glTexParameteri(), glTexImage2D()

#include <cstdint>  // Required for: std::uint8_t
#include <cstdio>   // Required for: std::fprintf()
#include <memory>   // Required for: std::unique_ptr
#include <string>   // Required for: std::string
#include <vector>   // Required for: std::vector

#include "assets/targa_image.h"
#include "platform/data_path.h"

namespace {

// A picture read and named, its upload held for later.
struct HeldPicture {
    unsigned int textureName;
    int width, height;
    GLenum source;
    std::unique_ptr<std::uint8_t[]> pixels;
};
bool g_holding = false;
std::vector<HeldPicture> g_held;

// The one level of a picture, from rows packed tight.
void Upload(int width, int height, GLenum source, const void* pixels) {
    // Targa rows are packed tight; the model textures leave the alignment at 4 for their BMP
    // rows, which would misread any picture whose row is not a multiple of 4 bytes.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, source, GL_UNSIGNED_BYTE, pixels);
    glPopClientAttrib();
}

// Loud enough that a missing picture is seen at once, small enough to cost nothing.
constexpr GLubyte kPlaceholderPixels[2 * 2 * 3] = {255, 0, 255, 255, 0, 255,
                                                   255, 0, 255, 255, 0, 255};

}  // namespace

bool BuildPictureTexture(CTargaImage& image, const char* dataSetPath, unsigned int* textureName,
                         bool mayWait) {
    const std::string path = DataPath(dataSetPath);
    const bool loaded = image.LoadFile(path.c_str());

    glGenTextures(1, textureName);
    glBindTexture(GL_TEXTURE_2D, *textureName);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    if (loaded) {
        const GLenum source = image.PixelFormat() == CTargaImage::kFormatRgba ? GL_RGBA : GL_RGB;
        if (mayWait && g_holding) {
            g_held.push_back(HeldPicture{*textureName, image.Width(), image.Height(), source,
                                         std::unique_ptr<std::uint8_t[]>(image.TakePixels())});
            return true;
        }
        Upload(image.Width(), image.Height(), source, image.Pixels());
    } else {
        std::fprintf(stderr, "warning: %s: %s; a magenta placeholder is drawn instead\n",
                     path.c_str(), image.LastError().c_str());
        Upload(2, 2, GL_RGB, kPlaceholderPixels);
    }
    image.FreeData();
    return loaded;
}

void HoldPictureUploads() {
    g_holding = true;
}

void UploadHeldPictures() {
    g_holding = false;
    for (HeldPicture& picture : g_held) {
        glBindTexture(GL_TEXTURE_2D, picture.textureName);
        Upload(picture.width, picture.height, picture.source, picture.pixels.get());
    }
    g_held.clear();
    g_held.shrink_to_fit();
}
