// The replay driver's window and its toolkit hooks.
#include "replay_window.h"

#include <GL/freeglut.h>  // Required for: glutMainLoopEvent(), glutSwapBuffers(), glutReshapeWindow()
#include <png.h>          // Required for: png_image_write_to_file()

#include <algorithm>  // Required for: std::copy_n()
#include <cerrno>     // Required for: errno
#include <chrono>     // Required for: std::chrono::milliseconds
#include <cstdio>     // Required for: std::rename(), std::remove()
#include <cstring>    // Required for: std::strerror()
#include <thread>     // Required for: std::this_thread::sleep_for()

#include "app/frame.h"
#include "app/game_input.h"
#include "app/scene.h"
#include "core/game_state.h"
#include "gameplay/picking.h"
#include "platform/clock.h"
#include "platform/heap.h"
#include "platform/toolkit.h"

namespace {

bool g_redisplayPosted = false;
std::vector<std::uint8_t> g_frame;  // top row first
int g_frameWidth = 0;
int g_frameHeight = 0;
int g_presented = 0;

// What the frame drew is kept before the swap: the back buffer is the one buffer whose content
// every GL implementation defines at that moment.
void CaptureAndPresent() {
    const int width = g_windowWidth > 0 ? g_windowWidth : 0;
    const int height = g_windowHeight > 0 ? g_windowHeight : 0;
    const int windowWidth = glutGet(GLUT_WINDOW_WIDTH);
    const int windowHeight = glutGet(GLUT_WINDOW_HEIGHT);
    g_frameWidth = width < windowWidth ? width : windowWidth;
    g_frameHeight = height < windowHeight ? height : windowHeight;
    std::vector<std::uint8_t> bottomFirst(static_cast<size_t>(g_frameWidth) * g_frameHeight * 3);
    if (!bottomFirst.empty()) {
        // A frame that drew nothing (the restart's) may follow a resize.
        BringBuffersToWindowSize();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, g_frameWidth, g_frameHeight, GL_RGB, GL_UNSIGNED_BYTE,
                     bottomFirst.data());
    }
    g_frame.resize(bottomFirst.size());
    const size_t rowBytes = static_cast<size_t>(g_frameWidth) * 3;
    // A window 0 pixels wide still has rows, of no bytes: there is nothing to index then.
    for (int row = 0; !g_frame.empty() && row < g_frameHeight; ++row) {
        std::copy_n(&bottomFirst[static_cast<size_t>(g_frameHeight - 1 - row) * rowBytes], rowBytes,
                    &g_frame[static_cast<size_t>(row) * rowBytes]);
    }
    glutSwapBuffers();
    ++g_presented;
}

// The toolkit's own display and reshape events are not the script's: a run must be the same
// every time, so exposures only mark the window for the next honoured redisplay.
void IgnoreDisplayEvent() {}
void IgnoreReshapeEvent(int, int) {}

void PumpWindowEvents() {
    for (int i = 0; i < 4; ++i) glutMainLoopEvent();
}

}  // namespace

void OpenReplayWindow(int* argc, char** argv) {
    // The tests run many drivers against one virtual X server; without one at all, GLUT says so.
    WaitForDisplay(5000);
    // Started as the game starts: the files read ahead while the window opens.
    PrepareHeapForStartUp();
    StartReadingSceneAhead();
    CreateGameWindow(argc, argv);
    glutDisplayFunc(IgnoreDisplayEvent);
    glutReshapeFunc(IgnoreReshapeEvent);
    Toolkit().postRedisplay = [] { g_redisplayPosted = true; };
    Toolkit().swapBuffers = CaptureAndPresent;
    // The script's down and up are the keyboard here: no real key is ever held on the server.
    Toolkit().keyIsDown = [](int) { return true; };
    UseManualClock(0);
    PumpWindowEvents();
    InitScene();
    OnReshape(800, 600);
    // The settings are read, and written on M, Enter and Esc, as the game does.
    ApplySettingsAtStart();
}

void HonourPostedRedisplay() {
    PumpWindowEvents();
    if (!g_redisplayPosted) return;
    g_redisplayPosted = false;
    OnDisplay();
}

void ResizeReplayWindow(int width, int height) {
    if (width > 0 && height > 0) {
        glutReshapeWindow(width, height);
        // The next frame must be drawn into the window at its new size: wait (two seconds at
        // most) until the server has grown it, or the frame is drawn into the old one.
        for (int waited = 0; waited < 2000; waited += 5) {
            PumpWindowEvents();
            if (glutGet(GLUT_WINDOW_WIDTH) == width && glutGet(GLUT_WINDOW_HEIGHT) == height) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    OnReshape(width, height);
}

bool LastFrame(std::vector<std::uint8_t>* rgb, int* width, int* height) {
    *rgb = g_frame;
    *width = g_frameWidth;
    *height = g_frameHeight;
    return !g_frame.empty();
}

bool WriteShot(const std::string& path, std::string* error) {
    if (g_frame.empty()) {
        *error = "no frame has been presented yet";
        return false;
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(g_frameWidth);
    image.height = static_cast<png_uint_32>(g_frameHeight);
    image.format = PNG_FORMAT_RGB;
    // Written beside its name and renamed, so whoever waits for the file never reads half of it.
    const std::string partial = path + ".part";
    if (png_image_write_to_file(&image, partial.c_str(), 0, g_frame.data(), 0, nullptr) == 0) {
        *error = std::string("cannot write ") + partial + ": " + image.message;
        std::remove(partial.c_str());
        return false;
    }
    if (std::rename(partial.c_str(), path.c_str()) != 0) {
        *error = "cannot rename " + partial + " to " + path + ": " + std::strerror(errno);
        std::remove(partial.c_str());
        return false;
    }
    return true;
}

int PresentedFrames() {
    return g_presented;
}
