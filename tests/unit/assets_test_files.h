// Byte-exact fixture files for the asset reader tests: a scratch folder per test and builders
// for the Targa, BMP, OBJ and MTL files the tests write themselves.
#pragma once

#include <stdlib.h>  // Required for: mkdtemp()

#include <cstdint>     // Required for: std::uint8_t
#include <filesystem>  // Required for: std::filesystem
#include <fstream>     // Required for: std::ofstream
#include <string>      // Required for: std::string
#include <vector>      // Required for: std::vector

namespace assets_test {

using Bytes = std::vector<std::uint8_t>;

// A fresh folder under /tmp, removed with everything in it when the object goes.
class ScratchFolder {
public:
    ScratchFolder() {
        char pattern[] = "/tmp/eh-assets-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Writes `bytes` to Path()/relative, creating folders; returns the full path.
    std::string Write(const std::string& relative, const Bytes& bytes) const {
        const std::filesystem::path full = std::filesystem::path(path_) / relative;
        std::filesystem::create_directories(full.parent_path());
        std::ofstream out(full, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return full.string();
    }
    std::string WriteText(const std::string& relative, const std::string& text) const {
        return Write(relative, Bytes(text.begin(), text.end()));
    }

private:
    std::string path_;
};

inline void PutLittle(Bytes& out, std::uint64_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline void Append(Bytes& out, const Bytes& more) {
    out.insert(out.end(), more.begin(), more.end());
}

// The 18-byte Targa header.
struct TargaHeader {
    std::uint8_t idLength = 0;
    std::uint8_t colorMapType = 0;
    std::uint8_t imageType = 2;
    std::uint16_t width = 2;
    std::uint16_t height = 2;
    std::uint8_t bitsPerPixel = 24;
    std::uint8_t descriptor = 0;
};

inline Bytes TargaBytes(const TargaHeader& header, const Bytes& body) {
    Bytes out;
    out.push_back(header.idLength);
    out.push_back(header.colorMapType);
    out.push_back(header.imageType);
    PutLittle(out, 0, 5);  // colour-map fields: first entry, length, entry size
    PutLittle(out, 0, 4);  // x and y origin
    PutLittle(out, header.width, 2);
    PutLittle(out, header.height, 2);
    out.push_back(header.bitsPerPixel);
    out.push_back(header.descriptor);
    Append(out, body);
    return out;
}

// The 54-byte BMP header, every field settable so each check can be failed alone.
struct BmpHeader {
    char signature[2] = {'B', 'M'};
    std::uint32_t pixelOffset = 54;
    std::uint32_t infoHeaderSize = 40;
    std::int32_t width = 2;
    std::int32_t height = 2;
    std::uint16_t bitsPerPixel = 24;
    std::uint32_t compression = 0;
};

inline Bytes BmpBytes(const BmpHeader& header, const Bytes& block) {
    Bytes out;
    out.push_back(static_cast<std::uint8_t>(header.signature[0]));
    out.push_back(static_cast<std::uint8_t>(header.signature[1]));
    PutLittle(out, 54 + block.size(), 4);
    PutLittle(out, 0, 4);
    PutLittle(out, header.pixelOffset, 4);
    PutLittle(out, header.infoHeaderSize, 4);
    PutLittle(out, static_cast<std::uint32_t>(header.width), 4);
    PutLittle(out, static_cast<std::uint32_t>(header.height), 4);
    PutLittle(out, 1, 2);  // planes
    PutLittle(out, header.bitsPerPixel, 2);
    PutLittle(out, header.compression, 4);
    PutLittle(out, block.size(), 4);
    PutLittle(out, 2835, 4);
    PutLittle(out, 2835, 4);
    PutLittle(out, 0, 4);
    PutLittle(out, 0, 4);
    Append(out, block);
    return out;
}

// A pixel block of `width` by `height` 3-byte pixels, every pixel (b, g, r), rows padded to 4
// bytes with zeros.
inline Bytes SolidBmpBlock(int width, int height, std::uint8_t b, std::uint8_t g, std::uint8_t r) {
    Bytes block;
    const int rowSize = (width * 3 + 3) / 4 * 4;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) block.insert(block.end(), {b, g, r});
        for (int pad = width * 3; pad < rowSize; ++pad) block.push_back(0);
    }
    return block;
}

inline Bytes SolidBmp(int width, int height, std::uint8_t b, std::uint8_t g, std::uint8_t r) {
    BmpHeader header;
    header.width = width;
    header.height = height;
    return BmpBytes(header, SolidBmpBlock(width, height, b, g, r));
}

}  // namespace assets_test
