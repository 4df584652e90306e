// The pictures agree with the game's fixed tables: buttons where the screens test the mouse, keys
// on the keypad's cells, a dark display where the digits appear, a sky box whose faces meet; and
// with each other: the calendar on the wall rings the same day as its close-up.
#include <gtest/gtest.h>

#include <algorithm>  // Required for: std::max()
#include <cmath>      // Required for: std::abs(), std::lround()
#include <string>     // Required for: std::string
#include <vector>     // Required for: std::vector

#include "pictures_support.h"

namespace {

Picture Load(const std::string& dataPath) {
    std::vector<std::uint8_t> bytes;
    Picture picture;
    TargaHeader header;
    std::string error;
    if (!ReadFileBytes(BuildFolder() + "/" + dataPath, &bytes)) {
        ADD_FAILURE() << dataPath << ": missing";
    } else if (!DecodeTarga(bytes, &header, &picture, &error)) {
        ADD_FAILURE() << dataPath << ": " << error;
    }
    return picture;
}

// Clearly different: far apart in RGB (the full range is 0 to 441).
constexpr double kClearlyDifferent = 60.0;

// Button rectangles in percent of the window, y from the top, as the screens test presses.
struct PercentButton {
    const char* name;
    double left, top, right, bottom;
};
constexpr PercentButton kStart = {"START", 40, 65, 60, 75};
constexpr PercentButton kBack = {"BACK", 16, 72, 30, 81};
constexpr PercentButton kQuit = {"QUIT", 69, 72, 83, 81};

void ExpectButtonStandsOut(const Picture& picture, const PercentButton& button) {
    SCOPED_TRACE(button.name);
    const double left = button.left * picture.width / 100,
                 right = button.right * picture.width / 100;
    const double top = button.top * picture.height / 100,
                 bottom = button.bottom * picture.height / 100;
    const double ring = picture.width / 100.0;
    const MeanColour inside = MeanInside(picture, left, top, right, bottom);
    const MeanColour around = MeanRing(picture, left, top, right, bottom, ring);
    EXPECT_GT(ColourDistance(inside, around), kClearlyDifferent);
    // The button fills its rectangle: strips along its four edges stand out as well.
    const double inset = ring * 0.8;
    const MeanColour edges[4] = {
        MeanInside(picture, left + inset, top + inset, left + 2 * inset, bottom - inset),
        MeanInside(picture, right - 2 * inset, top + inset, right - inset, bottom - inset),
        MeanInside(picture, left + 3 * inset, top + inset, right - 3 * inset, top + 2 * inset),
        MeanInside(picture, left + 3 * inset, bottom - 2 * inset, right - 3 * inset,
                   bottom - inset)};
    for (const MeanColour& edge : edges) {
        EXPECT_GT(ColourDistance(edge, around), kClearlyDifferent);
    }
}

TEST(ScreenPictures, StartButtonIsPaintedOverItsRectangle) {
    ExpectButtonStandsOut(Load("Data/Picture/start.tga"), kStart);
}

TEST(ScreenPictures, EveryEndPictureHasBackAndQuitOverTheirRectangles) {
    for (const char* file : {"Data/Picture/ending1.tga", "Data/Picture/ending2.tga",
                             "Data/Picture/win.tga", "Data/Picture/ending3.tga"}) {
        SCOPED_TRACE(file);
        const Picture picture = Load(file);
        ExpectButtonStandsOut(picture, kBack);
        ExpectButtonStandsOut(picture, kQuit);
        // The two buttons look different: going back is not quitting.
        const auto mean = [&](const PercentButton& b) {
            return MeanInside(picture, b.left * picture.width / 100, b.top * picture.height / 100,
                              b.right * picture.width / 100, b.bottom * picture.height / 100);
        };
        EXPECT_GT(ColourDistance(mean(kBack), mean(kQuit)), kClearlyDifferent);
    }
}

TEST(ScreenPictures, TheFiveScreensAreDifferentPictures) {
    const char* files[5] = {"Data/Picture/start.tga", "Data/Picture/ending1.tga",
                            "Data/Picture/ending2.tga", "Data/Picture/win.tga",
                            "Data/Picture/ending3.tga"};
    Picture pictures[5];
    for (int i = 0; i < 5; ++i) pictures[i] = Load(files[i]);
    for (int a = 0; a < 5; ++a) {
        for (int b = a + 1; b < 5; ++b) {
            // Compare the upper halves, where each screen shows its own scene and title.
            const MeanColour ma =
                MeanInside(pictures[a], 0, 0, pictures[a].width, pictures[a].height / 2);
            const MeanColour mb =
                MeanInside(pictures[b], 0, 0, pictures[b].width, pictures[b].height / 2);
            EXPECT_GT(ColourDistance(ma, mb), 10.0) << files[a] << " and " << files[b];
        }
    }
}

// The keypad's cells in panel coordinates (x right, y up; the panel spans x -200 to 100 and y
// -100 to 300), index 0 the close key.
struct Cell {
    double xMin, yMin, xMax, yMax;
};
constexpr Cell kCells[10] = {
    {-95, -73, -6, -8},   {-184, 122, -95, 187}, {-95, 122, -6, 187}, {-6, 122, 83, 187},
    {-184, 57, -95, 122}, {-95, 57, -6, 122},    {-6, 57, 83, 122},   {-184, -8, -95, 57},
    {-95, -8, -6, 57},    {-6, -8, 83, 57},
};

// Panel point to picture pixel: u = (x + 200) / 300 across, v = (y + 100) / 400 up.
double PictureX(const Picture& picture, double x) {
    return (x + 200) / 300 * picture.width;
}
double PictureY(const Picture& picture, double y) {
    return (1.0 - (y + 100) / 400) * picture.height;
}

TEST(KeypadPictures, EveryKeyIsPaintedOnItsCell) {
    const Picture panel = Load("Data/Picture/clock.tga");
    ASSERT_GT(panel.width, 0);
    const double ring = 3.0 * panel.width / 300;
    MeanColour keys[10];
    for (int cell = 0; cell < 10; ++cell) {
        SCOPED_TRACE("cell " + std::to_string(cell));
        const Cell& c = kCells[cell];
        const double left = PictureX(panel, c.xMin), right = PictureX(panel, c.xMax);
        const double top = PictureY(panel, c.yMax), bottom = PictureY(panel, c.yMin);
        keys[cell] = MeanInside(panel, left, top, right, bottom);
        EXPECT_GT(ColourDistance(keys[cell], MeanRing(panel, left, top, right, bottom, ring)),
                  kClearlyDifferent);
        // The key's own face fills the cell's middle, not the gap between keys.
        const double w = right - left, h = bottom - top;
        const MeanColour face =
            MeanInside(panel, left + w * 0.1, top + h * 0.15, left + w * 0.3, bottom - h * 0.15);
        EXPECT_GT(ColourDistance(face, MeanRing(panel, left, top, right, bottom, ring)),
                  kClearlyDifferent);
    }
    // The close key does not look like a digit key.
    for (int digit = 1; digit <= 9; ++digit) {
        EXPECT_GT(ColourDistance(keys[0], keys[digit]), kClearlyDifferent) << digit;
    }
}

TEST(KeypadPictures, DisplayStripIsDarkAndTheDigitsMatchIt) {
    const Picture panel = Load("Data/Picture/clock.tga");
    ASSERT_GT(panel.width, 0);
    const double left = 0.2 * panel.width, right = 0.8 * panel.width;
    const double top = (1 - 0.9) * panel.height, bottom = (1 - 0.8) * panel.height;
    const MeanColour strip = MeanInside(panel, left, top, right, bottom);
    EXPECT_LT(strip.r + strip.g + strip.b, 3 * 50.0) << "the display should be dark";
    EXPECT_GT(ColourDistance(strip, MeanRing(panel, left, top, right, bottom, 12)),
              kClearlyDifferent);

    Picture digits[10];
    for (int d = 1; d <= 9; ++d) {
        SCOPED_TRACE("num_" + std::to_string(d));
        digits[d] = Load("Data/Picture/num_" + std::to_string(d) + ".tga");
        ASSERT_GT(digits[d].width, 0);
        // The digit's background is the display's, so typed digits sit in the strip.
        const Rgb& corner = digits[d].At(0, 0);
        const MeanColour cornerColour{double(corner.r), double(corner.g), double(corner.b)};
        EXPECT_LT(ColourDistance(cornerColour, MeanInside(panel, left, top, left + 3, top + 3)),
                  30.0);
        // Bright strokes on the dark ground: a readable figure.
        int bright = 0;
        for (const Rgb& p : digits[d].pixels) bright += (p.r + p.g + p.b) > 3 * 150 ? 1 : 0;
        const double share = static_cast<double>(bright) / digits[d].pixels.size();
        EXPECT_GT(share, 0.02);
        EXPECT_LT(share, 0.5);
    }
    // No two digits look alike.
    for (int a = 1; a <= 9; ++a) {
        for (int b = a + 1; b <= 9; ++b) {
            if (digits[a].pixels.size() != digits[b].pixels.size()) continue;
            int differing = 0;
            for (size_t i = 0; i < digits[a].pixels.size(); ++i) {
                const Rgb& p = digits[a].pixels[i];
                const Rgb& q = digits[b].pixels[i];
                differing += std::abs((p.r + p.g + p.b) - (q.r + q.g + q.b)) > 150 ? 1 : 0;
            }
            EXPECT_GT(differing, static_cast<int>(digits[a].pixels.size() / 50))
                << a << " and " << b;
        }
    }
}

// (s, t) of a cube point on a face, or false when the point is not on that face.
bool OnFace(const SkyFace& face, const double point[3], double* s, double* t) {
    double d[3];
    for (int k = 0; k < 3; ++k) d[k] = point[k] - face.origin[k];
    *s = (d[0] * face.across[0] + d[1] * face.across[1] + d[2] * face.across[2]) / 4.0;
    *t = (d[0] * face.up[0] + d[1] * face.up[1] + d[2] * face.up[2]) / 4.0;
    for (int k = 0; k < 3; ++k) {
        const double back = face.origin[k] + *s * face.across[k] + *t * face.up[k];
        if (std::abs(back - point[k]) > 1e-9) return false;
    }
    return *s >= -1e-9 && *s <= 1 + 1e-9 && *t >= -1e-9 && *t <= 1 + 1e-9;
}

// The texel the clamped texture shows at (s, t): t = 0 is the bottom row.
const Rgb& Texel(const Picture& picture, double s, double t) {
    const int x = static_cast<int>(std::lround(s * (picture.width - 1)));
    const int y = static_cast<int>(std::lround((1 - t) * (picture.height - 1)));
    return picture.At(x, y);
}

TEST(SkyPictures, FacesMeetWithoutSeamsAlongAllTwelveEdges) {
    Picture faces[6];
    for (int i = 0; i < 6; ++i) faces[i] = Load(kSkyFaces[i].file);
    int edgesChecked = 0;
    for (int a = 0; a < 6; ++a) {
        // Walk the four borders of face a; find the neighbour that shares each point.
        for (int border = 0; border < 4; ++border) {
            double total = 0, worst = 0;
            int neighbour = -1, samples = 0;
            for (int i = 1; i < 64; ++i) {
                const double along = i / 64.0;
                const double s =
                    border == 0 ? along : (border == 1 ? along : (border == 2 ? 0.0 : 1.0));
                const double t = border == 0 ? 0.0 : (border == 1 ? 1.0 : along);
                double point[3];
                for (int k = 0; k < 3; ++k) {
                    point[k] = kSkyFaces[a].origin[k] + s * kSkyFaces[a].across[k] +
                               t * kSkyFaces[a].up[k];
                }
                for (int b = 0; b < 6; ++b) {
                    double s2, t2;
                    if (b == a || !OnFace(kSkyFaces[b], point, &s2, &t2)) continue;
                    neighbour = b;
                    const Rgb& p = Texel(faces[a], s, t);
                    const Rgb& q = Texel(faces[b], s2, t2);
                    const double difference =
                        (std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b)) / 3.0;
                    total += difference;
                    worst = std::max(worst, difference);
                    ++samples;
                }
            }
            ASSERT_GE(neighbour, 0) << kSkyFaces[a].file << " border " << border;
            ASSERT_GT(samples, 0);
            EXPECT_LT(total / samples, 3.0)
                << kSkyFaces[a].file << " / " << kSkyFaces[neighbour].file;
            EXPECT_LT(worst, 16.0) << kSkyFaces[a].file << " / " << kSkyFaces[neighbour].file;
            ++edgesChecked;
        }
    }
    EXPECT_EQ(edgesChecked, 24) << "each of the twelve edges from both sides";
}

