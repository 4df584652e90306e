// One complete frame: a screen, or the house with its HUD and panels; and the per-frame rules.
#pragma once

// The display callback.
void OnDisplay();
// The camera: the yaw, the fixed eye looking along -Z, then the world translation; multiplied
// onto the current (projection) matrix. The frame and the pick use this one transform.
void ApplyCameraTransform();
