// Anti-aliased shapes, noise and text layout for the generated pictures.
#include "picture_paint.h"

#include <algorithm>  // Required for: std::clamp(), std::max(), std::min(), std::sort()
#include <cmath>      // Required for: std::floor(), std::sqrt(), std::hypot()
#include <cstdio>     // Required for: std::snprintf()
#include <stdexcept>  // Required for: std::runtime_error

namespace {

std::uint8_t ClampByte(double value) {
    return static_cast<std::uint8_t>(std::clamp(value + 0.5, 0.0, 255.0));
}

// Blends `color` into a pixel with a coverage of 0..1 scaled by alpha.
void Cover(Canvas& canvas, int x, int y, Color color, double coverage, int alpha) {
    if (coverage <= 0.0) return;
    if (coverage > 1.0) coverage = 1.0;
    canvas.Blend(x, y, color, static_cast<int>(coverage * alpha + 0.5));
}

double SignedDistanceRoundedBox(double px, double py, double cx, double cy, double halfWidth,
                                double halfHeight, double radius) {
    const double qx = std::fabs(px - cx) - (halfWidth - radius);
    const double qy = std::fabs(py - cy) - (halfHeight - radius);
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

double DistanceToSegment(double px, double py, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0.0 ? ((px - a.x) * dx + (py - a.y) * dy) / lengthSquared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

std::uint32_t Hash(std::int32_t x, std::int32_t y, std::int32_t z, std::uint32_t seed) {
    std::uint32_t h = seed * 0x27D4EB2Du;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h = (h << 11) | (h >> 21);
    h ^= static_cast<std::uint32_t>(z) * 0x165667B1u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

double HashUnit(std::int32_t x, std::int32_t y, std::int32_t z, std::uint32_t seed) {
    return (Hash(x, y, z, seed) >> 8) / 16777216.0;
}

double Smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

double Lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

bool IsCjk(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x3000 && c <= 0x303F) || c == U'…' || c == U'—' ||
           c == U'“' || c == U'”';
}

// Characters that may not begin a line: they stay with the character before them.
bool ClosesLine(char32_t c) {
    static const std::u32string kClosing = U"，。、；：！？）」』》…—”,.;:!?)";
    return kClosing.find(c) != std::u32string::npos;
}

}  // namespace

Color Mix(Color a, Color b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return Color{ClampByte(a.r + (b.r - a.r) * t), ClampByte(a.g + (b.g - a.g) * t),
                 ClampByte(a.b + (b.b - a.b) * t)};
}

Color Scale(Color c, double f) {
    return Color{ClampByte(c.r * f), ClampByte(c.g * f), ClampByte(c.b * f)};
}

void FillByDistance(Canvas& canvas, double x0, double y0, double x1, double y1, Color color,
                    const std::function<double(double, double)>& distance, int alpha) {
    const int left = std::max(0, static_cast<int>(std::floor(x0)));
    const int top = std::max(0, static_cast<int>(std::floor(y0)));
    const int right = std::min(canvas.Width(), static_cast<int>(std::ceil(x1)));
    const int bottom = std::min(canvas.Height(), static_cast<int>(std::ceil(y1)));
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            Cover(canvas, x, y, color, 0.5 - distance(x + 0.5, y + 0.5), alpha);
        }
    }
}

void FillByDistanceShaded(Canvas& canvas, double x0, double y0, double x1, double y1,
                          const std::function<double(double, double)>& distance,
                          const std::function<Color(double, double)>& color, int alpha) {
    const int left = std::max(0, static_cast<int>(std::floor(x0)));
    const int top = std::max(0, static_cast<int>(std::floor(y0)));
    const int right = std::min(canvas.Width(), static_cast<int>(std::ceil(x1)));
    const int bottom = std::min(canvas.Height(), static_cast<int>(std::ceil(y1)));
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const double coverage = 0.5 - distance(x + 0.5, y + 0.5);
            if (coverage > 0) Cover(canvas, x, y, color(x + 0.5, y + 0.5), coverage, alpha);
        }
    }
}

