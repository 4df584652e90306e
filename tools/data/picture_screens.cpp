// The start picture and the four end pictures. They are stretched over the whole window, so they
// are painted at the window's own 800 by 600 (4:3); their buttons lie exactly on the screens'
// button rectangles, which are given in percent of the window.
#include <algorithm>  // Required for: std::clamp(), std::max()
#include <cmath>      // Required for: std::cos(), std::sin(), std::hypot()

#include "picture_paint.h"
#include "picture_parts.h"
#include "story.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr double kPi = 3.14159265358979323846;

const Color kWhite{250, 248, 240};
const Color kInk{14, 14, 20};

struct ButtonStyle {
    Color top, bottom, border, text;
};
const ButtonStyle kStartStyle{{255, 200, 84}, {226, 132, 30}, {255, 240, 200}, {40, 22, 6}};
const ButtonStyle kBackStyle{{255, 206, 96}, {214, 140, 36}, {255, 242, 206}, {40, 22, 6}};
const ButtonStyle kQuitStyle{{236, 86, 66}, {166, 34, 26}, {255, 210, 200}, {255, 248, 244}};

// A button painted over its rectangle: label in Chinese above English.
void PaintButton(Canvas& canvas, const PercentRect& rect, const Bilingual& label,
                 const ButtonStyle& style) {
    const double x = rect.left * kWidth / 100, y = rect.top * kHeight / 100;
    const double w = (rect.right - rect.left) * kWidth / 100;
    const double h = (rect.bottom - rect.top) * kHeight / 100;
    FillRoundedRect(canvas, x + 2, y + 5, w, h, 9, Color{0, 0, 0}, 120);  // shadow
    FillRoundedRectGradient(canvas, x, y, w, h, 9, style.top, style.bottom);
    StrokeRoundedRect(canvas, x + 1.5, y + 1.5, w - 3, h - 3, 8, 2.0, style.border, 200);
    const int chineseSize = h > 56 ? 24 : 20;
    const int englishSize = h > 56 ? 15 : 13;
    GlyphRasterizer& chinese = Fonts().Font(Face::kChinese, chineseSize);
    GlyphRasterizer& english = Fonts().Font(Face::kSansBold, englishSize);
    const int centreX = static_cast<int>(x + w / 2);
    const int block = chineseSize + englishSize + 2;
    const int firstBaseline = static_cast<int>(y + (h - block) / 2 + chineseSize - 2);
    DrawTextCentered(canvas, chinese, centreX, firstBaseline, label.chinese, style.text);
    DrawTextCentered(canvas, english, centreX, firstBaseline + englishSize + 5, label.english,
                     style.text);
}

// Drifting gas: soft green clouds.
void PaintGas(Canvas& canvas, double left, double top, double right, double bottom, int count,
              int alpha, std::uint32_t seed) {
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const double cx = random.Uniform(left, right);
        const double cy = random.Uniform(top, bottom);
        const double radius = random.Uniform(30, 80);
        PaintGlow(canvas, cx, cy, radius, Color{120, 220, 90}, alpha);
    }
}

// The house as a dark shape against the sky, with lit windows.
void PaintHouse(Canvas& canvas, double left, double ground, double width, double height, Color wall,
                Color window) {
    const double storey = height * 0.36;
    FillPolygon(canvas,
                {{left - width * 0.06, ground - 2 * storey},
                 {left + width * 0.5, ground - height},
                 {left + width * 1.06, ground - 2 * storey}},
                Scale(wall, 0.8));
    canvas.FillRect(static_cast<int>(left + width * 0.7), static_cast<int>(ground - height * 0.92),
                    static_cast<int>(width * 0.09), static_cast<int>(height * 0.3),
                    Scale(wall, 0.8));
    canvas.FillRect(static_cast<int>(left), static_cast<int>(ground - 2 * storey),
                    static_cast<int>(width), static_cast<int>(2 * storey), wall);
    const double paneW = width * 0.16, paneH = storey * 0.45;
    for (int floor = 0; floor < 2; ++floor) {
        for (int i = 0; i < 3; ++i) {
            if (floor == 0 && i == 1) continue;  // the door goes there
            const double wx = left + width * (0.12 + 0.3 * i);
            const double wy = ground - storey * (floor + 1) + storey * 0.25;
            const bool lit = (floor == 1 && i != 2) || (floor == 0 && i == 0);
            canvas.FillRect(static_cast<int>(wx), static_cast<int>(wy), static_cast<int>(paneW),
                            static_cast<int>(paneH), lit ? window : Scale(wall, 1.6));
            canvas.FillRect(static_cast<int>(wx + paneW / 2 - 1), static_cast<int>(wy), 2,
                            static_cast<int>(paneH), Scale(wall, 0.7));
            canvas.FillRect(static_cast<int>(wx), static_cast<int>(wy + paneH / 2 - 1),
                            static_cast<int>(paneW), 2, Scale(wall, 0.7));
        }
    }
    canvas.FillRect(static_cast<int>(left + width * 0.43), static_cast<int>(ground - storey * 0.7),
                    static_cast<int>(width * 0.14), static_cast<int>(storey * 0.7),
                    Scale(wall, 0.55));
}

