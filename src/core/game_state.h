// The game's shared state. The callbacks share it, so it is global, declared here once and
// grouped as the game thinks of it: pose, window, countdown, game flow, the selection latched by
// the last mouse press, and the progress tables. Start values are given beside each definition
// in game_state.cpp; the global objects (models, sky box, keypad, screens, info picture) are
// defined in scene.cpp in their construction order.
#pragma once

#include <cstdint>  // Required for: std::int8_t, std::uint8_t

#include "platform/clock.h"

class obj3dmodel;
class SkyBox;
class KeypadPanel;
class Screens;
class InfoPicture;

// ---- Player, camera and window --------------------------------------------------------------
// Every writer keeps g_posX = 3 - g_playerX, g_posY = 3 - g_playerY, g_posZ = -1 - g_playerZ.

extern const float g_degToRad;  // degrees to radians, the float nearest 3.1415 / 180 (not pi)
extern float g_playerX;         // position on the floor plan, world X (start 3.0)
extern float g_playerY;         // floor: 3.0 upper, 0.0 ground (start 3.0)
extern float g_playerZ;         // position on the floor plan, world Z (start -1.0)
extern float g_prevPlayerX;     // X before the latest step (start 3.0)
extern float g_prevPlayerZ;     // Z before the latest step (start -1.0)
extern float g_yaw;             // heading in degrees, larger turns left (start 0.0)
extern float g_posX;            // world translation applied after the camera, X (start 0.0)
extern float g_posY;            // world translation, Y (start 0.0)
extern float g_posZ;            // world translation, Z (start 0.0)
extern int g_windowWidth;       // window width from the last reshape (start 0)
extern int g_windowHeight;      // window height from the last reshape (start 0)

// ---- Countdown --------------------------------------------------------------------------------

extern ClockTicks g_startClock;  // clock reading at which the 180 seconds began (start 0)
extern int g_secondsLeft;        // seconds left as last computed by the idle callback (start 180)
extern char g_timeText[6];       // "03:00": only characters 1, 3 and 4 ever change

// ---- Game flow --------------------------------------------------------------------------------

extern std::int8_t g_gameMode;  // 1 playing; 0 losing ending or time-out asked; 2 win asked
extern bool g_paused;           // the game stands still: countdown, tune, keys, presses (start false)
extern ClockTicks g_pausedAt;   // clock reading when the pause began (start 0)
extern std::uint8_t& g_startScreenShown;  // the start picture covers the window (g_screens field)
extern std::uint8_t& g_endScreenShown;    // an end picture covers the window (g_screens field)
extern std::uint8_t& g_endingCode;  // 0 time-out, 1 window fall, 2 boiler, 3 win (g_screens field)

// ---- Selection latched by the last mouse press ------------------------------------------------

extern int g_pickedBox;             // pick box of the latest left press, -1 for none
extern int g_messageIndex;          // icon-bar slot of the latest press: 1-9, 0 bar, -1 outside
extern std::int8_t g_describeMode;  // 1 after a right press (hint text), 0 otherwise (icon use)

// ---- Progress tables ---------------------------------------------------------------------------

inline constexpr int kPickBoxCount = 17;
inline constexpr int kIconCount = 10;  // entry 0 is the bar background, 1-9 the inventory

extern std::uint8_t g_boxEnabled[kPickBoxCount];   // per pick box: its icon and ending rules apply
extern std::uint8_t g_boxIcon[kPickBoxCount - 1];  // icon granted by boxes 0-15 (0 none)
extern std::uint8_t g_iconOwned[kIconCount];       // entry 0 always 1 once the bar is loaded
extern std::uint8_t g_hammerVisible;               // the hammer still lies in the house
extern std::uint8_t g_breadVisible;                // the bread still lies in the house

// ---- Keypad fields shared with the item drawing ------------------------------------------------

extern std::uint8_t& g_keypadShown;  // the keypad panel is open (g_keypad field)
extern float& g_bookcaseOffset;      // the bookcase's Z offset, 0.0 or -1.5 (g_keypad field)

// ---- Global objects, in construction order -----------------------------------------------------

extern obj3dmodel g_houseModel;
extern obj3dmodel g_hammerModel;
extern obj3dmodel g_bookcaseModel;
extern obj3dmodel g_breadModel;
extern obj3dmodel g_note1Model;  // note 1 on the table upstairs, drawn until taken
extern obj3dmodel g_key1Model;   // key 1 on the crate upstairs, drawn until taken
extern obj3dmodel g_key2Model;   // key 2 in the wardrobe's lock, drawn until taken
extern obj3dmodel g_note3Model;  // note 3 on the nightstand, drawn until taken
extern SkyBox g_skybox;
extern KeypadPanel g_keypad;
extern Screens g_screens;
extern InfoPicture g_infoPicture;

// Start values of the progress tables, for the restart and for tests.
inline constexpr std::uint8_t kBoxEnabledAtStart[kPickBoxCount] = {1, 1, 0, 1, 0, 1, 1, 1, 1,
                                                                   1, 0, 1, 0, 0, 0, 1, 1};
inline constexpr std::uint8_t kBoxIconAtStart[kPickBoxCount - 1] = {7, 4, 2, 0, 0, 3, 0, 5,
                                                                    1, 9, 6, 0, 0, 0, 0, 0};

// Puts every plain variable above back to its value at program start (tests and the replay
// driver; the game itself never calls it). The global objects are not touched.
void ResetGameStateToStart();
