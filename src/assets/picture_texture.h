// Every Targa picture of the game becomes a texture the same way: load, one texture name,
// clamp to edge, one linearly filtered level at the picture's own size, release the pixels. A
// picture that cannot be read becomes a small loud placeholder after one warning, and the game
// goes on.
#pragma once

class CTargaImage;

// Builds the texture for data-set path `dataSetPath` (such as "Data/Picture/start.tga") into
// *textureName, reusing `image` for the pixels. Returns false when the placeholder was used.
// A picture that `mayWait` (one the start picture never shows with) is read, and its warning
// given, now; while uploads are held its pixels are kept and uploaded by UploadHeldPictures.
bool BuildPictureTexture(CTargaImage& image, const char* dataSetPath, unsigned int* textureName,
                         bool mayWait = false);
// From now on the pictures that may wait are uploaded by UploadHeldPictures: the start-up
// holds them so that the first frame, the start picture, does not wait for them.
void HoldPictureUploads();
// Uploads every picture held, into the texture named for it when it was read, and uploads
// at once from then on.
void UploadHeldPictures();