// Hills as a band of sine waves from `top` down to the bottom of the canvas.
void PaintHills(Canvas& canvas, double baseY, double amplitude, double phase, Color color) {
    std::vector<Point> outline;
    for (int x = 0; x <= kWidth; x += 8) {
        outline.push_back(
            {static_cast<double>(x), baseY - amplitude * (0.6 * std::sin(x * 0.008 + phase) +
                                                          0.4 * std::sin(x * 0.021 + 2 * phase))});
    }
    outline.push_back({kWidth, kHeight});
    outline.push_back({0, kHeight});
    FillPolygon(canvas, outline, color);
}

void PaintTitle(Canvas& canvas, const Bilingual& title, int chineseBaseline, Color color,
                Color halo, Color englishColor) {
    DrawTextHaloCentered(canvas, Fonts().Font(Face::kChinese, 58), kWidth / 2, chineseBaseline,
                         title.chinese, color, halo, 170);
    DrawTextHaloCentered(canvas, Fonts().Font(Face::kSansBold, 28), kWidth / 2,
                         chineseBaseline + 40, title.english, englishColor, halo, 170);
}

// The lines below the title: what happened, and a tip under the buttons.
void PaintEndingText(Canvas& canvas, const story::Ending& ending, Color text, Color halo) {
    PaintTitle(canvas, ending.title, 300, text, halo, text);
    DrawTextHaloCentered(canvas, Fonts().Font(Face::kChinese, 21), kWidth / 2, 382,
                         ending.what.chinese, text, halo, 150);
    DrawTextHaloCentered(canvas, Fonts().Font(Face::kSans, 16), kWidth / 2, 408,
                         ending.what.english, text, halo, 150);
    FillRoundedRect(canvas, 90, 510, 620, 70, 12, Color{0, 0, 0}, 120);
    DrawTextCentered(canvas, Fonts().Font(Face::kChinese, 18), kWidth / 2, 540, ending.tip.chinese,
                     Color{255, 226, 150});
    DrawParagraph(canvas, Fonts().Font(Face::kSans, 14), 100, 564, 600, 18, ending.tip.english,
                  Color{255, 226, 150}, Align::kCentre);
}

void PaintEndButtons(Canvas& canvas) {
    PaintButton(canvas, kBackButton, story::kBackButton, kBackStyle);
    PaintButton(canvas, kQuitButton, story::kQuitButton, kQuitStyle);
}

// Start -------------------------------------------------------------------------------------------

