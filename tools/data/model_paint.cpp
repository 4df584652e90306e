// Noise, shapes and material patterns for the models' textures.
#include "model_paint.h"

#include <algorithm>  // Required for: std::clamp(), std::min(), std::max()
#include <cmath>      // Required for: std::floor(), std::sqrt(), std::sin(), std::fabs()

namespace modelpaint {

namespace {

std::uint32_t Mix32(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

int Wrap(int value, int period) {
    if (period <= 0) return value;
    const int r = value % period;
    return r < 0 ? r + period : r;
}

double Smooth(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

double Fraction(double x) {
    return x - std::floor(x);
}

std::uint8_t Channel(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

}  // namespace

double Hash01(int a, int b, std::uint32_t seed) {
    const std::uint32_t h = Mix32(static_cast<std::uint32_t>(a) * 0x9e3779b1U ^
                                  (static_cast<std::uint32_t>(b) * 0x85ebca77U + 0x632be5abU) ^
                                  (seed * 0xc2b2ae3dU + 0x27d4eb2fU));
    return (h & 0xffffffU) / static_cast<double>(0x1000000);
}

double Noise(double x, double y, int periodX, int periodY, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = Smooth(x - fx), ty = Smooth(y - fy);
    auto at = [&](int dx, int dy) {
        return Hash01(Wrap(ix + dx, periodX), Wrap(iy + dy, periodY), seed);
    };
    const double top = at(0, 0) + (at(1, 0) - at(0, 0)) * tx;
    const double bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * tx;
    return top + (bottom - top) * ty;
}

double Fbm(double x, double y, int octaves, int periodX, int periodY, std::uint32_t seed) {
    double sum = 0.0, weight = 0.5, total = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += Noise(x, y, periodX, periodY, seed + static_cast<std::uint32_t>(octave) * 101U) *
               weight;
        total += weight;
        x *= 2.0;
        y *= 2.0;
        if (periodX > 0) periodX *= 2;
        if (periodY > 0) periodY *= 2;
        weight *= 0.5;
    }
    return sum / total;
}

Color Mix(Color a, Color b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return Color{Channel(a.r + (b.r - a.r) * t), Channel(a.g + (b.g - a.g) * t),
                 Channel(a.b + (b.b - a.b) * t)};
}

Color Scale(Color c, double factor) {
    return Color{Channel(c.r * factor), Channel(c.g * factor), Channel(c.b * factor)};
}

void FillPattern(Canvas& canvas, const std::function<Color(double x, double y)>& colorAt,
                 int samplesPerAxis) {
    const int n = std::max(1, samplesPerAxis);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            double r = 0, g = 0, b = 0;
            for (int sy = 0; sy < n; ++sy) {
                for (int sx = 0; sx < n; ++sx) {
                    const Color c = colorAt(x + (sx + 0.5) / n, y + (sy + 0.5) / n);
                    r += c.r;
                    g += c.g;
                    b += c.b;
                }
            }
            const double count = n * n;
            canvas.Set(x, y, Color{Channel(r / count), Channel(g / count), Channel(b / count)});
        }
    }
}

void FillBox(Canvas& canvas, double x0, double y0, double x1, double y1, Color color,
             double alpha) {
    const int left = static_cast<int>(std::floor(x0)), right = static_cast<int>(std::ceil(x1));
    const int top = static_cast<int>(std::floor(y0)), bottom = static_cast<int>(std::ceil(y1));
    for (int y = top; y < bottom; ++y) {
        const double coverY = std::min(y + 1.0, y1) - std::max(static_cast<double>(y), y0);
        for (int x = left; x < right; ++x) {
            const double coverX = std::min(x + 1.0, x1) - std::max(static_cast<double>(x), x0);
            const double cover = std::clamp(coverX, 0.0, 1.0) * std::clamp(coverY, 0.0, 1.0);
            canvas.Blend(x, y, color, static_cast<int>(std::lround(cover * alpha * 255.0)));
        }
    }
}

namespace {

// Paints pixels whose signed distance (negative inside) is below half a pixel.
void FillByDistance(Canvas& canvas, double x0, double y0, double x1, double y1, Color color,
                    double alpha, const std::function<double(double, double)>& distance) {
    for (int y = static_cast<int>(std::floor(y0)); y < static_cast<int>(std::ceil(y1)); ++y) {
        for (int x = static_cast<int>(std::floor(x0)); x < static_cast<int>(std::ceil(x1)); ++x) {
            const double cover = std::clamp(0.5 - distance(x + 0.5, y + 0.5), 0.0, 1.0);
            if (cover > 0.0) {
                canvas.Blend(x, y, color, static_cast<int>(std::lround(cover * alpha * 255.0)));
            }
        }
    }
}

}  // namespace

void FillDisc(Canvas& canvas, double cx, double cy, double radius, Color color, double alpha) {
    FillByDistance(canvas, cx - radius - 1, cy - radius - 1, cx + radius + 1, cy + radius + 1,
                   color, alpha, [&](double x, double y) {
                       return std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) - radius;
                   });
}

