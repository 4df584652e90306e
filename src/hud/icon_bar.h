// The inventory bar in the top-right HUD corner and the large note pictures.
//
// Overlay units are pixels of the HUD corner (180 by 100), origin at its lower left, y up.
#pragma once

#include <cstdint>  // Required for: std::uint8_t

inline constexpr int kIconPictureCount = 13;
inline constexpr int kIconBarEntryCount = 10;  // the background and the nine slots

extern const char* const g_iconFiles[kIconPictureCount];  // data-set paths, picture order
extern unsigned int g_iconTextures[kIconPictureCount];    // one texture per picture
extern int g_iconWidth[kIconPictureCount];                // picture sizes from their headers
extern int g_iconHeight[kIconPictureCount];
extern std::uint8_t* g_iconPixels[kIconPictureCount];  // pixel blocks, kept for the whole run
// Per bar entry: lower left, lower right, upper right, upper left, in overlay units.
extern float g_iconRects[kIconBarEntryCount][4][2];

// Loads the 13 pictures as textures, owns entry 0 of the bar and lays out the slots.
void LoadIconBar();
// Computes the slot quads (GL-free part of LoadIconBar).
void LayOutIconSlots();
// Draws the background and every owned icon in the current (HUD corner) viewport.
void DrawIconBar();
// The slot 1-9 holding the point (bar coordinates, y up), bounds included; 0 for none.
int IconBarHitTest(int x, int y);
// Draws picture `picture` over the whole overlay area, (0, 0) to (180, 100).
void DrawIconPicture(int picture);
// The large picture of note slot 7, 8 or 9, at its own size, centred in the window.
void DrawNotePicture(int slot);
