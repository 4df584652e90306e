// Toolkit hooks: the real GLUT calls for the game, counting stand-ins for tests.
#include "platform/toolkit.h"

#include <GL/freeglut.h>  // Required for: glutPostRedisplay(), glutFullScreen(), glutSwapBuffers()

#include <cstdlib>  // Required for: std::exit()

#include "app/frame.h"

namespace {

void DoNothing() {}
void DoNothingWithSize(int, int) {}
void ExitNow(int status) {
    std::exit(status);
}

ToolkitHooks g_hooks = {DoNothing, DoNothing, DoNothingWithSize, DoNothing, DoNothing, ExitNow};
ToolkitCallCounts g_counts;

}  // namespace

ToolkitHooks& Toolkit() {
    return g_hooks;
}

void InstallGlutToolkit() {
    g_hooks.postRedisplay = [] { glutPostRedisplay(); };
    g_hooks.fullScreen = [] { glutFullScreen(); };
    g_hooks.reshapeWindow = [](int width, int height) { glutReshapeWindow(width, height); };
    g_hooks.swapBuffers = [] { glutSwapBuffers(); };
    g_hooks.drawFrameNow = OnDisplay;
    g_hooks.exitProcess = ExitNow;
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
}

ToolkitCallCounts& ToolkitCalls() {
    return g_counts;
}