void FillCircle(Canvas& canvas, double cx, double cy, double radius, Color color, int alpha) {
    FillByDistance(
        canvas, cx - radius - 1, cy - radius - 1, cx + radius + 1, cy + radius + 1, color,
        [=](double x, double y) { return std::hypot(x - cx, y - cy) - radius; }, alpha);
}

void StrokeCircle(Canvas& canvas, double cx, double cy, double radius, double width, Color color,
                  int alpha) {
    const double reach = radius + width / 2 + 1;
    FillByDistance(
        canvas, cx - reach, cy - reach, cx + reach, cy + reach, color,
        [=](double x, double y) {
            return std::fabs(std::hypot(x - cx, y - cy) - radius) - width / 2;
        },
        alpha);
}

void FillEllipse(Canvas& canvas, double cx, double cy, double rx, double ry, Color color,
                 int alpha) {
    const double shortest = std::min(rx, ry);
    FillByDistance(
        canvas, cx - rx - 1, cy - ry - 1, cx + rx + 1, cy + ry + 1, color,
        [=](double x, double y) {
            const double u = (x - cx) / rx;
            const double v = (y - cy) / ry;
            return (std::sqrt(u * u + v * v) - 1.0) * shortest;
        },
        alpha);
}

void FillRoundedRect(Canvas& canvas, double x, double y, double width, double height, double radius,
                     Color color, int alpha) {
    const double cx = x + width / 2;
    const double cy = y + height / 2;
    FillByDistance(
        canvas, x - 1, y - 1, x + width + 1, y + height + 1, color,
        [=](double px, double py) {
            return SignedDistanceRoundedBox(px, py, cx, cy, width / 2, height / 2, radius);
        },
        alpha);
}

void FillRoundedRectGradient(Canvas& canvas, double x, double y, double width, double height,
                             double radius, Color top, Color bottom, int alpha) {
    const double cx = x + width / 2;
    const double cy = y + height / 2;
    FillByDistanceShaded(
        canvas, x - 1, y - 1, x + width + 1, y + height + 1,
        [=](double px, double py) {
            return SignedDistanceRoundedBox(px, py, cx, cy, width / 2, height / 2, radius);
        },
        [=](double, double py) { return Mix(top, bottom, (py - y) / height); }, alpha);
}

void StrokeRoundedRect(Canvas& canvas, double x, double y, double width, double height,
                       double radius, double lineWidth, Color color, int alpha) {
    const double cx = x + width / 2;
    const double cy = y + height / 2;
    const double reach = lineWidth / 2 + 1;
    FillByDistance(
        canvas, x - reach, y - reach, x + width + reach, y + height + reach, color,
        [=](double px, double py) {
            return std::fabs(
                       SignedDistanceRoundedBox(px, py, cx, cy, width / 2, height / 2, radius)) -
                   lineWidth / 2;
        },
        alpha);
}

void DrawLine(Canvas& canvas, Point a, Point b, double width, Color color, int alpha) {
    const double reach = width / 2 + 1;
    FillByDistance(
        canvas, std::min(a.x, b.x) - reach, std::min(a.y, b.y) - reach, std::max(a.x, b.x) + reach,
        std::max(a.y, b.y) + reach, color,
        [=](double x, double y) { return DistanceToSegment(x, y, a, b) - width / 2; }, alpha);
}

