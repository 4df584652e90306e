// Numbers stored least significant byte first, as the BMP, Targa and WAV headers write them.
#pragma once

#include <cstdint>  // Required for: std::uint8_t, std::uint16_t, std::uint32_t

inline std::uint16_t ReadLittle16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

inline std::uint32_t ReadLittle32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}
