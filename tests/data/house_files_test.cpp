// The generated model files stay inside what the game's readers accept, the game's own reader
// reads every one of them to the end, and the generator writes the same bytes on every run.
#include <gtest/gtest.h>

#include <unistd.h>  // Required for: getpid()

#include <cstdint>     // Required for: std::uint32_t
#include <cstdlib>     // Required for: std::system()
#include <filesystem>  // Required for: std::filesystem
#include <fstream>     // Required for: std::ifstream
#include <map>         // Required for: std::map
#include <set>         // Required for: std::set
#include <sstream>     // Required for: std::istringstream
#include <string>      // Required for: std::string
#include <vector>      // Required for: std::vector

#include "data/house_scene.h"

namespace {

namespace fs = std::filesystem;
using housecheck::LoadModel;
using housecheck::ModelBase;

std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    std::string word;
    while (in >> word) words.push_back(word);
    return words;
}

// Plain decimal as the writer promises: an optional minus, digits, a point, four digits.
bool PlainDecimal(const std::string& word) {
    size_t i = word[0] == '-' ? 1 : 0;
    const size_t point = word.find('.');
    if (point == std::string::npos || point == i || word.size() - point - 1 != 4) return false;
    for (size_t k = i; k < word.size(); ++k) {
        if (k != point && (word[k] < '0' || word[k] > '9')) return false;
    }
    return true;
}

bool PositiveIndexAtMost(const std::string& text, long limit) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    const long value = std::stol(text);
    return value >= 1 && value <= limit;
}

struct ObjCounts {
    long positions = 0, texCoords = 0, normals = 0, faces = 0;
    std::set<std::string> usedMaterials;
};

// Every line is one the game's word scanner reads as meant: no object, group or smoothing
// lines (their names would be read as keywords), triangles written v/vt/vn.
ObjCounts CheckObjLines(const std::string& name, const std::string& text) {
    ObjCounts counts;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    // Count first: faces may refer to anything in the file.
    while (std::getline(lines, line)) {
        const std::vector<std::string> words = Words(line);
        if (words.empty()) continue;
        if (words[0] == "v") ++counts.positions;
        if (words[0] == "vt") ++counts.texCoords;
        if (words[0] == "vn") ++counts.normals;
    }
    lines = std::istringstream(text);
    while (std::getline(lines, line)) {
        ++number;
        SCOPED_TRACE(name + ".obj line " + std::to_string(number) + ": " + line);
        EXPECT_LE(line.size(), 127u);
        const std::vector<std::string> words = Words(line);
        if (words.empty() || words[0][0] == '#') continue;
        const std::string& keyword = words[0];
        if (keyword == "mtllib") {
            if (words.size() != 2) {
                ADD_FAILURE() << "mtllib takes one name";
                continue;
            }
            EXPECT_EQ(words[1], name + ".mtl");
            EXPECT_EQ(std::string("vuf").find(words[1][0]), std::string::npos);
        } else if (keyword == "v" || keyword == "vn") {
            EXPECT_EQ(words.size(), 4u);
            for (size_t i = 1; i < words.size(); ++i) EXPECT_TRUE(PlainDecimal(words[i]));
        } else if (keyword == "vt") {
            EXPECT_EQ(words.size(), 3u);
            for (size_t i = 1; i < words.size(); ++i) EXPECT_TRUE(PlainDecimal(words[i]));
        } else if (keyword == "usemtl") {
            EXPECT_EQ(words.size(), 2u);
            if (words.size() >= 2) counts.usedMaterials.insert(words[1]);
        } else if (keyword == "f") {
            ++counts.faces;
            EXPECT_EQ(words.size(), 4u) << "a face is a triangle";
            for (size_t i = 1; i < words.size(); ++i) {
                const std::string& corner = words[i];
                const size_t first = corner.find('/');
                const size_t second =
                    first == std::string::npos ? first : corner.find('/', first + 1);
                if (second == std::string::npos) {
                    ADD_FAILURE() << "corner not written v/vt/vn: " << corner;
                    continue;
                }
                EXPECT_TRUE(PositiveIndexAtMost(corner.substr(0, first), counts.positions));
                EXPECT_TRUE(PositiveIndexAtMost(corner.substr(first + 1, second - first - 1),
                                                counts.texCoords))
                    << corner;
                EXPECT_TRUE(PositiveIndexAtMost(corner.substr(second + 1), counts.normals))
                    << corner;
            }
        } else {
            ADD_FAILURE() << "a line the game's reader would misread";
        }
    }
    return counts;
}

