// The icon bar's slot layout and which slot a press in the HUD corner lands on.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/game_state.h"
#include "hud/icon_bar.h"

namespace {

struct Rect {
    float left, bottom, right, top;
};

TEST(HudIconBarTest, QuadsRunLowerLeftLowerRightUpperRightUpperLeft) {
    LayOutIconSlots();
    // Entry 0 is the background; then five slots below, four above, 30 units with 3-unit gaps.
    const Rect expected[kIconBarEntryCount] = {
        {0, 0, 168, 69},   {3, 3, 33, 33},  {36, 3, 66, 33},  {69, 3, 99, 33},  {102, 3, 132, 33},
        {135, 3, 165, 33}, {3, 36, 33, 66}, {36, 36, 66, 66}, {69, 36, 99, 66}, {102, 36, 132, 66},
    };
    for (int entry = 0; entry < kIconBarEntryCount; ++entry) {
        SCOPED_TRACE(entry);
        const Rect& r = expected[entry];
        const float(&quad)[4][2] = g_iconRects[entry];
        EXPECT_EQ(quad[0][0], r.left);
        EXPECT_EQ(quad[0][1], r.bottom);
        EXPECT_EQ(quad[1][0], r.right);
        EXPECT_EQ(quad[1][1], r.bottom);
        EXPECT_EQ(quad[2][0], r.right);
        EXPECT_EQ(quad[2][1], r.top);
        EXPECT_EQ(quad[3][0], r.left);
        EXPECT_EQ(quad[3][1], r.top);
    }
}

TEST(HudIconBarTest, HitTestIncludesTheSlotBordersAndGivesZeroBetweenThem) {
    LayOutIconSlots();
    struct Case {
        int x, y, slot;
    };
    const Case cases[] = {
        {3, 3, 1},    {33, 33, 1},  {18, 18, 1},  {2, 3, 0},     {3, 2, 0},    {34, 10, 0},
        {35, 33, 0},  {36, 3, 2},   {66, 33, 2},  {69, 3, 3},    {99, 33, 3},  {102, 20, 4},
        {132, 33, 4}, {135, 3, 5},  {165, 33, 5}, {166, 20, 0},  {168, 69, 0}, {10, 34, 0},
        {10, 35, 0},  {3, 36, 6},   {33, 66, 6},  {36, 36, 7},   {66, 66, 7},  {69, 36, 8},
        {99, 66, 8},  {102, 36, 9}, {132, 66, 9}, {133, 50, 0},  {150, 47, 0}, {100, 67, 0},
        {50, 70, 0},  {50, 100, 0}, {0, 0, 0},    {180, 100, 0}, {-5, 10, 0},  {20, -1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IconBarHitTest(c.x, c.y), c.slot) << "at (" << c.x << ", " << c.y << ")";
    }
}

TEST(HudIconBarTest, HitTestAnswersForEmptySlotsToo) {
    LayOutIconSlots();
    std::fill(std::begin(g_iconOwned), std::end(g_iconOwned), 0);
    EXPECT_EQ(IconBarHitTest(50, 50), 7);
    EXPECT_EQ(IconBarHitTest(150, 20), 5);
}

}  // namespace
