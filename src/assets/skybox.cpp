// Sky box. (To be filled in by the assets work.)
#include "assets/skybox.h"

bool SkyBox::Load(const char*, const char*, const char*, const char*, const char*, const char*) {
    return true;
}
void SkyBox::Draw() const {}