void StrokeRing(Canvas& canvas, double cx, double cy, double radius, double width, Color color,
                double alpha) {
    const double outer = radius + width / 2 + 1;
    FillByDistance(canvas, cx - outer, cy - outer, cx + outer, cy + outer, color, alpha,
                   [&](double x, double y) {
                       const double d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
                       return std::fabs(d - radius) - width / 2;
                   });
}

void StrokeLine(Canvas& canvas, double x0, double y0, double x1, double y1, double width,
                Color color, double alpha) {
    const double pad = width / 2 + 1;
    FillByDistance(canvas, std::min(x0, x1) - pad, std::min(y0, y1) - pad, std::max(x0, x1) + pad,
                   std::max(y0, y1) + pad, color, alpha, [&](double x, double y) {
                       const double dx = x1 - x0, dy = y1 - y0;
                       const double length2 = dx * dx + dy * dy;
                       double t = length2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / length2 : 0.0;
                       t = std::clamp(t, 0.0, 1.0);
                       const double px = x0 + dx * t - x, py = y0 + dy * t - y;
                       return std::sqrt(px * px + py * py) - width / 2;
                   });
}

void DarkenEdges(Canvas& canvas, double width, double factor) {
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const double edge = std::min(std::min(x + 0.5, canvas.Width() - x - 0.5),
                                         std::min(y + 0.5, canvas.Height() - y - 0.5));
            const double t = std::clamp(edge / width, 0.0, 1.0);
            const double f = factor + (1.0 - factor) * Smooth(t);
            canvas.Set(x, y, Scale(canvas.Get(x, y), f));
        }
    }
}

