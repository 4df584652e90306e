// Picture textures: the one way every Targa picture of the game (sky, keypad, screens, notes)
// becomes a texture.
#include "assets/picture_texture.h"

#include <GL/gl.h>   // Required for: glGenTextures(), glTexParameteri(), glPixelStorei()
#include <GL/glu.h>  // Required for: gluBuild2DMipmaps()

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
    if (loaded) {
        const GLenum source = image.PixelFormat() == CTargaImage::kFormatRgba ? GL_RGBA : GL_RGB;
        gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, image.Width(), image.Height(), source,
                          GL_UNSIGNED_BYTE, image.Pixels());
    } else {
        std::fprintf(stderr, "warning: %s: %s; a magenta placeholder is drawn instead\n",
                     path.c_str(), image.LastError().c_str());
        gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, 2, 2, GL_RGB, GL_UNSIGNED_BYTE,
                          kPlaceholderPixels);
    }
    glPopClientAttrib();
    image.FreeData();
    return loaded;
}
