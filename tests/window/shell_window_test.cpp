// The shell in a real window: start-up, reshape, frames.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "app/frame.h"
#include "app/game_state.h"
#include "app/scene.h"
#include "support/game_window.h"

namespace {

class ShellWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpenGameWindow();
        ResetGameForTest();
    }
};

TEST_F(ShellWindowTest, ReshapeToNoHeightKeepsTheRecordedHeight) {
    OnReshape(800, 0);
    EXPECT_EQ(g_windowWidth, 800);
    EXPECT_EQ(g_windowHeight, 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[3], 0);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_PROJECTION);
    // The aspect ratio is width / 1: the x scale of the perspective is cot(15) / 800.
    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[0], 3.7320508 / 800.0, 1e-6);
    OnReshape(800, 600);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[0], 3.7320508 / (800.0 / 600.0), 1e-5);
}

TEST_F(ShellWindowTest, FramesLeaveTheProjectionStackAsTheyFoundIt) {
    for (int frame = 0; frame < 3; ++frame) {
        OnDisplay();
        GLint depth = 0;
        glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
        EXPECT_EQ(depth, 1);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
    int width = 0, height = 0;
    EXPECT_EQ(ReadWindowPixels(&width, &height).size(), 800u * 600u);
}

}  // namespace