namespace {

// Rows of five dots, top first; '#' is a dot.
struct DotGlyph {
    char character;
    const char* rows[7];
};

constexpr DotGlyph kDotGlyphs[] = {
    {'0', {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "}},
    {'1', {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'2', {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"}},
    {'3', {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "}},
    {'4', {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "}},
    {'5', {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "}},
    {'6', {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "}},
    {'7', {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "}},
    {'8', {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "}},
    {'9', {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "}},
    {'A', {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'B', {"#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "}},
    {'C', {" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "}},
    {'D', {"#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "}},
    {'E', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"}},
    {'F', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "}},
    {'G', {" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"}},
    {'H', {"#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'I', {" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'J', {"  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "}},
    {'K', {"#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"}},
    {'L', {"#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"}},
    {'M', {"#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"}},
    {'N', {"#   #", "#   #", "##  #", "# # #", "#  ##", "#   #", "#   #"}},
    {'O', {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'P', {"#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "}},
    {'Q', {" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"}},
    {'R', {"#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"}},
    {'S', {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "}},
    {'T', {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'U', {"#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'V', {"#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "}},
    {'W', {"#   #", "#   #", "#   #", "# # #", "# # #", "# # #", " # # "}},
    {'X', {"#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"}},
    {'Y', {"#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'Z', {"#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"}},
    {'!', {"  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "     ", "  #  "}},
    {'-', {"     ", "     ", "     ", "#####", "     ", "     ", "     "}},
    {'.', {"     ", "     ", "     ", "     ", "     ", "     ", "  #  "}},
    {':', {"     ", "  #  ", "     ", "     ", "     ", "  #  ", "     "}},
};

const DotGlyph* FindGlyph(char c) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (const DotGlyph& glyph : kDotGlyphs) {
        if (glyph.character == c) return &glyph;
    }
    return nullptr;
}

}  // namespace

double DotTextWidth(double cell, const char* text) {
    double width = 0.0;
    for (const char* c = text; *c != '\0'; ++c) width += 6.0 * cell;
    return width > 0.0 ? width - cell : 0.0;
}

double DrawDotText(Canvas& canvas, double x, double y, double cell, const char* text, Color color) {
    double pen = x;
    for (const char* c = text; *c != '\0'; ++c) {
        const DotGlyph* glyph = FindGlyph(*c);
        if (glyph != nullptr) {
            for (int row = 0; row < 7; ++row) {
                for (int column = 0; column < 5; ++column) {
                    if (glyph->rows[row][column] != '#') continue;
                    FillBox(canvas, pen + column * cell, y + row * cell, pen + (column + 1) * cell,
                            y + (row + 1) * cell, color);
                }
            }
        }
        pen += 6.0 * cell;
    }
    return pen - x;
}

Color WoodGrain(double u, double v, Color light, Color dark, std::uint32_t seed, int periodU,
                int periodV) {
    // Growth rings seen from the side: lines along v, wavering with a slow noise.
    const double warp = Fbm(u * 1.0, v * 0.25, 3, periodU, periodV > 0 ? periodV / 4 : 0, seed);
    const double rings = Fraction(u * 6.0 + warp * 3.0);
    const double ring = std::pow(std::fabs(rings - 0.5) * 2.0, 3.0);
    const double fibre = Noise(u * 24.0, v * 2.0, periodU * 24, periodV * 2, seed + 7U);
    const double t = 0.55 * ring + 0.25 * fibre + 0.2 * warp;
    return Mix(light, dark, t);
}

Color Floorboards(double u, double v, double width, double length, Color light, Color dark,
                  std::uint32_t seed) {
    const int row = static_cast<int>(std::floor(v / width));
    const double offset = Hash01(row, 17, seed) * length;
    const int board = static_cast<int>(std::floor((u + offset) / length));
    const double alongBoard = Fraction((u + offset) / length) * length;
    const double acrossBoard = v - row * width;
    const double tint = 0.82 + 0.3 * Hash01(row, board, seed + 3U);
    Color wood = WoodGrain(acrossBoard / width * 0.6 + Hash01(board, row, seed) * 5.0,
                           alongBoard / length * 3.0, light, dark, seed + 11U);
    wood = Scale(wood, tint);
    // Dark joints between boards, a little wider at the ends.
    const double edgeAcross = std::min(acrossBoard, width - acrossBoard);
    const double edgeAlong = std::min(alongBoard, length - alongBoard);
    // Soft-edged joints, so that the boards stay smooth when painted one sample per pixel.
    const double across = std::clamp(edgeAcross / (width * 0.09), 0.0, 1.0);
    const double along = std::clamp(edgeAlong / (width * 0.1), 0.0, 1.0);
    wood = Mix(Scale(dark, 0.5), wood, std::min(across * across, 0.3 + 0.7 * along));
    return wood;
}

Color Tiles(double u, double v, double size, Color first, Color second, Color grout, bool checker,
            std::uint32_t seed) {
    const int column = static_cast<int>(std::floor(u / size));
    const int row = static_cast<int>(std::floor(v / size));
    const double inU = u / size - column, inV = v / size - row;
    const double groutWidth = 0.045;
    if (inU < groutWidth || inV < groutWidth) return grout;
    Color tile = (checker && ((column + row) & 1)) ? second : first;
    tile = Scale(tile, 0.94 + 0.09 * Hash01(column, row, seed));
    // A soft glaze: brighter towards one corner of each tile.
    const double glaze = 0.04 * (1.0 - inU) * (1.0 - inV);
    tile = Scale(tile, 1.0 + glaze - 0.03 * Noise(u * 20, v * 20, 0, 0, seed + 5U));
    return tile;
}

Color Concrete(double u, double v, Color base, std::uint32_t seed) {
    const double cloud = Fbm(u * 2.0, v * 2.0, 4, 0, 0, seed);
    const double speck = Hash01(static_cast<int>(std::floor(u * 150)),
                                static_cast<int>(std::floor(v * 150)), seed + 9U);
    double f = 0.85 + 0.3 * cloud;
    if (speck > 0.97) f *= 0.8;
    return Scale(base, f);
}

Color Fabric(double u, double v, Color base, double weave, std::uint32_t seed) {
    const double warp = 0.5 + 0.5 * std::sin(u / weave * 6.2831853);
    const double weft = 0.5 + 0.5 * std::sin(v / weave * 6.2831853);
    const double pattern =
        ((static_cast<int>(std::floor(u / weave)) + static_cast<int>(std::floor(v / weave))) & 1)
            ? warp
            : weft;
    const double mottle = Fbm(u * 3, v * 3, 3, 0, 0, seed);
    return Scale(base, 0.86 + 0.1 * pattern + 0.12 * mottle);
}

Color Bricks(double u, double v, Color brick, Color mortar, std::uint32_t seed) {
    const double height = 0.075, length = 0.22;
    const int course = static_cast<int>(std::floor(v / height));
    const double shifted = u + ((course & 1) ? length / 2 : 0.0);
    const int index = static_cast<int>(std::floor(shifted / length));
    const double inV = v - course * height, inU = shifted - index * length;
    if (inV < 0.012 || inU < 0.012) return mortar;
    const double tint = 0.8 + 0.35 * Hash01(index, course, seed);
    return Scale(brick, tint * (0.92 + 0.12 * Noise(u * 40, v * 40, 0, 0, seed + 2U)));
}

}  // namespace modelpaint
