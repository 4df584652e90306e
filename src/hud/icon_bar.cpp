// Loading and drawing the icon bar and the large note pictures.
#include "hud/icon_bar.h"

#include <GL/gl.h>  // Required for: glTexImage2D(), glBegin(), glViewport()

#include "core/game_state.h"
#include "hud/bitmap.h"
#include "hud/hud_font.h"
#include "platform/data_path.h"

namespace {

// The large pictures of note slots 7 to 9 are pictures 10 to 12.
constexpr int kFirstNoteSlot = 7;
constexpr int kLastNoteSlot = 9;
constexpr int kNotePictureOffset = 3;

}  // namespace

void LoadIconBar() {
    glGenTextures(kIconPictureCount, g_iconTextures);
    // Rows of a BMP pixel block are padded to four bytes.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    for (int i = 0; i < kIconPictureCount; ++i) {
        LoadIconBitMap(DataPath(g_iconFiles[i]).c_str(), i);
        glBindTexture(GL_TEXTURE_2D, g_iconTextures[i]);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, g_iconWidth[i], g_iconHeight[i], 0, GL_BGR,
                     GL_UNSIGNED_BYTE, g_iconPixels[i]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    }
    // Every textured thing in the game relies on this from here on.
    glEnable(GL_TEXTURE_2D);
    for (int entry = 1; entry < kIconBarEntryCount; ++entry) g_iconOwned[entry] = 0;
    g_iconOwned[0] = 1;
    LayOutIconSlots();
    // The texts of the HUD corner need a font; finding it now reports a missing Chinese font at
    // start-up rather than on the first frame.
    HudFont();
}

namespace {

void DrawSlotPicture(int entry) {
    const float(&quad)[4][2] = g_iconRects[entry];
    glBindTexture(GL_TEXTURE_2D, g_iconTextures[entry]);
    // The pictures are stored bottom row first: t = 0 is their bottom, so they stand upright.
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2fv(quad[0]);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2fv(quad[1]);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2fv(quad[2]);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2fv(quad[3]);
    glEnd();
}

constexpr float kInHandColour[3] = {1.0f, 0.85f, 0.2f};  // yellow
constexpr float kRaisedColour[3] = {1.0f, 0.45f, 0.1f};  // orange: waiting for the blow

// A bright frame just outside the slot, so the player sees what is in hand.
void OutlineSlot(int slot, const float (&colour)[3], float lineWidth) {
    const float(&quad)[4][2] = g_iconRects[slot];
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LINE_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glLineWidth(lineWidth);
    glColor3fv(colour);
    glBegin(GL_LINE_LOOP);
    glVertex2f(quad[0][0] - 0.5f, quad[0][1] - 0.5f);
    glVertex2f(quad[1][0] + 0.5f, quad[1][1] - 0.5f);
    glVertex2f(quad[2][0] + 0.5f, quad[2][1] + 0.5f);
    glVertex2f(quad[3][0] - 0.5f, quad[3][1] + 0.5f);
    glEnd();
    glPopAttrib();
}

}  // namespace

void DrawIconBar(const OverlayLayout& layout) {
    glDisable(GL_DEPTH_TEST);
    // The background first, so the slots cover it.
    for (int entry = 0; entry < kIconBarEntryCount; ++entry) {
        if (g_iconOwned[entry] != 0) DrawSlotPicture(entry);
    }
    if (HammerRaised()) {
        // The raised hammer has left the inventory, but stays in view until it strikes.
        DrawSlotPicture(kHammerSlot);
        OutlineSlot(kHammerSlot, kRaisedColour, layout.slotOutlineWidth);
    }
    const int inHand = SlotInHand();
    if (inHand != 0) OutlineSlot(inHand, kInHandColour, layout.slotOutlineWidth);
    glEnable(GL_DEPTH_TEST);
}

void DrawIconPicture(int picture) {
    if (picture < 0 || picture >= kIconPictureCount) return;
    glBindTexture(GL_TEXTURE_2D, g_iconTextures[picture]);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(0.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(180.0f, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(180.0f, 100.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(0.0f, 100.0f);
    glEnd();
}

int OpenNoteSlot() {
    if (g_describeMode != 0) return 0;
    if (g_messageIndex < kFirstNoteSlot || g_messageIndex > kLastNoteSlot) return 0;
    return g_iconOwned[g_messageIndex] == 1 ? g_messageIndex : 0;
}

bool HammerRaised() {
    return g_iconOwned[kHammerSlot] == 0 &&
           (g_boxEnabled[4] == 1 || g_boxEnabled[13] == 1 || g_boxEnabled[14] == 1);
}

int SlotInHand() {
    if (g_describeMode != 0 || g_messageIndex < 1 || g_messageIndex >= kIconBarEntryCount) {
        return 0;
    }
    return g_iconOwned[g_messageIndex] == 1 ? g_messageIndex : 0;
}

void DrawNotePicture(int slot, const OverlayLayout& layout) {
    if (slot < kFirstNoteSlot || slot > kLastNoteSlot) return;
    const int picture = slot + kNotePictureOffset;
    glDisable(GL_DEPTH_TEST);
    const ScreenArea area = layout.NotePicture(slot);
    glViewport(area.x, area.y, area.width, area.height);
    DrawIconPicture(picture);
    // The viewport stays: the frame sets the HUD corner's next.
    glEnable(GL_DEPTH_TEST);
}
