// One complete frame: a screen, or the house with its HUD and panels; and the per-frame rules.
#pragma once

// The display callback.
void OnDisplay();
// The sky box and the house in the camera's transformation, as a frame draws them: the same
// picture as the sky box's Draw followed by the house's, for less.
void DrawSkyAndHouse();
