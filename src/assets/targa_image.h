// One Targa picture in memory as tightly packed RGB (or RGBA) bytes, bottom row first, ready
// for a texture upload. Reads true-colour and grey files, uncompressed or run-length encoded.
#pragma once

#include <cstdint>  // Required for: std::uint8_t, std::uint16_t, std::uint32_t
#include <string>   // Required for: std::string

class CTargaImage {
public:
    CTargaImage() = default;
    virtual ~CTargaImage();
    CTargaImage(const CTargaImage&) = delete;
    CTargaImage& operator=(const CTargaImage&) = delete;

    // Reads the file; true when the image now holds pixels. Pixels already held are released
    // first. On failure LastError() says why.
    bool LoadFile(const char* path);
    // Reads a file already in memory (the fuzzer's and the benchmark's way in).
    bool LoadMemory(const std::uint8_t* bytes, std::size_t size);
    void FreeData();
    bool FlipRows();
    bool SwapRedAndBlue();

    std::uint16_t Width() const { return width_; }
    std::uint16_t Height() const { return height_; }
    std::uint8_t* Pixels() const { return pixels_; }
    std::uint8_t ColorDepth() const { return colorDepth_; }
    std::uint8_t PixelFormat() const { return pixelFormat_; }
    std::uint32_t ImageSize() const { return imageSize_; }
    const std::string& LastError() const { return lastError_; }

private:
    std::uint8_t colorDepth_ = 0;   // bits per pixel held: 24, 32 or 8
    std::uint8_t pixelFormat_ = 0;  // 0 RGB, 1 RGBA, 2 luminance
    std::uint8_t* pixels_ = nullptr;
    std::uint16_t width_ = 0;
    std::uint16_t height_ = 0;
    std::uint32_t imageSize_ = 0;   // width * height * bytes per pixel
    std::string lastError_;
};
