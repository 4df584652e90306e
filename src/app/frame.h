// One complete frame: a screen, or the house with its HUD and panels; and the per-frame rules.
#pragma once

// The display callback.
void OnDisplay();
