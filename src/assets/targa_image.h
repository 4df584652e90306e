// One Targa picture in memory as tightly packed RGB (or RGBA) bytes, bottom row first, ready
// for a texture upload. Reads 24- and 32-bit true-colour files, uncompressed (type 2) or
// run-length encoded (type 10). No GL here: the readers run in tests and fuzzers alone.
#pragma once

#include <cstddef>  // Required for: std::size_t
#include <cstdint>  // Required for: std::uint8_t, std::uint16_t, std::uint32_t
#include <string>   // Required for: std::string

#include "platform/read_ahead.h"

class CTargaImage {
public:
    CTargaImage() = default;
    virtual ~CTargaImage();
    CTargaImage(const CTargaImage&) = delete;
    CTargaImage& operator=(const CTargaImage&) = delete;

    // Reads the file; true when the image now holds pixels. Pixels already held are released
    // first, and a failed load leaves the image empty. On failure LastError() says why. A file
    // read ahead (ReadPictureAhead) is taken as it was read then.
    bool LoadFile(const char* path);
    // The job that reads `path` ahead for LoadFile.
    static ReadAheadJob ReadPictureAhead(const std::string& path);
    // Reads a file already in memory (the fuzzer's and the benchmark's way in).
    bool LoadMemory(const std::uint8_t* bytes, std::size_t size);
    // Releases the pixels and leaves the image empty (0 by 0).
    void FreeData();
    // Hands the pixels over (to be released with delete[]) and leaves the image empty.
    std::uint8_t* TakePixels();
    // Turns rows stored top first into rows bottom first.
    bool FlipRows();
    // Turns the file's B, G, R (A) into R, G, B (A).
    bool SwapRedAndBlue();

    std::uint16_t Width() const { return width_; }
    std::uint16_t Height() const { return height_; }
    std::uint8_t* Pixels() const { return pixels_; }
    std::uint8_t ColorDepth() const { return colorDepth_; }
    std::uint8_t PixelFormat() const { return pixelFormat_; }
    std::uint32_t ImageSize() const { return imageSize_; }
    const std::string& LastError() const { return lastError_; }

    static constexpr std::uint8_t kFormatRgb = 0;
    static constexpr std::uint8_t kFormatRgba = 1;
    static constexpr std::uint8_t kFormatLuminance = 2;

private:
    bool Fail(std::string reason);

    std::uint8_t colorDepth_ = 0;   // bits per pixel held: 24 or 32
    std::uint8_t pixelFormat_ = 0;  // 0 RGB, 1 RGBA (2 luminance is never produced)
    std::uint8_t* pixels_ = nullptr;
    std::uint16_t width_ = 0;
    std::uint16_t height_ = 0;
    std::uint32_t imageSize_ = 0;  // width * height * bytes per pixel
    std::string lastError_;
};
