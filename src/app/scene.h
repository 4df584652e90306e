// Start-up: the window, the loaders in their fixed order, the projection on reshape.
#pragma once

// glutInit, an 800 by 600 double-buffered RGB window with depth, titled "Escape House", and
// the GLUT toolkit hooks.
void CreateGameWindow(int* argc, char** argv);
// Starts reading and decoding InitScene's files on a second thread, in InitScene's order, so
// that they are ready, or nearly, when it asks for them; called before the window opens.
void StartReadingSceneAhead();
// Loads every picture and model, builds the grid and sets up the panels, in order; the
// models' textures and display lists, and the uploads of the pictures the start picture does
// not need, are left to FinishScene.
void InitScene();
// Uploads the models' textures and compiles their display lists, and uploads the pictures
// held (sky, keypad, end screens, info pictures); the first call only. The display callback
// makes it once the first frame (the start picture) is presented, and before any frame that
// shows the house: the house's hundreds of textures and lists and the pictures took a fifth of
// the start-up, and the start picture shows none of them.
void FinishScene();
// Starts loading the tune on its own thread, to play once loaded, and says on stderr what goes
// wrong with it; the first call only. The display callback makes it once the first frame is
// presented, so that the library and the file do not hold up the first picture: the player
// sees the game sooner and hears it a moment later.
void StartSceneTune();
// The five callbacks.
void RegisterCallbacks();
// The reshape callback: records the size, sets the viewport and the perspective projection.
// How near to the eye the view begins, in world units.
inline constexpr double kNearPlane = 0.02;

void OnReshape(int width, int height);
