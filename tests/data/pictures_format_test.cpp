// Every picture, icon and the tune the game opens: present, in the format its reader expects, and
// read by the game's own readers exactly as the file holds it.
#include <gtest/gtest.h>

#include <algorithm>   // Required for: std::max()
#include <cmath>       // Required for: std::sqrt(), std::abs()
#include <cstring>     // Required for: std::memcmp()
#include <filesystem>  // Required for: std::filesystem::recursive_directory_iterator
#include <string>      // Required for: std::string

#include "assets/bitmap.h"
#include "assets/targa_image.h"
#include "hud/icon_bar.h"
#include "pictures_support.h"

namespace {

// The pictures by what they are drawn over: the sky box faces, the keypad panel and its digits,
// the full-window screens and the info pictures.
enum class Use { kSky, kPanel, kDigit, kScreen, kInfo };
struct PictureFile {
    const char* path;
    Use use;
};
const PictureFile kPictures[30] = {
    {"Data/Picture/otop.tga", Use::kSky},       {"Data/Picture/dn.tga", Use::kSky},
    {"Data/Picture/ofront.tga", Use::kSky},     {"Data/Picture/oback.tga", Use::kSky},
    {"Data/Picture/oleft.tga", Use::kSky},      {"Data/Picture/oright.tga", Use::kSky},
    {"Data/Picture/clock.tga", Use::kPanel},    {"Data/Picture/num_1.tga", Use::kDigit},
    {"Data/Picture/num_2.tga", Use::kDigit},    {"Data/Picture/num_3.tga", Use::kDigit},
    {"Data/Picture/num_4.tga", Use::kDigit},    {"Data/Picture/num_5.tga", Use::kDigit},
    {"Data/Picture/num_6.tga", Use::kDigit},    {"Data/Picture/num_7.tga", Use::kDigit},
    {"Data/Picture/num_8.tga", Use::kDigit},    {"Data/Picture/num_9.tga", Use::kDigit},
    {"Data/Picture/start.tga", Use::kScreen},   {"Data/Picture/ending1.tga", Use::kScreen},
    {"Data/Picture/ending2.tga", Use::kScreen}, {"Data/Picture/win.tga", Use::kScreen},
    {"Data/Picture/ending3.tga", Use::kScreen}, {"Data/Picture/info0.tga", Use::kInfo},
    {"Data/Picture/info1.tga", Use::kInfo},     {"Data/Picture/info2.tga", Use::kInfo},
    {"Data/Picture/info3.tga", Use::kInfo},     {"Data/Picture/info4.tga", Use::kInfo},
    {"Data/Picture/info5.tga", Use::kInfo},     {"Data/Picture/info6.tga", Use::kInfo},
    {"Data/Picture/info7.tga", Use::kInfo},     {"Data/Picture/info8.tga", Use::kInfo},
};

std::string InBuild(const char* dataPath) {
    return BuildFolder() + "/" + dataPath;
}

bool IsPowerOfTwo(int value) {
    return value > 0 && (value & (value - 1)) == 0;
}

// Width over height of the area each kind of picture is stretched over in the 800 by 600 window.
double ShownAspect(Use use) {
    switch (use) {
        case Use::kSky:
            return 1.0;
        case Use::kPanel:
            return 300.0 / 400.0;
        case Use::kDigit:
            return 45.0 / 40.0;
        case Use::kScreen:
            return 800.0 / 600.0;
        case Use::kInfo:
            return 240.0 / 360.0;
    }
    return 0.0;
}

TEST(PictureFiles, EveryPictureIs24BitTrueColourRunLengthOnlyWhereThatIsSmaller) {
    int topFirst = 0, runLength = 0;
    for (const PictureFile& file : kPictures) {
        SCOPED_TRACE(file.path);
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(ReadFileBytes(InBuild(file.path), &bytes)) << "missing";
        TargaHeader header;
        Picture picture;
        std::string error;
        ASSERT_TRUE(DecodeTarga(bytes, &header, &picture, &error)) << error;
        EXPECT_EQ(header.depth, 24);
        EXPECT_EQ(header.descriptor & ~32, 0) << "no alpha bits, no right-to-left rows";
        const size_t uncompressed = 18 + static_cast<size_t>(header.idLength) +
                                    3 * static_cast<size_t>(header.width) * header.height;
        if (header.imageType == 10) {
            EXPECT_LT(bytes.size(), uncompressed) << "run-length data larger than plain pixels";
            ++runLength;
        }
        if (header.descriptor & 32) ++topFirst;
        EXPECT_NEAR(static_cast<double>(header.width) / header.height, ShownAspect(file.use), 0.03)
            << header.width << " x " << header.height;
    }
    EXPECT_GE(topFirst, 1) << "the game's row flip should meet real data";
    EXPECT_GE(runLength, 1);
}

TEST(PictureFiles, SkyFacesAreEqualPowerOfTwoSquares) {
    std::vector<std::uint8_t> bytes;
    TargaHeader first;
    for (int face = 0; face < 6; ++face) {
        SCOPED_TRACE(kPictures[face].path);
        ASSERT_TRUE(ReadFileBytes(InBuild(kPictures[face].path), &bytes));
        TargaHeader header;
        Picture picture;
        std::string error;
        ASSERT_TRUE(DecodeTarga(bytes, &header, &picture, &error)) << error;
        EXPECT_TRUE(IsPowerOfTwo(header.width)) << header.width;
        if (face == 0) first = header;
        EXPECT_EQ(header.width, first.width);
        EXPECT_EQ(header.height, first.height);
    }
}

// The game's reader must see exactly the pixels the file holds, bottom row first, R, G, B.
TEST(PictureFiles, GameTargaReaderReadsEveryPictureAsTheFileHoldsIt) {
    for (const PictureFile& file : kPictures) {
        SCOPED_TRACE(file.path);
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(ReadFileBytes(InBuild(file.path), &bytes));
        TargaHeader header;
        Picture picture;
        std::string error;
        ASSERT_TRUE(DecodeTarga(bytes, &header, &picture, &error)) << error;
        CTargaImage image;
        ASSERT_TRUE(image.LoadFile(InBuild(file.path).c_str())) << image.LastError();
        ASSERT_EQ(image.Width(), header.width);
        ASSERT_EQ(image.Height(), header.height);
        ASSERT_EQ(image.ColorDepth(), 24);
        int mismatches = 0;
        for (int row = 0; row < picture.height && mismatches == 0; ++row) {
            const std::uint8_t* line =
                image.Pixels() + static_cast<size_t>(row) * picture.width * 3;
            for (int x = 0; x < picture.width; ++x) {
                const Rgb& expected = picture.At(x, picture.height - 1 - row);
                if (line[3 * x] != expected.r || line[3 * x + 1] != expected.g ||
                    line[3 * x + 2] != expected.b) {
                    ++mismatches;
                    ADD_FAILURE() << "pixel " << x << " of row " << row << " from the bottom";
                    break;
                }
            }
        }
    }
}

const char* const kIcons[13] = {
    "Data/Icon/background.bmp", "Data/Icon/bread1.bmp",    "Data/Icon/bread2.bmp",
    "Data/Icon/hammer1.bmp",    "Data/Icon/key1.bmp",      "Data/Icon/key2.bmp",
    "Data/Icon/key3.bmp",       "Data/Icon/note1.bmp",     "Data/Icon/note2.bmp",
    "Data/Icon/note3.bmp",      "Data/Icon/noteinfo1.bmp", "Data/Icon/noteinfo2.bmp",
    "Data/Icon/noteinfo3.bmp",
};

TEST(IconFiles, EveryIconIsAnUncompressedBottomUp24BitBmpOfPowerOfTwoSize) {
    for (int i = 0; i < 13; ++i) {
        SCOPED_TRACE(kIcons[i]);
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(ReadFileBytes(InBuild(kIcons[i]), &bytes)) << "missing";
        BmpHeader header;
        Picture picture;
        std::string error;
        ASSERT_TRUE(DecodeBmp(bytes, &header, &picture, &error)) << error;
        EXPECT_EQ(std::string(header.signature, 2), "BM");
        EXPECT_EQ(header.fileSize, bytes.size());
        EXPECT_EQ(header.pixelOffset, 54u);
        EXPECT_EQ(header.infoSize, 40u);
        EXPECT_EQ(header.planes, 1);
        EXPECT_EQ(header.bitsPerPixel, 24);
        EXPECT_EQ(header.compression, 0u);
        const size_t rowSize = (static_cast<size_t>(header.width) * 3 + 3) & ~size_t{3};
        EXPECT_EQ(bytes.size(), 54 + rowSize * header.height);
        // The bar uploads icons without rescaling: sizes must be powers of two.
        EXPECT_TRUE(IsPowerOfTwo(header.width) && IsPowerOfTwo(header.height))
            << header.width << " x " << header.height;
        if (i == 0) {
            // Drawn over 168 by 69: no side may be scaled up by more than half.
            EXPECT_GE(header.width, 168 / 1.5);
            EXPECT_GE(header.height, 69 / 1.5);
        } else if (i < 10) {
            EXPECT_EQ(header.width, header.height) << "slots are square";
            EXPECT_GE(header.width, 30 / 1.5);
            EXPECT_LE(header.width, 30 * 1.5);
        } else {
            // Shown at its own size in the middle of the 800 by 600 window.
            EXPECT_LE(header.width, 512);
            EXPECT_LE(header.height, 384);
            EXPECT_GE(header.width, 256) << "a note must be large enough to read";
        }
    }
}

TEST(IconFiles, GameIconReaderKeepsEveryPixelBlockAsStored) {
    for (int i = 0; i < 13; ++i) {
        SCOPED_TRACE(kIcons[i]);
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(ReadFileBytes(InBuild(kIcons[i]), &bytes));
        std::string error;
        ASSERT_TRUE(TryLoadIconBitMap(InBuild(kIcons[i]).c_str(), i, &error)) << error;
        const size_t rowSize = (static_cast<size_t>(g_iconWidth[i]) * 3 + 3) & ~size_t{3};
        ASSERT_EQ(bytes.size(), 54 + rowSize * g_iconHeight[i]);
        EXPECT_EQ(std::memcmp(g_iconPixels[i], bytes.data() + 54, bytes.size() - 54), 0);
    }
}

TEST(TuneFile, TuneIsPcmWaveLongerThanTheCountdownAndNeitherSilentNorClipped) {
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadFileBytes(InBuild("Data/BGM.wav"), &bytes)) << "missing";
    WaveHeader wave;
    std::string error;
    ASSERT_TRUE(DecodeWave(bytes, &wave, &error)) << error;
    EXPECT_EQ(wave.riffSize, bytes.size() - 8);
    EXPECT_EQ(wave.format, 1) << "PCM";
    EXPECT_EQ(wave.bitsPerSample, 16);
    ASSERT_GE(wave.channels, 1);
    EXPECT_EQ(wave.blockAlign, wave.channels * 2);
    EXPECT_EQ(wave.byteRate, wave.sampleRate * wave.blockAlign);
    ASSERT_GT(wave.sampleRate, 0u);
    const double seconds =
        static_cast<double>(wave.samples.size()) / wave.channels / wave.sampleRate;
    EXPECT_GE(seconds, 180.0) << "the tune should last the whole countdown";
    EXPECT_LE(seconds, 240.0);