void WriteStart(const std::filesystem::path& file) {
    Canvas canvas(kWidth, kHeight);
    FillVerticalGradient(canvas, 0, 0, kWidth, 240, Color{8, 10, 30}, Color{40, 40, 76});
    FillVerticalGradient(canvas, 0, 240, kWidth, kHeight - 240, Color{18, 22, 30},
                         Color{8, 10, 14});
    // A crescent moon: the disc minus a slightly shifted disc.
    PaintGlow(canvas, 92, 72, 70, Color{160, 170, 220}, 40);
    FillByDistance(canvas, 60, 34, 130, 104, Color{236, 232, 210}, [](double x, double y) {
        const double lit = std::hypot(x - 96, y - 70) - 26;
        const double shadow = 24 - std::hypot(x - 108, y - 62);
        return std::max(lit, shadow);
    });
    PaintHills(canvas, 178, 12, 0.7, Color{24, 28, 48});
    PaintHouse(canvas, 606, 184, 130, 140, Color{20, 22, 34}, Color{250, 206, 110});
    PaintGlow(canvas, 650, 100, 80, Color{250, 200, 110}, 30);
    PaintGas(canvas, 570, 90, 760, 190, 12, 70, 7);
    PaintHills(canvas, 196, 8, 2.1, Color{12, 16, 24});

    PaintTitle(canvas, story::kTitle, 92, kWhite, kInk, Color{255, 196, 80});
    DrawTextHaloCentered(canvas, Fonts().Font(Face::kChinese, 17), kWidth / 2, 166,
                         std::string(story::kTagline.chinese) + "　" + story::kTagline.english,
                         Color{150, 236, 120}, kInk, 200);

    // The story on a dark panel.
    FillRoundedRect(canvas, 40, 186, 720, 168, 14, Color{6, 8, 14}, 190);
    StrokeRoundedRect(canvas, 40.5, 186.5, 719, 167, 14, 1, Color{120, 200, 110}, 120);
    int baseline = 218;
    baseline = DrawParagraph(canvas, Fonts().Font(Face::kChinese, 18), 64, baseline, 672, 27,
                             story::kIntro.chinese, kWhite);
    baseline = DrawParagraph(canvas, Fonts().Font(Face::kSans, 14), 64, baseline - 3, 672, 19,
                             story::kIntro.english, Color{214, 218, 230});
    baseline = DrawParagraph(canvas, Fonts().Font(Face::kChinese, 18), 64, baseline + 10, 672, 27,
                             story::kGoal.chinese, Color{255, 210, 110});
    DrawParagraph(canvas, Fonts().Font(Face::kSans, 14), 64, baseline - 3, 672, 19,
                  story::kGoal.english, Color{255, 210, 110});

    PaintButton(canvas, kStartButton, story::kStartButton, kStartStyle);

    // How to play, at the foot of the picture.
    GlyphRasterizer& chinese = Fonts().Font(Face::kChinese, 15);
    GlyphRasterizer& english = Fonts().Font(Face::kSans, 13);
    DrawTextCentered(canvas, chinese, kWidth / 2, 492, story::kControlsWalk.chinese,
                     Color{200, 206, 220});
    DrawTextCentered(canvas, english, kWidth / 2, 512, story::kControlsWalk.english,
                     Color{160, 168, 186});
    DrawTextCentered(canvas, chinese, kWidth / 2, 548, story::kControlsMouse.chinese,
                     Color{200, 206, 220});
    DrawTextCentered(canvas, english, kWidth / 2, 568, story::kControlsMouse.english,
                     Color{160, 168, 186});
    WriteTarga24Smallest(file, canvas);
}

// Endings -----------------------------------------------------------------------------------------

