// The player's camera, shared by the frame and the pick so both see the house the same way.
#pragma once

// The yaw, the fixed eye looking along -Z, then the world translation; multiplied onto the
// current (projection) matrix.
void ApplyCameraTransform();

class ViewVolume;
// What the current projection and modelview matrices let into the window, for leaving out
// what lies outside it.
ViewVolume CurrentViewVolume();
