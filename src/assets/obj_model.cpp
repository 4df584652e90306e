// OBJ and MTL reading and model drawing. (To be filled in by the assets work.)
#include "assets/obj_model.h"

obj3dmodel::~obj3dmodel() { delete[] textureNames; }

void MtlLib::LoadMtl(const char*) {}
void MtlLib::LoadBitMap(const char*) {}
void obj3dmodel::LoadObj(const char*) {}
void obj3dmodel::BuildLists() {}
void obj3dmodel::CollectTransparentFaces() {}
void obj3dmodel::Draw() const {}
