// escape-house-replay [--strict] [SCRIPT | -]: plays a script of commands through the real game
// window and its real callbacks, one command a line, and prints the game state on request.
//
//   key K            a tap of K: its press and release at once (one step or turn). K is one
//                    character, enter, esc, space, a code, or an arrow: left-arrow, up-arrow,
//                    right-arrow, down-arrow
//   down K, up K     K pressed and held from here until its up; a held W, A, S or D repeats by
//                    the game's own rule as advance moves the clock
//   click B X Y      press and release of left/right/middle at window pixel (X, Y), top left origin
//   frame            the display callback now
//   advance MS       the game clock moves MS ms forward, then the idle callback runs once
//   resize W H       the reshape callback (and the window, when both sizes are positive)
//   shot FILE.png    the last presented frame as a PNG
//   state            one line of JSON with the game state
//   walk X Z         key presses (through the keyboard callback) that walk the player to (X, Z)
//                    on the current floor, or onto the stairs that lead to the other floor
//   face X Z         A or D presses until the player looks towards (X, Z)
//   clickat B X Y Z  a click of button B on the pixel where world point (X, Y, Z) is drawn now
//   expect KEY VALUE           stops with status 1 unless the state's KEY (iconOwned.4 for an
//                              entry) prints as VALUE
//   expect-near KEY VALUE TOL  the same for a number, within TOL
//   expect-pixel X Y R G B TOL the last frame's pixel is within TOL of the colour on each channel
//   expect-screen PICTURE TOL  the last frame shows the Targa PICTURE stretched over the window
//                              (mean difference per channel at most TOL)
//
// Posted redisplays are honoured after every command. --strict also checks, after every frame,
// that GL reports no error and the projection stack is back to one matrix, and after every key
// and every advance that the pose relations and the wall rule hold; a violation stops the run
// with status 3.
#include <GL/freeglut.h>  // Required for: GLUT_LEFT_BUTTON, GLUT_DOWN, GLUT_UP
#include <GL/glu.h>       // Required for: gluProject()

#include <cerrno>    // Required for: errno
#include <cmath>     // Required for: std::fabs()
#include <cstdio>    // Required for: std::printf(), std::fprintf()
#include <cstdlib>   // Required for: std::exit(), std::strtol()
#include <fstream>   // Required for: std::ifstream
#include <iostream>  // Required for: std::cin
#include <sstream>   // Required for: std::istringstream
#include <string>    // Required for: std::string
#include <vector>    // Required for: std::vector

#include "app/countdown.h"
#include "app/frame.h"
#include "app/game_input.h"
#include "assets/targa_image.h"
#include "core/game_state.h"
#include "gameplay/picking.h"
#include "hud/info_picture.h"
#include "platform/clock.h"
#include "platform/data_path.h"
#include "platform/sound.h"
#include "platform/toolkit.h"
#include "replay_window.h"
#include "route.h"
#include "world/held_keys.h"
#include "world/movement.h"
#include "world/walk_grid.h"

