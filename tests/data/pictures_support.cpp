// Parsers and colour measures for the picture checks.
#include "pictures_support.h"

#include <png.h>  // Required for: png_image_write_to_file()

#include <cmath>     // Required for: std::sqrt()
#include <fstream>   // Required for: std::ifstream
#include <iterator>  // Required for: std::istreambuf_iterator

namespace {

std::uint32_t Little(const std::vector<std::uint8_t>& bytes, size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[at + static_cast<size_t>(i)];
    return value;
}

bool Fail(std::string* error, const std::string& reason) {
    *error = reason;
    return false;
}

}  // namespace

const SkyFace kSkyFaces[6] = {
    {"Data/Picture/otop.tga", {1, 1, 1}, {-2, 0, 0}, {0, 0, -2}},
    {"Data/Picture/dn.tga", {-1, -1, 1}, {2, 0, 0}, {0, 0, -2}},
    {"Data/Picture/ofront.tga", {-1, -1, -1}, {2, 0, 0}, {0, 2, 0}},
    {"Data/Picture/oback.tga", {1, -1, 1}, {-2, 0, 0}, {0, 2, 0}},
    {"Data/Picture/oleft.tga", {-1, -1, 1}, {0, 0, -2}, {0, 2, 0}},
    {"Data/Picture/oright.tga", {1, -1, -1}, {0, 0, 2}, {0, 2, 0}},
};

std::string BuildFolder() {
    return ESCAPE_HOUSE_BUILD_DIR;
}

bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>* bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    bytes->assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

bool DecodeTarga(const std::vector<std::uint8_t>& bytes, TargaHeader* header, Picture* picture,
                 std::string* error) {
    if (bytes.size() < 18) return Fail(error, "shorter than the 18-byte header");
    header->idLength = bytes[0];
    header->colourMapType = bytes[1];
    header->imageType = bytes[2];
    header->width = static_cast<int>(Little(bytes, 12, 2));
    header->height = static_cast<int>(Little(bytes, 14, 2));
    header->depth = bytes[16];
    header->descriptor = bytes[17];
    if (header->colourMapType != 0) return Fail(error, "has a colour map");
    if (header->imageType != 2 && header->imageType != 10) return Fail(error, "not true colour");
    if (header->depth != 24) return Fail(error, "not 24 bits per pixel");
    const size_t count = static_cast<size_t>(header->width) * header->height;
    std::vector<Rgb> stored;
    stored.reserve(count);
    size_t at = 18 + static_cast<size_t>(header->idLength);
    auto pixel = [&](size_t offset) {
        return Rgb{bytes[offset + 2], bytes[offset + 1], bytes[offset]};
    };
    if (header->imageType == 2) {
        if (bytes.size() != at + 3 * count)
            return Fail(error, "pixel data is not width x height x 3");
        for (size_t i = 0; i < count; ++i) stored.push_back(pixel(at + 3 * i));
    } else {
        while (stored.size() < count) {
            if (at >= bytes.size()) return Fail(error, "run-length data ends early");
            const int packet = bytes[at++];
            const size_t length = static_cast<size_t>(packet & 0x7F) + 1;
            if (stored.size() + length > count)
                return Fail(error, "a packet runs past the picture");
            if (packet >= 128) {
                if (at + 3 > bytes.size()) return Fail(error, "run packet cut short");
                for (size_t k = 0; k < length; ++k) stored.push_back(pixel(at));
                at += 3;
            } else {
                if (at + 3 * length > bytes.size()) return Fail(error, "raw packet cut short");
                for (size_t k = 0; k < length; ++k) stored.push_back(pixel(at + 3 * k));
                at += 3 * length;
            }
        }
        if (at != bytes.size()) return Fail(error, "bytes left after the last packet");
    }
    picture->width = header->width;
    picture->height = header->height;
    picture->pixels.resize(count);
    const bool topFirst = (header->descriptor & 32) != 0;
    for (int row = 0; row < header->height; ++row) {
        const int y = topFirst ? row : header->height - 1 - row;
        for (int x = 0; x < header->width; ++x) {
            picture->pixels[static_cast<size_t>(y) * header->width + x] =
                stored[static_cast<size_t>(row) * header->width + x];
        }
    }
    return true;
}

