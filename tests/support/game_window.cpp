// The windowed test fixture: the real window, the real start-up, frames captured on present.
#include "support/game_window.h"

#include <GL/freeglut.h>  // Required for: glutInit(), glutMainLoopEvent(), glutSwapBuffers()
#include <png.h>          // Required for: png_image_write_to_file()
#include <unistd.h>       // Required for: chdir()

#include <algorithm>  // Required for: std::fill()
#include <cstdio>     // Required for: std::fprintf()
#include <cstdlib>    // Required for: std::getenv(), std::abort()

#include "app/game_state.h"
#include "app/scene.h"
#include "gameplay/keypad.h"
#include "gameplay/screens.h"
#include "hud/info_picture.h"
#include "platform/clock.h"
#include "platform/data_path.h"
#include "platform/toolkit.h"
#include "world/walk_grid.h"
#include "world/wall_layout.h"

namespace {

bool g_windowOpen = false;
bool g_sceneReady = false;
std::vector<Rgb> g_lastFrame;
int g_lastWidth = 0;
int g_lastHeight = 0;

// Keeps what the frame drew before presenting it: reading the back buffer before the swap is
// the one read every GL implementation defines.
void CaptureAndSwap() {
    g_lastWidth = g_windowWidth > 0 ? g_windowWidth : 800;
    g_lastHeight = g_windowHeight > 0 ? g_windowHeight : 600;
    std::vector<std::uint8_t> bytes(static_cast<size_t>(g_lastWidth) * g_lastHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, g_lastWidth, g_lastHeight, GL_RGB, GL_UNSIGNED_BYTE, bytes.data());
    g_lastFrame.resize(static_cast<size_t>(g_lastWidth) * g_lastHeight);
    for (size_t i = 0; i < g_lastFrame.size(); ++i) {
        g_lastFrame[i] = Rgb{bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]};
    }
    glutSwapBuffers();
}

}  // namespace

void OpenTestWindow() {
    if (g_windowOpen) return;
    if (std::getenv("DISPLAY") == nullptr) {
        std::fprintf(stderr, "windowed tests need an X display; run them through ./test\n");
        std::abort();
    }
    if (!WaitForDisplay(5000)) {
        std::fprintf(stderr, "cannot open the X display %s\n", std::getenv("DISPLAY"));
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
    g_iconOwned[0] = 1;
    UseManualClock(0);
    OnReshape(800, 600);
}

void DrawFrame() {
    Toolkit().drawFrameNow();
}

std::vector<Rgb> ReadWindowPixels(int* width, int* height) {
    *width = g_lastWidth;
    *height = g_lastHeight;
    return g_lastFrame;
}

Rgb PixelAt(int x, int y) {
    if (x < 0 || y < 0 || x >= g_lastWidth || y >= g_lastHeight) return Rgb{0, 0, 0};
    return g_lastFrame[static_cast<size_t>(g_lastHeight - 1 - y) * g_lastWidth + x];
}

bool SaveWindowPng(const std::string& path) {
    if (g_lastFrame.empty()) return false;
    std::vector<std::uint8_t> topFirst(g_lastFrame.size() * 3);
    for (int row = 0; row < g_lastHeight; ++row) {
        for (int x = 0; x < g_lastWidth; ++x) {
            const Rgb& pixel =
                g_lastFrame[static_cast<size_t>(g_lastHeight - 1 - row) * g_lastWidth + x];
            std::uint8_t* out = &topFirst[(static_cast<size_t>(row) * g_lastWidth + x) * 3];
            out[0] = pixel.r;
            out[1] = pixel.g;
            out[2] = pixel.b;
        }
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(g_lastWidth);
    image.height = static_cast<png_uint_32>(g_lastHeight);
    image.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&image, path.c_str(), 0, topFirst.data(), 0, nullptr) != 0;
}
