// The hint texts of the icon bar and which of them a right press may show.
#include "hud/hud_text.h"

#include "core/game_state.h"

// One per bar entry; the two breads share a text, and so do the three keys.
const char* const g_iconHints[10] = {
    "点击图标以获得提示信息",  // the bar itself: click an icon for a hint
    "面包会改变生存时间",      // bread 1: bread changes the survival time
    "面包会改变生存时间",      // bread 2
    "锤子可以用于破除障碍",    // hammer: it can break obstacles
    "钥匙可以用于开锁",        // key 1: keys open locks
    "钥匙可以用于开锁",        // key 2
    "钥匙可以用于开锁",        // key 3
    "打开纸条查看提示信息",    // note 1: open the note to read the hint
    "利用道具来帮助自己逃生",  // note 2: use items to help yourself escape
    "道具可能有害，谨慎使用",  // note 3: items may be harmful, use them with care
};

const char* IconHintText(int entry) {
    if (entry < 0 || entry >= kIconCount || g_iconOwned[entry] == 0) return nullptr;
    return g_iconHints[entry];
}

const char* FloorLabelText() {
    // The upper floor lies 3 units up; the player's floor height is 0 or 3.
    return g_playerY >= 2.0f ? "楼上 UPSTAIRS" : "楼下 DOWNSTAIRS";
}
