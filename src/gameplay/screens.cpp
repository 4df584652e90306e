// The screens' rules: button rectangles, the start and end button tests, and which picture the
// flags and the ending code show. Pictures and drawing are in screens_draw.cpp.
#include "gameplay/screens.h"

#include "platform/toolkit.h"

namespace {

// Button corners in whole percent of the window, y from the top, as painted in the pictures.
constexpr float kStartButton[2][2] = {{40, 75}, {60, 65}};
constexpr float kBackButton[2][2] = {{16, 81}, {30, 72}};
constexpr float kQuitButton[2][2] = {{69, 81}, {83, 72}};

// Texture per ending code: the time-out, the fall, the boiler, the win. The pictures are
// loaded start, ending1, ending2, win, ending3, so the boiler and the win cross over.
constexpr int kEndingTexture[4] = {1, 2, 4, 3};
constexpr int kStartTexture = 0;

// Edges count; the corners may be given in any order.
bool ButtonHolds(const float corners[2][2], int px, int py) {
    const float x = static_cast<float>(px);
    const float y = static_cast<float>(py);
    const float* a = corners[0];
    const float* b = corners[1];
    const bool inX = (x >= a[0] && x <= b[0]) || (x >= b[0] && x <= a[0]);
    const bool inY = (y >= a[1] && y <= b[1]) || (y >= b[1] && y <= a[1]);
    return inX && inY;
}

void CopyButton(const float from[2][2], float to[2][2]) {
    for (int corner = 0; corner < 2; ++corner) {
        to[corner][0] = from[corner][0];
        to[corner][1] = from[corner][1];
    }
}

}  // namespace

// The ending code keeps its value: it only matters once an ending sets it.
void Screens::Init() {
    CopyButton(kStartButton, startButton);
    CopyButton(kBackButton, endButtons[0]);
    CopyButton(kQuitButton, endButtons[1]);
    startScreenShown = 1;
    endScreenShown = 0;
}

bool Screens::StartButtonTest(int px, int py) {
    if (!ButtonHolds(startButton, px, py)) return false;
    startScreenShown = 0;
    return true;
}

// Quitting is the player's choice, not a failure: the program ends with status 0.
void Screens::EndButtonTest(int px, int py) {
    if (ButtonHolds(endButtons[0], px, py)) {
        startScreenShown = 1;
        endScreenShown = 0;
    } else if (ButtonHolds(endButtons[1], px, py)) {
        Toolkit().exitProcess(0);
    }
}

unsigned int Screens::ShownTexture() const {
    unsigned int texture = 0;
    if (startScreenShown) texture = textures[kStartTexture];
    if (endScreenShown && endingCode < 4) texture = textures[kEndingTexture[endingCode]];
    return texture;
}