TEST(SkyPictures, SkyAboveAndGroundBelow) {
    const Picture top = Load("Data/Picture/otop.tga");
    const Picture bottom = Load("Data/Picture/dn.tga");
    const MeanColour sky = MeanInside(top, 0, 0, top.width, top.height);
    const MeanColour ground = MeanInside(bottom, 0, 0, bottom.width, bottom.height);
    EXPECT_GT(sky.b, sky.g) << "the sky is blue";
    EXPECT_GT(ground.g, ground.b) << "the ground is green";
    for (int side = 2; side < 6; ++side) {
        SCOPED_TRACE(kSkyFaces[side].file);
        const Picture face = Load(kSkyFaces[side].file);
        const MeanColour upper = MeanInside(face, 0, 0, face.width, face.height * 0.4);
        const MeanColour lower = MeanInside(face, 0, face.height * 0.6, face.width, face.height);
        EXPECT_GT(upper.b, lower.b);
        EXPECT_GT(lower.g - lower.b, upper.g - upper.b);
    }
}

TEST(InfoPictures, NineDifferentCards) {
    Picture cards[9];
    for (int i = 0; i < 9; ++i) cards[i] = Load("Data/Picture/info" + std::to_string(i) + ".tga");
    for (int a = 0; a < 9; ++a) {
        for (int b = a + 1; b < 9; ++b) {
            ASSERT_EQ(cards[a].pixels.size(), cards[b].pixels.size());
            double difference = 0;
            for (size_t i = 0; i < cards[a].pixels.size(); ++i) {
                const Rgb& p = cards[a].pixels[i];
                const Rgb& q = cards[b].pixels[i];
                difference += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
            }
            EXPECT_GT(difference / cards[a].pixels.size(), 5.0) << "info" << a << " and info" << b;
        }
    }
}

