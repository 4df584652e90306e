// The parts of the picture generator and the layout they share with the game's fixed tables.
// Each writer paints its pictures and writes them under the folder it is given.
#pragma once

#include <filesystem>  // Required for: std::filesystem::path

// Data/Picture --------------------------------------------------------------------------------

// otop, dn, ofront, oback, oleft, oright: one evening sky around the house, seamless.
void WriteSkyBox(const std::filesystem::path& pictureFolder);
// clock (the keypad panel) and num_1 to num_9 (the entered digits).
void WriteKeypadPictures(const std::filesystem::path& pictureFolder);
// start, ending1, ending2, win, ending3.
void WriteScreenPictures(const std::filesystem::path& pictureFolder);
// info0 to info8.
void WriteInfoPictures(const std::filesystem::path& pictureFolder);

// Data/Icon -----------------------------------------------------------------------------------

// background, bread1, bread2, hammer1, key1 to key3, note1 to note3.
void WriteBarIcons(const std::filesystem::path& iconFolder);
// noteinfo1 to noteinfo3: the notes as the player reads them.
void WriteNotePictures(const std::filesystem::path& iconFolder);

// Layout the pictures must match ----------------------------------------------------------------

// The keypad panel is 300 by 400 window pixels; its cells are given in panel coordinates
// (origin 200 pixels from the panel's left edge and 100 above its bottom edge, y up). Index 0
// is the close key, 1 to 9 the digit keys.
struct PanelCell {
    int xMin, yMin, xMax, yMax;
};
inline constexpr int kPanelWidth = 300;
inline constexpr int kPanelHeight = 400;
inline constexpr PanelCell kPanelCells[10] = {
    {-95, -73, -6, -8},   {-184, 122, -95, 187}, {-95, 122, -6, 187}, {-6, 122, 83, 187},
    {-184, 57, -95, 122}, {-95, 57, -6, 122},    {-6, 57, 83, 122},   {-184, -8, -95, 57},
    {-95, -8, -6, 57},    {-6, -8, 83, 57},
};
// Where the entered digits appear on the panel: u 0.2 to 0.8 across, v 0.8 to 0.9 up, four
// cells of 45 by 40 pixels.
inline constexpr double kDisplayLeft = 0.2, kDisplayRight = 0.8;
inline constexpr double kDisplayBottom = 0.8, kDisplayTop = 0.9;

// Screen buttons in percent of the window, y from the top.
struct PercentRect {
    double left, top, right, bottom;
};
inline constexpr PercentRect kStartButton = {40, 65, 60, 75};
inline constexpr PercentRect kBackButton = {16, 72, 30, 81};
inline constexpr PercentRect kQuitButton = {69, 72, 83, 81};
