// The hint texts of the icon bar, which of them a right press may show, and where the HUD's
// lines stand in the window. No OpenGL here: the layouts are measured with the HUD font alone.
#include <algorithm>  // Required for: std::max(), std::min()

#include "core/game_state.h"
#include "hud/hud_font.h"
#include "hud/hud_text.h"
#include "hud/icon_bar.h"
#include "hud/overlay_layout.h"
#include "platform/glyphs.h"

// One per bar entry; the two breads share a text, and so do the three keys.
const IconHint g_iconHints[10] = {
    {"点击图标以获得提示信息", "Right-click an icon for a hint"},            // the bar itself
    {"面包会改变生存时间", "Bread changes the time you have left"},          // bread 1
    {"面包会改变生存时间", "Bread changes the time you have left"},          // bread 2
    {"锤子可以用于破除障碍", "The hammer can break through obstacles"},      // hammer
    {"钥匙可以用于开锁", "Keys open locks"},                                 // key 1
    {"钥匙可以用于开锁", "Keys open locks"},                                 // key 2
    {"钥匙可以用于开锁", "Keys open locks"},                                 // key 3
    {"打开纸条查看提示信息", "Open the note to read its clue"},              // note 1
    {"利用道具来帮助自己逃生", "Use your items to help you escape"},         // note 2
    {"道具可能有害，谨慎使用", "Items can be harmful: use them with care"},  // note 3
};

const IconHint* IconHintText(int entry) {
    if (entry < 0 || entry >= kIconCount || g_iconOwned[entry] == 0) return nullptr;
    return &g_iconHints[entry];
}

const char* FloorLabelText() {
    // The upper floor lies 3 units up; the player's floor height is 0 or 3.
    return g_playerY >= 2.0f ? "楼上 UPSTAIRS" : "楼下 DOWNSTAIRS";
}

namespace {

// The band round a block's lines: the union of their ink areas and the font's full line heights,
// grown by the layout's padding.
ScreenArea BandAround(const HudTextBlock& block, const OverlayLayout& layout) {
    GlyphRasterizer& font = *block.font;
    int left = 1 << 30, right = -(1 << 30), bottom = 1 << 30, top = -(1 << 30);
    for (int i = 0; i < block.count; ++i) {
        const PlacedLine& line = block.lines[i];
        const ScreenArea ink = InkArea(line, font);
        const int advance = font.TextWidth(line.text);
        left = std::min({left, line.x, ink.width > 0 ? ink.x : line.x});
        right = std::max({right, line.x + advance, ink.x + ink.width});
        bottom = std::min({bottom, line.baseline + font.Descender(), ink.y});
        top = std::max({top, line.baseline + font.Ascender(), ink.y + ink.height});
    }
    if (block.count == 0) return {0, 0, 0, 0};
    return {left - layout.bandPaddingAcross, bottom - layout.bandPadding,
            right - left + 2 * layout.bandPaddingAcross, top - bottom + 2 * layout.bandPadding};
}

}  // namespace

ScreenArea InkArea(const PlacedLine& line, GlyphRasterizer& font) {
    if (line.text == nullptr || line.text[0] == '\0' || !font.IsOpen()) return {0, 0, 0, 0};
    const Glyph& laidOut = font.Text(line.text);
    if (laidOut.width <= 0 || laidOut.height <= 0) return {0, 0, 0, 0};
    return {line.x + laidOut.left, line.baseline + laidOut.top - laidOut.height, laidOut.width,
            laidOut.height};
}

HudTextBlock LayOutIconHint(int entry, int w, int h) {
    HudTextBlock block{};
    const IconHint* hint = IconHintText(entry);
    const OverlayLayout layout = LayOutOverlays(w, h);
    GlyphRasterizer& font = HudFontOfSize(layout.hudFontPixels);
    if (hint == nullptr || !font.IsOpen()) return block;
    const int lineHeight = font.Ascender() - font.Descender() + layout.hintLineGap;
    // The first line's tallest characters start just under the HUD corner, its band clear of it.
    const int firstBaseline = h - layout.hudCorner.height - layout.bandPadding -
                              layout.hintGapUnderCorner - font.Ascender();
    const char* const texts[2] = {hint->chinese, hint->english};
    for (int i = 0; i < 2; ++i) {
        // A window too narrow for the line cuts its end, never its start.
        const int x = std::max(0, w - layout.hintRightMargin - font.TextWidth(texts[i]));
        block.lines[i] = {texts[i], x, firstBaseline - i * lineHeight};
    }
    block.count = 2;
    block.font = &font;
    block.band = BandAround(block, layout);
    return block;
}

HudTextBlock LayOutBottomLine(const char* text, int w, int h) {
    HudTextBlock block{};
    const OverlayLayout layout = LayOutOverlays(w, h);
    GlyphRasterizer& font = HudFontOfSize(layout.noticeFontPixels);
    if (text == nullptr || text[0] == '\0' || !font.IsOpen()) return block;
    const int x = std::max(0, (w - font.TextWidth(text)) / 2);
    block.lines[0] = {text, x, layout.bottomLineBaseline};
    block.count = 1;
    block.font = &font;
    block.band = BandAround(block, layout);
    return block;
}

HudTextBlock LayOutMiddleLine(const char* text, int w, int h) {
    HudTextBlock block = LayOutBottomLine(text, w, h);
    if (block.count == 0) return block;
    const int shift = std::max(0, h / 2) - block.lines[0].baseline;
    block.lines[0].baseline += shift;
    block.band.y += shift;
    return block;
}

namespace {

float g_hintPose[4] = {};  // the player's X, Y, Z and heading at the right press

}  // namespace

void RememberHintPose() {
    g_hintPose[0] = g_playerX;
    g_hintPose[1] = g_playerY;
    g_hintPose[2] = g_playerZ;
    g_hintPose[3] = g_yaw;
}

bool HintPutAwayByMove() {
    return g_hintPose[0] != g_playerX || g_hintPose[1] != g_playerY || g_hintPose[2] != g_playerZ ||
           g_hintPose[3] != g_yaw;
}
