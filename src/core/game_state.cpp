// Definitions and start values of the plain shared variables.
#include "core/game_state.h"

#include <algorithm>  // Required for: std::copy()
#include <cstring>    // Required for: std::memcpy()
#include <iterator>   // Required for: std::begin(), std::end()

const float g_degToRad = 0.017452778f;
float g_playerX = 3.0f;
float g_playerY = 3.0f;
float g_playerZ = -1.0f;
float g_prevPlayerX = 3.0f;
float g_prevPlayerZ = -1.0f;
float g_yaw = 0.0f;
float g_posX = 0.0f;
float g_posY = 0.0f;
float g_posZ = 0.0f;
int g_windowWidth = 0;
int g_windowHeight = 0;

ClockTicks g_startClock = 0;
int g_secondsLeft = 180;
char g_timeText[6] = "03:00";

std::int8_t g_gameMode = 1;
bool g_paused = false;
ClockTicks g_pausedAt = 0;

int g_pickedBox = -1;
int g_messageIndex = -1;
std::int8_t g_describeMode = 0;

std::uint8_t g_boxEnabled[kPickBoxCount] = {1, 1, 0, 1, 0, 1, 1, 1, 1, 1, 0, 1, 0, 0, 0, 1, 1};
std::uint8_t g_boxIcon[kPickBoxCount - 1] = {7, 4, 2, 0, 0, 3, 0, 5, 1, 9, 6, 0, 0, 0, 0, 0};
std::uint8_t g_iconOwned[kIconCount] = {};
std::uint8_t g_hammerVisible = 1;
std::uint8_t g_breadVisible = 1;

void ResetGameStateToStart() {
    g_playerX = 3.0f;
    g_playerY = 3.0f;
    g_playerZ = -1.0f;
    g_prevPlayerX = 3.0f;
    g_prevPlayerZ = -1.0f;
    g_yaw = 0.0f;
    g_posX = g_posY = g_posZ = 0.0f;
    g_windowWidth = g_windowHeight = 0;
    g_startClock = 0;
    g_secondsLeft = 180;
    std::memcpy(g_timeText, "03:00", sizeof g_timeText);
    g_gameMode = 1;
    g_paused = false;
    g_pausedAt = 0;
    g_startScreenShown = 0;
    g_endScreenShown = 0;
    g_endingCode = 0;
    g_pickedBox = -1;
    g_messageIndex = -1;
    g_describeMode = 0;
    std::copy(std::begin(kBoxEnabledAtStart), std::end(kBoxEnabledAtStart), g_boxEnabled);
    std::copy(std::begin(kBoxIconAtStart), std::end(kBoxIconAtStart), g_boxIcon);
    std::fill(std::begin(g_iconOwned), std::end(g_iconOwned), 0);
    g_hammerVisible = 1;
    g_breadVisible = 1;
    g_keypadShown = 0;
    g_bookcaseOffset = 0.0f;
}
