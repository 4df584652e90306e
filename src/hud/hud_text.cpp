// Text overlay. (To be filled in by the hud work.)
#include "hud/hud_text.h"

const char* const g_iconHints[10] = {
    "点击图标以获得提示信息", "面包会改变生存时间",     "面包会改变生存时间",
    "锤子可以用于破除障碍",   "钥匙可以用于开锁",       "钥匙可以用于开锁",
    "钥匙可以用于开锁",       "打开纸条查看提示信息",   "利用道具来帮助自己逃生",
    "道具可能有害，谨慎使用",
};

void DrawHudText(const char*) {}
void DrawIconHint(int) {}
