// The mouse callback. It only latches what the press found; the frame acts on the latched
// values (progress rules, outline, note pictures) until the next press replaces them.
#include "gameplay/picking.h"

#include <GL/freeglut.h>  // Required for: GLUT_DOWN, GLUT_LEFT_BUTTON, GLUT_RIGHT_BUTTON

#include "core/game_state.h"
#include "gameplay/item_use.h"
#include "gameplay/keypad.h"
#include "gameplay/screens.h"
#include "hud/hud_text.h"
#include "hud/icon_bar.h"
#include "hud/info_picture.h"
#include "hud/overlay_layout.h"
#include "platform/clock.h"
#include "platform/toolkit.h"

namespace {

WorldPickFunction g_worldPick = PickWorld;

}  // namespace

void SetWorldPick(WorldPickFunction pick) {
    g_worldPick = pick != nullptr ? pick : PickWorld;
}

int WindowPercent(int pixel, int windowSize) {
    if (windowSize <= 0) return -1;
    return static_cast<int>(static_cast<double>(pixel) / windowSize * 100.0);
}

bool PressLandsOnOverlay(int x, int y) {
    const int h = g_windowHeight;
    if (g_startScreenShown || g_endScreenShown) return true;
    const OverlayLayout layout = LayOutOverlays(g_windowWidth, h);
    // The bar's background: the part of the HUD corner that covers the house.
    if (layout.iconEntries[0].HoldsPress(x, y, h)) return true;
    const int noteSlot = OpenNoteSlot();
    if (noteSlot != 0 && layout.NotePicture(noteSlot).HoldsPress(x, y, h)) return true;
    if (g_keypad.InView() && layout.keypadPanel.HoldsPress(x, y, h)) return true;
    return g_infoPicture.shown && g_infoPicture.current >= 0 &&
           layout.infoPicture.HoldsPress(x, y, h);
}

// Overlays never write depth, so the depth under a press on one still holds the house behind
// it; a press meant for the overlay must not also take or open what lies behind.
void OnMouse(int button, int state, int x, int y) {
    if (state != GLUT_DOWN) return;
    // The item in hand is the one the last press left there, before this press replaces it.
    const HeldItem held = ItemInHand();
    // Judged by what the last press left on screen, before this press changes it.
    g_infoPicture.HideIfPlayerMoved();
    const bool onOverlay = PressLandsOnOverlay(x, y);
    // The closed panel's moment of "code accepted" ends with the next press, which is meant for
    // the house now: the panel must not seem to stay open.
    if (!g_keypadShown && g_keypad.ShowsAcceptance())
        g_keypad.verdict = KeypadPanel::Verdict::kNone;

    // The bar and the keypad read the press where the frame drew them, at the window's scale.
    const OverlayLayout layout = LayOutOverlays(g_windowWidth, g_windowHeight);
    g_messageIndex = -1;
    g_describeMode = 0;
    if (layout.InHudCorner(x, y)) g_messageIndex = IconBarHitTest(layout.BarX(x), layout.BarY(y));

    if (button == GLUT_LEFT_BUTTON) {
        g_pickedBox = onOverlay ? -1 : g_worldPick(x, y);
        g_infoPicture.Select(g_pickedBox);
        if (!onOverlay) NoteItemUse(held, g_pickedBox);
        // A game started from a picture starts without the last game's word.
        if (g_startScreenShown || g_endScreenShown) ClearItemUseLine();
        if (g_keypadShown || g_pickedBox == kKeypadPickBox) {
            g_keypad.HandlePress(layout.PanelX(x), layout.PanelY(y));
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
        RememberHintPose();
    }

    Toolkit().postRedisplay();
}
