// Targa reading on files written byte by byte: row order, run-length packets, what is refused,
// and that a refused or truncated file never leaves pixels behind.
#include <gtest/gtest.h>

#include <cstring>

#include "assets/targa_image.h"
#include "unit/assets_test_files.h"

namespace {

using assets_test::Bytes;
using assets_test::ScratchFolder;
using assets_test::TargaBytes;
using assets_test::TargaHeader;

Bytes PixelsOf(const CTargaImage& image) {
    return Bytes(image.Pixels(), image.Pixels() + image.ImageSize());
}

bool Load(CTargaImage& image, const Bytes& file) {
    return image.LoadMemory(file.data(), file.size());
}

// A 2 x 2 picture: bottom row red, green; top row blue, white. In the file as B, G, R.
const Bytes kBottomRowInFile = {0, 0, 255, 0, 255, 0};
const Bytes kTopRowInFile = {255, 0, 0, 255, 255, 255};
// What the image holds: R, G, B, bottom row first.
const Bytes kExpected2x2 = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};

TEST(TargaImageTest, ReadsBottomFirstAndTopFirstRowsIntoTheSameBottomFirstRgb) {
    Bytes bottomFirst = kBottomRowInFile;
    assets_test::Append(bottomFirst, kTopRowInFile);
    Bytes topFirst = kTopRowInFile;
    assets_test::Append(topFirst, kBottomRowInFile);
    TargaHeader topHeader;
    topHeader.descriptor = 32;

    for (const Bytes& file :
         {TargaBytes(TargaHeader{}, bottomFirst), TargaBytes(topHeader, topFirst)}) {
        CTargaImage image;
        ASSERT_TRUE(Load(image, file)) << image.LastError();
        EXPECT_EQ(image.Width(), 2);
        EXPECT_EQ(image.Height(), 2);
        EXPECT_EQ(image.ColorDepth(), 24);
        EXPECT_EQ(image.PixelFormat(), CTargaImage::kFormatRgb);
        EXPECT_EQ(image.ImageSize(), 12u);
        EXPECT_EQ(PixelsOf(image), kExpected2x2);
    }
}

TEST(TargaImageTest, ThirtyTwoBitPixelsKeepAlphaLast) {
    TargaHeader header;
    header.width = 1;
    header.height = 1;
    header.bitsPerPixel = 32;
    CTargaImage image;
    ASSERT_TRUE(Load(image, TargaBytes(header, {10, 20, 30, 40})));
    EXPECT_EQ(image.ColorDepth(), 32);
    EXPECT_EQ(image.PixelFormat(), CTargaImage::kFormatRgba);
    EXPECT_EQ(PixelsOf(image), (Bytes{30, 20, 10, 40}));
}

TEST(TargaImageTest, SkipsTheImageIdField) {
    TargaHeader header;
    header.idLength = 5;
    header.width = 1;
    header.height = 1;
    CTargaImage image;
    ASSERT_TRUE(Load(image, TargaBytes(header, {'n', 'a', 'm', 'e', '!', 1, 2, 3})));
    EXPECT_EQ(PixelsOf(image), (Bytes{3, 2, 1}));
}

TEST(TargaImageTest, RunLengthPacketsRepeatAndCopyPixelsAcrossRows) {
    struct Case {
        const char* what;
        TargaHeader header;
        Bytes body;
        Bytes expected;
    };
    TargaHeader twoByTwo;
    twoByTwo.imageType = 10;
    TargaHeader threeByTwo = twoByTwo;
    threeByTwo.width = 3;
    TargaHeader thirtyTwoBit = twoByTwo;
    thirtyTwoBit.width = 1;
    thirtyTwoBit.height = 1;
    thirtyTwoBit.bitsPerPixel = 32;
    const Case cases[] = {
        {"a run of 131 gives its pixel four times",
         twoByTwo,
         {131, 1, 2, 3},
         {3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1}},
        {"a run of 2 and a raw packet of 4 cross the row boundary",
         threeByTwo,
         {129, 9, 8, 7, 3, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4},
         {7, 8, 9, 7, 8, 9, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4}},
        {"a 32-bit run reads four bytes a pixel", thirtyTwoBit, {128, 1, 2, 3, 4}, {3, 2, 1, 4}},
    };
    for (const Case& c : cases) {
        CTargaImage image;
        ASSERT_TRUE(Load(image, TargaBytes(c.header, c.body)))
            << c.what << ": " << image.LastError();
        EXPECT_EQ(PixelsOf(image), c.expected) << c.what;
    }
}

TEST(TargaImageTest, FlipLeavesTheMiddleRowOfAnOddHeight) {
    TargaHeader header;
    header.width = 1;
    header.height = 3;
    header.descriptor = 32;
    CTargaImage image;
    ASSERT_TRUE(Load(image, TargaBytes(header, {1, 1, 1, 2, 2, 2, 3, 3, 3})));
    EXPECT_EQ(PixelsOf(image), (Bytes{3, 3, 3, 2, 2, 2, 1, 1, 1}));
}