void FillPolygon(Canvas& canvas, const std::vector<Point>& points, Color color, int alpha) {
    if (points.size() < 3) return;
    double minX = points[0].x, maxX = points[0].x, minY = points[0].y, maxY = points[0].y;
    for (const Point& p : points) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const int left = std::max(0, static_cast<int>(std::floor(minX)));
    const int right = std::min(canvas.Width(), static_cast<int>(std::ceil(maxX)) + 1);
    const int top = std::max(0, static_cast<int>(std::floor(minY)));
    const int bottom = std::min(canvas.Height(), static_cast<int>(std::ceil(maxY)) + 1);
    if (left >= right || top >= bottom) return;
    constexpr int kSubRows = 8;
    const int spanWidth = right - left;
    std::vector<double> coverage(static_cast<size_t>(spanWidth));
    std::vector<std::pair<double, int>> crossings;
    for (int y = top; y < bottom; ++y) {
        std::fill(coverage.begin(), coverage.end(), 0.0);
        for (int sub = 0; sub < kSubRows; ++sub) {
            const double sampleY = y + (sub + 0.5) / kSubRows;
            crossings.clear();
            for (size_t i = 0; i < points.size(); ++i) {
                const Point& a = points[i];
                const Point& b = points[(i + 1) % points.size()];
                if ((a.y <= sampleY) == (b.y <= sampleY)) continue;
                const double t = (sampleY - a.y) / (b.y - a.y);
                crossings.emplace_back(a.x + t * (b.x - a.x), b.y > a.y ? 1 : -1);
            }
            std::sort(crossings.begin(), crossings.end());
            int winding = 0;
            for (size_t i = 0; i + 1 < crossings.size(); ++i) {
                winding += crossings[i].second;
                if (winding == 0) continue;
                const double from = std::max(crossings[i].first, static_cast<double>(left));
                const double to = std::min(crossings[i + 1].first, static_cast<double>(right));
                for (int x = static_cast<int>(std::floor(from)); x < to; ++x) {
                    const double inside = std::min(to, x + 1.0) - std::max(from, double(x));
                    if (inside > 0) coverage[static_cast<size_t>(x - left)] += inside / kSubRows;
                }
            }
        }
        for (int x = left; x < right; ++x) {
            Cover(canvas, x, y, color, coverage[static_cast<size_t>(x - left)], alpha);
        }
    }
}

void FillVerticalGradient(Canvas& canvas, int x, int y, int width, int height, Color top,
                          Color bottom) {
    for (int row = 0; row < height; ++row) {
        const double t = height > 1 ? static_cast<double>(row) / (height - 1) : 0.0;
        canvas.FillRect(x, y + row, width, 1, Mix(top, bottom, t));
    }
}

void PaintGlow(Canvas& canvas, double cx, double cy, double radius, Color color, int maxAlpha) {
    const int left = static_cast<int>(std::floor(cx - radius));
    const int top = static_cast<int>(std::floor(cy - radius));
    const int right = static_cast<int>(std::ceil(cx + radius));
    const int bottom = static_cast<int>(std::ceil(cy + radius));
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / radius;
            if (d >= 1.0) continue;
            const double falloff = (1.0 - d) * (1.0 - d);
            canvas.Blend(x, y, color, static_cast<int>(falloff * maxAlpha + 0.5));
        }
    }
}

double CellRandom(int x, int y, int z, std::uint32_t seed) {
    return HashUnit(x, y, z, seed);
}

double ValueNoise2(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx);
    const auto iy = static_cast<std::int32_t>(fy);
    const double tx = Smooth(x - fx);
    const double ty = Smooth(y - fy);
    const double top = Lerp(HashUnit(ix, iy, 0, seed), HashUnit(ix + 1, iy, 0, seed), tx);
    const double low = Lerp(HashUnit(ix, iy + 1, 0, seed), HashUnit(ix + 1, iy + 1, 0, seed), tx);
    return Lerp(top, low, ty);
}

double ValueNoise3(double x, double y, double z, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const double fz = std::floor(z);
    const auto ix = static_cast<std::int32_t>(fx);
    const auto iy = static_cast<std::int32_t>(fy);
    const auto iz = static_cast<std::int32_t>(fz);
    const double tx = Smooth(x - fx);
    const double ty = Smooth(y - fy);
    const double tz = Smooth(z - fz);
    double layer[2];
    for (int k = 0; k < 2; ++k) {
        const double a =
            Lerp(HashUnit(ix, iy, iz + k, seed), HashUnit(ix + 1, iy, iz + k, seed), tx);
        const double b =
            Lerp(HashUnit(ix, iy + 1, iz + k, seed), HashUnit(ix + 1, iy + 1, iz + k, seed), tx);
        layer[k] = Lerp(a, b, ty);
    }
    return Lerp(layer[0], layer[1], tz);
}

