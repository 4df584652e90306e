// The only GL in the world: the walking rules stay free of it.
#include "world/camera.h"

#include <GL/gl.h>   // Required for: glRotatef(), glTranslatef()
#include <GL/glu.h>  // Required for: gluLookAt()

#include "core/game_state.h"

void ApplyCameraTransform() {
    glRotatef(-g_yaw, 0.0f, 1.0f, 0.0f);
    gluLookAt(3.0, 4.0, -1.0, 3.0, 4.0, -2.0, 0.0, 1.0, 0.0);
    glTranslatef(g_posX, g_posY, g_posZ);
}
