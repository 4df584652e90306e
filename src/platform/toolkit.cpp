// Toolkit hooks: the real GLUT calls for the game, counting stand-ins for tests.
#include "platform/toolkit.h"

#include <GL/freeglut.h>  // Required for: glutPostRedisplay(), glutFullScreen(), glutSwapBuffers()
#include <GL/glx.h>       // Required for: glXGetCurrentDisplay()
#include <X11/Xlib.h>     // Required for: XPending(), ConnectionNumber(), XQueryKeymap()
#include <X11/keysym.h>   // Required for: XK_Left, XK_Up, XK_Right, XK_Down
#include <fcntl.h>        // Required for: O_NONBLOCK, O_CLOEXEC
#include <poll.h>         // Required for: poll()
#include <signal.h>       // Required for: sigaction(), SIGINT, SIGTERM
#include <unistd.h>       // Required for: pipe2(), write()

#include <algorithm>  // Required for: std::min()
#include <chrono>     // Required for: std::chrono::milliseconds
#include <cstdio>     // Required for: std::fflush()
#include <cstdlib>    // Required for: std::exit(), std::_Exit()
#include <thread>     // Required for: std::this_thread::sleep_for()

#include "platform/sound.h"

namespace {

void DoNothing() {}
void DoNothingWithSize(int, int) {}
void DoNotWait(int) {}
bool TrustReleases(int) {
    return true;
}
// The audio device is handed back before the process goes, however the game ends.
void ExitNow(int status) {
    if (!CloseTune()) {
        // A thread stuck in the audio library must not meet that library's ends.
        std::fflush(nullptr);
        std::_Exit(status);
    }
    std::exit(status);
}

// The end signal caught (SIGINT or SIGTERM), 0 until one comes. The handler also writes a byte
// into a pipe whose read end the idle wait watches beside the X connection, so a signal wakes
// a game that sleeps until the next second of the countdown.
volatile sig_atomic_t g_endSignal = 0;
int g_signalPipe[2] = {-1, -1};

void OnEndSignal(int signal) {
    if (g_endSignal == 0) g_endSignal = signal;
    if (g_signalPipe[1] >= 0) {
        const char wake = 1;
        // A full pipe already wakes the wait; nothing else can be done about a failure here.
        [[maybe_unused]] const ssize_t written = write(g_signalPipe[1], &wake, 1);
    }
}

// Ends the game for a caught signal: status 128 plus the signal's number, as a shell reports
// a program the signal ended (130 for Ctrl+C, 143 for SIGTERM).
void EndIfSignalled() {
    if (g_endSignal != 0) ExitNow(128 + g_endSignal);
}

// Sleeps on the X connection the window's events arrive on, so a key or a click wakes the game
// at once and a quiet game wakes only when the countdown is due. Events Xlib has read already
// are handed to GLUT without waiting.
// The idle callback waits here whenever it has nothing to draw, so this is where a caught end
// signal ends the game; a frame's swap looks too, in case the game is busy drawing.
void WaitOnWindowConnection(int milliseconds) {
    EndIfSignalled();
    if (milliseconds <= 0) return;
    Display* display = glXGetCurrentDisplay();
    if (display == nullptr) {
        // No X connection to watch: short naps, so input still never waits long.
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(milliseconds, 15)));
        EndIfSignalled();
        return;
    }
    if (XPending(display) > 0) return;
    // A negative descriptor (no signals caught) is skipped by poll.
    pollfd watched[2] = {{ConnectionNumber(display), POLLIN, 0}, {g_signalPipe[0], POLLIN, 0}};
    poll(watched, 2, milliseconds);
    EndIfSignalled();
}

// The X server's record of the keyboard: whether `key` is down now. A key that X cannot name
// counts as down, so that only its release stops it.
bool KeyDownOnServer(int key) {
    Display* display = glXGetCurrentDisplay();
    if (display == nullptr) return true;
    KeySym symbol = NoSymbol;
    if (key >= 0 && key < kSpecialKeyBase) {
        // Characters name their keys by the lower-case letter (Shift+W is still the W key).
        const int character = key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key;
        symbol = static_cast<KeySym>(character);  // Latin-1 keysyms are the characters
    } else if (key == kSpecialKeyBase + kSpecialKeyLeft) {
        symbol = XK_Left;
    } else if (key == kSpecialKeyBase + kSpecialKeyUp) {
        symbol = XK_Up;
    } else if (key == kSpecialKeyBase + kSpecialKeyRight) {
        symbol = XK_Right;
    } else if (key == kSpecialKeyBase + kSpecialKeyDown) {
        symbol = XK_Down;
    }
    const KeyCode code = symbol == NoSymbol ? 0 : XKeysymToKeycode(display, symbol);
    if (code == 0) return true;
    char keys[32] = {};
    XQueryKeymap(display, keys);
    return (keys[code / 8] & (1 << (code % 8))) != 0;
}

static_assert(kSpecialKeyLeft == GLUT_KEY_LEFT && kSpecialKeyUp == GLUT_KEY_UP &&
                  kSpecialKeyRight == GLUT_KEY_RIGHT && kSpecialKeyDown == GLUT_KEY_DOWN,
              "the game names the arrow keys by GLUT's codes");

ToolkitHooks g_hooks = {DoNothing, DoNothing, DoNothingWithSize, DoNothing,
                        DoNothing, ExitNow,   DoNotWait,         TrustReleases};
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

void CatchEndSignals() {
    if (g_signalPipe[0] < 0 && pipe2(g_signalPipe, O_NONBLOCK | O_CLOEXEC) != 0) {
        g_signalPipe[0] = g_signalPipe[1] = -1;
    }
    struct sigaction action = {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    // Reads of the data files go on undisturbed; the wait's poll is woken by the pipe anyway.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

ToolkitHooks& Toolkit() {
    return g_hooks;
}

void InstallGlutToolkit(void (*drawFrame)()) {
    g_hooks.postRedisplay = [] { glutPostRedisplay(); };
    g_hooks.fullScreen = [] { glutFullScreen(); };
    // X refuses a window of no pixels, and Xlib's answer to the refusal ends the process: a size
    // recorded from a window 0 pixels wide or high asks for one pixel instead.
    g_hooks.reshapeWindow = [](int width, int height) {
        glutReshapeWindow(std::max(width, 1), std::max(height, 1));
    };
    g_hooks.swapBuffers = [] {
        glutSwapBuffers();
        EndIfSignalled();
    };
    g_hooks.drawFrameNow = drawFrame;
    g_hooks.exitProcess = ExitNow;
    g_hooks.waitForInput = WaitOnWindowConnection;
    g_hooks.keyIsDown = KeyDownOnServer;
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
    g_hooks.keyIsDown = [](int) {
        ++g_counts.keyIsDown;
        return true;
    };
}

ToolkitCallCounts& ToolkitCalls() {
    return g_counts;
}