bool DecodeBmp(const std::vector<std::uint8_t>& bytes, BmpHeader* header, Picture* picture,
               std::string* error) {
    if (bytes.size() < 54) return Fail(error, "shorter than the 54-byte header");
    header->signature[0] = static_cast<char>(bytes[0]);
    header->signature[1] = static_cast<char>(bytes[1]);
    header->fileSize = Little(bytes, 2, 4);
    header->pixelOffset = Little(bytes, 10, 4);
    header->infoSize = Little(bytes, 14, 4);
    header->width = static_cast<std::int32_t>(Little(bytes, 18, 4));
    header->height = static_cast<std::int32_t>(Little(bytes, 22, 4));
    header->planes = static_cast<int>(Little(bytes, 26, 2));
    header->bitsPerPixel = static_cast<int>(Little(bytes, 28, 2));
    header->compression = Little(bytes, 30, 4);
    if (header->width <= 0 || header->height <= 0) return Fail(error, "not a bottom-up picture");
    const size_t rowSize = (static_cast<size_t>(header->width) * 3 + 3) & ~size_t{3};
    if (bytes.size() < 54 + rowSize * header->height) return Fail(error, "pixel block cut short");
    picture->width = header->width;
    picture->height = header->height;
    picture->pixels.resize(static_cast<size_t>(header->width) * header->height);
    for (int row = 0; row < header->height; ++row) {
        const int y = header->height - 1 - row;
        for (int x = 0; x < header->width; ++x) {
            const size_t at = 54 + row * rowSize + 3 * static_cast<size_t>(x);
            picture->pixels[static_cast<size_t>(y) * header->width + x] =
                Rgb{bytes[at + 2], bytes[at + 1], bytes[at]};
        }
    }
    return true;
}

bool DecodeWave(const std::vector<std::uint8_t>& bytes, WaveHeader* wave, std::string* error) {
    if (bytes.size() < 44) return Fail(error, "shorter than a 44-byte header");
    auto tag = [&](size_t at, const char* text) {
        return std::string(bytes.begin() + static_cast<long>(at),
                           bytes.begin() + static_cast<long>(at) + 4) == text;
    };
    if (!tag(0, "RIFF") || !tag(8, "WAVE") || !tag(12, "fmt ") || !tag(36, "data")) {
        return Fail(error, "not a canonical RIFF/WAVE file");
    }
    wave->riffSize = Little(bytes, 4, 4);
    wave->format = static_cast<int>(Little(bytes, 20, 2));
    wave->channels = static_cast<int>(Little(bytes, 22, 2));
    wave->sampleRate = Little(bytes, 24, 4);
    wave->byteRate = Little(bytes, 28, 4);
    wave->blockAlign = static_cast<int>(Little(bytes, 32, 2));
    wave->bitsPerSample = static_cast<int>(Little(bytes, 34, 2));
    wave->dataSize = Little(bytes, 40, 4);
    if (Little(bytes, 16, 4) != 16) return Fail(error, "format chunk is not 16 bytes");
    if (bytes.size() != 44 + static_cast<size_t>(wave->dataSize)) {
        return Fail(error, "data size does not match the file");
    }
    wave->samples.resize(wave->dataSize / 2);
    for (size_t i = 0; i < wave->samples.size(); ++i) {
        wave->samples[i] = static_cast<std::int16_t>(Little(bytes, 44 + 2 * i, 2));
    }
    return true;
}

MeanColour MeanInside(const Picture& picture, double left, double top, double right,
                      double bottom) {
    MeanColour sum;
    int count = 0;
    for (int y = 0; y < picture.height; ++y) {
        if (y + 0.5 < top || y + 0.5 >= bottom) continue;
        for (int x = 0; x < picture.width; ++x) {
            if (x + 0.5 < left || x + 0.5 >= right) continue;
            const Rgb& p = picture.At(x, y);
            sum.r += p.r;
            sum.g += p.g;
            sum.b += p.b;
            ++count;
        }
    }
    if (count > 0) sum = {sum.r / count, sum.g / count, sum.b / count};
    return sum;
}

MeanColour MeanRing(const Picture& picture, double left, double top, double right, double bottom,
                    double width) {
    MeanColour sum;
    int count = 0;
    for (int y = 0; y < picture.height; ++y) {
        const double cy = y + 0.5;
        if (cy < top - width || cy >= bottom + width) continue;
        for (int x = 0; x < picture.width; ++x) {
            const double cx = x + 0.5;
            if (cx < left - width || cx >= right + width) continue;
            if (cx >= left && cx < right && cy >= top && cy < bottom) continue;
            const Rgb& p = picture.At(x, y);
            sum.r += p.r;
            sum.g += p.g;
            sum.b += p.b;
            ++count;
        }
    }
    if (count > 0) sum = {sum.r / count, sum.g / count, sum.b / count};
    return sum;
}

double ColourDistance(const MeanColour& a, const MeanColour& b) {
    return std::sqrt((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) +
                     (a.b - b.b) * (a.b - b.b));
}

bool WritePicturePng(const std::string& path, const Picture& picture) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(picture.pixels.size() * 3);
    for (const Rgb& p : picture.pixels) bytes.insert(bytes.end(), {p.r, p.g, p.b});
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&image, path.c_str(), 0, bytes.data(), 0, nullptr) != 0;
}
