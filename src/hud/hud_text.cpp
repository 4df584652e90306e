// Drawing the HUD texts. Each character is rendered once by FreeType, and each text laid out
// once into one coverage image, and kept (hud_font.cpp, platform/glyphs.cpp); a frame only hands
// the kept pixels to glDrawPixels, one call a text, tinted with the raster colour through the
// pixel transfer and blended over what is behind. Moving the raster position with empty
// glBitmap calls keeps the drawing exactly where the frame's glRasterPos put it, and what lies
// past the window's edge is simply not drawn.
#include "hud/hud_text.h"

#include <GL/gl.h>  // Required for: glDrawPixels(), glBitmap(), glPixelTransferf(), glPushAttrib()

#include "hud/hud_font.h"
#include "platform/glyphs.h"

namespace {

// Moves the raster position without drawing.
void MoveRasterPosition(float dx, float dy) {
    glBitmap(0, 0, 0.0f, 0.0f, dx, dy, nullptr);
}

}  // namespace

void DrawHudText(const char* text) {
    DrawHudText(text, HudFont());
}

void DrawHudText(const char* text, GlyphRasterizer& font) {
    if (text == nullptr || text[0] == '\0') return;
    GLint valid = GL_FALSE;
    glGetIntegerv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
    if (valid == GL_FALSE) return;
    if (!font.IsOpen()) return;
    GLfloat color[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glGetFloatv(GL_CURRENT_RASTER_COLOR, color);

    // The raster position is not saved: like the glyph lists it stands for, the text leaves it
    // after its last character.
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT | GL_PIXEL_MODE_BIT);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_FOG);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_STENCIL_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    // Coverage arrives as alpha over black; the biases paint it in the latched colour.
    glPixelTransferi(GL_MAP_COLOR, GL_FALSE);
    glPixelTransferf(GL_RED_BIAS, color[0]);
    glPixelTransferf(GL_GREEN_BIAS, color[1]);
    glPixelTransferf(GL_BLUE_BIAS, color[2]);
    glPixelTransferf(GL_ALPHA_SCALE, color[3]);
    glPixelTransferf(GL_ALPHA_BIAS, 0.0f);
    // Coverage rows are stored top first: drawn downwards from the glyph's top-left corner.
    glPixelZoom(1.0f, -1.0f);

    const Glyph& laidOut = font.Text(text);
    if (laidOut.width > 0 && laidOut.height > 0) {
        const float left = static_cast<float>(laidOut.left);
        const float top = static_cast<float>(laidOut.top);
        MoveRasterPosition(left, top);
        glDrawPixels(laidOut.width, laidOut.height, GL_ALPHA, GL_UNSIGNED_BYTE,
                     laidOut.coverage.data());
        MoveRasterPosition(-left, -top);
    }
    MoveRasterPosition(static_cast<float>(laidOut.advance), 0.0f);

    glPopClientAttrib();
    glPopAttrib();
}

void DrawHudTextBlock(const HudTextBlock& block, int w, int h) {
    if (block.count == 0 || block.font == nullptr || w <= 0 || h <= 0) return;
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT | GL_VIEWPORT_BIT);
    // On the projection stack, like every overlay; one unit a pixel of the whole window.
    glPushMatrix();
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, 0, h, -1, 1);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // Dark enough for the light text on the palest wallpaper, light enough to keep the place.
    glColor4f(0.0f, 0.0f, 0.0f, 0.62f);
    const ScreenArea& band = block.band;
    glRecti(band.x, band.y, band.x + band.width, band.y + band.height);
    // The HUD's text colour, latched by each raster position.
    glColor3f(1.0f, 0.8f, 0.6f);
    for (int i = 0; i < block.count; ++i) {
        glRasterPos2i(block.lines[i].x, block.lines[i].baseline);
        DrawHudText(block.lines[i].text, *block.font);
    }
    glPopMatrix();
    glPopAttrib();
}

void DrawIconHint(int entry, int w, int h) {
    DrawHudTextBlock(LayOutIconHint(entry, w, h), w, h);
}