namespace {

int g_lineNumber = 0;
bool g_strict = false;

[[noreturn]] void Fail(int status, const std::string& message) {
    std::fflush(stdout);
    std::fprintf(stderr, "escape-house-replay: line %d: %s\n", g_lineNumber, message.c_str());
    std::exit(status);
}

[[noreturn]] void BadCommand(const std::string& message) {
    Fail(2, message);
}

bool ParseInt(const std::string& word, long min, long max, long* value) {
    if (word.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(word.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < min || parsed > max) return false;
    *value = parsed;
    return true;
}

bool ParseDouble(const std::string& word, double* value) {
    if (word.empty()) return false;
    char* end = nullptr;
    const double parsed = std::strtod(word.c_str(), &end);
    if (*end != '\0' || !std::isfinite(parsed)) return false;
    *value = parsed;
    return true;
}

// Floats printed so that they read back to the same float.
std::string Number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}
std::string Number(int value) {
    return std::to_string(value);
}

struct StateEntry {
    std::string key;
    std::string value;
};

std::vector<StateEntry> CurrentState() {
    std::vector<StateEntry> state = {
        {"playerX", Number(g_playerX)},
        {"playerY", Number(g_playerY)},
        {"playerZ", Number(g_playerZ)},
        {"prevPlayerX", Number(g_prevPlayerX)},
        {"prevPlayerZ", Number(g_prevPlayerZ)},
        {"yaw", Number(g_yaw)},
        {"posX", Number(g_posX)},
        {"posY", Number(g_posY)},
        {"posZ", Number(g_posZ)},
        {"pickedBox", Number(g_pickedBox)},
        {"messageIndex", Number(g_messageIndex)},
        {"describeMode", Number(g_describeMode)},
        {"gameMode", Number(g_gameMode)},
        {"endingCode", Number(g_endingCode)},
        {"startScreenShown", Number(g_startScreenShown)},
        {"endScreenShown", Number(g_endScreenShown)},
        {"keypadShown", Number(g_keypadShown)},
        {"bookcaseOffset", Number(g_bookcaseOffset)},
        {"secondsLeft", Number(g_secondsLeft)},
        {"timeText", std::string("\"") + g_timeText + "\""},
        {"windowWidth", Number(g_windowWidth)},
        {"windowHeight", Number(g_windowHeight)},
    };
    std::string icons = "[";
    for (int i = 0; i < kIconCount; ++i) icons += (i ? "," : "") + Number(g_iconOwned[i]);
    state.push_back({"iconOwned", icons + "]"});
    std::string boxes = "[";
    for (int i = 0; i < kPickBoxCount; ++i) boxes += (i ? "," : "") + Number(g_boxEnabled[i]);
    state.push_back({"boxEnabled", boxes + "]"});
    state.push_back({"hammerVisible", Number(g_hammerVisible)});
    state.push_back({"breadVisible", Number(g_breadVisible)});
    state.push_back({"infoShown", Number(g_infoPicture.shown)});
    state.push_back({"infoCurrent", Number(g_infoPicture.current)});
    state.push_back({"paused", Number(g_paused ? 1 : 0)});
    state.push_back({"muted", Number(TuneMuted() ? 1 : 0)});
    return state;
}

void PrintState() {
    std::string line = "{";
    bool first = true;
    for (const StateEntry& entry : CurrentState()) {
        line += (first ? "\"" : ",\"") + entry.key + "\":" + entry.value;
        first = false;
    }
    std::printf("%s}\n", line.c_str());
    std::fflush(stdout);
}

// The printed value of a state key; "iconOwned.4" names one entry of an array.
std::string StateValue(const std::string& key) {
    const size_t dot = key.find('.');
    const std::string name = key.substr(0, dot);
    for (const StateEntry& entry : CurrentState()) {
        if (entry.key != name) continue;
        std::string value = entry.value;
        if (dot == std::string::npos) {
            if (value.size() >= 2 && value.front() == '"')
                value = value.substr(1, value.size() - 2);
            return value;
        }
        long index = 0;
        if (value.front() != '[' || !ParseInt(key.substr(dot + 1), 0, 99, &index)) break;
        std::istringstream items(value.substr(1, value.size() - 2));
        std::string item;
        for (long i = 0; std::getline(items, item, ','); ++i) {
            if (i == index) return item;
        }
        break;
    }
    BadCommand("unknown state key " + key);
}

// ---- strict checks ----------------------------------------------------------------------------

std::string PrintedPose() {
    return "x " + Number(g_playerX) + " y " + Number(g_playerY) + " z " + Number(g_playerZ) +
           " yaw " + Number(g_yaw) + " pos " + Number(g_posX) + " " + Number(g_posY) + " " +
           Number(g_posZ);
}

void CheckFrame() {
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) Fail(3, "GL error " + std::to_string(error) + " after a frame");
    GLint depth = 0;
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
    if (depth != 1) Fail(3, "projection stack depth " + std::to_string(depth) + " after a frame");
}

