// BMP reading. (To be filled in by the assets work.)
#include "assets/bitmap.h"

void LoadIconBitMap(const char*, int) {}
