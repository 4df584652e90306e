// The inventory bar in the top-right HUD corner and the large note pictures.
//
// Overlay units are pixels of the HUD corner (180 by 100), origin at its lower left, y up.
#pragma once

#include <cstdint>  // Required for: std::uint8_t

#include "hud/overlay.h"

inline constexpr int kIconPictureCount = 13;
inline constexpr int kIconBarEntryCount = 10;  // the background and the nine slots
// The HUD corner in the window's top right, in pixels.
inline constexpr int kHudCornerWidth = 180;
inline constexpr int kHudCornerHeight = 100;
inline constexpr int kHammerSlot = 3;
// Where the countdown is written in the HUD corner, and the well the bar's background has for it
// right of the upper row of slots (left, bottom, right, top), in HUD pixels: the text stays at
// least 2 pixels inside the well's rim for every count from 00:00 to 09:59.
inline constexpr int kCountdownX = 136;
inline constexpr int kCountdownY = 47;
inline constexpr double kCountdownWell[4] = {133.8, 36.0, 165.5, 66.0};

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
// Where DrawNotePicture puts the picture of note slot 7, 8 or 9 in the current window; an
// empty area for any other slot.
ScreenArea NotePictureArea(int slot);
// The note slot (7, 8 or 9) whose large picture the frame shows for the latched press: a left
// or middle press on an owned note; 0 when no note is open.
int OpenNoteSlot();
// Where the bar's background is drawn in a window of width w and height h: the part of the
// HUD corner that covers the house.
ScreenArea IconBarArea(int w, int h);
// The slot outlined as the item in hand: the slot of an owned key or note the latched press
// used; 0 for none.
int SlotInHand();
// Whether the hammer is raised: used, and its windows and the boiler still waiting for the blow.
bool HammerRaised();