bool IsWallCell(float x, float z, float floorY) {
    const int row = CellRow(x);
    const int column = CellColumn(z);
    if (!CellInGrid(row, column)) return false;
    if (floorY == 0.0f) return g_walkGrid[row][column].ground == kGroundWall;
    if (floorY == 3.0f) return g_walkGrid[row][column].upper == kUpperWall;
    return false;
}

// After `what` (a key or an advance that may have repeated held keys): the translation still
// belongs to the position, and a walk on one floor that changed cells did not end in a wall.
void CheckPoseAfter(const std::string& what, float beforeX, float beforeZ, float beforeY) {
    constexpr float kTolerance = 5e-3f;
    if (std::fabs(g_posX - (3.0f - g_playerX)) > kTolerance ||
        std::fabs(g_posY - (3.0f - g_playerY)) > kTolerance ||
        std::fabs(g_posZ - (-1.0f - g_playerZ)) > kTolerance) {
        Fail(3, "pose relation broken after " + what + " (" + PrintedPose() + ")");
    }
    if (g_playerY != beforeY) return;  // the stairs make no wall test
    const bool moved =
        CellRow(g_playerX) != CellRow(beforeX) || CellColumn(g_playerZ) != CellColumn(beforeZ);
    if (moved && IsWallCell(g_playerX, g_playerZ, g_playerY)) {
        Fail(3, "stepped into a wall cell after " + what + " (" + PrintedPose() + ")");
    }
}

// ---- commands ---------------------------------------------------------------------------------

// The arrow keys, which the toolkit reports as special keys.
struct ArrowName {
    const char* name;
    int code;
};
constexpr ArrowName kArrows[] = {{"left-arrow", kSpecialKeyLeft},
                                 {"up-arrow", kSpecialKeyUp},
                                 {"right-arrow", kSpecialKeyRight},
                                 {"down-arrow", kSpecialKeyDown}};

// A key as the game names it: a character code, or kSpecialKeyBase plus an arrow's code.
bool ParseKey(const std::string& word, int* key) {
    for (const ArrowName& arrow : kArrows) {
        if (word == arrow.name) {
            *key = kSpecialKeyBase + arrow.code;
            return true;
        }
    }
    if (word == "enter")
        *key = 13;
    else if (word == "esc")
        *key = 27;
    else if (word == "space")
        *key = 32;
    else if (word.size() == 1)
        *key = static_cast<unsigned char>(word[0]);
    else {
        long code = 0;
        if (!ParseInt(word, 0, 255, &code)) return false;
        *key = static_cast<int>(code);
    }
    return true;
}

// The press or the release of `key` through the game's own callbacks.
void PressKey(int key) {
    if (key >= kSpecialKeyBase) {
        OnGameSpecialKey(key - kSpecialKeyBase, 0, 0);
    } else {
        OnGameKeyboard(static_cast<unsigned char>(key), 0, 0);
    }
}
void ReleaseKey(int key) {
    if (key >= kSpecialKeyBase) {
        OnGameSpecialKeyUp(key - kSpecialKeyBase, 0, 0);
    } else {
        OnGameKeyboardUp(static_cast<unsigned char>(key), 0, 0);
    }
}

bool ParseButton(const std::string& word, int* button) {
    if (word == "left")
        *button = GLUT_LEFT_BUTTON;
    else if (word == "right")
        *button = GLUT_RIGHT_BUTTON;
    else if (word == "middle")
        *button = GLUT_MIDDLE_BUTTON;
    else
        return false;
    return true;
}

