// Fuzzes the Targa reader: any bytes either fail with a reason or give a picture whose pixel
// array is exactly width * height * bytes per pixel, every byte of it written.
#include <cstdint>
#include <cstdlib>

#include "assets/targa_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CTargaImage image;
    if (!image.LoadMemory(data, size)) {
        if (image.Pixels() != nullptr || image.LastError().empty()) std::abort();
        return 0;
    }
    const std::size_t bytesPerPixel = image.ColorDepth() / 8u;
    if (bytesPerPixel != 3 && bytesPerPixel != 4) std::abort();
    if (image.ImageSize() != std::size_t{image.Width()} * image.Height() * bytesPerPixel)
        std::abort();
    // Reading every byte lets MemorySanitizer-like checks and ASan see the whole array.
    unsigned sum = 0;
    for (std::uint32_t i = 0; i < image.ImageSize(); ++i) sum += image.Pixels()[i];
    image.FlipRows();
    image.SwapRedAndBlue();
    // A second load into the same image releases the first picture.
    image.LoadMemory(data, size);
    return static_cast<int>(sum & 0);
}
