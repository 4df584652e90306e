// The icon bar's BMP destination: three parallel tables owned by the bar, filled one slot at
// a time at start-up.
#include "hud/bitmap.h"

#include <cstdio>   // Required for: std::fprintf()
#include <cstdlib>  // Required for: std::exit()

#include "assets/bmp_reader.h"
#include "hud/icon_bar.h"

bool TryLoadIconBitMap(const char* path, int slot, std::string* error) {
    if (slot < 0 || slot >= kIconPictureCount) {
        *error = std::string(path) + ": icon slot " + std::to_string(slot) + " does not exist";
        return false;
    }
    BmpPixels bitmap;
    if (!ReadBmp24File(path, &bitmap, error)) return false;
    delete[] g_iconPixels[slot];
    g_iconPixels[slot] = bitmap.pixels;
    g_iconWidth[slot] = bitmap.width;
    g_iconHeight[slot] = bitmap.height;
    return true;
}

void LoadIconBitMap(const char* path, int slot) {
    std::string error;
    if (!TryLoadIconBitMap(path, slot, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::exit(1);
    }
}