void ExpectScreen(const std::string& picture, double tolerance) {
    std::vector<std::uint8_t> frame;
    int width = 0, height = 0;
    if (!LastFrame(&frame, &width, &height)) Fail(1, "expect-screen: no frame presented yet");
    CTargaImage image;
    if (!image.LoadFile(DataPath(picture).c_str()))
        Fail(1, "expect-screen: cannot read " + picture);
    // Sample a grid away from the edges, where filtering of the stretched picture blurs little.
    double total = 0;
    int samples = 0;
    for (int j = 1; j < 24; ++j) {
        for (int i = 1; i < 32; ++i) {
            const int x = width * i / 32;
            const int y = height * j / 24;  // from the top
            const int u = static_cast<int>(static_cast<double>(x) / width * image.Width());
            const int v =
                static_cast<int>(static_cast<double>(height - 1 - y) / height * image.Height());
            const std::uint8_t* expected =
                image.Pixels() + (static_cast<size_t>(v) * image.Width() + u) * 3;
            const std::uint8_t* shown = &frame[(static_cast<size_t>(y) * width + x) * 3];
            for (int c = 0; c < 3; ++c) total += std::fabs(double(expected[c]) - double(shown[c]));
            ++samples;
        }
    }
    const double meanDifference = total / (samples * 3.0);
    if (meanDifference > tolerance) {
        Fail(1, "expect-screen " + picture + ": mean difference " + std::to_string(meanDifference));
    }
}

