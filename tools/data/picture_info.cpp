// The nine info pictures: a card that comments on what was clicked, with a drawing of the thing,
// a title and a line of advice in Chinese and English. They are shown in a portrait area of
// 0.3 by 0.6 of the window (240 by 360 pixels in the 800 by 600 window), so they are painted at
// that size. Picture 8 is the wall calendar with the gas check circled: the keypad code's date.
#include <cmath>   // Required for: std::cos(), std::sin()
#include <cstdio>  // Required for: std::fprintf()
#include <cstdlib>  // Required for: std::exit()
#include <string>  // Required for: std::to_string()

#include "house_calendar.h"
#include "picture_items.h"
#include "picture_paint.h"
#include "picture_parts.h"
#include "story.h"

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 360;
constexpr double kPi = 3.14159265358979323846;

const Color kFrame{18, 20, 26};
const Color kPaper{248, 243, 230};
const Color kInk{30, 30, 36};

struct CardStyle {
    Color bandTop, bandBottom, accent;
};

// The card around a drawing: dark frame, paper, a coloured band for the drawing.
void PaintCard(Canvas& canvas, const CardStyle& style) {
    canvas.FillRect(0, 0, kWidth, kHeight, kFrame);
    FillRoundedRect(canvas, 4, 4, kWidth - 8, kHeight - 8, 12, kPaper);
    FillRoundedRectGradient(canvas, 12, 12, kWidth - 24, 118, 9, style.bandTop, style.bandBottom);
}

void PaintCardText(Canvas& canvas, const story::InfoCard& card, const CardStyle& style) {
    DrawTextCentered(canvas, Fonts().Font(Face::kChinese, 24), kWidth / 2, 164, card.title.chinese,
                     kInk);
    DrawTextCentered(canvas, Fonts().Font(Face::kSansBold, 14), kWidth / 2, 185, card.title.english,
                     style.accent);
    canvas.FillRect(30, 196, kWidth - 60, 2, Mix(style.accent, kPaper, 0.4));
    const int baseline = DrawParagraph(canvas, Fonts().Font(Face::kChinese, 16), 16, 221,
                                       kWidth - 32, 22, card.body.chinese, kInk, Align::kCentre);
    const int next = DrawParagraph(canvas, Fonts().Font(Face::kSans, 13), 14, baseline + 4,
                                   kWidth - 28, 17, card.body.english, Color{56, 56, 66},
                                   Align::kCentre);
    // A card whose words run past its paper would cut the advice short: refuse to write it. The
    // last line's baseline must leave room for its descenders above the paper's rim.
    const int lastBaseline = next - 17;
    if (lastBaseline > kHeight - 12) {
        std::fprintf(stderr, "escape-house-data: info card \"%s\": its text runs %d pixels "
                     "past the card\n", card.title.english, lastBaseline - (kHeight - 12));
        std::exit(1);
    }
}

