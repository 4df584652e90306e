// Targa reading: row order, run-length packets, and refusals that leave no pixels behind.
#include <gtest/gtest.h>

#include "assets/targa_image.h"
#include "unit/assets_test_files.h"

namespace {

using assets_test::Bytes;
using assets_test::TargaBytes;
using assets_test::TargaHeader;

Bytes PixelsOf(const CTargaImage& image) {
    return Bytes(image.Pixels(), image.Pixels() + image.ImageSize());
}

// 2 x 2: bottom row red, green; top row blue, white; the file B, G, R, the image R, G, B.
const Bytes kBottomFirst2x2 = {0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255};
const Bytes kExpected2x2 = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};

TEST(TargaImageTest, ReadsRawAndRunLengthRowsIntoBottomFirstRgb) {
    struct Case {
        const char* what;
        TargaHeader header;
        Bytes body, expected;
    };
    // clang-format off
    const Case cases[] = {
        {"bottom first", {}, kBottomFirst2x2, kExpected2x2},
        {"top first", {.descriptor = 32},
         {255, 0, 0, 255, 255, 255, 0, 0, 255, 0, 255, 0}, kExpected2x2},
        {"32-bit keeps alpha last", {.width = 1, .height = 1, .bitsPerPixel = 32},
         {10, 20, 30, 40}, {30, 20, 10, 40}},
        {"the image ID is skipped", {.idLength = 5, .width = 1, .height = 1},
         {'n', 'a', 'm', 'e', '!', 1, 2, 3}, {3, 2, 1}},
        {"top first, the middle row of an odd height stays",
         {.width = 1, .height = 3, .descriptor = 32},
         {1, 1, 1, 2, 2, 2, 3, 3, 3}, {3, 3, 3, 2, 2, 2, 1, 1, 1}},
        {"a run of 131 gives its pixel four times", {.imageType = 10},
         {131, 1, 2, 3}, {3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1}},
        {"a run of 2 and a raw packet of 4 cross the row boundary", {.imageType = 10, .width = 3},
         {129, 9, 8, 7, 3, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4},
         {7, 8, 9, 7, 8, 9, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4}},
        {"a 32-bit run reads four bytes a pixel",
         {.imageType = 10, .width = 1, .height = 1, .bitsPerPixel = 32},
         {128, 1, 2, 3, 4}, {3, 2, 1, 4}},
    };
    // clang-format on
    assets_test::ScratchFolder folder;
    CTargaImage image;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = folder.Write("p.tga", TargaBytes(c.header, c.body));
        ASSERT_TRUE(image.LoadFile(path.c_str())) << image.LastError();
        EXPECT_EQ(image.Width(), c.header.width);
        EXPECT_EQ(image.Height(), c.header.height);
        EXPECT_EQ(image.ColorDepth(), c.header.bitsPerPixel);
        EXPECT_EQ(image.PixelFormat(),
                  c.header.bitsPerPixel == 24 ? CTargaImage::kFormatRgb : CTargaImage::kFormatRgba);
        EXPECT_EQ(PixelsOf(image), c.expected);
    }
}

TEST(TargaImageTest, RefusesWhatItCannotReadAndHoldsNoPixelsAfterwards) {
    struct Case {
        const char* what;
        TargaHeader header;
        Bytes body;
        const char* reason;   // a piece of LastError()
        std::size_t cut = 0;  // bytes cut from the end
    };
    const Bytes body2x2(12, 7);
    // clang-format off
    const Case cases[] = {
        {"a colour map", {.colorMapType = 1}, body2x2, "colour-mapped"},
        {"image type 9", {.imageType = 9}, body2x2, "type 9"},
        {"grey type 3", {.imageType = 3}, body2x2, "grey"},
        {"grey type 11", {.imageType = 11}, body2x2, "grey"},
        {"16-bit", {.bitsPerPixel = 16}, body2x2, "16-bit"},
        {"width 0", {.width = 0}, body2x2, "no pixels"},
        {"an ID field past the end", {.idLength = 200}, body2x2, "image ID"},
        {"uncompressed, one byte short", {}, body2x2, "shorter than its pixel", 1},
        {"a header of 17 bytes", {}, {}, "shorter than the 18-byte", 1},
        {"run-length, last packet missing", {.imageType = 10}, {129, 1, 2, 3}, "ends inside"},
        {"run-length, raw packet cut short", {.imageType = 10}, {3, 1, 2, 3, 4, 5, 6},
         "ends inside"},
        {"run-length overrun by a run", {.imageType = 10}, {130, 1, 2, 3, 129, 4, 5, 6},
         "past the end"},
        {"run-length overrun by a raw packet", {.imageType = 10},
         {4, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5}, "past the end"},
        {"65535 x 65535 does not fit a 32-bit image size",
         {.imageType = 10, .width = 65535, .height = 65535}, {255, 1, 2, 3}, "too large"},
        {"30000 x 30000 run-length from a few bytes",
         {.imageType = 10, .width = 30000, .height = 30000}, {255, 1, 2, 3}, "shorter"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CTargaImage image;
        // A picture already held must go whatever the next load gives.
        const Bytes held = TargaBytes({}, body2x2);
        ASSERT_TRUE(image.LoadMemory(held.data(), held.size()));
        Bytes file = TargaBytes(c.header, c.body);
        file.resize(file.size() - c.cut);
        EXPECT_FALSE(image.LoadMemory(file.data(), file.size()));
        EXPECT_EQ(image.Pixels(), nullptr);
        EXPECT_EQ(image.Width() + image.Height(), 0);
        EXPECT_EQ(image.ImageSize(), 0u);
        EXPECT_NE(image.LastError().find(c.reason), std::string::npos) << image.LastError();
    }
    CTargaImage image;
    EXPECT_FALSE(image.LoadFile("/nonexistent/missing.tga"));
    EXPECT_EQ(image.Width() + image.Height(), 0);
    EXPECT_NE(image.LastError().find("cannot open"), std::string::npos) << image.LastError();
    EXPECT_FALSE(image.FlipRows());
    EXPECT_FALSE(image.SwapRedAndBlue());
}

}  // namespace