    int peak = 0;
    double energy = 0;
    for (std::int16_t sample : wave.samples) {
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
        energy += static_cast<double>(sample) * sample;
    }
    const double rms = std::sqrt(energy / static_cast<double>(wave.samples.size()));
    EXPECT_LT(peak, 32767) << "clipped";
    EXPECT_GT(peak, 16000) << "too quiet";
    EXPECT_GT(rms, 1500.0) << "mostly silence";
    // Every ten seconds has sound in it: no long gaps.
    const size_t window = static_cast<size_t>(wave.sampleRate) * wave.channels * 10;
    for (size_t start = 0; start + window <= wave.samples.size(); start += window) {
        int loudest = 0;
        for (size_t i = start; i < start + window; ++i) {
            loudest = std::max(loudest, std::abs(static_cast<int>(wave.samples[i])));
        }
        EXPECT_GT(loudest, 2000) << "silent from second " << start / (window / 10);
    }
    // It ends by dying away, not with a click.
    const size_t last = wave.samples.size() - 1;
    EXPECT_LT(std::abs(static_cast<int>(wave.samples[last])), 500);
}

TEST(DataFolder, WholeDataFolderStaysUnderFortyMegabytes) {
    std::uintmax_t total = 0;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(BuildFolder() + "/Data")) {
        if (entry.is_regular_file()) total += entry.file_size();
    }
    EXPECT_LT(total, 40u * 1024 * 1024) << total << " bytes";
}

}  // namespace
