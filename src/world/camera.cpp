// The only GL in the world: the walking rules stay free of it.
#include "world/camera.h"

#include <GL/gl.h>   // Required for: glRotatef(), glTranslatef(), glGetFloatv()
#include <GL/glu.h>  // Required for: gluLookAt()

#include "assets/view_volume.h"
#include "core/game_state.h"

void ApplyCameraTransform() {
    glRotatef(-g_yaw, 0.0f, 1.0f, 0.0f);
    gluLookAt(3.0, 4.0, -1.0, 3.0, 4.0, -2.0, 0.0, 1.0, 0.0);
    glTranslatef(g_posX, g_posY, g_posZ);
}

ViewVolume CurrentViewVolume() {
    float projection[16];
    float modelview[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    // clip = projection * modelview * point, both column-major.
    float clip[16];
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) {
                sum += static_cast<double>(projection[row + 4 * k]) * modelview[k + 4 * column];
            }
            clip[row + 4 * column] = static_cast<float>(sum);
        }
    }
    // The translation moves the world by the position, the fixed eye stands at (3, 4, -1).
    const float eye[3] = {3.0f - g_posX, 4.0f - g_posY, -1.0f - g_posZ};
    int viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    return ViewVolume::FromClipMatrix(clip, eye, viewport);
}