// Time out: an alarm clock at zero in a green haze.
void WriteTimeOut(const std::filesystem::path& file) {
    Canvas canvas(kWidth, kHeight);
    FillVerticalGradient(canvas, 0, 0, kWidth, kHeight, Color{10, 24, 16}, Color{40, 70, 34});
    PaintGas(canvas, 0, 0, kWidth, kHeight, 40, 60, 11);
    const double cx = 400, cy = 138;
    DrawLine(canvas, {cx - 62, cy - 78}, {cx - 40, cy - 58}, 10, Color{60, 64, 70});  // bells' arms
    DrawLine(canvas, {cx + 62, cy - 78}, {cx + 40, cy - 58}, 10, Color{60, 64, 70});
    FillCircle(canvas, cx - 66, cy - 82, 24, Color{190, 40, 34});
    FillCircle(canvas, cx + 66, cy - 82, 24, Color{190, 40, 34});
    DrawLine(canvas, {cx - 50, cy + 70}, {cx - 66, cy + 96}, 9, Color{60, 64, 70});  // feet
    DrawLine(canvas, {cx + 50, cy + 70}, {cx + 66, cy + 96}, 9, Color{60, 64, 70});
    FillCircle(canvas, cx, cy, 92, Color{190, 40, 34});
    FillCircle(canvas, cx, cy, 78, Color{250, 246, 232});
    for (int tick = 0; tick < 12; ++tick) {
        const double angle = tick * kPi / 6;
        const double inner = tick % 3 == 0 ? 60 : 66;
        DrawLine(canvas, {cx + inner * std::sin(angle), cy - inner * std::cos(angle)},
                 {cx + 72 * std::sin(angle), cy - 72 * std::cos(angle)}, tick % 3 == 0 ? 5 : 3,
                 kInk);
    }
    DrawLine(canvas, {cx, cy}, {cx, cy - 58}, 6, kInk);  // both hands at twelve
    DrawLine(canvas, {cx, cy}, {cx, cy - 42}, 9, kInk);
    FillCircle(canvas, cx, cy, 7, Color{190, 40, 34});
    FillRoundedRect(canvas, cx - 44, cy + 22, 88, 28, 5, Color{20, 10, 10});
    DrawTextCentered(canvas, Fonts().Font(Face::kMonoBold, 22), static_cast<int>(cx),
                     static_cast<int>(cy + 44), "00:00", Color{255, 70, 56});
    PaintEndingText(canvas, story::kTimeOut, kWhite, kInk);
    PaintEndButtons(canvas);
    WriteTarga24Smallest(file, canvas);
}

// The fall: a shattered upstairs window in the night, shards tumbling down.
void WriteFall(const std::filesystem::path& file) {
    Canvas canvas(kWidth, kHeight);
    FillVerticalGradient(canvas, 0, 0, kWidth, kHeight, Color{12, 16, 40}, Color{30, 30, 60});
    const double left = 300, top = 20, width = 200, height = 210;
    canvas.FillRect(static_cast<int>(left - 14), static_cast<int>(top - 14),
                    static_cast<int>(width + 28), static_cast<int>(height + 28), Color{70, 50, 36});
    FillVerticalGradient(canvas, static_cast<int>(left), static_cast<int>(top),
                         static_cast<int>(width), static_cast<int>(height), Color{30, 40, 80},
                         Color{70, 70, 120});
    // Cracks running out from where the glass was struck.
    const Point hit{left + width * 0.58, top + height * 0.46};
    Random random(42);
    for (int i = 0; i < 14; ++i) {
        const double angle = i * 2 * kPi / 14 + random.Uniform(-0.2, 0.2);
        Point from = hit;
        for (int step = 0; step < 4; ++step) {
            const double length = random.Uniform(22, 48);
            const double bend = angle + random.Uniform(-0.35, 0.35);
            Point to{from.x + length * std::cos(bend), from.y + length * std::sin(bend)};
            to.x = std::clamp(to.x, left, left + width);
            to.y = std::clamp(to.y, top, top + height);
            DrawLine(canvas, from, to, 2.0, Color{230, 236, 255}, 220);
            from = to;
        }
    }
    for (int ring = 1; ring <= 3; ++ring) {
        StrokeCircle(canvas, hit.x, hit.y, ring * 20.0, 1.5, Color{220, 228, 255}, 150);
    }
    FillCircle(canvas, hit.x, hit.y, 14, Color{10, 14, 34});
    // The frame's bars over the glass.
    canvas.FillRect(static_cast<int>(left + width / 2 - 5), static_cast<int>(top), 10,
                    static_cast<int>(height), Color{70, 50, 36});
    // Shards falling away below the window.
    for (int i = 0; i < 16; ++i) {
        const double sx = random.Uniform(250, 560);
        const double sy = random.Uniform(250, 340);
        const double size = random.Uniform(5, 13);
        const double turn = random.Uniform(0, kPi);
        FillPolygon(
            canvas,
            {{sx + size * std::cos(turn), sy + size * std::sin(turn)},
             {sx + size * 0.5 * std::cos(turn + 2.2), sy + size * 0.5 * std::sin(turn + 2.2)},
             {sx + size * 0.8 * std::cos(turn + 4.0), sy + size * 0.8 * std::sin(turn + 4.0)}},
            Color{200, 214, 255}, 200);
    }
    PaintEndingText(canvas, story::kFall, kWhite, kInk);
    PaintEndButtons(canvas);
    WriteTarga24Smallest(file, canvas);
}

