// The inventory bar in the top-right HUD corner and the large note pictures.
//
// Overlay units are the HUD corner's design pixels (180 by 100), origin at its lower left, y up;
// the frame stretches them over the corner as the window's layout sizes it (overlay_layout.h).
#pragma once

#include <cstdint>  // Required for: std::uint8_t

#include "hud/overlay_layout.h"

inline constexpr int kIconPictureCount = 13;
inline constexpr int kIconBarEntryCount = 10;  // the background and the nine slots
inline constexpr int kHammerSlot = 3;
// Where the countdown is written in the HUD corner, and the well the bar's background has for it
// right of the upper row of slots (left, bottom, right, top), in overlay units: the text stays
// at least 2 units inside the well's rim for every count from 00:00 to 09:59.
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
// Draws the background and every owned icon in the current (HUD corner) viewport, the frame
// round the item in hand as wide as the layout has it.
void DrawIconBar(const OverlayLayout& layout);
// The slot 1-9 holding the point (overlay units, y up), bounds included; 0 for none.
int IconBarHitTest(float x, float y);
// Draws picture `picture` over the whole overlay area, (0, 0) to (180, 100).
void DrawIconPicture(int picture);
// The large picture of note slot 7, 8 or 9 where the layout puts it: in its own proportions,
// centred in the window.
void DrawNotePicture(int slot, const OverlayLayout& layout);
// The note slot (7, 8 or 9) whose large picture the frame shows for the latched press: a left
// or middle press on an owned note; 0 when no note is open.
int OpenNoteSlot();
// The slot outlined as the item in hand: the slot of an owned key or note the latched press
// used; 0 for none.
int SlotInHand();
// Whether the hammer is raised: used, and its windows and the boiler still waiting for the blow.
bool HammerRaised();
