// 24-bit BMP pixel blocks as stored (B, G, R, bottom row first, rows padded to 4 bytes), for
// upload with GL_BGR. One reading procedure serves model textures and the icon bar.
#pragma once

// Reads an icon picture into slot `slot` of the icon-bar tables (g_iconWidth, g_iconHeight,
// g_iconPixels); ends the process with status 1 and one line on stderr when it cannot.
void LoadIconBitMap(const char* path, int slot);
