// Fuzzes the BMP reader: any bytes either fail with a reason and no pixels, or give a block of
// exactly row size * height bytes copied from within the input.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "assets/bmp_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    BmpPixels read;
    std::string reason;
    if (!ReadBmp24(data, size, &read, &reason)) {
        if (read.pixels != nullptr || reason.empty()) std::abort();
        return 0;
    }
    if (read.width <= 0 || read.height <= 0 || 54u + read.byteSize > size ||
        read.byteSize != BmpRowSize(static_cast<std::uint64_t>(read.width)) *
                             static_cast<std::uint64_t>(read.height) ||
        (read.byteSize > 0 && read.pixels[read.byteSize - 1] != data[53 + read.byteSize]))
        std::abort();
    delete[] read.pixels;
    return 0;
}
