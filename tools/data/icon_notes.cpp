// The three notes as the player reads them: a sheet of paper in the note icon's colour, shown
// at its own pixel size in the middle of the window. 512 by 256 is a power of two (the icon
// pictures are uploaded without rescaling) and fits the 800 by 600 window with room around it.
#include <cstdio>   // Required for: std::fprintf()
#include <cstdlib>  // Required for: std::exit()
#include <string>   // Required for: std::to_string()

#include "picture_paint.h"
#include "picture_parts.h"
#include "story.h"

namespace {

constexpr int kWidth = 512;
constexpr int kHeight = 256;

void WriteNote(const std::filesystem::path& file, const story::Note& note, Color paper, Color ink,
               std::uint32_t seed) {
    // The sheet with a faint fibre texture, a darker edge and a strip of tape at the top.
    Canvas canvas(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const double grain = FractalNoise2(x * 0.08, y * 0.5, 3, seed) - 0.5;
            canvas.Set(x, y, Scale(paper, 1.0 + 0.06 * grain));
        }
    }
    StrokeRoundedRect(canvas, 1.5, 1.5, kWidth - 3, kHeight - 3, 3, 3, Scale(paper, 0.7));
    FillPolygon(canvas, {{206, 0}, {306, 0}, {302, 18}, {210, 18}}, Color{236, 232, 200}, 170);
    // A margin line, as on a page torn from an exercise book.
    canvas.FillRect(40, 10, 2, kHeight - 20, Color{226, 110, 110});

    GlyphRasterizer& heading = Fonts().Font(Face::kChinese, 21);
    GlyphRasterizer& headingEnglish = Fonts().Font(Face::kSansBold, 13);
    const std::string headingChinese = note.heading.chinese;
    const int end = DrawTextAt(canvas, heading, 56, 36, headingChinese, ink);
    DrawTextAt(canvas, headingEnglish, end + 14, 35, note.heading.english, Scale(ink, 1.4));
    canvas.FillRect(56, 45, kWidth - 80, 1, Scale(paper, 0.7));
    const int baseline = DrawParagraph(canvas, Fonts().Font(Face::kChinese, 18), 56, 72,
                                       kWidth - 80, 25, note.body.chinese, ink);
    const int next = DrawParagraph(canvas, Fonts().Font(Face::kSans, 14), 56, baseline + 4,
                                   kWidth - 80, 19, note.body.english, Scale(ink, 1.3));
    // A note whose words run onto its edge reads as cut short: refuse to write it. The last
    // line's descenders need room above the sheet's border.
    const int lastBaseline = next - 19;
    if (lastBaseline > kHeight - 12) {
        std::fprintf(stderr, "escape-house-data: note \"%s\": its text runs %d pixels past the "
                     "sheet\n", note.heading.english, lastBaseline - (kHeight - 12));
        std::exit(1);
    }
    WriteBmp24(file, canvas);
}

}  // namespace

void WriteNotePictures(const std::filesystem::path& iconFolder) {
    const Color papers[3] = {{250, 248, 240}, {255, 236, 150}, {200, 226, 255}};
    const Color inks[3] = {{24, 36, 110}, {60, 36, 10}, {20, 30, 70}};
    for (int i = 0; i < 3; ++i) {
        WriteNote(iconFolder / ("noteinfo" + std::to_string(i + 1) + ".bmp"), story::kNotes[i],
                  papers[i], inks[i], 300u + i);
    }
}
