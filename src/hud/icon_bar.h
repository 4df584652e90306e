// The inventory bar in the top-right HUD corner and the large note pictures.
#pragma once

#include <cstdint>  // Required for: std::uint8_t

inline constexpr int kIconPictureCount = 13;

extern const char* const g_iconFiles[kIconPictureCount];  // data-set paths, picture order
extern unsigned int g_iconTextures[kIconPictureCount];
extern int g_iconWidth[kIconPictureCount];
extern int g_iconHeight[kIconPictureCount];
extern std::uint8_t* g_iconPixels[kIconPictureCount];
extern float g_iconRects[10][4][2];  // per bar entry: lower left, lower right, upper right, upper left

// Loads the 13 pictures as textures, owns entry 0 of the bar and lays out the slots.
void LoadIconBar();
// Computes the slot quads (GL-free part of LoadIconBar).
void LayOutIconSlots();
void DrawIconBar();
// The slot 1-9 holding the point (bar coordinates, y up), bounds included; 0 for none.
int IconBarHitTest(int x, int y);
void DrawIconPicture(int picture);
// The large picture of note slot 7, 8 or 9, at its own size, centred in the window.
void DrawNotePicture(int slot);