TEST(TargaImageTest, RefusesWhatItCannotReadAndHoldsNoPixelsAfterwards) {
    struct Case {
        const char* what;
        Bytes file;
        const char* reason;  // a piece of LastError()
    };
    const Bytes twoByTwoBody(12, 7);
    auto with = [&](auto change, const Bytes& body) {
        TargaHeader header;
        change(header);
        return TargaBytes(header, body);
    };
    Bytes shortHeader = TargaBytes(TargaHeader{}, {});
    shortHeader.resize(17);
    const Case cases[] = {
        {"colour-mapped (type 1)",
         with([](TargaHeader& h) { h.colorMapType = 1, h.imageType = 1; }, twoByTwoBody),
         "colour-mapped"},
        {"a colour map with type 2", with([](TargaHeader& h) { h.colorMapType = 1; }, twoByTwoBody),
         "colour-mapped"},
        {"image type 9", with([](TargaHeader& h) { h.imageType = 9; }, twoByTwoBody), "type 9"},
        {"grey type 3", with([](TargaHeader& h) { h.imageType = 3; }, twoByTwoBody), "grey"},
        {"grey type 11", with([](TargaHeader& h) { h.imageType = 11; }, twoByTwoBody), "grey"},
        {"16-bit", with([](TargaHeader& h) { h.bitsPerPixel = 16; }, twoByTwoBody), "16-bit"},
        {"8-bit", with([](TargaHeader& h) { h.bitsPerPixel = 8; }, twoByTwoBody), "8-bit"},
        {"48-bit", with([](TargaHeader& h) { h.bitsPerPixel = 48; }, Bytes(24, 7)), "48-bit"},
        {"width 0", with([](TargaHeader& h) { h.width = 0; }, twoByTwoBody), "no pixels"},
        {"a header of 17 bytes", shortHeader, "shorter"},
        {"an ID field past the end", with([](TargaHeader& h) { h.idLength = 200; }, twoByTwoBody),
         "image ID"},
        {"uncompressed, one byte short", with([](TargaHeader&) {}, Bytes(11, 7)), "shorter"},
        {"run-length, last packet missing",
         with([](TargaHeader& h) { h.imageType = 10; }, {129, 1, 2, 3}), "ends inside"},
        {"run-length, raw packet cut short",
         with([](TargaHeader& h) { h.imageType = 10; }, {3, 1, 2, 3, 4, 5, 6}), "ends inside"},
        {"run-length overrun by a run",
         with([](TargaHeader& h) { h.imageType = 10; }, {130, 1, 2, 3, 129, 4, 5, 6}),
         "past the end"},
        {"run-length overrun by a raw packet",
         with([](TargaHeader& h) { h.imageType = 10; },
              {4, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5}),
         "past the end"},
        {"65535 x 65535 does not fit a 32-bit image size",
         with([](TargaHeader& h) { h.imageType = 10, h.width = 65535, h.height = 65535; },
              {255, 1, 2, 3}),
         "too large"},
        {"30000 x 30000 run-length from a few bytes",
         with([](TargaHeader& h) { h.imageType = 10, h.width = 30000, h.height = 30000; },
              {255, 1, 2, 3}),
         "shorter"},
    };
    for (const Case& c : cases) {
        CTargaImage image;
        // A picture already held must go whatever the next load gives.
        ASSERT_TRUE(Load(image, TargaBytes(TargaHeader{}, twoByTwoBody)));
        EXPECT_FALSE(Load(image, c.file)) << c.what;
        EXPECT_EQ(image.Pixels(), nullptr) << c.what;
        EXPECT_EQ(image.Width(), 0) << c.what;
        EXPECT_EQ(image.ImageSize(), 0u) << c.what;
        EXPECT_NE(image.LastError().find(c.reason), std::string::npos)
            << c.what << ": " << image.LastError();
    }
}

TEST(TargaImageTest, ASecondLoadReplacesTheFirstPicture) {
    CTargaImage image;
    ASSERT_TRUE(Load(image, TargaBytes(TargaHeader{}, Bytes(12, 7))));
    TargaHeader oneByOne;
    oneByOne.width = 1;
    oneByOne.height = 1;
    ASSERT_TRUE(Load(image, TargaBytes(oneByOne, {1, 2, 3})));
    EXPECT_EQ(image.Width(), 1);
    EXPECT_EQ(PixelsOf(image), (Bytes{3, 2, 1}));
    image.FreeData();
    EXPECT_EQ(image.Pixels(), nullptr);
    EXPECT_FALSE(image.FlipRows());
    EXPECT_FALSE(image.SwapRedAndBlue());
}

TEST(TargaImageTest, LoadFileReadsTheFileAndNamesAMissingOne) {
    ScratchFolder folder;
    Bytes body = kBottomRowInFile;
    assets_test::Append(body, kTopRowInFile);
    const std::string path = folder.Write("p.tga", TargaBytes(TargaHeader{}, body));
    CTargaImage image;
    ASSERT_TRUE(image.LoadFile(path.c_str())) << image.LastError();
    EXPECT_EQ(PixelsOf(image), kExpected2x2);
    EXPECT_FALSE(image.LoadFile((folder.Path() + "/missing.tga").c_str()));
    EXPECT_EQ(image.Pixels(), nullptr);
    EXPECT_NE(image.LastError().find("cannot open"), std::string::npos) << image.LastError();
}

}  // namespace
