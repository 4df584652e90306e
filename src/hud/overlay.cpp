// The overlay drawing shared by the screens, the keypad panel and the info pictures.
#include "hud/overlay.h"

#include <GL/gl.h>  // Required for: glPushAttrib(), glViewport(), glOrtho(), glBegin()

void BeginOverlay(int x, int y, int width, int height) {
    glPushMatrix();
    glPushAttrib(GL_LIGHTING_BIT | GL_FOG_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glViewport(x, y, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -1, 1);
}

void DrawOverlayQuad(float left, float bottom, float right, float top) {
    glBegin(GL_QUADS);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(right, top);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(left, top);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(left, bottom);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(right, bottom);
    glEnd();
}

void LeaveOverlayColourAndRaster() {
    glColor3f(1.0f, 0.0f, 0.0f);
    glRasterPos2i(-1, 0);
}

void EndOverlay(int windowWidth, int windowHeight) {
    glViewport(0, 0, windowWidth, windowHeight);
    glPopAttrib();
    glPopMatrix();
}