void Run(const std::string& line) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    std::vector<std::string> args;
    for (std::string word; words >> word;) args.push_back(word);
    auto need = [&](size_t count) {
        if (args.size() != count) {
            BadCommand(command + " takes " + std::to_string(count) + " argument(s), got " +
                       std::to_string(args.size()));
        }
    };
    if (command == "key" || command == "down" || command == "up") {
        need(1);
        int key = 0;
        if (!ParseKey(args[0], &key)) BadCommand("bad key " + args[0]);
        const float x = g_playerX, z = g_playerZ, y = g_playerY;
        if (command != "up") PressKey(key);
        if (command != "down") ReleaseKey(key);
        if (g_strict) CheckPoseAfter(command + " " + args[0], x, z, y);
    } else if (command == "click") {
        need(3);
        int button = 0;
        long x = 0, y = 0;
        if (!ParseButton(args[0], &button)) BadCommand("bad button " + args[0]);
        if (!ParseInt(args[1], -100000, 100000, &x) || !ParseInt(args[2], -100000, 100000, &y)) {
            BadCommand("bad position " + args[1] + " " + args[2]);
        }
        OnGameMouse(button, GLUT_DOWN, static_cast<int>(x), static_cast<int>(y));
        OnGameMouse(button, GLUT_UP, static_cast<int>(x), static_cast<int>(y));
    } else if (command == "walk" || command == "face") {
        need(2);
        double x = 0, z = 0;
        if (!ParseDouble(args[0], &x) || !ParseDouble(args[1], &z))
            BadCommand("bad point " + args[0] + " " + args[1]);
        if (command == "face") {
            TurnTowards(static_cast<float>(x), static_cast<float>(z));
        } else {
            std::string reason;
            if (!WalkTo(static_cast<float>(x), static_cast<float>(z), &reason)) {
                Fail(1, "walk " + args[0] + " " + args[1] + ": " + reason + " (" + PrintedPose() +
                            ")");
            }
        }
    } else if (command == "clickat") {
        need(4);
        int button = 0;
        double point[3] = {};
        if (!ParseButton(args[0], &button)) BadCommand("bad button " + args[0]);
        for (int i = 0; i < 3; ++i) {
            if (!ParseDouble(args[1 + i], &point[i])) BadCommand("bad point " + args[1 + i]);
        }
        int x = 0, y = 0;
        if (!ProjectToWindowPixel(point, &x, &y)) {
            Fail(1, "clickat: the point is not in view (" + PrintedPose() + ")");
        }
        OnGameMouse(button, GLUT_DOWN, x, y);
        OnGameMouse(button, GLUT_UP, x, y);
    } else if (command == "frame") {
        need(0);
        OnDisplay();
    } else if (command == "advance") {
        need(1);
        long milliseconds = 0;
        if (!ParseInt(args[0], 0, 100'000'000, &milliseconds)) BadCommand("bad time " + args[0]);
        const float x = g_playerX, z = g_playerZ, y = g_playerY;
        AdvanceManualClock(static_cast<ClockTicks>(milliseconds));
        OnIdle();
        if (g_strict) CheckPoseAfter("advance " + args[0], x, z, y);
    } else if (command == "resize") {
        need(2);
        long width = 0, height = 0;
        if (!ParseInt(args[0], 0, 8192, &width) || !ParseInt(args[1], 0, 8192, &height)) {
            BadCommand("bad size " + args[0] + " " + args[1]);
        }
        ResizeReplayWindow(static_cast<int>(width), static_cast<int>(height));
    } else if (command == "shot") {
        need(1);
        std::string error;
        if (!WriteShot(args[0], &error)) Fail(1, "shot: " + error);
    } else if (command == "state") {
        need(0);
        PrintState();
    } else if (command == "expect") {
        need(2);
        const std::string actual = StateValue(args[0]);
        if (actual != args[1]) Fail(1, "expected " + args[0] + " " + args[1] + ", found " + actual);
    } else if (command == "expect-near") {
        need(3);
        double expected = 0, tolerance = 0, actual = 0;
        const std::string printed = StateValue(args[0]);
        if (!ParseDouble(args[1], &expected) || !ParseDouble(args[2], &tolerance)) {
            BadCommand("bad number in expect-near");
        }
        if (!ParseDouble(printed, &actual) || std::fabs(actual - expected) > tolerance) {
            Fail(1, "expected " + args[0] + " near " + args[1] + ", found " + printed);
        }
    } else if (command == "expect-pixel") {
        need(6);
        long values[6] = {};
        for (int i = 0; i < 6; ++i) {
            if (!ParseInt(args[i], 0, 100000, &values[i])) BadCommand("bad number " + args[i]);
        }
        std::vector<std::uint8_t> frame;
        int width = 0, height = 0;
        if (!LastFrame(&frame, &width, &height) || values[0] >= width || values[1] >= height) {
            Fail(1, "expect-pixel: no such pixel in the last frame");
        }
        const std::uint8_t* pixel =
            &frame[(static_cast<size_t>(values[1]) * width + values[0]) * 3];
        for (int c = 0; c < 3; ++c) {
            if (std::labs(long(pixel[c]) - values[2 + c]) > values[5]) {
                Fail(1, "expect-pixel " + args[0] + " " + args[1] + ": found " +
                            std::to_string(pixel[0]) + " " + std::to_string(pixel[1]) + " " +
                            std::to_string(pixel[2]));
            }
        }
    } else if (command == "expect-screen") {
        need(2);
        double tolerance = 0;
        if (!ParseDouble(args[1], &tolerance)) BadCommand("bad tolerance " + args[1]);
        ExpectScreen(args[0], tolerance);
    } else {
        BadCommand("unknown command " + command);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!arguments.empty() && arguments.front() == "--strict") {
        g_strict = true;
        arguments.erase(arguments.begin());
    }
    if (arguments.size() > 1) {
        std::fprintf(stderr, "usage: escape-house-replay [--strict] [SCRIPT | -]\n");
        return 2;
    }
    std::ifstream file;
    std::istream* input = &std::cin;
    if (!arguments.empty() && arguments.front() != "-") {
        file.open(arguments.front());
        if (!file) {
            std::fprintf(stderr, "escape-house-replay: %s: cannot open the script\n",
                         arguments.front().c_str());
            return 2;
        }
        input = &file;
    }
    int glutArgc = 1;
    char* glutArgv[] = {argv[0], nullptr};
    OpenReplayWindow(&glutArgc, glutArgv);
    if (g_strict) {
        static void (*present)() = Toolkit().swapBuffers;
        Toolkit().swapBuffers = [] {
            CheckFrame();
            present();
        };
    }
    for (std::string line; std::getline(*input, line);) {
        ++g_lineNumber;
        const size_t start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos || line[start] == '#') continue;
        Run(line.substr(start));
        HonourPostedRedisplay();
    }
    std::fflush(stdout);
    return 0;
}
