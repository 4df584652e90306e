// The icon bar's tables and its geometry: where each slot lies and which slot a press is on.
// No OpenGL here, so the mouse rules can be tested without a window.
#include "hud/icon_bar.h"

namespace {

// Slots are 30-unit squares with 3-unit gaps: five in the lower row, four in the upper row,
// which leaves room for the countdown right of the upper row.
constexpr int kSlotSize = 30;
constexpr int kSlotPitch = 33;
constexpr int kLowerRowSlots = 5;
constexpr float kLowerRowBottom = 3.0f;
constexpr float kUpperRowBottom = 36.0f;

}  // namespace

const char* const g_iconFiles[kIconPictureCount] = {
    "Data/Icon/background.bmp", "Data/Icon/bread1.bmp",    "Data/Icon/bread2.bmp",
    "Data/Icon/hammer1.bmp",    "Data/Icon/key1.bmp",      "Data/Icon/key2.bmp",
    "Data/Icon/key3.bmp",       "Data/Icon/note1.bmp",     "Data/Icon/note2.bmp",
    "Data/Icon/note3.bmp",      "Data/Icon/noteinfo1.bmp", "Data/Icon/noteinfo2.bmp",
    "Data/Icon/noteinfo3.bmp",
};
unsigned int g_iconTextures[kIconPictureCount] = {};
int g_iconWidth[kIconPictureCount] = {};
int g_iconHeight[kIconPictureCount] = {};
std::uint8_t* g_iconPixels[kIconPictureCount] = {};
// The background is fixed; the slots are laid out at load.
float g_iconRects[kIconBarEntryCount][4][2] = {
    {{0.0f, 0.0f}, {168.0f, 0.0f}, {168.0f, 69.0f}, {0.0f, 69.0f}},
};

void LayOutIconSlots() {
    for (int slot = 1; slot < kIconBarEntryCount; ++slot) {
        const bool lowerRow = slot <= kLowerRowSlots;
        // Slot k of the lower row ends at 33k; the upper row starts again from the left edge.
        const int right = lowerRow ? kSlotPitch * slot : kSlotPitch * slot - 165;
        const float x0 = static_cast<float>(right - kSlotSize);
        const float x1 = static_cast<float>(right);
        const float y0 = lowerRow ? kLowerRowBottom : kUpperRowBottom;
        const float y1 = y0 + static_cast<float>(kSlotSize);
        float(&quad)[4][2] = g_iconRects[slot];
        quad[0][0] = x0;
        quad[0][1] = y0;
        quad[1][0] = x1;
        quad[1][1] = y0;
        quad[2][0] = x1;
        quad[2][1] = y1;
        quad[3][0] = x0;
        quad[3][1] = y1;
    }
}

int IconBarHitTest(float px, float py) {
    for (int slot = 1; slot < kIconBarEntryCount; ++slot) {
        const float(&quad)[4][2] = g_iconRects[slot];
        // Ownership plays no part: an empty slot still answers with its number.
        if (quad[0][0] <= px && px <= quad[2][0] && quad[0][1] <= py && py <= quad[2][1]) {
            return slot;
        }
    }
    return 0;
}