struct MtlFacts {
    std::set<std::string> materials;
    std::vector<std::string> textures;  // file paths, in order
};

// Every material names Ka, Kd and Ks once each; "d" comes after all three; textures are written
// "<model>/<file>.bmp" and lie in the model's folder.
MtlFacts CheckMtl(const std::string& name, const std::string& text) {
    MtlFacts facts;
    std::istringstream lines(text);
    std::string line, current;
    std::map<std::string, int> seen;
    auto finish = [&] {
        if (current.empty()) return;
        EXPECT_EQ(seen["Ka"], 1) << current;
        EXPECT_EQ(seen["Kd"], 1) << current;
        EXPECT_EQ(seen["Ks"], 1) << current;
        EXPECT_LE(seen["d"], 1) << current;
    };
    while (std::getline(lines, line)) {
        const std::vector<std::string> words = Words(line);
        if (words.empty() || words[0][0] == '#') continue;
        SCOPED_TRACE(name + ".mtl: " + line);
        if (words[0] == "newmtl") {
            finish();
            EXPECT_EQ(words.size(), 2u);
            current = words.size() >= 2 ? words[1] : "?";
            EXPECT_TRUE(facts.materials.insert(current).second) << "material named twice";
            seen.clear();
        } else if (words[0] == "Ka" || words[0] == "Kd" || words[0] == "Ks") {
            EXPECT_FALSE(current.empty());
            EXPECT_EQ(words.size(), 4u);
            for (size_t i = 1; i < words.size(); ++i) EXPECT_TRUE(PlainDecimal(words[i]));
            ++seen[words[0]];
        } else if (words[0] == "d") {
            if (words.size() != 2) {
                ADD_FAILURE() << "d takes one number";
                continue;
            }
            EXPECT_TRUE(PlainDecimal(words[1]));
            EXPECT_EQ(seen["Ka"] + seen["Kd"] + seen["Ks"], 3) << "d before the colours";
            EXPECT_LT(std::stod(words[1]), 1.0);
            ++seen["d"];
        } else if (words[0] == "map_Kd") {
            const std::string prefix = name + "/";
            if (words.size() != 2 || words[1].rfind(prefix, 0) != 0) {
                ADD_FAILURE() << "map_Kd written as <model>/<file>";
                continue;
            }
            const std::string file = words[1].substr(prefix.size());
            EXPECT_EQ(file.find('/'), std::string::npos);
            EXPECT_EQ(file.size() > 4 ? file.substr(file.size() - 4) : "", ".bmp");
            facts.textures.push_back(ModelBase(name) + "/" + file);
        } else {
            ADD_FAILURE() << "an MTL line the game's reader does not use";
        }
    }
    finish();
    return facts;
}

