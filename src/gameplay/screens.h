// The start picture and the four end pictures, with the buttons painted into them.
#pragma once

#include <cstdint>  // Required for: std::uint8_t

class Screens {
public:
    // Button rectangles; start screen shown.
    void Init();
    // The five pictures as textures.
    void LoadPictures();
    static const char* const kPictureFiles[5];  // data-set paths, in texture order
    // Percentage point (px, py), py from the top. On the start button: hides the start screen
    // and returns true.
    bool StartButtonTest(int px, int py);
    // Back button: start screen again. Quit button: the program ends with status 0.
    void EndButtonTest(int px, int py);
    // The texture drawn for the flags and the ending code: the end picture wins over the start
    // picture; 0 (no texture) when neither is shown or the code is unknown.
    unsigned int ShownTexture() const;
    // Draws the shown screen over the whole window.
    void Draw(int w, int h);

    float startButton[2][2] = {};       // two corners (x, y) in window percent
    float endButtons[2][2][2] = {};     // back, quit: two corners each
    std::uint8_t startScreenShown = 0;  // shared as g_startScreenShown
    std::uint8_t endScreenShown = 0;    // shared as g_endScreenShown
    std::uint8_t endingCode = 0;        // shared as g_endingCode
    unsigned int textures[5] = {};      // start, ending1, ending2, win, ending3
};
