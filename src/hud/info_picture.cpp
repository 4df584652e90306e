// Info pictures. (To be filled in by the hud work.)
#include "hud/info_picture.h"

InfoPicture::~InfoPicture() {}
void InfoPicture::Init() {}
bool InfoPicture::Load() { return true; }
void InfoPicture::Select(int) {}
void InfoPicture::Draw(int, int) {}
