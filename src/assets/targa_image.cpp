// Targa reader. (To be filled in by the assets work.)
#include "assets/targa_image.h"

CTargaImage::~CTargaImage() { FreeData(); }

bool CTargaImage::LoadFile(const char*) {
    lastError_ = "not implemented";
    return false;
}

bool CTargaImage::LoadMemory(const std::uint8_t*, std::size_t) {
    lastError_ = "not implemented";
    return false;
}

void CTargaImage::FreeData() {
    delete[] pixels_;
    pixels_ = nullptr;
}

bool CTargaImage::FlipRows() { return pixels_ != nullptr; }

bool CTargaImage::SwapRedAndBlue() { return pixels_ != nullptr; }
