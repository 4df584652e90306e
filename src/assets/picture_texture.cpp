// Picture textures: the one way every Targa picture of the game (sky, keypad, screens, notes)
// becomes a texture. One level at the picture's own size, filtered linearly: the screens, notes
// and keypad are shown at their own size in a window of 800 by 600 and the sky is magnified,
// so a chain of smaller copies would never be read, and scaling the picture to a power of two
// first would only blur it.
#include "assets/picture_texture.h"

#include <GL/gl.h>  // Required for: glGenTextures(), glTexParameteri(), glTexImage2D()

#include <cstdio>  // Required for: std::fprintf()
#include <string>  // Required for: std::string

#include "assets/targa_image.h"
#include "platform/data_path.h"

namespace {

// Loud enough that a missing picture is seen at once, small enough to cost nothing.
constexpr GLubyte kPlaceholderPixels[2 * 2 * 3] = {255, 0, 255, 255, 0, 255,
                                                   255, 0, 255, 255, 0, 255};

}  // namespace

bool BuildPictureTexture(CTargaImage& image, const char* dataSetPath, unsigned int* textureName) {
    const std::string path = DataPath(dataSetPath);
    const bool loaded = image.LoadFile(path.c_str());

    glGenTextures(1, textureName);
    glBindTexture(GL_TEXTURE_2D, *textureName);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    // Targa rows are packed tight; the model textures leave the alignment at 4 for their BMP
    // rows, which would misread any picture whose row is not a multiple of 4 bytes.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    if (loaded) {
        const GLenum source = image.PixelFormat() == CTargaImage::kFormatRgba ? GL_RGBA : GL_RGB;
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, image.Width(), image.Height(), 0, source,
                     GL_UNSIGNED_BYTE, image.Pixels());
    } else {
        std::fprintf(stderr, "warning: %s: %s; a magenta placeholder is drawn instead\n",
                     path.c_str(), image.LastError().c_str());
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     kPlaceholderPixels);
    }
    glPopClientAttrib();
    image.FreeData();
    return loaded;
}
