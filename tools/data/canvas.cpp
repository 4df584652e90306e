// Canvas painting and the BMP and Targa writers of the data generator.
#include "canvas.h"

#include <fstream>    // Required for: std::ofstream
#include <stdexcept>  // Required for: std::runtime_error

#include "platform/glyphs.h"

Canvas::Canvas(int width, int height, Color background)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, background) {}

Color Canvas::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return Color{0, 0, 0};
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Canvas::Set(int x, int y, Color color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<size_t>(y) * width_ + x] = color;
}

void Canvas::Blend(int x, int y, Color color, int alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
    if (alpha > 255) alpha = 255;
    Color& pixel = pixels_[static_cast<size_t>(y) * width_ + x];
    auto mix = [alpha](std::uint8_t under, std::uint8_t over) {
        return static_cast<std::uint8_t>((under * (255 - alpha) + over * alpha + 127) / 255);
    };
    pixel = Color{mix(pixel.r, color.r), mix(pixel.g, color.g), mix(pixel.b, color.b)};
}

void Canvas::FillRect(int x, int y, int width, int height, Color color) {
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) Set(column, row, color);
    }
}

int Canvas::DrawText(GlyphRasterizer& font, int x, int baselineY, const char* utf8, Color color) {
    int pen = x;
    for (char32_t c : DecodeUtf8(utf8)) {
        const Glyph& glyph = font.Get(c);
        for (int row = 0; row < glyph.height; ++row) {
            for (int column = 0; column < glyph.width; ++column) {
                Blend(pen + glyph.left + column, baselineY - glyph.top + row, color,
                      glyph.coverage[static_cast<size_t>(row) * glyph.width + column]);
            }
        }
        pen += glyph.advance;
    }
    return pen;
}

void WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error(path.string() + ": cannot write");
}

namespace {

void PutLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Pixels in file order (B, G, R), rows bottom first or top first.
std::vector<std::uint8_t> TargaPixels(const Canvas& canvas, TargaLayout layout) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<size_t>(canvas.Width()) * canvas.Height() * 3);
    for (int i = 0; i < canvas.Height(); ++i) {
        const int y = layout == TargaLayout::kTopFirst ? i : canvas.Height() - 1 - i;
        for (int x = 0; x < canvas.Width(); ++x) {
            const Color c = canvas.Get(x, y);
            bytes.insert(bytes.end(), {c.b, c.g, c.r});
        }
    }
    return bytes;
}

std::vector<std::uint8_t> RunLengthEncode(const std::vector<std::uint8_t>& pixels) {
    std::vector<std::uint8_t> out;
    const size_t count = pixels.size() / 3;
    auto same = [&](size_t a, size_t b) {
        return pixels[3 * a] == pixels[3 * b] && pixels[3 * a + 1] == pixels[3 * b + 1] &&
               pixels[3 * a + 2] == pixels[3 * b + 2];
    };
    size_t i = 0;
    while (i < count) {
        size_t run = 1;
        while (i + run < count && run < 128 && same(i, i + run)) ++run;
        if (run >= 2) {
            out.push_back(static_cast<std::uint8_t>(127 + run));
            out.insert(out.end(), pixels.begin() + 3 * i, pixels.begin() + 3 * i + 3);
            i += run;
            continue;
        }
        // A raw packet: up to 128 pixels until two equal neighbours start a run.
        size_t raw = 1;
        while (i + raw < count && raw < 128 &&
               !(i + raw + 1 < count && same(i + raw, i + raw + 1))) {
            ++raw;
        }
        out.push_back(static_cast<std::uint8_t>(raw - 1));
        out.insert(out.end(), pixels.begin() + 3 * i, pixels.begin() + 3 * (i + raw));
        i += raw;
    }
    return out;
}

std::vector<std::uint8_t> TargaFile(const Canvas& canvas, TargaEncoding encoding,
                                    TargaLayout layout) {
    std::vector<std::uint8_t> out;
    out.push_back(0);                                               // no image ID
    out.push_back(0);                                               // no colour map
    out.push_back(encoding == TargaEncoding::kRunLength ? 10 : 2);  // image type
    for (int i = 0; i < 9; ++i) out.push_back(0);                   // map spec, origin
    PutLittle(out, static_cast<std::uint32_t>(canvas.Width()), 2);
    PutLittle(out, static_cast<std::uint32_t>(canvas.Height()), 2);
    out.push_back(24);
    out.push_back(layout == TargaLayout::kTopFirst ? 32 : 0);  // bit 5: top row first
    const std::vector<std::uint8_t> pixels = TargaPixels(canvas, layout);
    const std::vector<std::uint8_t> body =
        encoding == TargaEncoding::kRunLength ? RunLengthEncode(pixels) : pixels;
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

}  // namespace

void WriteBmp24(const std::filesystem::path& path, const Canvas& canvas) {
    const std::uint32_t rowSize = (static_cast<std::uint32_t>(canvas.Width()) * 3 + 3) & ~3u;
    const std::uint32_t blockSize = rowSize * static_cast<std::uint32_t>(canvas.Height());
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    PutLittle(out, 54 + blockSize, 4);  // file size
    PutLittle(out, 0, 4);               // reserved
    PutLittle(out, 54, 4);              // pixel offset
    PutLittle(out, 40, 4);              // info header size
    PutLittle(out, static_cast<std::uint32_t>(canvas.Width()), 4);
    PutLittle(out, static_cast<std::uint32_t>(canvas.Height()), 4);  // positive: bottom row first
    PutLittle(out, 1, 2);                                            // planes
    PutLittle(out, 24, 2);                                           // bits per pixel
    PutLittle(out, 0, 4);                                            // no compression
    PutLittle(out, blockSize, 4);
    PutLittle(out, 2835, 4);  // 72 dpi
    PutLittle(out, 2835, 4);
    PutLittle(out, 0, 4);
    PutLittle(out, 0, 4);
    for (int row = canvas.Height() - 1; row >= 0; --row) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Color c = canvas.Get(x, row);
            out.insert(out.end(), {c.b, c.g, c.r});
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(canvas.Width()) * 3; pad < rowSize;
             ++pad) {
            out.push_back(0);
        }
    }
    WriteFileBytes(path, out);
}

void WriteTarga24(const std::filesystem::path& path, const Canvas& canvas, TargaEncoding encoding,
                  TargaLayout layout) {
    WriteFileBytes(path, TargaFile(canvas, encoding, layout));
}

void WriteTarga24Smallest(const std::filesystem::path& path, const Canvas& canvas,
                          TargaLayout layout) {
    std::vector<std::uint8_t> packed = TargaFile(canvas, TargaEncoding::kRunLength, layout);
    std::vector<std::uint8_t> plain = TargaFile(canvas, TargaEncoding::kUncompressed, layout);
    WriteFileBytes(path, packed.size() < plain.size() ? packed : plain);
}
