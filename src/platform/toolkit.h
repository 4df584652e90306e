// The seam to the window toolkit. Game code asks for a redisplay, full screen, a window size,
// a buffer swap, a frame drawn at once or the end of the process through these hooks, never
// through GLUT directly, so the rules run in tests without a window and the replay driver can
// decide when posted redisplays are honoured.
#pragma once

// Keys the toolkit reports apart from characters (GLUT's special keys) are named by this base
// plus their code, so that one int names any key.
inline constexpr int kSpecialKeyBase = 256;
inline constexpr int kSpecialKeyLeft = 100;  // the arrow keys' codes
inline constexpr int kSpecialKeyUp = 101;
inline constexpr int kSpecialKeyRight = 102;
inline constexpr int kSpecialKeyDown = 103;

struct ToolkitHooks {
    void (*postRedisplay)();                       // ask for one frame at the next chance
    void (*fullScreen)();                          // switch the window to full screen
    void (*reshapeWindow)(int width, int height);  // ask for a window size (leaves full screen)
    void (*swapBuffers)();                         // present the back buffer
    void (*drawFrameNow)();                        // draw one frame at once (the idle callback's)
    void (*exitProcess)(int status);               // end the program; never returns in the game
    // Waits, off the core, until the window has input or `milliseconds` have passed.
    void (*waitForInput)(int milliseconds);
    // Whether the keyboard still holds `key` (a character, or kSpecialKeyBase plus a special
    // key's code). A key released while another window had the keyboard sends no release to
    // the game; this catches it.
    bool (*keyIsDown)(int key);
};

// SIGINT and SIGTERM end the game at its next idle wait, which they wake at once, or after the
// frame being drawn: the audio device is closed and the process exits with 128 plus the signal's
// number (130, 143).
void CatchEndSignals();

// The hooks in force. Before InstallGlutToolkit they do nothing (exitProcess closes the tune and
// calls std::exit; keyIsDown answers true, leaving held keys to their releases).
ToolkitHooks& Toolkit();

// The hooks of a real GLUT window: glutPostRedisplay, glutFullScreen, glutReshapeWindow,
// glutSwapBuffers, `drawFrame` (the game's display callback), CloseTune and std::exit, a wait
// on the window's X connection (and on the end signals, once caught), and the X server's own
// record of which keys are down.
void InstallGlutToolkit(void (*drawFrame)());

// Tries to reach the X server named by DISPLAY for up to `milliseconds`; true once it answers.
// For the test window and the replay driver, which share one virtual X server with other tests:
// a server that has just lost its last client refuses connections for a moment while it resets,
// and GLUT would end the process on the first refusal.
bool WaitForDisplay(int milliseconds);

// Hooks that do nothing but count the calls, for tests of the rules (keyIsDown answers true).
struct ToolkitCallCounts {
    int postRedisplay = 0;
    int fullScreen = 0;
    int reshapeWindow = 0;
    int swapBuffers = 0;
    int drawFrameNow = 0;
    int exitProcess = 0;
    int waitForInput = 0;
    int keyIsDown = 0;
    int lastExitStatus = -1;
    int lastReshapeWidth = 0;
    int lastReshapeHeight = 0;
    int lastWaitMilliseconds = -1;
};
void InstallCountingToolkit();
ToolkitCallCounts& ToolkitCalls();
