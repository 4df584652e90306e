// Drawing the movable items: the hammer and the bread until taken, the bookcase where the
// keypad left it.
#include <GL/gl.h>  // Required for: glPushMatrix(), glTranslatef(), glPopMatrix()

#include "app/game_state.h"
#include "assets/obj_model.h"
#include "gameplay/progress.h"

void DrawItems() {
    HideTakenItems(g_pickedBox);
    if (g_hammerVisible) g_hammerModel.Draw();
    if (g_breadVisible) g_breadModel.Draw();
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, g_bookcaseOffset);
    g_bookcaseModel.Draw();
    glPopMatrix();
}
