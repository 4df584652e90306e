// The rules every frame runs on the selection latched by the last press, without OpenGL: the
// display callback runs them between the screens and the house, and the tests' windowless loop
// runs the very same function, so a change to their order is a change to both.
#pragma once

// What the rules leave for the frame to draw.
struct FrameRulesOutcome {
    bool houseShown;  // no start or end picture covers the window: the house is drawn
    int noteSlot;     // the note (7, 8 or 9) whose large picture this frame shows, 0 none
};

// In order: the ending trigger, and the restart an ending asks for (which raises the end
// picture); then, while the house is shown, the taken items, the icon the picked place gives,
// the icon the last press uses (unless it asked for a hint), and the keypad's check of the
// digits entered.
FrameRulesOutcome RunFrameRules();
