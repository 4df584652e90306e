// 24-bit BMP pixel blocks as stored (B, G, R, bottom row first, rows padded to 4 bytes), for
// upload with GL_BGR. One reading procedure (bmp_reader.h) serves model textures and the icon
// bar; this is the icon bar's destination.
#pragma once

#include <string>  // Required for: std::string

// Reads an icon picture into slot `slot` of the icon-bar tables (g_iconWidth, g_iconHeight,
// g_iconPixels), releasing a block the slot already held; ends the process with status 1 and
// one line on stderr naming the file and the reason when it cannot.
void LoadIconBitMap(const char* path, int slot);

// The same read without the exit: false with one line naming the file and the reason in *error.
bool TryLoadIconBitMap(const char* path, int slot, std::string* error);
