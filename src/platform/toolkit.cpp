// Toolkit hooks: the real GLUT calls for the game, counting stand-ins for tests.
#include "platform/toolkit.h"

#include <GL/freeglut.h>  // Required for: glutPostRedisplay(), glutFullScreen(), glutSwapBuffers()
#include <GL/glx.h>       // Required for: glXGetCurrentDisplay()
#include <X11/Xlib.h>     // Required for: XPending(), ConnectionNumber()
#include <poll.h>         // Required for: poll()

#include <algorithm>  // Required for: std::min()
#include <chrono>     // Required for: std::chrono::milliseconds
#include <cstdlib>    // Required for: std::exit()
#include <thread>     // Required for: std::this_thread::sleep_for()

#include "app/frame.h"

namespace {

void DoNothing() {}
void DoNothingWithSize(int, int) {}
void DoNotWait(int) {}
void ExitNow(int status) {
    std::exit(status);
}

// Sleeps on the X connection the window's events arrive on, so a key or a click wakes the game
// at once and a quiet game wakes only when the countdown is due. Events Xlib has read already
// are handed to GLUT without waiting.
void WaitOnWindowConnection(int milliseconds) {
    if (milliseconds <= 0) return;
    Display* display = glXGetCurrentDisplay();
    if (display == nullptr) {
        // No X connection to watch: short naps, so input still never waits long.
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(milliseconds, 15)));
        return;
    }
    if (XPending(display) > 0) return;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, milliseconds);
}

ToolkitHooks g_hooks = {DoNothing, DoNothing, DoNothingWithSize, DoNothing,
                        DoNothing, ExitNow,   DoNotWait};
ToolkitCallCounts g_counts;

}  // namespace

bool WaitForDisplay(int milliseconds) {
    for (int waited = 0;; waited += 50) {
        if (Display* display = XOpenDisplay(nullptr)) {
            XCloseDisplay(display);
            return true;
        }
        if (waited >= milliseconds) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

ToolkitHooks& Toolkit() {
    return g_hooks;
}

void InstallGlutToolkit() {
    g_hooks.postRedisplay = [] { glutPostRedisplay(); };
    g_hooks.fullScreen = [] { glutFullScreen(); };
    // X refuses a window of no pixels, and Xlib's answer to the refusal ends the process: a size
    // recorded from a window 0 pixels wide or high asks for one pixel instead.
    g_hooks.reshapeWindow = [](int width, int height) {
        glutReshapeWindow(std::max(width, 1), std::max(height, 1));
    };
    g_hooks.swapBuffers = [] { glutSwapBuffers(); };
    g_hooks.drawFrameNow = OnDisplay;
    g_hooks.exitProcess = ExitNow;
    g_hooks.waitForInput = WaitOnWindowConnection;
}

void InstallCountingToolkit() {
    g_counts = ToolkitCallCounts{};
    g_hooks.postRedisplay = [] { ++g_counts.postRedisplay; };
    g_hooks.fullScreen = [] { ++g_counts.fullScreen; };
    g_hooks.reshapeWindow = [](int width, int height) {
        ++g_counts.reshapeWindow;
        g_counts.lastReshapeWidth = width;
        g_counts.lastReshapeHeight = height;
    };
    g_hooks.swapBuffers = [] { ++g_counts.swapBuffers; };
    g_hooks.drawFrameNow = [] { ++g_counts.drawFrameNow; };
    g_hooks.exitProcess = [](int status) {
        ++g_counts.exitProcess;
        g_counts.lastExitStatus = status;
    };
    g_hooks.waitForInput = [](int milliseconds) {
        ++g_counts.waitForInput;
        g_counts.lastWaitMilliseconds = milliseconds;
    };
}

ToolkitCallCounts& ToolkitCalls() {
    return g_counts;
}