std::uint32_t Little(const std::string& bytes, size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value * 256 + static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

bool PowerOfTwo(std::uint32_t value) {
    return value != 0 && (value & (value - 1)) == 0;
}

TEST(HouseFiles, EveryModelStaysInsideTheReadersSubset) {
    for (const char* name : housecheck::kModelNames) {
        SCOPED_TRACE(name);
        const std::string objText = ReadText(ModelBase(name) + ".obj");
        const std::string mtlText = ReadText(ModelBase(name) + ".mtl");
        ASSERT_FALSE(objText.empty());
        ASSERT_FALSE(mtlText.empty());
        const ObjCounts counts = CheckObjLines(name, objText);
        const MtlFacts facts = CheckMtl(name, mtlText);
        EXPECT_GT(counts.faces, 0);
        for (const std::string& used : counts.usedMaterials) {
            EXPECT_EQ(facts.materials.count(used), 1u) << "usemtl " << used << " has no newmtl";
        }
    }
}

TEST(HouseFiles, TexturesAreUncompressedBottomUp24BitBmpsOfPowerOfTwoSizes) {
    int textures = 0;
    for (const char* name : housecheck::kModelNames) {
        const MtlFacts facts = CheckMtl(name, ReadText(ModelBase(name) + ".mtl"));
        for (const std::string& path : facts.textures) {
            SCOPED_TRACE(path);
            const std::string bytes = ReadText(path);
            ASSERT_GE(bytes.size(), 54u);
            EXPECT_EQ(bytes.substr(0, 2), "BM");
            EXPECT_EQ(Little(bytes, 10, 4), 54u) << "pixels at offset 54";
            EXPECT_EQ(Little(bytes, 14, 4), 40u);
            const std::uint32_t width = Little(bytes, 18, 4), height = Little(bytes, 22, 4);
            EXPECT_TRUE(PowerOfTwo(width)) << width;
            EXPECT_TRUE(PowerOfTwo(height)) << height << " (and bottom-up: positive)";
            EXPECT_EQ(Little(bytes, 28, 2), 24u);
            EXPECT_EQ(Little(bytes, 30, 4), 0u) << "uncompressed";
            const std::uint32_t rowSize = (width * 3 + 3) & ~3u;
            EXPECT_EQ(bytes.size(), 54u + rowSize * height);
            ++textures;
        }
    }
    EXPECT_GT(textures, 20);
}

TEST(HouseFiles, TheGamesReaderReadsEveryModelToTheEnd) {
    for (const char* name : housecheck::kModelNames) {
        SCOPED_TRACE(name);
        const housecheck::LoadedModel model = LoadModel(name);
        EXPECT_EQ(model.error, "");
        EXPECT_EQ(model.warning, "");
        const std::string objText = ReadText(ModelBase(name) + ".obj");
        const ObjCounts counts = CheckObjLines(name, objText);
        const MtlFacts facts = CheckMtl(name, ReadText(ModelBase(name) + ".mtl"));
        EXPECT_EQ(model.faceCount, counts.faces);
        EXPECT_EQ(model.positionCount, counts.positions);
        EXPECT_EQ(model.texCoordCount, counts.texCoords);
        EXPECT_EQ(model.normalCount, counts.normals);
        EXPECT_EQ(model.materialCount, static_cast<int>(facts.materials.size()));
        EXPECT_EQ(model.bitmapCount, static_cast<int>(facts.textures.size()));
    }
}

std::map<std::string, std::string> FilesUnder(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        const std::string relative = fs::relative(entry.path(), root).string();
        if (relative == ".generated") continue;
        files[relative] = ReadText(entry.path().string());
    }
    return files;
}

TEST(HouseFiles, TwoRunsOfTheGeneratorWriteTheSameBytes) {
    // One folder per process: builds side by side may run this test at the same time.
    const fs::path scratch =
        fs::temp_directory_path() / ("escape-house-data-twice-" + std::to_string(getpid()));
    fs::remove_all(scratch);
    const std::string generator = std::string(ESCAPE_HOUSE_BUILD_DIR) + "/escape-house-data";
    for (const char* run : {"first", "second"}) {
        const std::string command = "'" + generator + "' '" + (scratch / run).string() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    const auto first = FilesUnder(scratch / "first" / "Data");
    const auto second = FilesUnder(scratch / "second" / "Data");
    ASSERT_GT(first.size(), 50u);
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [path, bytes] : first) {
        auto other = second.find(path);
        ASSERT_NE(other, second.end()) << path;
        EXPECT_TRUE(other->second == bytes) << path << " differs between runs";
    }
    // The build's own Data folder was written by the same generator.
    const auto built = FilesUnder(fs::path(ESCAPE_HOUSE_BUILD_DIR) / "Data" / "Model");
    const auto again = FilesUnder(scratch / "first" / "Data" / "Model");
    EXPECT_EQ(built.size(), again.size());
    fs::remove_all(scratch);
}

TEST(HouseFiles, TheDataFolderStaysUnderFortyMegabytes) {
    std::uintmax_t total = 0;
    for (const auto& entry :
         fs::recursive_directory_iterator(fs::path(ESCAPE_HOUSE_BUILD_DIR) / "Data")) {
        if (entry.is_regular_file()) total += entry.file_size();
    }
    EXPECT_LT(total, 40u * 1024u * 1024u);
}

}  // namespace
