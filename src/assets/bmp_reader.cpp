// BMP reading: the header is checked field by field before anything is allocated, so a file
// that is not what the game writes is refused with a reason rather than read as garbage.
#include "assets/bmp_reader.h"

#include <cstring>  // Required for: std::memcpy()
#include <new>      // Required for: std::nothrow

#include "platform/file_bytes.h"
#include "platform/little_endian.h"

namespace {

constexpr std::size_t kHeaderSize = 54;  // file header (14) and BITMAPINFOHEADER (40)
constexpr std::uint32_t kInfoHeaderSize = 40;

}  // namespace

bool ReadBmp24(const std::uint8_t* bytes, std::size_t size, BmpPixels* result,
               std::string* reason) {
    *result = BmpPixels{};
    if (size < kHeaderSize) {
        *reason = "file is shorter than the 54-byte BMP header";
        return false;
    }
    if (bytes[0] != 'B' || bytes[1] != 'M') {
        *reason = "not a BMP file (no \"BM\" signature)";
        return false;
    }
    const std::uint32_t pixelOffset = ReadLittle32(bytes + 10);
    const std::uint32_t infoHeaderSize = ReadLittle32(bytes + 14);
    const std::int32_t width = static_cast<std::int32_t>(ReadLittle32(bytes + 18));
    const std::int32_t height = static_cast<std::int32_t>(ReadLittle32(bytes + 22));
    const std::uint16_t bitsPerPixel = ReadLittle16(bytes + 28);
    const std::uint32_t compression = ReadLittle32(bytes + 30);

    if (infoHeaderSize != kInfoHeaderSize) {
        *reason = "info header of " + std::to_string(infoHeaderSize) + " bytes (40 expected)";
        return false;
    }
    if (bitsPerPixel != 24) {
        *reason = std::to_string(bitsPerPixel) + " bits per pixel (24 expected)";
        return false;
    }
    if (compression != 0) {
        *reason = "compressed pixels (compression " + std::to_string(compression) + ")";
        return false;
    }
    if (width <= 0) {
        *reason = "width " + std::to_string(width) + " is not positive";
        return false;
    }
    if (height <= 0) {
        *reason = "height " + std::to_string(height) +
                  (height < 0 ? " (rows stored top first are not supported)" : " is not positive");
        return false;
    }
    if (pixelOffset != kHeaderSize) {
        *reason = "pixel data at offset " + std::to_string(pixelOffset) + " (54 expected)";
        return false;
    }
    // In 64 bits neither product can overflow (width and height are below 2^31).
    const std::uint64_t blockSize =
        BmpRowSize(static_cast<std::uint64_t>(width)) * static_cast<std::uint64_t>(height);
    if (blockSize > size - kHeaderSize) {
        *reason = "file is shorter than its pixel data (" + std::to_string(blockSize) +
                  " bytes needed, " + std::to_string(size - kHeaderSize) + " there)";
        return false;
    }
    if (blockSize > UINT32_MAX) {
        *reason = "picture is too large";
        return false;
    }
    std::uint8_t* pixels = new (std::nothrow) std::uint8_t[blockSize];
    if (pixels == nullptr) {
        *reason = "cannot allocate " + std::to_string(blockSize) + " bytes";
        return false;
    }
    std::memcpy(pixels, bytes + kHeaderSize, blockSize);
    result->pixels = pixels;
    result->width = width;
    result->height = height;
    result->byteSize = static_cast<std::uint32_t>(blockSize);
    return true;
}

namespace {

constexpr char kReadAheadKey[] = "bitmap:";

struct BmpReadAhead {
    BmpPixels pixels;
    std::string error;
    bool read = false;
};

}  // namespace

ReadAheadJob ReadBmpAhead(const std::string& path) {
    return ReadAheadJobOf<BmpReadAhead>(kReadAheadKey + path, [path](BmpReadAhead& ahead) {
        ahead.read = ReadBmp24File(path.c_str(), &ahead.pixels, &ahead.error);
    });
}

bool ReadBmp24File(const char* path, BmpPixels* result, std::string* error) {
    if (const auto ahead = TakeReadAheadAs<BmpReadAhead>(kReadAheadKey + std::string(path))) {
        *result = ahead->pixels;
        if (!ahead->read) *error = ahead->error;
        return ahead->read;
    }
    *result = BmpPixels{};
    std::string bytes;
    std::string reason;
    if (!ReadFileBytes(path, &bytes, &reason) ||
        !ReadBmp24(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), result,
                   &reason)) {
        *error = std::string(path) + ": " + reason;
        return false;
    }
    return true;
}
