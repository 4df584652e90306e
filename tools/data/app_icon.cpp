// The menu icon: the house at night with its lit windows, gas seeping round it, on a rounded
// square. Painted afresh at each size (so the small one stays sharp) and written as RGBA PNG,
// the corners transparent, under OUTDIR/icons/hicolor/SIZExSIZE/apps/escape-house.png.
#include <png.h>  // Required for: png_create_write_struct(), png_write_row()

#include <cstdio>     // Required for: std::fopen()
#include <stdexcept>  // Required for: std::runtime_error
#include <string>     // Required for: std::to_string()
#include <vector>     // Required for: std::vector

#include "generators.h"
#include "picture_paint.h"

namespace {

// The sizes a menu asks for most: a large one for software centres, a small one for lists.
constexpr int kIconSizes[] = {256, 48};

const Color kSkyTop{10, 12, 34};
const Color kSkyBottom{52, 48, 92};
const Color kGround{16, 20, 26};
const Color kWall{34, 30, 44};
const Color kLitWindow{255, 214, 96};
const Color kGas{120, 220, 90};

// Everything is laid out on a 256-unit square and scaled to the icon's size.
void PaintIcon(Canvas& canvas) {
    const double s = canvas.Width() / 256.0;
    FillVerticalGradient(canvas, 0, 0, canvas.Width(), canvas.Height(), kSkyTop, kSkyBottom);
    // The moon: a disc with a disc of sky taken out of it.
    FillCircle(canvas, 58 * s, 60 * s, 26 * s, Color{245, 236, 200});
    FillCircle(canvas, 70 * s, 52 * s, 23 * s, Mix(kSkyTop, kSkyBottom, 0.2));
    // Gas behind the house, the ground, then the house itself.
    PaintGlow(canvas, 150 * s, 120 * s, 120 * s, kGas, 150);
    FillPolygon(
        canvas,
        {{0, 200 * s}, {128 * s, 188 * s}, {256 * s, 196 * s}, {256 * s, 256 * s}, {0, 256 * s}},
        kGround);
    canvas.FillRect(static_cast<int>(170 * s), static_cast<int>(62 * s), static_cast<int>(16 * s),
                    static_cast<int>(40 * s), Scale(kWall, 0.8));  // chimney
    FillPolygon(canvas, {{56 * s, 108 * s}, {136 * s, 50 * s}, {216 * s, 108 * s}},
                Scale(kWall, 0.8));
    canvas.FillRect(static_cast<int>(70 * s), static_cast<int>(106 * s), static_cast<int>(132 * s),
                    static_cast<int>(100 * s), kWall);
    // Two storeys of windows; the lower middle one is the door.
    for (int floor = 0; floor < 2; ++floor) {
        for (int i = 0; i < 3; ++i) {
            const double x = (84 + 40 * i) * s;
            const double y = (floor == 0 ? 120 : 166) * s;
            if (floor == 1 && i == 1) {
                canvas.FillRect(static_cast<int>(x + 2 * s), static_cast<int>(y - 4 * s),
                                static_cast<int>(24 * s), static_cast<int>(44 * s),
                                Scale(kWall, 0.5));
                continue;
            }
            const bool lit = !(floor == 1 && i == 2);
            FillRoundedRect(canvas, x, y, 28 * s, 28 * s, 2 * s,
                            lit ? kLitWindow : Scale(kWall, 1.7));
            if (lit) PaintGlow(canvas, x + 14 * s, y + 14 * s, 30 * s, kLitWindow, 60);
        }
    }
    // Wisps of gas in front, leaking from the house.
    PaintGlow(canvas, 90 * s, 196 * s, 70 * s, kGas, 140);
    PaintGlow(canvas, 206 * s, 176 * s, 60 * s, kGas, 130);
}

// Opacity of the rounded square the picture is cut to, 0..255 per pixel.
std::vector<std::uint8_t> RoundedSquareAlpha(int size) {
    Canvas mask(size, size);
    const double s = size / 256.0;
    FillRoundedRect(mask, 8 * s, 8 * s, 240 * s, 240 * s, 44 * s, Color{255, 255, 255});
    std::vector<std::uint8_t> alpha;
    for (const Color& pixel : mask.Pixels()) alpha.push_back(pixel.r);
    return alpha;
}

void WritePngRgba(const std::filesystem::path& path, const Canvas& canvas,
                  const std::vector<std::uint8_t>& alpha) {
    std::filesystem::create_directories(path.parent_path());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) throw std::runtime_error(path.string() + ": cannot write");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        throw std::runtime_error(path.string() + ": cannot write the PNG");
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(canvas.Width()),
                 static_cast<png_uint_32>(canvas.Height()), 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<std::size_t>(canvas.Width()) * 4);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Color pixel = canvas.Get(x, y);
            png_byte* out = &row[static_cast<std::size_t>(x) * 4];
            out[0] = pixel.r;
            out[1] = pixel.g;
            out[2] = pixel.b;
            out[3] = alpha[static_cast<std::size_t>(y) * canvas.Width() + x];
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(file) != 0) throw std::runtime_error(path.string() + ": cannot write");
}

}  // namespace

void WriteAppIcons(const std::filesystem::path& iconFolder) {
    for (const int size : kIconSizes) {
        Canvas canvas(size, size);
        PaintIcon(canvas);
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        WritePngRgba(iconFolder / "hicolor" / name / "apps" / "escape-house.png", canvas,
                     RoundedSquareAlpha(size));
    }
}
