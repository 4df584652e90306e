// Writing the line of a press whose item did nothing, over the house near the window's bottom.
#include "gameplay/item_use.h"
#include "hud/hud_text.h"

void DrawItemUseLine(int w, int h) {
    const char* line = ItemUseLineShown();
    if (line == nullptr) return;
    DrawHudTextBlock(LayOutBottomLine(line, w, h), w, h);
}
