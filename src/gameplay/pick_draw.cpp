// The GL side of picking: reading back the depth of the last frame under the cursor, and the
// outline round the picked box.
#include <GL/gl.h>   // Required for: glGetDoublev(), glReadPixels(), glBegin(), glVertex3d()
#include <GL/glu.h>  // Required for: gluUnProject()

#include "gameplay/pick_boxes.h"
#include "gameplay/picking.h"
#include "world/camera.h"

namespace {

// The outline stands a little off the box so it is not hidden inside the surfaces it frames.
constexpr double kOutlineMargin = 0.02;

}  // namespace

// The camera is composed on the projection stack exactly as the frame does it, so the two
// matrices read back multiply to the transform the last frame was drawn with.
CameraMatrices ReadCameraMatrices() {
    CameraMatrices camera;
    glPushMatrix();
    ApplyCameraTransform();
    glGetDoublev(GL_MODELVIEW_MATRIX, camera.modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, camera.projection);
    glGetIntegerv(GL_VIEWPORT, camera.viewport);
    glPopMatrix();
    return camera;
}

bool ProjectToWindowPixel(const double point[3], int* x, int* y) {
    const CameraMatrices camera = ReadCameraMatrices();
    GLdouble windowX = 0, windowY = 0, depth = 0;
    if (gluProject(point[0], point[1], point[2], camera.modelview, camera.projection,
                   camera.viewport, &windowX, &windowY, &depth) == GL_FALSE) {
        return false;
    }
    *x = static_cast<int>(windowX);
    *y = camera.viewport[3] - 1 - static_cast<int>(windowY);
    return depth > 0.0 && depth < 1.0 && *x >= 0 && *x < camera.viewport[2] && *y >= 0 &&
           *y < camera.viewport[3];
}

int PickWorld(int x, int y) {
    const CameraMatrices camera = ReadCameraMatrices();
    const GLdouble* modelview = camera.modelview;
    const GLdouble* projection = camera.projection;
    const GLint* viewport = camera.viewport;

    const float windowX = static_cast<float>(x);
    const float windowY = static_cast<float>(viewport[3] - y - 1);
    // A pixel outside the window is not read and stays on the far plane: no box there.
    GLfloat depth = 1.0f;
    const GLint row = static_cast<GLint>(windowY);
    if (x >= 0 && x < viewport[2] && row >= 0 && row < viewport[3]) {
        BringBuffersToWindowSize();
        glReadPixels(x, row, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    }

    GLdouble world[3];
    if (gluUnProject(windowX, windowY, depth, modelview, projection, viewport, &world[0], &world[1],
                     &world[2]) == GL_FALSE) {
        return -1;
    }
    return FindPickBox(world[0], world[1], world[2]);
}

void BringBuffersToWindowSize() {
    glPushAttrib(GL_SCISSOR_BIT);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 0, 0);
    glClear(GL_DEPTH_BUFFER_BIT);
    glPopAttrib();
}

// Drawn for the latest picked box whether or not it is enabled, until another press.
// The models leave their last texture bound under GL_REPLACE and the light on, which would
// paint the lines in that texture's colour or shade them dark; the lines are drawn plain cyan
// and the texture and lighting state is handed back as the models left it.
void DrawSelectionOutline(int box) {
    if (box < 0 || box >= kPickBoxTotal) return;
    double a[3];
    double b[3];
    for (int axis = 0; axis < 3; ++axis) {
        a[axis] = g_pickBoxes[box].min[axis] - kOutlineMargin;
        b[axis] = g_pickBoxes[box].max[axis] + kOutlineMargin;
    }
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glColor3f(0.5f, 1.0f, 1.0f);
    glBegin(GL_LINE_LOOP);
    glVertex3d(a[0], a[1], a[2]);
    glVertex3d(b[0], a[1], a[2]);
    glVertex3d(b[0], b[1], a[2]);
    glVertex3d(a[0], b[1], a[2]);
    glEnd();
    glBegin(GL_LINE_LOOP);
    glVertex3d(a[0], a[1], b[2]);
    glVertex3d(b[0], a[1], b[2]);
    glVertex3d(b[0], b[1], b[2]);
    glVertex3d(a[0], b[1], b[2]);
    glEnd();
    glBegin(GL_LINES);
    glVertex3d(a[0], a[1], a[2]);
    glVertex3d(a[0], a[1], b[2]);
    glVertex3d(b[0], a[1], a[2]);
    glVertex3d(b[0], a[1], b[2]);
    glVertex3d(b[0], b[1], a[2]);
    glVertex3d(b[0], b[1], b[2]);
    glVertex3d(a[0], b[1], a[2]);
    glVertex3d(a[0], b[1], b[2]);
    glEnd();
    glPopAttrib();
}
