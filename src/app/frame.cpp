// The display callback: the layers of a frame in their fixed order, and the per-frame rules
// that act on the selection latched by the last press.
#include "app/frame.h"

#include <GL/gl.h>  // Required for: glClear(), glPushMatrix(), glViewport(), glRasterPos2i()

#include "app/countdown.h"
#include "app/frame_rules.h"
#include "app/game_input.h"
#include "app/scene.h"
#include "assets/obj_model.h"
#include "assets/occlusion.h"
#include "assets/skybox.h"
#include "assets/view_volume.h"
#include "core/game_state.h"
#include "gameplay/item_use.h"
#include "gameplay/keypad.h"
#include "gameplay/picking.h"
#include "gameplay/progress.h"
#include "gameplay/screens.h"
#include "hud/hud_font.h"
#include "hud/hud_text.h"
#include "hud/icon_bar.h"
#include "hud/info_picture.h"
#include "hud/overlay.h"
#include "hud/overlay_layout.h"
#include "platform/toolkit.h"
#include "world/camera.h"

void DrawSkyAndHouse() {
    // The sky goes in after the house's opaque faces, where none of them lies, and before the
    // glass that is blended over it: the picture of the sky drawn first, without texturing it
    // under every wall. Pieces of the house outside the window, or hidden behind the largest walls
    // in view, are left out; so is the sky when those walls fill the window.
    const ViewVolume view = CurrentViewVolume();
    const Occlusion hiding = g_houseModel.Hiding(view);
    g_houseModel.DrawOpaque(view, hiding);
    g_skybox.DrawBehind(hiding);
    g_houseModel.DrawTransparent(view, hiding);
}

namespace {

// The house and all over it dimmed, and the word that the game is paused.
void DrawPausedOver(int width, int height) {
    BeginOverlay(0, 0, width, height);
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.0f, 0.0f, 0.55f);
    glRectf(-1.0f, -1.0f, 1.0f, 1.0f);
    glPopAttrib();
    EndOverlay(width, height);
    DrawHudTextBlock(LayOutMiddleLine(kPausedLine, width, height), width, height);
}

// The countdown in the HUD corner, and the floor in the window's lower-left corner, at whole
// window pixels in the window's one-unit-a-pixel projection: the font is rendered at the
// layout's sizes, so the texts come out sharp at any scale.
void DrawHudCornerTexts(const OverlayLayout& layout) {
    if (layout.windowWidth <= 0 || layout.windowHeight <= 0) return;
    glViewport(0, 0, layout.windowWidth, layout.windowHeight);
    glLoadIdentity();
    glOrtho(0, layout.windowWidth, 0, layout.windowHeight, -1, 1);
    // Set before the raster position, which latches it: the countdown is drawn in it.
    glColor3f(1.0f, 0.8f, 0.6f);
    glRasterPos2i(layout.countdownX, layout.countdownBaseline);
    DrawHudText(g_timeText, HudFontOfSize(layout.countdownFontPixels));
    // A dark copy just down and right keeps the floor's name readable on any wall.
    GlyphRasterizer& font = HudFontOfSize(layout.hudFontPixels);
    const int shadow = layout.floorShadowOffset;
    glColor3f(0.0f, 0.0f, 0.0f);
    glRasterPos2i(layout.floorLabelX + shadow, layout.floorLabelBaseline - shadow);
    DrawHudText(FloorLabelText(), font);
    glColor3f(1.0f, 0.8f, 0.6f);
    glRasterPos2i(layout.floorLabelX, layout.floorLabelBaseline);
    DrawHudText(FloorLabelText(), font);
}

}  // namespace

void OnDisplay() {
    const int width = g_windowWidth;
    const int height = g_windowHeight;

    if (g_startScreenShown || g_endScreenShown) g_screens.Draw(width, height);

    const FrameRulesOutcome rules = RunFrameRules();

    if (rules.houseShown) {
        FinishScene();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

        // The house, seen from the player's camera.
        glPushMatrix();
        ApplyCameraTransform();
        DrawSkyAndHouse();
        DrawItems();
        DrawSelectionOutline(g_pickedBox);
        glPopMatrix();

        // Everything over the house stands where the layout puts it at this window's scale; the
        // mouse callback reads presses through the same layout.
        const OverlayLayout layout = LayOutOverlays(width, height);
        // The HUD corner: the bar's 180 by 100 overlay units over the corner's pixels.
        glPushMatrix();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, kHudCornerWidth, 0, kHudCornerHeight, -1, 1);
        if (rules.noteSlot != 0) DrawNotePicture(rules.noteSlot, layout);
        const ScreenArea& corner = layout.hudCorner;
        glViewport(corner.x, corner.y, corner.width, corner.height);
        DrawIconBar(layout);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glBindTexture(GL_TEXTURE_2D, 0);
        DrawHudCornerTexts(layout);
        glEnable(GL_LIGHTING);
        glEnable(GL_DEPTH_TEST);
        glViewport(0, 0, width, height);
        glPopMatrix();

        if (g_keypad.InView()) g_keypad.Draw(layout);
        // Answers to the last press, over the panel: the hint under the bar, and the word that
        // the item in hand did nothing where it landed.
        if (g_describeMode == 1 && !HintPutAwayByMove())
            DrawIconHint(g_messageIndex, width, height);
        DrawItemUseLine(width, height);
        g_infoPicture.HideIfPlayerMoved();
        if (g_infoPicture.shown) g_infoPicture.Draw(layout);
        if (g_paused) DrawPausedOver(width, height);
    }

    Toolkit().swapBuffers();
    StartSceneTune();
    FinishScene();
}
