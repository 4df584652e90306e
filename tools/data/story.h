// The story the pictures tell, in Chinese and English: the player wakes upstairs in a house
// filling with gas and has three minutes to get out. Every text painted into a picture or a note
// is here, in one place, so the clues can be read together:
//   note 1 says the bookcase keypad takes the "gas check" date of the calendar, month then day;
//   the calendar (info picture 8) circles that date; note 2 says where the front-door key and the
//   safe key are; note 3 warns against the mouldy bread, the boiler and the upstairs window.
#pragma once

#include "gameplay/keypad_code.h"

struct Bilingual {
    const char* chinese;
    const char* english;
};

// The calendar date the keypad code spells: month = first two digits, day = last two. Digits run
// 1 to 9 (the keypad has no 0), so the month can only be November or December.
inline constexpr int kGasCheckMonth = kKeypadCode[0] * 10 + kKeypadCode[1];
inline constexpr int kGasCheckDay = kKeypadCode[2] * 10 + kKeypadCode[3];
static_assert(kKeypadCode[0] >= 1 && kKeypadCode[1] >= 1 && kKeypadCode[2] >= 1 &&
                  kKeypadCode[3] >= 1 && kKeypadCode[0] <= 9 && kKeypadCode[1] <= 9 &&
                  kKeypadCode[2] <= 9 && kKeypadCode[3] <= 9,
              "every keypad digit must be on the keypad (1 to 9)");
static_assert(kGasCheckMonth == 11 || kGasCheckMonth == 12,
              "the keypad code must read as a date: month 11 or 12, then the day");
static_assert(kGasCheckDay >= 11 && kGasCheckDay <= (kGasCheckMonth == 11 ? 30 : 31),
              "the keypad code's last two digits must be a day of that month");