double FractalNoise2(double x, double y, int octaves, std::uint32_t seed) {
    double sum = 0.0, weight = 1.0, total = 0.0, frequency = 1.0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * ValueNoise2(x * frequency, y * frequency, seed + 101u * i);
        total += weight;
        weight *= 0.5;
        frequency *= 2.0;
    }
    return sum / total;
}

double FractalNoise3(double x, double y, double z, int octaves, std::uint32_t seed) {
    double sum = 0.0, weight = 1.0, total = 0.0, frequency = 1.0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * ValueNoise3(x * frequency, y * frequency, z * frequency, seed + 101u * i);
        total += weight;
        weight *= 0.5;
        frequency *= 2.0;
    }
    return sum / total;
}

std::uint32_t Random::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Random::Uniform(double low, double high) {
    return low + (high - low) * ((Next() >> 8) / 16777216.0);
}

// Fonts ------------------------------------------------------------------------------------------

const std::string& FontBook::FileOf(Face face) {
    const int key = static_cast<int>(face);
    auto found = files_.find(key);
    if (found != files_.end()) return found->second;
    struct Wanted {
        const char* pattern;
        const char* fileMark;  // a part of the file name that shows fontconfig found the family
        const char* package;
    };
    static const Wanted kWanted[] = {
        {"WenQuanYi Micro Hei:lang=zh-cn", "wqy-microhei", "fonts-wqy-microhei"},
        {"DejaVu Sans:style=Book", "DejaVuSans.ttf", "fonts-dejavu-core"},
        {"DejaVu Sans:style=Bold", "DejaVuSans-Bold.ttf", "fonts-dejavu-core"},
        {"DejaVu Serif:style=Book", "DejaVuSerif.ttf", "fonts-dejavu-core"},
        {"DejaVu Serif:style=Bold", "DejaVuSerif-Bold.ttf", "fonts-dejavu-core"},
        {"DejaVu Sans Mono:style=Bold", "DejaVuSansMono-Bold.ttf", "fonts-dejavu-core"},
    };
    const Wanted& wanted = kWanted[key];
    std::string file = FindFontFile(wanted.pattern);
    // Another family standing in would change every picture's bytes from machine to machine.
    if (file.find(wanted.fileMark) == std::string::npos) {
        throw std::runtime_error(std::string("font \"") + wanted.pattern +
                                 "\" not found (found \"" + file + "\"); install " +
                                 wanted.package);
    }
    return files_[key] = file;
}

GlyphRasterizer& FontBook::Font(Face face, int pixelHeight) {
    const auto key = std::make_pair(static_cast<int>(face), pixelHeight);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return *found->second;
    auto font = std::make_unique<GlyphRasterizer>();
    const std::string& file = FileOf(face);
    if (!font->Open(file, pixelHeight)) throw std::runtime_error(font->LastError());
    return *(fonts_[key] = std::move(font));
}

FontBook& Fonts() {
    static FontBook book;
    return book;
}

std::string EncodeUtf8(const std::u32string& text) {
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

int TextWidth(GlyphRasterizer& font, const std::string& utf8) {
    return font.TextWidth(utf8.c_str());
}

int DrawTextAt(Canvas& canvas, GlyphRasterizer& font, int x, int baseline, const std::string& utf8,
               Color color) {
    for (char32_t c : DecodeUtf8(utf8.c_str())) {
        if (c > U' ' && font.Get(c).missing) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
            throw std::runtime_error(std::string("the font lacks ") + code + " in \"" + utf8 +
                                     "\"");
        }
    }
    return canvas.DrawText(font, x, baseline, utf8.c_str(), color);
}

void DrawTextCentered(Canvas& canvas, GlyphRasterizer& font, int centreX, int baseline,
                      const std::string& utf8, Color color) {
    DrawTextAt(canvas, font, centreX - TextWidth(font, utf8) / 2, baseline, utf8, color);
}

