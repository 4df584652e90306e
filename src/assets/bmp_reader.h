// Reading a 24-bit BMP's pixel block exactly as stored: B, G, R, bottom row first, each row
// padded to 4 bytes, ready for an upload with GL_BGR and an unpack alignment of 4. No GL here.
#pragma once

#include <cstddef>  // Required for: std::size_t
#include <cstdint>  // Required for: std::uint8_t, std::int32_t, std::uint32_t
#include <string>   // Required for: std::string

#include "platform/read_ahead.h"

struct BmpPixels {
    std::uint8_t* pixels = nullptr;  // new[]-allocated; the caller takes ownership
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t byteSize = 0;  // row size * height
};

// Bytes in one stored row: 3 per pixel, padded to a multiple of 4.
inline std::uint64_t BmpRowSize(std::uint64_t width) {
    return (width * 3 + 3) / 4 * 4;
}

// Reads a BMP already in memory. Only an uncompressed bottom-up 24-bit file with its pixels
// right after the 54-byte header is accepted; anything else returns false with the reason.
bool ReadBmp24(const std::uint8_t* bytes, std::size_t size, BmpPixels* result, std::string* reason);

// Reads the BMP file at `path`; on failure *error is one line naming the file and the reason.
// A file read ahead (ReadBmpAhead) is taken as it was read then.
bool ReadBmp24File(const char* path, BmpPixels* result, std::string* error);
// The job that reads `path` ahead for ReadBmp24File.
ReadAheadJob ReadBmpAhead(const std::string& path);
