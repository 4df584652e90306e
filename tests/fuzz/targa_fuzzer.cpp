// Fuzzes the Targa reader: any bytes either fail with a reason and no pixels, or give a picture
// of exactly width * height * bytes per pixel, every byte of it readable.
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
    if ((bytesPerPixel != 3 && bytesPerPixel != 4) ||
        image.ImageSize() != std::size_t{image.Width()} * image.Height() * bytesPerPixel)
        std::abort();
    unsigned sum = 0;
    for (std::uint32_t i = 0; i < image.ImageSize(); ++i) sum += image.Pixels()[i];
    image.FlipRows();
    image.SwapRedAndBlue();
    image.LoadMemory(data, size);  // a second load releases the first picture
    return static_cast<int>(sum & 0);
}