namespace story {

// Start picture ----------------------------------------------------------------------------------
inline constexpr Bilingual kTitle = {"逃出煤气屋", "ESCAPE HOUSE"};
inline constexpr Bilingual kTagline = {"三分钟，逃出去！", "THREE MINUTES TO GET OUT"};
inline constexpr Bilingual kIntro = {
    "你在二楼的卧室里醒来，屋里满是刺鼻的煤气味：楼下的热水器在漏气，大门也锁上了。"
    "三分钟后，煤气就会灌满整栋房子。",
    "You wake up upstairs. The air reeks of gas: the boiler downstairs is leaking and the front "
    "door is locked. In three minutes the whole house will be full of it."};
inline constexpr Bilingual kGoal = {"找钥匙，读纸条，解开书柜的密码锁——活着逃出去！",
                                    "Find the keys, read the notes, crack the bookcase lock, "
                                    "and get out alive!"};
inline constexpr Bilingual kControlsWalk = {
    "W / S 前进 / 后退　A / D 左转 / 右转（或方向键）　空格 回到起点　Enter 全屏　P 暂停　M 音乐",
    "W / S walk   A / D turn (or the arrows)   Space back to the start   Enter full screen   "
    "P pause   M music"};
inline constexpr Bilingual kControlsMouse = {
    "左键：拿起东西、使用物品栏里的物品　　右键点物品：看提示",
    "Left click: take things and use items in your bar     Right click an item: a hint"};
inline constexpr Bilingual kStartButton = {"开始", "START"};

// End pictures -----------------------------------------------------------------------------------
struct Ending {
    Bilingual title;
    Bilingual what;  // what happened
    Bilingual tip;   // what to try next time
};
inline constexpr Ending kTimeOut = {
    {"时间到了", "TIME'S UP"},
    {"煤气灌满了每一个房间。你的眼皮越来越沉……",
     "The gas has filled every room. Your eyelids grow heavy..."},
    {"提示：新鲜的面包能让你多撑十秒。", "Tip: fresh bread buys you ten more seconds."}};
inline constexpr Ending kFall = {
    {"摔下去了", "A LONG WAY DOWN"},
    {"你砸碎二楼的窗户跳了出去——太高了。",
     "You smashed the upstairs window and jumped. It was far too high."},
    {"提示：一楼的窗户就安全多了。", "Tip: a ground-floor window is much safer."}};
inline constexpr Ending kExplosion = {
    {"轰！", "BOOM!"},
    {"你用锤子砸了燃气热水器。一个火星就够了。",
     "You hit the gas boiler with the hammer. One spark was all it took."},
    {"提示：锤子该砸窗户，千万别砸热水器。", "Tip: the hammer is for windows, never the boiler."}};
inline constexpr Ending kEscape = {
    {"逃出来了！", "YOU ESCAPED!"},
    {"你冲出屋外，深深吸了一口清晨的新鲜空气。",
     "You burst outside and breathe the fresh morning air."},
    {"这栋房子有两条出路：大门和一楼的窗户。你找到了一条。",
     "Two ways lead out: the front door and a ground-floor window. You found one."}};
inline constexpr Bilingual kBackButton = {"返回", "BACK"};
inline constexpr Bilingual kQuitButton = {"退出", "QUIT"};

// Info pictures, by their number -----------------------------------------------------------------
struct InfoCard {
    Bilingual title;
    Bilingual body;
};
// Each card is shown by several places or in several states (see the selection table), so each
// says only what is true in all of them: card 0 answers three places that never held anything
// (a picture upstairs, the radio, the portrait by the safe, which must not send the player away
// from the safe), card 1 the presses that take key 1, key 2 or, from the opened safe, key 3,
// card 2 both windows before and after the hammer, card 3 the presses that take note 1, note 3
// or, from the opened cabinet, note 2 and a bread, card 4 the locked cabinet and safe, and the
// front door locked (the press that opens it ends the game, whose picture covers the card). A
// place whose item is taken shows no card at all.
inline constexpr InfoCard kInfoCards[9] = {
    {{"只是摆设", "Just for show"},
     {"这里没有可以拿的东西，物品栏里的东西在这里也用不上。",
      "There is nothing to take here, and nothing in your bar works on it."}},
    {{"一把钥匙", "A key"},
     {"钥匙在物品栏里。点它，再点它能开的锁：每把锁只认自己的钥匙。",
      "The key is in your item bar. Click it, then the lock it fits: each lock takes its own "
      "key."}},
    {{"一扇玻璃窗", "A glass window"},
     {"打不开，但锤子能砸碎玻璃：点物品栏里的锤子，再点窗户。想想这是几楼！",
      "It won't open, but a hammer breaks glass: click the hammer in your bar, then the "
      "window. Mind which floor you are on!"}},
    {{"找到纸条了", "You found a note"},
     {"找到的东西都在物品栏里。点纸条就能阅读，点一下纸条的画面就收起。",
      "What you found is in your item bar. Click the note there to read it; click the note's "
      "picture to put it away."}},
    {{"锁着", "Locked"},
     {"每把锁只认自己的钥匙：点物品栏里的钥匙，再点这里。钥匙不对，就打不开。",
      "Each lock takes its own key: click a key in your bar, then click here. The wrong key "
      "does nothing."}},
    {{"一把锤子", "A hammer"},
     {"能砸碎玻璃。点物品栏里的锤子把它举起（橙色框），再点要砸的东西。砸之前想清楚！",
      "It smashes glass. Click it in your bar to raise it (orange frame), then click what to "
      "break. Think first!"}},
    {{"新鲜面包", "Fresh bread"},
     {"拿上它，再点物品栏里的面包吃掉：多撑十秒。发霉的面包会让你少十秒！",
      "Take it, then click it in your bar to eat it: ten more seconds. Mouldy bread costs "
      "ten!"}},
    {{"燃气热水器", "The gas boiler"},
     {"煤气就是从这里漏出来的。千万别砸它——一个火星就会爆炸！",
      "The gas leaks from here. Never hit it: one spark and it explodes!"}},
    {{"墙上的日历", "A wall calendar"}, {"", ""}},
};
// The calendar's own words.
inline constexpr Bilingual kCalendarMonths[2] = {{"十一月", "NOVEMBER"}, {"十二月", "DECEMBER"}};
inline constexpr Bilingual kGasCheck = {"燃气检修", "gas check"};
inline constexpr Bilingual kBirthday = {"生日", "birthday"};

// The three large note pictures ------------------------------------------------------------------
struct Note {
    Bilingual heading;
    Bilingual body;
};
inline constexpr Note kNotes[3] = {
    {{"纸条一　密码锁", "NOTE 1 · THE KEYPAD"},
     {"楼梯脚下的书柜（下楼后向左转）上有一个密码锁。密码就是日历上圈出的“燃气检修”那天："
      "先月份，再日期，共四位数字。日历挂在锅炉房的墙上：跟着门厅里的指示牌走。",
      "The bookcase at the foot of the stairs (turn left as you come down) has a keypad lock. "
      "The code is the \"gas check\" day circled on the calendar, month first, then day. "
      "The calendar is in the boiler room: follow the sign."}},
    {{"纸条二　保险箱", "NOTE 2 · THE SAFE"},
     {"大门钥匙锁在书柜后面的保险箱里；保险箱的小钥匙插在一楼衣柜的锁上。"
      "面包能帮你多撑一会儿——只要它是新鲜的。",
      "The front-door key is in the safe behind the bookcase; the little safe key hangs in the "
      "lock of the wardrobe downstairs. Bread can buy you time, as long as it is fresh."}},
    {{"纸条三　小心！", "NOTE 3 · BE CAREFUL!"},
     {"发霉的面包会让你少十秒；千万别用锤子砸热水器；二楼的窗户太高，跳下去会摔伤。",
      "Mouldy bread costs you ten seconds. Never take the hammer to the gas boiler. The "
      "upstairs window is far too high to jump from."}},
};

}  // namespace story