// The explosion: a burst of fire over a dark red room.
void WriteExplosion(const std::filesystem::path& file) {
    Canvas canvas(kWidth, kHeight);
    FillVerticalGradient(canvas, 0, 0, kWidth, kHeight, Color{60, 12, 6}, Color{16, 4, 4});
    const double cx = 400, cy = 140;
    PaintGlow(canvas, cx, cy, 330, Color{255, 120, 30}, 150);
    Random random(7);
    const Color layers[3] = {{214, 40, 20}, {255, 140, 30}, {255, 232, 120}};
    const double sizes[3] = {150, 108, 64};
    for (int layer = 0; layer < 3; ++layer) {
        std::vector<Point> star;
        const int spikes = 14;
        for (int i = 0; i < 2 * spikes; ++i) {
            const double angle = i * kPi / spikes;
            const double radius =
                (i % 2 == 0 ? sizes[layer] : sizes[layer] * 0.55) * random.Uniform(0.8, 1.1);
            star.push_back({cx + radius * std::cos(angle), cy + radius * 0.8 * std::sin(angle)});
        }
        FillPolygon(canvas, star, layers[layer]);
    }
    for (int i = 0; i < 22; ++i) {
        const double angle = random.Uniform(0, 2 * kPi);
        const double from = random.Uniform(160, 200);
        const double to = from + random.Uniform(20, 60);
        DrawLine(canvas, {cx + from * std::cos(angle), cy + from * 0.8 * std::sin(angle)},
                 {cx + to * std::cos(angle), cy + to * 0.8 * std::sin(angle)}, 3,
                 Color{255, 200, 90}, 200);
    }
    PaintEndingText(canvas, story::kExplosion, kWhite, kInk);
    PaintEndButtons(canvas);
    WriteTarga24Smallest(file, canvas);
}

// The escape: dawn over the hills, the house left behind, shut. Both ways out end here, the front
// door and the ground-floor window, so the picture singles out neither.
void WriteEscape(const std::filesystem::path& file) {
    Canvas canvas(kWidth, kHeight);
    FillVerticalGradient(canvas, 0, 0, kWidth, 250, Color{110, 160, 220}, Color{255, 196, 140});
    FillVerticalGradient(canvas, 0, 250, kWidth, kHeight - 250, Color{90, 150, 70},
                         Color{40, 90, 40});
    PaintGlow(canvas, 520, 236, 260, Color{255, 236, 160}, 170);
    FillCircle(canvas, 520, 236, 46, Color{255, 244, 200});
    PaintHills(canvas, 236, 12, 1.3, Color{110, 150, 110});
    PaintHills(canvas, 252, 8, 3.3, Color{80, 140, 70});
    PaintHouse(canvas, 80, 250, 170, 170, Color{120, 92, 84}, Color{70, 90, 110});
    // Birds in the morning sky.
    for (int i = 0; i < 4; ++i) {
        const double bx = 330 + i * 46, by = 70 + (i % 2) * 22;
        DrawLine(canvas, {bx - 10, by - 4}, {bx, by + 2}, 2.5, Color{40, 40, 60});
        DrawLine(canvas, {bx, by + 2}, {bx + 10, by - 4}, 2.5, Color{40, 40, 60});
    }
    PaintEndingText(canvas, story::kEscape, kWhite, Color{30, 50, 30});
    PaintEndButtons(canvas);
    WriteTarga24Smallest(file, canvas);
}

}  // namespace

void WriteScreenPictures(const std::filesystem::path& pictureFolder) {
    WriteStart(pictureFolder / "start.tga");
    WriteTimeOut(pictureFolder / "ending1.tga");
    WriteFall(pictureFolder / "ending2.tga");
    WriteEscape(pictureFolder / "win.tga");
    WriteExplosion(pictureFolder / "ending3.tga");
}
