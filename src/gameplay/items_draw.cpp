// Drawing the movable items: the hammer and the bread until taken, the notes and keys that the
// player keeps until they are in the inventory, the bookcase where the keypad left it.
#include <GL/gl.h>  // Required for: glPushMatrix(), glTranslatef(), glPopMatrix()

#include "assets/obj_model.h"
#include "assets/view_volume.h"
#include "core/game_state.h"
#include "gameplay/progress.h"
#include "world/camera.h"

namespace {

// An item that stays in the inventory once taken: its model and the pick box that gives it.
struct KeptItem {
    obj3dmodel* model;
    int box;
};

const KeptItem kKeptItems[] = {
    {&g_note1Model, 0},  // note 1, icon 7
    {&g_key1Model, 1},   // key 1, icon 4
    {&g_key2Model, 7},   // key 2, icon 5
    {&g_note3Model, 9},  // note 3, icon 9
};

// Gone from where it lay once its icon is owned, and already on the frame whose press picked its
// box: the icon is granted after the items are drawn.
bool IsTaken(const KeptItem& item) {
    if (g_iconOwned[g_boxIcon[item.box]]) return true;
    return g_pickedBox == item.box && g_boxEnabled[item.box];
}

// The model's pieces in view, in the current transformation: the picture its two lists give.
void DrawInView(const obj3dmodel& model) {
    const ViewVolume view = CurrentViewVolume();
    model.DrawOpaque(view);
    model.DrawTransparent(view);
}

}  // namespace

void DrawItems() {
    if (g_hammerVisible) DrawInView(g_hammerModel);
    if (g_breadVisible) DrawInView(g_breadModel);
    for (const KeptItem& item : kKeptItems) {
        if (!IsTaken(item)) DrawInView(*item.model);
    }
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, g_bookcaseOffset);
    DrawInView(g_bookcaseModel);
    glPopMatrix();
}
