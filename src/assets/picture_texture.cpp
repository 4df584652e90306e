// Picture textures. (To be filled in by the assets work.)
#include "assets/picture_texture.h"

bool BuildPictureTexture(CTargaImage&, const char*, unsigned int* textureName) {
    *textureName = 0;
    return false;
}
