// BMP reading on files written byte by byte: the pixel block kept as stored with its row
// padding, every header the reader refuses, and the exit with one line for the game's forms.
#include <gtest/gtest.h>

#include "assets/bitmap.h"
#include "assets/bmp_reader.h"
#include "assets/obj_model.h"
#include "hud/icon_bar.h"
#include "unit/assets_test_files.h"

namespace {

using assets_test::BmpBytes;
using assets_test::BmpHeader;
using assets_test::Bytes;
using assets_test::ScratchFolder;

// Distinct bytes everywhere, padding included, so a shifted or reordered copy shows.
Bytes CountingBlock(std::size_t size) {
    Bytes block(size);
    for (std::size_t i = 0; i < size; ++i) block[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return block;
}

TEST(BmpReaderTest, KeepsTheBlockAsStoredWithRowsPaddedToFourBytes) {
    struct Case {
        int width, height;
        std::uint64_t rowSize;
        std::uint32_t blockSize;
    };
    const Case cases[] = {{2, 2, 8, 16}, {64, 64, 192, 12288}, {1, 3, 4, 12}, {3, 1, 12, 12}};
    for (const Case& c : cases) {
        EXPECT_EQ(BmpRowSize(c.width), c.rowSize) << c.width;
        BmpHeader header;
        header.width = c.width;
        header.height = c.height;
        const Bytes block = CountingBlock(c.blockSize);
        Bytes file = BmpBytes(header, block);
        file.push_back(99);  // bytes after the block are not the picture's
        BmpPixels read;
        std::string reason;
        ASSERT_TRUE(ReadBmp24(file.data(), file.size(), &read, &reason)) << reason;
        EXPECT_EQ(read.width, c.width);
        EXPECT_EQ(read.height, c.height);
        EXPECT_EQ(read.byteSize, c.blockSize);
        EXPECT_EQ(Bytes(read.pixels, read.pixels + read.byteSize), block);
        delete[] read.pixels;
    }
}

TEST(BmpReaderTest, RefusesEveryHeaderItCannotReadAsStored) {
    struct Case {
        const char* what;
        Bytes file;
        const char* reason;
    };
    auto with = [](auto change, std::size_t blockSize = 16) {
        BmpHeader header;
        change(header);
        return BmpBytes(header, Bytes(blockSize, 5));
    };
    Bytes shortHeader = with([](BmpHeader&) {}, 0);
    shortHeader.resize(53);
    const Case cases[] = {
        {"53 bytes", shortHeader, "shorter than the 54-byte"},
        {"signature BA", with([](BmpHeader& h) { h.signature[1] = 'A'; }), "signature"},
        {"32 bits per pixel", with([](BmpHeader& h) { h.bitsPerPixel = 32; }, 32), "32 bits"},
        {"8 bits per pixel", with([](BmpHeader& h) { h.bitsPerPixel = 8; }), "8 bits"},
        {"run-length compression", with([](BmpHeader& h) { h.compression = 1; }), "compress"},
        {"bit-field compression", with([](BmpHeader& h) { h.compression = 3; }), "compress"},
        {"negative height (top-down)", with([](BmpHeader& h) { h.height = -2; }), "top first"},
        {"height 0", with([](BmpHeader& h) { h.height = 0; }), "height 0"},
        {"width 0", with([](BmpHeader& h) { h.width = 0; }), "width 0"},
        {"negative width", with([](BmpHeader& h) { h.width = -2; }), "width -2"},
        {"pixels at 1078", with([](BmpHeader& h) { h.pixelOffset = 1078; }), "offset 1078"},
        {"12-byte core header", with([](BmpHeader& h) { h.infoHeaderSize = 12; }), "info header"},
        {"block one byte short", with([](BmpHeader&) {}, 15), "shorter than its pixel data"},
        {"huge sizes whose 32-bit product wraps",
         with([](BmpHeader& h) { h.width = 0x55555555, h.height = 0x40000000; }),
         "shorter than its pixel data"},
        {"largest sizes", with([](BmpHeader& h) { h.width = 0x7fffffff, h.height = 0x7fffffff; }),
         "shorter than its pixel data"},
    };
    for (const Case& c : cases) {
        BmpPixels read;
        read.pixels = reinterpret_cast<std::uint8_t*>(&read);  // must be cleared on failure
        std::string reason;
        EXPECT_FALSE(ReadBmp24(c.file.data(), c.file.size(), &read, &reason)) << c.what;
        EXPECT_EQ(read.pixels, nullptr) << c.what;
        EXPECT_NE(reason.find(c.reason), std::string::npos) << c.what << ": " << reason;
    }
}

TEST(BmpReaderTest, FileFormNamesTheFile) {
    ScratchFolder folder;
    BmpPixels read;
    std::string error;
    const std::string missing = folder.Path() + "/missing.bmp";
    EXPECT_FALSE(ReadBmp24File(missing.c_str(), &read, &error));
    EXPECT_EQ(error.rfind(missing + ": cannot open the file", 0), 0u) << error;
}

TEST(BmpReaderTest, IconFormFillsTheSlotAndReplacesWhatItHeld) {
    ScratchFolder folder;
    const std::string first = folder.Write("a.bmp", assets_test::SolidBmp(2, 2, 1, 2, 3));
    const std::string second = folder.Write("b.bmp", assets_test::SolidBmp(1, 1, 4, 5, 6));
    LoadIconBitMap(first.c_str(), 12);
    EXPECT_EQ(g_iconWidth[12], 2);
    EXPECT_EQ(g_iconHeight[12], 2);
    ASSERT_NE(g_iconPixels[12], nullptr);
    EXPECT_EQ(Bytes(g_iconPixels[12], g_iconPixels[12] + 8), (Bytes{1, 2, 3, 1, 2, 3, 0, 0}));
    LoadIconBitMap(second.c_str(), 12);
    EXPECT_EQ(g_iconWidth[12], 1);
    EXPECT_EQ(Bytes(g_iconPixels[12], g_iconPixels[12] + 4), (Bytes{4, 5, 6, 0}));
    delete[] g_iconPixels[12];
    g_iconPixels[12] = nullptr;
}

TEST(BmpReaderTest, ModelFormAppendsARecord) {
    ScratchFolder folder;
    const std::string path = folder.Write("t.bmp", assets_test::SolidBmp(64, 64, 9, 8, 7));
    MtlLib library;
    library.LoadBitMap(path.c_str());
    library.LoadBitMap(path.c_str());
    ASSERT_EQ(library.bitmaps.size(), 2u);
    EXPECT_EQ(library.bitmaps[1].width, 64);
    EXPECT_EQ(library.bitmaps[1].height, 64);
    EXPECT_EQ(library.bitmaps[1].byteSize, 12288u);
    EXPECT_EQ(library.bitmaps[1].pixels[12287], 7);
}

TEST(BmpReaderDeathTest, TheGameFormsExitWithOneLineNamingFileAndReason) {
    ScratchFolder folder;
    BmpHeader header;
    header.bitsPerPixel = 32;
    const std::string bad = folder.Write("bad.bmp", BmpBytes(header, Bytes(16, 0)));
    const std::string missing = folder.Path() + "/none.bmp";
    EXPECT_EXIT(LoadIconBitMap(bad.c_str(), 3), testing::ExitedWithCode(1),
                "^[^\n]*/bad\\.bmp: 32 bits per pixel \\(24 expected\\)\n$");
    EXPECT_EXIT(LoadIconBitMap(missing.c_str(), 3), testing::ExitedWithCode(1),
                "/none\\.bmp: cannot open the file");
    EXPECT_EXIT(LoadIconBitMap(bad.c_str(), kIconPictureCount), testing::ExitedWithCode(1),
                "bad\\.bmp: icon slot 13 does not exist");
    MtlLib library;
    EXPECT_EXIT(library.LoadBitMap(bad.c_str()), testing::ExitedWithCode(1),
                "^[^\n]*/bad\\.bmp: 32 bits per pixel \\(24 expected\\)\n$");
}

}  // namespace
