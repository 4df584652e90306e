// Start-up: the window, the loaders in their fixed order, the projection on reshape.
#pragma once

// glutInit, an 800 by 600 double-buffered RGB window with depth, titled "Escape House", and
// the GLUT toolkit hooks.
void CreateGameWindow(int* argc, char** argv);
// Starts reading and decoding InitScene's files on a second thread, in InitScene's order, so
// that they are ready, or nearly, when it asks for them; called before the window opens.
void StartReadingSceneAhead();
// Loads every picture, model and the tune, builds the grid and sets up the panels, in order.
void InitScene();
// The five callbacks.
void RegisterCallbacks();
// The reshape callback: records the size, sets the viewport and the perspective projection.
// How near to the eye the view begins, in world units.
inline constexpr double kNearPlane = 0.02;

void OnReshape(int width, int height);