// Where the red ring round the gas check's day lies in a calendar picture: the centre of the
// strongly red pixels inside the grid (the ring, drawn in a purer red than the Sundays).
struct RingCentre {
    double x = 0, y = 0;
    int pixels = 0;
};
RingCentre FindRing(const Picture& picture, int top, int bottom) {
    RingCentre ring;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb& p = picture.At(x, y);
            if (p.r > 150 && p.r > 3.3 * (p.g + p.b)) {
                ring.x += x;
                ring.y += y;
                ++ring.pixels;
            }
        }
    }
    if (ring.pixels > 0) {
        ring.x /= ring.pixels;
        ring.y /= ring.pixels;
    }
    return ring;
}

// The calendar on the boiler room's wall and its close-up (info picture 8) ring the same day in
// the same week and weekday column: both grids run from Monday to Sunday.
TEST(PicturesLayout, TheCalendarOnTheWallAndItsCloseUpRingTheSameDayInTheSameColumn) {
    const Picture closeUp = Load("Data/Picture/info8.tga");
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadFileBytes(BuildFolder() + "/Data/Model/house_main/calendar_90.bmp", &bytes));
    Picture wall;
    BmpHeader header;
    std::string error;
    ASSERT_TRUE(DecodeBmp(bytes, &header, &wall, &error)) << error;
    ASSERT_EQ(wall.width, 128);
    // The close-up's grid: seven columns 30 wide from x 15, weeks 33 high from y 128; the wall
    // calendar's: columns 17 wide from x 6, weeks 17 high from y 40.
    const RingCentre onCloseUp = FindRing(closeUp, 128, 128 + 5 * 33);
    const RingCentre onWall = FindRing(wall, 36, 128);
    ASSERT_GT(onCloseUp.pixels, 50);
    ASSERT_GT(onWall.pixels, 30);
    EXPECT_EQ(static_cast<int>((onWall.x - 6) / 17), static_cast<int>((onCloseUp.x - 15) / 30));
    EXPECT_EQ(static_cast<int>((onWall.y - 40) / 17), static_cast<int>((onCloseUp.y - 128) / 33));
}

}  // namespace
