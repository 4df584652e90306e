// Every Targa picture of the game becomes a texture the same way: load, one texture name,
// clamp to edge, one linearly filtered level at the picture's own size, release the pixels. A
// picture that cannot be read becomes a small loud placeholder after one warning, and the game
// goes on.
#pragma once

class CTargaImage;

// Builds the texture for data-set path `dataSetPath` (such as "Data/Picture/start.tga") into
// *textureName, reusing `image` for the pixels. Returns false when the placeholder was used.
bool BuildPictureTexture(CTargaImage& image, const char* dataSetPath, unsigned int* textureName);