// Picture 8: a calendar page for the month of the gas check.
void PaintCalendar(Canvas& canvas) {
    canvas.FillRect(0, 0, kWidth, kHeight, kFrame);
    DrawTextCentered(canvas, Fonts().Font(Face::kChinese, 16), kWidth / 2, 22,
                     story::kInfoCards[8].title.chinese, Color{230, 230, 236});
    DrawTextCentered(canvas, Fonts().Font(Face::kSansBold, 11), kWidth / 2, 38,
                     story::kInfoCards[8].title.english, Color{190, 194, 204});
    // The page with its binding rings.
    const double top = 50;
    FillRoundedRect(canvas, 8, top, kWidth - 16, kHeight - top - 8, 6, kPaper);
    const bool november = kGasCheckMonth == 11;
    const Bilingual& month = story::kCalendarMonths[november ? 0 : 1];
    FillRoundedRectGradient(canvas, 8, top, kWidth - 16, 50, 6, Color{214, 50, 40},
                            Color{170, 30, 26});
    canvas.FillRect(8, static_cast<int>(top) + 44, kWidth - 16, 6, Color{170, 30, 26});
    for (int ring = 0; ring < 6; ++ring) {
        const double x = 30 + ring * 36;
        FillCircle(canvas, x, top + 6, 4, Color{60, 20, 20});
        DrawLine(canvas, {x, top - 6}, {x, top + 5}, 3, Color{200, 200, 210});
    }
    const std::string monthNumber = std::to_string(kGasCheckMonth);
    DrawTextAt(canvas, Fonts().Font(Face::kSansBold, 30), 20, static_cast<int>(top) + 42,
               monthNumber, Color{255, 255, 255});
    DrawTextAt(canvas, Fonts().Font(Face::kChinese, 22), 68, static_cast<int>(top) + 32,
               month.chinese, Color{255, 255, 255});
    DrawTextAt(canvas, Fonts().Font(Face::kSansBold, 12), 142, static_cast<int>(top) + 31,
               month.english, Color{255, 226, 220});

    // Weeks start on Monday, as on the calendar on the wall.
    const int firstWeekday = CalendarFirstWeekday(kGasCheckMonth);
    const int days = CalendarDays(kGasCheckMonth);
    const double gridLeft = 15, columnWidth = 30, rowHeight = 33, weekdayBaseline = top + 70;
    const double gridTop = top + 78;
    static const char* const kWeekdays[7] = {"一", "二", "三", "四", "五", "六", "日"};
    for (int column = 0; column < 7; ++column) {
        DrawTextCentered(canvas, Fonts().Font(Face::kChinese, 13),
                         static_cast<int>(gridLeft + column * columnWidth + columnWidth / 2),
                         static_cast<int>(weekdayBaseline), kWeekdays[column],
                         column == 6 ? Color{200, 40, 30} : Color{90, 90, 100});
    }
    canvas.FillRect(static_cast<int>(gridLeft), static_cast<int>(gridTop) - 3,
                    static_cast<int>(7 * columnWidth), 1, Color{200, 190, 170});
    GlyphRasterizer& dayFont = Fonts().Font(Face::kSansBold, 15);
    double gasX = 0, gasY = 0, birthdayX = 0, birthdayY = 0;
    for (int day = 1; day <= days; ++day) {
        const int cell = firstWeekday + day - 1;
        const int column = cell % 7, row = cell / 7;
        const double cx = gridLeft + column * columnWidth + columnWidth / 2;
        const double cy = gridTop + row * rowHeight + rowHeight / 2;
        DrawTextCentered(canvas, dayFont, static_cast<int>(cx), static_cast<int>(cy + 5),
                         std::to_string(day), column == 6 ? Color{200, 40, 30} : kInk);
        if (day == kGasCheckDay) gasX = cx, gasY = cy;
        if (day == 19) birthdayX = cx, birthdayY = cy;
    }
    // A small blue heart by the 19th: someone's birthday.
    if (kGasCheckDay != 19) {
        const double hx = birthdayX + 14, hy = birthdayY - 13;
        FillCircle(canvas, hx - 2, hy, 2.4, Color{50, 110, 220});
        FillCircle(canvas, hx + 2, hy, 2.4, Color{50, 110, 220});
        FillPolygon(canvas, {{hx - 4.3, hy + 0.8}, {hx + 4.3, hy + 0.8}, {hx, hy + 5.5}},
                    Color{50, 110, 220});
    }
    // The gas check, ringed twice by hand in red ink.
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<Point> ring;
        for (int i = 0; i <= 40; ++i) {
            const double angle = i * 2 * kPi / 40 + pass * 0.5;
            ring.push_back({gasX + (15.5 + pass * 1.2) * std::cos(angle),
                            gasY + (13.5 - pass * 0.8) * std::sin(angle) + 0.5});
        }
        for (size_t i = 0; i + 1 < ring.size(); ++i) {
            DrawLine(canvas, ring[i], ring[i + 1], 2.2, Color{220, 30, 24}, 230);
        }
    }
    // The legend under the grid, written in the same red.
    const double legendTop = gridTop + 5 * rowHeight + 4;
    canvas.FillRect(static_cast<int>(gridLeft), static_cast<int>(legendTop),
                    static_cast<int>(7 * columnWidth), 1, Color{200, 190, 170});
    const std::string gasLine = std::to_string(kGasCheckMonth) + "月" +
                                std::to_string(kGasCheckDay) + "日  " + story::kGasCheck.chinese;
    DrawTextCentered(canvas, Fonts().Font(Face::kChinese, 17), kWidth / 2,
                     static_cast<int>(legendTop) + 21, gasLine, Color{210, 30, 24});
    const std::string gasEnglish = std::string(story::kGasCheck.english) + ": " + month.english +
                                   " " + std::to_string(kGasCheckDay);
    DrawTextCentered(canvas, Fonts().Font(Face::kSansBold, 12), kWidth / 2,
                     static_cast<int>(legendTop) + 38, gasEnglish, Color{210, 30, 24});
}

}  // namespace

void WriteInfoPictures(const std::filesystem::path& pictureFolder) {
    const CardStyle styles[8] = {
        {{120, 130, 150}, {80, 88, 108}, {70, 80, 110}},    // 0 nothing special
        {{250, 214, 110}, {214, 158, 50}, {150, 100, 20}},  // 1 a key
        {{90, 120, 170}, {40, 60, 110}, {40, 80, 150}},     // 2 a window
        {{170, 190, 220}, {110, 134, 180}, {60, 80, 140}},  // 3 a note
        {{120, 124, 134}, {70, 72, 82}, {120, 60, 40}},     // 4 locked
        {{150, 170, 190}, {90, 110, 130}, {70, 90, 110}},   // 5 the hammer
        {{240, 200, 140}, {200, 150, 90}, {150, 90, 30}},   // 6 the bread
        {{250, 120, 90}, {190, 40, 30}, {190, 40, 30}},     // 7 the boiler
    };
    const Placement drawing{kWidth / 2.0, 71, 48};
    for (int picture = 0; picture < 9; ++picture) {
        Canvas canvas(kWidth, kHeight);
        if (picture == 8) {
            PaintCalendar(canvas);
        } else {
            PaintCard(canvas, styles[picture]);
            switch (picture) {
                case 0:
                    PaintMagnifier(canvas, drawing);
                    break;
                case 1:
                    PaintKey(canvas, {drawing.cx, drawing.cy, 50, -0.35}, Color{236, 188, 70},
                             KeyBow::kRound);
                    break;
                case 2:
                    PaintCrackedWindow(canvas, {drawing.cx, drawing.cy, 48});
                    break;
                case 3:
                    PaintNote(canvas, {drawing.cx, drawing.cy, 46, -0.12}, Color{255, 252, 240});
                    break;
                case 4:
                    PaintPadlock(canvas, {drawing.cx, drawing.cy + 6, 48});
                    break;
                case 5:
                    PaintHammer(canvas, drawing);
                    break;
                case 6:
                    PaintBread(canvas, {drawing.cx, drawing.cy + 4, 52}, false);
                    break;
                case 7:
                    PaintBoiler(canvas, {drawing.cx - 6, drawing.cy, 48});
                    break;
            }
            PaintCardText(canvas, story::kInfoCards[picture], styles[picture]);
        }
        // Stored top row first: the game flips such pictures while reading them.
        WriteTarga24Smallest(pictureFolder / ("info" + std::to_string(picture) + ".tga"), canvas,
                             TargaLayout::kTopFirst);
    }
}
