// Inventory icon bar. (To be filled in by the hud work.)
#include "hud/icon_bar.h"

#include "app/game_state.h"

const char* const g_iconFiles[kIconPictureCount] = {
    "Data/Icon/background.bmp", "Data/Icon/bread1.bmp",     "Data/Icon/bread2.bmp",
    "Data/Icon/hammer1.bmp",    "Data/Icon/key1.bmp",       "Data/Icon/key2.bmp",
    "Data/Icon/key3.bmp",       "Data/Icon/note1.bmp",      "Data/Icon/note2.bmp",
    "Data/Icon/note3.bmp",      "Data/Icon/noteinfo1.bmp",  "Data/Icon/noteinfo2.bmp",
    "Data/Icon/noteinfo3.bmp",
};
unsigned int g_iconTextures[kIconPictureCount] = {};
int g_iconWidth[kIconPictureCount] = {};
int g_iconHeight[kIconPictureCount] = {};
std::uint8_t* g_iconPixels[kIconPictureCount] = {};
float g_iconRects[10][4][2] = {};

void LoadIconBar() { g_iconOwned[0] = 1; }
void LayOutIconSlots() {}
void DrawIconBar() {}
int IconBarHitTest(int, int) { return 0; }
void DrawIconPicture(int) {}
void DrawNotePicture(int) {}
