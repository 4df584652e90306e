// The windowed test fixture: the real window, the real start-up, frames captured on present.
#include "support/game_window.h"

#include <gtest/gtest.h>

#include <GL/freeglut.h>  // Required for: glutInit(), glutMainLoopEvent(), glutSwapBuffers()
#include <unistd.h>       // Required for: chdir()

#include <chrono>   // Required for: std::chrono::milliseconds
#include <cstdio>   // Required for: std::fprintf()
#include <cstdlib>  // Required for: std::getenv(), std::abort()
#include <iterator>
#include <thread>  // Required for: std::this_thread::sleep_for()
#include <vector>

#include "app/scene.h"
#include "core/game_state.h"
#include "gameplay/item_use.h"
#include "gameplay/keypad.h"
#include "gameplay/picking.h"
#include "gameplay/screens.h"
#include "hud/info_picture.h"
#include "platform/clock.h"
#include "platform/data_path.h"
#include "platform/toolkit.h"
#include "world/walk_grid.h"
#include "world/wall_layout.h"

namespace {

bool g_windowOpen = false, g_sceneReady = false;
std::vector<Rgb> g_lastFrame;  // read straight from GL_RGB rows
static_assert(sizeof(Rgb) == 3);
int g_lastWidth = 0, g_lastHeight = 0;

// Keeps what the frame drew before presenting it: reading the back buffer before the swap is
// the one read every GL implementation defines.
void CaptureAndSwap() {
    g_lastWidth = g_windowWidth > 0 ? g_windowWidth : 800;
    g_lastHeight = g_windowHeight > 0 ? g_windowHeight : 600;
    g_lastFrame.resize(static_cast<size_t>(g_lastWidth) * g_lastHeight);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, g_lastWidth, g_lastHeight, GL_RGB, GL_UNSIGNED_BYTE, g_lastFrame.data());
    glutSwapBuffers();
}

}  // namespace

void OpenTestWindow() {
    if (g_windowOpen) return;
    if (std::getenv("DISPLAY") == nullptr || !WaitForDisplay(5000)) {
        std::fprintf(stderr, "windowed tests need an X display; run them through ./test\n");
        std::abort();
    }
    static int argc = 1;
    static char name[] = "escape-house-test";
    static char* argv[] = {name, nullptr};
    CreateGameWindow(&argc, argv);
    RegisterCallbacks();
    Toolkit().swapBuffers = CaptureAndSwap;
    Toolkit().postRedisplay = [] {};
    g_windowOpen = true;
    for (int i = 0; i < 3; ++i) glutMainLoopEvent();
}

void OpenGameWindow() {
    OpenTestWindow();
    if (g_sceneReady) return;
    if (chdir(ESCAPE_HOUSE_BUILD_DIR) != 0) {
        std::fprintf(stderr, "cannot enter the build folder %s\n", ESCAPE_HOUSE_BUILD_DIR);
        std::abort();
    }
    ResetDataRoot();
    UseManualClock(0);
    InitScene();
    FinishScene();
    EXPECT_EQ(std::vector<int>(std::begin(g_iconOwned), std::end(g_iconOwned)),
              std::vector<int>({1, 0, 0, 0, 0, 0, 0, 0, 0, 0}))
        << "start-up owns only the bar's background";
    OnReshape(800, 600);
    g_sceneReady = true;
}

void ResetGameForTest() {
    ResetGameStateToStart();
    g_keypad.Init();
    g_screens.Init();
    g_screens.startScreenShown = 0;
    InitWalkGrid();
    BuildWallLayout();
    g_infoPicture.Init();
    ClearItemUseLine();
    g_iconOwned[0] = 1;
    UseManualClock(0);
    OnReshape(800, 600);
}

bool ResizeTestWindow(int w, int h) {
    glutReshapeWindow(w, h);
    bool reached = false;
    for (int waited = 0; waited < 2000 && !reached; waited += 5) {
        glutMainLoopEvent();
        reached = glutGet(GLUT_WINDOW_WIDTH) == w && glutGet(GLUT_WINDOW_HEIGHT) == h;
        if (!reached) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    OnReshape(w, h);
    // Mesa's software renderers grow their buffers only when something is drawn.
    BringBuffersToWindowSize();
    return reached;
}

void DrawFrame() {
    Toolkit().drawFrameNow();
}

std::vector<Rgb> ReadWindowPixels(int* width, int* height) {
    *width = g_lastWidth, *height = g_lastHeight;
    return g_lastFrame;
}

Rgb PixelAt(int x, int y) {
    if (x < 0 || y < 0 || x >= g_lastWidth || y >= g_lastHeight) return Rgb{0, 0, 0};
    return g_lastFrame[static_cast<size_t>(g_lastHeight - 1 - y) * g_lastWidth + x];
}

unsigned int MakeNearestTexture(int width, int height, const std::vector<Rgb>& pixels) {
    unsigned int texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    return texture;
}
