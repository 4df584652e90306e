// BMP reading: the block kept as stored, every header refused, and the game forms' exit.
#include <gtest/gtest.h>

#include "assets/bmp_reader.h"
#include "assets/obj_model.h"
#include "hud/bitmap.h"
#include "hud/icon_bar.h"
#include "unit/assets_test_files.h"

namespace {

using assets_test::BmpBytes;
using assets_test::BmpHeader;
using assets_test::Bytes;

TEST(BmpReaderTest, KeepsTheBlockAsStoredWithRowsPaddedToFourBytes) {
    struct Case {
        int width, height;
        std::uint64_t rowSize;
        std::uint32_t blockSize;
    };
    for (const Case& c : {Case{2, 2, 8, 16}, {64, 64, 192, 12288}, {1, 3, 4, 12}, {3, 1, 12, 12}}) {
        SCOPED_TRACE(c.width);
        EXPECT_EQ(BmpRowSize(c.width), c.rowSize);
        // Distinct bytes everywhere, padding included, so a shifted or reordered copy shows.
        Bytes block(c.blockSize);
        for (std::size_t i = 0; i < block.size(); ++i)
            block[i] = static_cast<std::uint8_t>(i * 7 + 1);
        Bytes file = BmpBytes({.width = c.width, .height = c.height}, block);
        file.push_back(99);  // bytes after the block are not the picture's
        BmpPixels read;
        std::string reason;
        ASSERT_TRUE(ReadBmp24(file.data(), file.size(), &read, &reason)) << reason;
        EXPECT_EQ(read.width, c.width);
        EXPECT_EQ(read.height, c.height);
        EXPECT_EQ(Bytes(read.pixels, read.pixels + read.byteSize), block);
        delete[] read.pixels;
    }
}

TEST(BmpReaderTest, RefusesEveryHeaderItCannotReadAsStored) {
    struct Case {
        const char* what;
        BmpHeader header;
        std::size_t blockSize;
        const char* reason;
    };
    // clang-format off
    const Case cases[] = {
        {"53 bytes", {}, 0, "shorter than the 54-byte"},
        {"signature BA", {.signature = {'B', 'A'}}, 16, "signature"},
        {"32 bits per pixel", {.bitsPerPixel = 32}, 32, "32 bits"},
        {"run-length compression", {.compression = 1}, 16, "compress"},
        {"negative height (top-down)", {.height = -2}, 16, "top first"},
        {"height 0", {.height = 0}, 16, "height 0 is not"},
        {"width 0", {.width = 0}, 16, "width 0"},
        {"pixels at 1078", {.pixelOffset = 1078}, 16, "offset 1078"},
        {"12-byte core header", {.infoHeaderSize = 12}, 16, "info header"},
        {"block one byte short", {}, 15, "shorter than its pixel data"},
        {"a 32-bit product wraps", {.width = 0x55555555, .height = 0x40000000}, 16, "its pixel"},
        {"largest sizes", {.width = 0x7fffffff, .height = 0x7fffffff}, 16, "its pixel data"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes file = BmpBytes(c.header, Bytes(c.blockSize, 5));
        if (c.blockSize == 0) file.pop_back();
        BmpPixels read;
        read.pixels = reinterpret_cast<std::uint8_t*>(&read);  // must be cleared on failure
        std::string reason;
        EXPECT_FALSE(ReadBmp24(file.data(), file.size(), &read, &reason));
        EXPECT_EQ(read.pixels, nullptr);
        EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
    }
}

TEST(BmpReaderTest, IconFormFillsTheSlotAndReplacesWhatItHeld) {
    assets_test::ScratchFolder folder;
    const std::string first = folder.Write("a.bmp", assets_test::SolidBmp(2, 2, 1, 2, 3));
    const std::string second = folder.Write("b.bmp", assets_test::SolidBmp(1, 1, 4, 5, 6));
    LoadIconBitMap(first.c_str(), 12);
    EXPECT_EQ(g_iconHeight[12], 2);
    EXPECT_EQ(Bytes(g_iconPixels[12], g_iconPixels[12] + 8), (Bytes{1, 2, 3, 1, 2, 3, 0, 0}));
    LoadIconBitMap(second.c_str(), 12);
    EXPECT_EQ(g_iconWidth[12], 1);
    EXPECT_EQ(Bytes(g_iconPixels[12], g_iconPixels[12] + 4), (Bytes{4, 5, 6, 0}));
    delete[] g_iconPixels[12];
    g_iconPixels[12] = nullptr;
}

TEST(BmpReaderDeathTest, TheGameFormsExitWithOneLineNamingFileAndReason) {
    assets_test::ScratchFolder folder;
    const std::string bad = folder.Write("bad.bmp", BmpBytes({.bitsPerPixel = 32}, Bytes(16, 0)));
    const std::string missing = folder.Path() + "/none.bmp";
    EXPECT_EXIT(LoadIconBitMap(bad.c_str(), 3), testing::ExitedWithCode(1),
                "^[^\n]*/bad\\.bmp: 32 bits per pixel \\(24 expected\\)\n$");
    EXPECT_EXIT(LoadIconBitMap(missing.c_str(), 3), testing::ExitedWithCode(1),
                "^" + missing + ": cannot open the file");
    EXPECT_EXIT(LoadIconBitMap(bad.c_str(), kIconPictureCount), testing::ExitedWithCode(1),
                "bad\\.bmp: icon slot 13 does not exist");
    MtlLib library;
    EXPECT_EXIT(library.LoadBitMap(bad.c_str()), testing::ExitedWithCode(1),
                "^[^\n]*/bad\\.bmp: 32 bits per pixel \\(24 expected\\)\n$");
}

}  // namespace
