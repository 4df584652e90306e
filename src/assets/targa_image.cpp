// Targa reader: an 18-byte header, an optional image ID, then the pixels, raw or run-length
// packed, in B, G, R (A) order. Every length is checked against the bytes really there, so a
// short or corrupt file fails with a reason instead of leaving pixels unread or overrunning.
#include "assets/targa_image.h"

#include <algorithm>  // Required for: std::swap_ranges()
#include <cstring>    // Required for: std::memcpy()
#include <new>        // Required for: std::nothrow
#include <utility>    // Required for: std::swap(), std::move()

#include "platform/file_bytes.h"
#include "platform/little_endian.h"

namespace {

constexpr std::size_t kHeaderSize = 18;
constexpr std::uint8_t kTypeTrueColor = 2;
constexpr std::uint8_t kTypeGrey = 3;
constexpr std::uint8_t kTypeRunLengthTrueColor = 10;
constexpr std::uint8_t kTypeRunLengthGrey = 11;
constexpr std::uint8_t kDescriptorTopFirst = 32;  // bit 5 of the image descriptor
constexpr std::size_t kLongestPacket = 128;       // pixels in one run-length packet at most
constexpr char kReadAheadKey[] = "picture:";

}  // namespace

CTargaImage::~CTargaImage() {
    FreeData();
}

bool CTargaImage::Fail(std::string reason) {
    FreeData();
    lastError_ = std::move(reason);
    return false;
}

