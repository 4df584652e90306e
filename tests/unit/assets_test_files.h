// A scratch folder removed with its contents, and Targa and BMP files built byte by byte.
#pragma once

#include <stdlib.h>  // Required for: mkdtemp()

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace assets_test {

using Bytes = std::vector<std::uint8_t>;

class ScratchFolder {
public:
    ScratchFolder() {
        char pattern[] = "/tmp/eh-assets-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    const std::string& Path() const { return path_; }
    std::string Write(const std::string& relative, const Bytes& bytes) const {
        const std::filesystem::path full = std::filesystem::path(path_) / relative;
        std::filesystem::create_directories(full.parent_path());
        std::ofstream(full, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
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

struct TargaHeader {
    std::uint8_t idLength = 0, colorMapType = 0, imageType = 2;
    std::uint16_t width = 2, height = 2;
    std::uint8_t bitsPerPixel = 24, descriptor = 0;
};

inline Bytes TargaBytes(const TargaHeader& header, const Bytes& body) {
    Bytes out = {header.idLength, header.colorMapType, header.imageType};
    PutLittle(out, 0, 9);  // colour-map fields, x and y origin
    PutLittle(out, header.width | std::uint32_t{header.height} << 16, 4);
    out.insert(out.end(), {header.bitsPerPixel, header.descriptor});
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

// Every field settable, so that each check of the reader can be failed alone.
struct BmpHeader {
    char signature[2] = {'B', 'M'};
    std::uint32_t pixelOffset = 54, infoHeaderSize = 40;
    std::int32_t width = 2, height = 2;
    std::uint16_t bitsPerPixel = 24;
    std::uint32_t compression = 0;
};

inline Bytes BmpBytes(const BmpHeader& h, const Bytes& block) {
    Bytes out(h.signature, h.signature + 2);
    // clang-format off
    const std::uint64_t fields[] = {54 + block.size(), 0, h.pixelOffset, h.infoHeaderSize,
        static_cast<std::uint32_t>(h.width), static_cast<std::uint32_t>(h.height),
        1u | std::uint32_t{h.bitsPerPixel} << 16, h.compression, block.size(), 2835, 2835, 0, 0};
    // clang-format on
    for (std::uint64_t field : fields) PutLittle(out, field, 4);
    out.insert(out.end(), block.begin(), block.end());
    return out;
}

// Every pixel (b, g, r), rows padded to 4 bytes with zeros.
inline Bytes SolidBmp(int width, int height, std::uint8_t b, std::uint8_t g, std::uint8_t r) {
    Bytes block;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) block.insert(block.end(), {b, g, r});
        block.resize(block.size() + (4 - width * 3 % 4) % 4, 0);
    }
    return BmpBytes({.width = width, .height = height}, block);
}

}  // namespace assets_test
