// The mouse callback. It only latches what the press found; the frame acts on the latched
// values (progress rules, outline, note pictures) until the next press replaces them.
#include "gameplay/picking.h"

#include <GL/freeglut.h>  // Required for: GLUT_DOWN, GLUT_LEFT_BUTTON, GLUT_RIGHT_BUTTON

#include "app/game_state.h"
#include "gameplay/keypad.h"
#include "gameplay/screens.h"
#include "hud/icon_bar.h"
#include "hud/info_picture.h"
#include "platform/clock.h"
#include "platform/toolkit.h"

namespace {

// The icon bar's corner of the window, in pixels from the top-right corner.
constexpr int kIconBarWidth = 180;
constexpr int kIconBarHeight = 100;
// The keypad panel's origin: 300 pixels left of the right edge, 400 below the top.
constexpr int kKeypadOriginLeft = 300;
constexpr int kKeypadOriginDown = 400;

WorldPickFunction g_worldPick = PickWorld;

}  // namespace

void SetWorldPick(WorldPickFunction pick) {
    g_worldPick = pick != nullptr ? pick : PickWorld;
}

int WindowPercent(int pixel, int windowSize) {
    if (windowSize <= 0) return -1;
    return static_cast<int>(static_cast<double>(pixel) / windowSize * 100.0);
}

// Nothing is skipped because an overlay covers the pixel: overlays never write depth, so a
// left press on a screen, the keypad or the icon bar still picks the house behind it.
void OnMouse(int button, int state, int x, int y) {
    if (state != GLUT_DOWN) return;

    g_messageIndex = -1;
    g_describeMode = 0;
    if (x >= g_windowWidth - kIconBarWidth && y <= kIconBarHeight) {
        g_messageIndex = IconBarHitTest(x - g_windowWidth + kIconBarWidth, kIconBarHeight - y);
    }

    if (button == GLUT_LEFT_BUTTON) {
        g_pickedBox = g_worldPick(x, y);
        g_infoPicture.Select(g_pickedBox);
        if (g_keypadShown || g_pickedBox == kKeypadPickBox) {
            g_keypad.HandlePress(x - g_windowWidth + kKeypadOriginLeft, kKeypadOriginDown - y);
        }
        const int percentX = WindowPercent(x, g_windowWidth);
        const int percentY = WindowPercent(y, g_windowHeight);
        if (g_startScreenShown && g_screens.StartButtonTest(percentX, percentY)) {
            g_startClock = GameClock();  // the full three minutes from the start button on
        }
        // Tested after the start button, so a flag it changed already counts here.
        if (g_endScreenShown) g_screens.EndButtonTest(percentX, percentY);
    } else if (button == GLUT_RIGHT_BUTTON) {
        g_describeMode = 1;
    }

    Toolkit().postRedisplay();
}
