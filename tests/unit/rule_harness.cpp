// The windowless game loop of rule_harness.h.
#include "rule_harness.h"

#include <GL/freeglut.h>  // Required for: GLUT_LEFT_BUTTON, GLUT_DOWN, GLUT_UP
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "app/countdown.h"
#include "app/frame_rules.h"
#include "core/game_state.h"
#include "gameplay/keypad.h"
#include "gameplay/picking.h"
#include "gameplay/progress.h"
#include "gameplay/screens.h"
#include "hud/icon_bar.h"
#include "hud/info_picture.h"
#include "platform/clock.h"
#include "platform/toolkit.h"
#include "world/wall_layout.h"

namespace {

int g_boxUnderCursor = -1;
bool g_redisplayPending = false;

void RunPendingFrame() {
    if (std::exchange(g_redisplayPending, false)) RunFrameRules();
}

}  // namespace

void StartRuleHarness() {
    ResetGameStateToStart();
    InstallCountingToolkit();
    Toolkit().postRedisplay = [] { g_redisplayPending = true; };
    Toolkit().drawFrameNow = [] { RunFrameRules(); };
    SetWorldPick([](int, int) { return g_boxUnderCursor; });
    g_boxUnderCursor = -1, g_redisplayPending = false;
    // Start-up's order, without the pictures.
    g_iconOwned[0] = 1;
    LayOutIconSlots();
    g_keypad.Init();
    g_screens.Init();
    UseManualClock(1000);
    g_startClock = GameClock();
    BuildStartUpGrid();
    g_infoPicture.Init();
    g_windowWidth = 800, g_windowHeight = 600;
}

void SetBoxUnderCursor(int box) {
    g_boxUnderCursor = box;
}

void Press(int button, int x, int y) {
    for (int state : {GLUT_DOWN, GLUT_UP}) {
        OnMouse(button, state, x, y);
        RunPendingFrame();
    }
}

void PressOnBox(int box) {
    SetBoxUnderCursor(box);
    Press(GLUT_LEFT_BUTTON, 60, 560);
}

void PressIcon(int icon) {
    SetBoxUnderCursor(-1);
    for (int i = 0; i < 101 * 181; ++i) {  // bar y outer, x inner
        const int barX = i % 181, barY = i / 181;
        if (IconBarHitTest(barX, barY) == icon) {
            return Press(GLUT_LEFT_BUTTON, barX + g_windowWidth - 180, 100 - barY);
        }
    }
    ADD_FAILURE() << "no slot of the icon bar holds icon " << icon;
}

void PressScreenAt(int percentX, int percentY) {
    Press(GLUT_LEFT_BUTTON, (2 * percentX + 1) * g_windowWidth / 200,
          (2 * percentY + 1) * g_windowHeight / 200);
}

void IdleSeconds(int seconds) {
    for (int second = 0; second < seconds; ++second) {
        AdvanceManualClock(kClockTicksPerSecond);
        OnIdle();
        RunPendingFrame();
    }
}

void BuildStartUpGrid() {
    std::memset(g_walkGrid, 0, sizeof g_walkGrid);
    InitWalkGrid();
    BuildWallLayout();
}

std::vector<WalkCell> GridCopy() {
    return std::vector<WalkCell>(&g_walkGrid[0][0], &g_walkGrid[0][0] + kGridRows * kGridColumns);
}

std::vector<float> PoseNow() {
    return {g_playerX, g_playerY, g_playerZ, g_prevPlayerX, g_prevPlayerZ,
            g_yaw,     g_posX,    g_posY,    g_posZ};
}
