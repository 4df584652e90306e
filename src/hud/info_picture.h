// The pictures that comment on what was clicked, drawn last of all overlays.
#pragma once

#include <cstdint>  // Required for: std::uint8_t

#include "hud/overlay_layout.h"

inline constexpr int kInfoPictureCount = 9;

class InfoPicture {
public:
    InfoPicture() = default;
    // Deletes the nine textures.
    ~InfoPicture();
    InfoPicture(const InfoPicture&) = delete;
    InfoPicture& operator=(const InfoPicture&) = delete;

    // Nothing shown, picture 0 chosen.
    void Init();
    // Builds the nine textures from "Data/Picture/info0.tga" to "info8.tga"; a picture that
    // cannot be read becomes a placeholder after one warning. Returns true.
    bool Load();
    // Chooses the picture for the box of the latest left press, as the place stands before the
    // press takes anything; hides it for -1 and for a place with nothing true to say.
    void Select(int box);
    // Puts the picture away once the player has stepped or turned since it came up: it speaks
    // of the place just clicked, and would otherwise hide the middle of the view on the way on.
    void HideIfPlayerMoved();
    // Draws the chosen picture where the window's layout puts it, about its middle.
    void Draw(const OverlayLayout& layout);

    std::uint8_t shown = 0;                         // 1 while a picture is to be drawn
    int current = 0;                                // picture 0 to 8, -1 for none
    unsigned int textures[kInfoPictureCount] = {};  // texture of picture i, "info<i>.tga"
    float shownAt[4] = {};  // the player's X, Y, Z and heading when the picture came up
};

// The data-set path of info picture i (0 to 8).
extern const char g_infoPicturePaths[kInfoPictureCount][32];
