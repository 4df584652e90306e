// The models and pictures the game opens from Data: in the format its readers expect and of the
// size they are shown at, read by the game's own readers to the end; and the whole Data folder,
// written with the same bytes on every run of the generator.
#include <gtest/gtest.h>

#include <unistd.h>  // Required for: getpid()

#include <cstdlib>     // Required for: std::system()
#include <filesystem>  // Required for: std::filesystem
#include <fstream>     // Required for: std::ifstream
#include <iterator>    // Required for: std::istreambuf_iterator
#include <map>         // Required for: std::map
#include <sstream>     // Required for: std::istringstream
#include <string>      // Required for: std::string

#include "assets/bmp_reader.h"
#include "assets/targa_image.h"
#include "data/house_scene.h"
#include "hud/icon_bar.h"

namespace {

namespace fs = std::filesystem;

const std::string kBuildFolder = ESCAPE_HOUSE_BUILD_DIR;

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t Little(const std::vector<std::uint8_t>& bytes, size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes.at(at + i);
    return value;
}

bool PowerOfTwo(int value) {
    return value > 0 && (value & (value - 1)) == 0;
}

// Read by the game's BMP reader (an uncompressed bottom-up 24-bit block right after the 54-byte
// header), with the file's size in its header, nothing after the pixels and power-of-two sides
// (the bar uploads icons without rescaling). The width and height.
std::pair<int, int> ExpectPlainBmp(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    BmpPixels bmp;
    std::string error;
    EXPECT_TRUE(ReadBmp24File(path.c_str(), &bmp, &error)) << error;
    delete[] bmp.pixels;
    EXPECT_EQ(Little(bytes, 2, 4), bytes.size()) << path;
    EXPECT_EQ(bytes.size(), 54u + bmp.byteSize) << path;
    EXPECT_TRUE(PowerOfTwo(bmp.width) && PowerOfTwo(bmp.height))
        << path << ": " << bmp.width << " x " << bmp.height;
    return {bmp.width, bmp.height};
}

// The game's reader reads every model to the end without a warning, finds every face, vertex,
// material and texture the files hold, and every texture is a plain BMP.
TEST(ModelFiles, TheGamesReaderReadsEveryModelWithAllItsParts) {
    int textures = 0;
    for (const char* name : {"house_main", "house_hammer", "bookcase1", "bread1", "house_note1",
                             "house_key1", "house_key2", "house_note3"}) {
        SCOPED_TRACE(name);
        std::map<std::string, int> count;
        for (const char* extension : {".obj", ".mtl"}) {
            const std::vector<std::uint8_t> bytes =
                ReadFileBytes(housecheck::ModelBase(name) + extension);
            std::istringstream lines(std::string(bytes.begin(), bytes.end()));
            for (std::string line, word, texture; std::getline(lines, line);) {
                std::istringstream words(line);
                if (!(words >> word)) continue;
                ++count[word];
                EXPECT_LE(line.size(), 127u) << line;
                if (word == "map_Kd" && words >> texture) {
                    ExpectPlainBmp(housecheck::ModelBase("") + texture);
                }
            }
        }
        const housecheck::LoadedModel model = housecheck::LoadModel(name);
        EXPECT_EQ(model.error, "");
        EXPECT_EQ(model.warning, "");
        EXPECT_EQ(model.parts, (std::vector<int>{count["f"], count["v"], count["vt"], count["vn"],
                                                 count["newmtl"], count["map_Kd"]}));
        textures += count["map_Kd"];
    }
    EXPECT_GT(textures, 20);
}

// The pictures by what they are stretched over in the 800 by 600 window, width over height: the
// sky box faces, the keypad panel and its digits, the full-window screens and the info cards.
const struct {
    const char* names;
    double shownAspect;
} kPictureGroups[] = {
    {"otop dn ofront oback oleft oright", 1.0},
    {"clock", 300.0 / 400.0},
    {"num_1 num_2 num_3 num_4 num_5 num_6 num_7 num_8 num_9", 45.0 / 40.0},
    {"start ending1 ending2 win ending3", 800.0 / 600.0},
    {"info0 info1 info2 info3 info4 info5 info6 info7 info8", 240.0 / 360.0},
};

// 24-bit true colour without a colour map, run-length only where that is smaller, some stored
// top row first (so the game's row flip meets real data), the sky faces equal power-of-two
// squares; and the game's reader reads each of them.
TEST(PictureFiles, EveryPictureIsTrueColourOfTheShapeItIsShownAt) {
    int topFirst = 0, runLength = 0, files = 0, skySide = 0;
    for (const auto& group : kPictureGroups) {
        std::istringstream names(group.names);
        for (std::string name; names >> name; ++files) {
            const std::string path = "Data/Picture/" + name + ".tga";
            SCOPED_TRACE(path);
            const std::vector<std::uint8_t> bytes = ReadFileBytes(kBuildFolder + "/" + path);
            ASSERT_GE(bytes.size(), 18u) << "missing";
            const int width = static_cast<int>(Little(bytes, 12, 2));
            const int height = static_cast<int>(Little(bytes, 14, 2));
            EXPECT_EQ(bytes[1], 0) << "no colour map";
            EXPECT_EQ(bytes[16], 24);
            EXPECT_EQ(bytes[17] & ~32, 0) << "no alpha bits, no right-to-left rows";
            if (bytes[2] == 10) {
                EXPECT_LT(bytes.size(), 18u + bytes[0] + 3u * width * height);
                ++runLength;
            } else {
                EXPECT_EQ(bytes[2], 2);
            }
            topFirst += (bytes[17] & 32) != 0;
            EXPECT_NEAR(static_cast<double>(width) / height, group.shownAspect, 0.03)
                << width << " x " << height;
            if (group.shownAspect == 1.0) {
                EXPECT_TRUE(PowerOfTwo(width)) << width;
                if (skySide == 0) skySide = width;
                EXPECT_EQ(width, skySide);
            }
            CTargaImage image;
            EXPECT_TRUE(image.LoadFile((kBuildFolder + "/" + path).c_str())) << image.LastError();
            EXPECT_TRUE(image.Width() == width && image.Height() == height);
        }
    }
    EXPECT_EQ(files, 30);
    EXPECT_GE(topFirst, 1);
    EXPECT_GE(runLength, 1);
}

// The bar's background is drawn over 168 by 69 and its slots over 30 by 30, so that no side is
// scaled up by more than half; a note is shown at its own size in the 800 by 600 window and must
// be large enough to read.
TEST(IconFiles, EveryIconIsAPlainBmpOfTheSizeItIsShownAt) {
    for (int i = 0; i < kIconPictureCount; ++i) {
        const auto [width, height] = ExpectPlainBmp(kBuildFolder + "/" + g_iconFiles[i]);
        const int kind = i == 0 ? 0 : (i < kIconBarEntryCount ? 1 : 2);
        const int limits[3][4] = {{112, 4096, 46, 4096}, {20, 45, 20, 45}, {256, 512, 1, 384}};
        EXPECT_TRUE(width >= limits[kind][0] && width <= limits[kind][1] &&
                    height >= limits[kind][2] && height <= limits[kind][3] &&
                    (kind != 1 || width == height))
            << g_iconFiles[i] << ": " << width << " x " << height;
    }
}

// Two fresh runs of the generator agree with each other and with the Data folder of the build
// that the game and the other checks read.
TEST(Determinism, TwoRunsOfTheGeneratorAndTheBuildsDataHoldTheSameBytes) {
    // One folder per process: builds side by side may run this test at the same time.
    const std::string scratch =
        fs::temp_directory_path().string() + "/escape-house-data-twice-" + std::to_string(getpid());
    const std::string generator = "'" + kBuildFolder + "/escape-house-data' '" + scratch;
    const std::string compare = "diff -r -q -x .generated '" + scratch + "/first/Data' '";
    for (const std::string& command :
         {generator + "/first'", generator + "/second'", compare + scratch + "/second/Data'",
          compare + kBuildFolder + "/Data'"}) {
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
    }
    fs::remove_all(scratch);
}

}  // namespace