bool CTargaImage::LoadFile(const char* path) {
    FreeData();
    if (const auto ahead = TakeReadAheadAs<CTargaImage>(kReadAheadKey + std::string(path))) {
        std::swap(colorDepth_, ahead->colorDepth_);
        std::swap(pixelFormat_, ahead->pixelFormat_);
        std::swap(pixels_, ahead->pixels_);
        std::swap(width_, ahead->width_);
        std::swap(height_, ahead->height_);
        std::swap(imageSize_, ahead->imageSize_);
        std::swap(lastError_, ahead->lastError_);
        return pixels_ != nullptr;
    }
    std::string bytes;
    std::string reason;
    if (!ReadFileBytes(path, &bytes, &reason)) return Fail(std::move(reason));
    return LoadMemory(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

ReadAheadJob CTargaImage::ReadPictureAhead(const std::string& path) {
    return ReadAheadJobOf<CTargaImage>(
        kReadAheadKey + path, [path](CTargaImage& image) { image.LoadFile(path.c_str()); });
}

bool CTargaImage::LoadMemory(const std::uint8_t* bytes, std::size_t size) {
    FreeData();
    lastError_.clear();
    if (size < kHeaderSize) return Fail("file is shorter than the 18-byte Targa header");

    const std::uint8_t idLength = bytes[0];
    const std::uint8_t colorMapType = bytes[1];
    const std::uint8_t imageType = bytes[2];
    const std::uint16_t width = ReadLittle16(bytes + 12);
    const std::uint16_t height = ReadLittle16(bytes + 14);
    const std::uint8_t bitsPerPixel = bytes[16];
    const std::uint8_t descriptor = bytes[17];

    if (colorMapType != 0) return Fail("colour-mapped pictures are not supported");
    if (imageType == kTypeGrey || imageType == kTypeRunLengthGrey) {
        // The textures are built from 3-byte RGB pixels; a grey picture has none to give.
        return Fail("grey-scale pictures are not supported");
    }
    if (imageType != kTypeTrueColor && imageType != kTypeRunLengthTrueColor) {
        return Fail("image type " + std::to_string(imageType) + " is not supported");
    }
    if (bitsPerPixel != 24 && bitsPerPixel != 32) {
        return Fail(std::to_string(bitsPerPixel) + "-bit pixels are not supported (24 or 32)");
    }
    if (width == 0 || height == 0) return Fail("picture has no pixels (width or height is 0)");

    const std::size_t bytesPerPixel = bitsPerPixel / 8;
    const std::size_t pixelCount = static_cast<std::size_t>(width) * height;
    // 65535 * 65535 * 4 would not fit the 32-bit image size.
    const std::uint64_t imageSize = static_cast<std::uint64_t>(pixelCount) * bytesPerPixel;
    if (imageSize > UINT32_MAX) return Fail("picture is too large");

    std::size_t at = kHeaderSize + idLength;
    if (at > size) return Fail("file ends inside the image ID field");
    const std::size_t available = size - at;

    // Checked before allocating, so a small corrupt file cannot ask for a huge block.
    if (imageType == kTypeTrueColor) {
        if (available < imageSize) {
            return Fail("file is shorter than its pixel data (" + std::to_string(imageSize) +
                        " bytes needed, " + std::to_string(available) + " there)");
        }
    } else {
        const std::size_t fewestPackets = (pixelCount + kLongestPacket - 1) / kLongestPacket;
        if (available / (1 + bytesPerPixel) < fewestPackets) {
            return Fail("file is shorter than its run-length data can be");
        }
    }

    std::uint8_t* pixels = new (std::nothrow) std::uint8_t[imageSize];
    if (pixels == nullptr) return Fail("cannot allocate " + std::to_string(imageSize) + " bytes");
    pixels_ = pixels;
    imageSize_ = static_cast<std::uint32_t>(imageSize);
    width_ = width;
    height_ = height;

    if (imageType == kTypeTrueColor) {
        std::memcpy(pixels, bytes + at, imageSize);
    } else {
        std::size_t stored = 0;
        while (stored < imageSize) {
            if (at >= size) return Fail("file ends inside the run-length data");
            const std::uint8_t packetHeader = bytes[at++];
            const bool isRun = packetHeader >= 128;
            const std::size_t count = isRun ? packetHeader - 127u : packetHeader + 1u;
            const std::size_t packetBytes = count * bytesPerPixel;
            if (packetBytes > imageSize - stored) {
                return Fail("a run-length packet runs past the end of the picture");
            }
            const std::size_t packetSource = isRun ? bytesPerPixel : packetBytes;
            if (packetSource > size - at) return Fail("file ends inside the run-length data");
            if (isRun) {
                for (std::size_t i = 0; i < count; ++i) {
                    std::memcpy(pixels + stored + i * bytesPerPixel, bytes + at, bytesPerPixel);
                }
            } else {
                std::memcpy(pixels + stored, bytes + at, packetBytes);
            }
            at += packetSource;
            stored += packetBytes;
        }
    }

    colorDepth_ = static_cast<std::uint8_t>(bitsPerPixel);
    pixelFormat_ = bytesPerPixel == 3 ? kFormatRgb : kFormatRgba;
    if ((descriptor & kDescriptorTopFirst) != 0) FlipRows();
    SwapRedAndBlue();
    return true;
}

std::uint8_t* CTargaImage::TakePixels() {
    std::uint8_t* const taken = pixels_;
    pixels_ = nullptr;
    FreeData();
    return taken;
}

void CTargaImage::FreeData() {
    delete[] pixels_;
    pixels_ = nullptr;
    colorDepth_ = 0;
    pixelFormat_ = 0;
    width_ = 0;
    height_ = 0;
    imageSize_ = 0;
}

bool CTargaImage::FlipRows() {
    if (pixels_ == nullptr) return false;
    if (colorDepth_ != 24 && colorDepth_ != 32) return true;
    const std::size_t rowSize = static_cast<std::size_t>(width_) * (colorDepth_ / 8);
    for (std::size_t row = 0; row < height_ / 2u; ++row) {
        std::uint8_t* low = pixels_ + row * rowSize;
        std::uint8_t* high = pixels_ + (height_ - 1u - row) * rowSize;
        std::swap_ranges(low, low + rowSize, high);
    }
    return true;
}

bool CTargaImage::SwapRedAndBlue() {
    if (pixels_ == nullptr) return false;
    if (colorDepth_ != 24 && colorDepth_ != 32) return true;
    const std::size_t step = colorDepth_ / 8;
    for (std::size_t at = 0; at + step <= imageSize_; at += step) {
        std::swap(pixels_[at], pixels_[at + 2]);
    }
    return true;
}
