// The pictures that comment on what was clicked, drawn last of all overlays.
#pragma once

#include <cstdint>  // Required for: std::uint8_t

class InfoPicture {
public:
    InfoPicture() = default;
    ~InfoPicture();
    InfoPicture(const InfoPicture&) = delete;
    InfoPicture& operator=(const InfoPicture&) = delete;

    void Init();
    bool Load();
    // Chooses, changes or hides the picture for the box of the latest left press (-1 none).
    void Select(int box);
    void Draw(int w, int h);

    std::uint8_t shown = 0;
    std::uint8_t firstTime[3] = {};  // one-shot permissions for box 1, box 7 and box 0
    int current = 0;                 // picture 0 to 8, -1 for none
    unsigned int textures[9] = {};
};
