// The one way every 2-D overlay (screens, keypad panel, info pictures) is drawn over the house:
// lighting, fog and depth state saved, the depth test off so the pick still sees the house,
// textures shown as they are, a viewport of its own with a -1..1 orthographic projection, and
// everything put back afterwards.
#pragma once

// A rectangle of the window as a viewport gives it: pixels from the left and from the bottom.
struct ScreenArea {
    int x, y, width, height;

    // Whether the press at window pixel (px, py), py counted from the top as the mouse gives
    // it, falls on the area.
    bool HoldsPress(int px, int py, int windowHeight) const {
        const int row = windowHeight - 1 - py;  // pixel rows counted from the bottom
        return px >= x && px < x + width && row >= y && row < y + height;
    }
};

// Pushes the matrix and the lighting, fog and depth attributes, turns the depth test off, sets
// GL_REPLACE, the viewport (x, y, width, height) and the -1..1 projection.
void BeginOverlay(int x, int y, int width, int height);
// A quad over (left, bottom)-(right, top) in the overlay's -1..1 space, the bound texture's
// corners on its corners.
void DrawOverlayQuad(float left, float bottom, float right, float top);
// Leaves red as the colour and (-1, 0) as the raster position, as the panels always have, for
// whatever is drawn next.
void LeaveOverlayColourAndRaster();
// Restores the window's viewport and pops what BeginOverlay pushed.
void EndOverlay(int windowWidth, int windowHeight);