void DrawTextHaloCentered(Canvas& canvas, GlyphRasterizer& font, int centreX, int baseline,
                          const std::string& utf8, Color color, Color halo, int haloAlpha) {
    const int x = centreX - TextWidth(font, utf8) / 2;
    // The halo: the text drawn faintly at every offset of a small disc under the real text.
    Canvas mask(canvas.Width(), canvas.Height(), Color{0, 0, 0});
    mask.DrawText(font, x, baseline, utf8.c_str(), Color{255, 255, 255});
    const int reach = std::max(2, font.Ascender() / 10);
    const int top = std::max(0, baseline - font.Ascender() - reach);
    const int bottom = std::min(canvas.Height(), baseline - font.Descender() + reach + 1);
    const int right = std::min(canvas.Width(), x + TextWidth(font, utf8) + reach + 2);
    for (int py = top; py < bottom; ++py) {
        for (int px = std::max(0, x - reach - 2); px < right; ++px) {
            int strongest = 0;
            for (int dy = -reach; dy <= reach; ++dy) {
                for (int dx = -reach; dx <= reach; ++dx) {
                    if (dx * dx + dy * dy > reach * reach) continue;
                    strongest = std::max(strongest, static_cast<int>(mask.Get(px + dx, py + dy).r));
                }
            }
            canvas.Blend(px, py, halo, strongest * haloAlpha / 255);
        }
    }
    DrawTextAt(canvas, font, x, baseline, utf8, color);
}

std::vector<std::string> WrapText(GlyphRasterizer& font, const std::string& utf8, int maxWidth) {
    // Tokens: a Latin word with the spaces before it, or one Chinese character; closing
    // punctuation joins the token before it.
    struct Token {
        std::u32string text;
        bool spaceBefore = false;
        bool lineBreak = false;
    };
    std::vector<Token> tokens;
    bool pendingSpace = false;
    for (char32_t c : DecodeUtf8(utf8.c_str())) {
        if (c == U'\n') {
            tokens.push_back(Token{{}, false, true});
            pendingSpace = false;
        } else if (c == U' ') {
            pendingSpace = true;
        } else if (ClosesLine(c) && !tokens.empty() && !tokens.back().lineBreak && !pendingSpace) {
            tokens.back().text += c;
        } else if (IsCjk(c)) {
            tokens.push_back(Token{std::u32string(1, c), pendingSpace, false});
            pendingSpace = false;
        } else {
            const bool continues = !tokens.empty() && !tokens.back().lineBreak && !pendingSpace &&
                                   !tokens.back().text.empty() && !IsCjk(tokens.back().text.back());
            if (continues) {
                tokens.back().text += c;
            } else {
                tokens.push_back(Token{std::u32string(1, c), pendingSpace, false});
            }
            pendingSpace = false;
        }
    }
    std::vector<std::string> lines;
    std::u32string line;
    for (const Token& token : tokens) {
        if (token.lineBreak) {
            lines.push_back(EncodeUtf8(line));
            line.clear();
            continue;
        }
        std::u32string candidate = line;
        if (!candidate.empty() && token.spaceBefore) candidate += U' ';
        candidate += token.text;
        if (!line.empty() && TextWidth(font, EncodeUtf8(candidate)) > maxWidth) {
            lines.push_back(EncodeUtf8(line));
            line = token.text;
        } else {
            line = candidate;
        }
    }
    if (!line.empty()) lines.push_back(EncodeUtf8(line));
    return lines;
}

int DrawParagraph(Canvas& canvas, GlyphRasterizer& font, int x, int baseline, int maxWidth,
                  int lineHeight, const std::string& utf8, Color color, Align align) {
    for (const std::string& line : WrapText(font, utf8, maxWidth)) {
        if (align == Align::kCentre) {
            DrawTextCentered(canvas, font, x + maxWidth / 2, baseline, line, color);
        } else {
            DrawTextAt(canvas, font, x, baseline, line, color);
        }
        baseline += lineHeight;
    }
    return baseline;
}
