// The generator paints the same bytes on every run: two fresh runs agree with each other and with
// the Data folder of the build that the game and the other checks read.
#include <gtest/gtest.h>

#include <cstdlib>     // Required for: std::system(), mkdtemp()
#include <filesystem>  // Required for: std::filesystem::directory_iterator
#include <set>         // Required for: std::set
#include <string>      // Required for: std::string

#include "pictures_support.h"

namespace {

namespace fs = std::filesystem;

// Runs the generator into a new temporary folder and returns that folder.
fs::path GenerateInto(const char* name) {
    std::string pattern = (fs::temp_directory_path() / (std::string(name) + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot make a temporary folder";
        return {};
    }
    const std::string command = "'" + BuildFolder() + "/escape-house-data' '" + pattern + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return pattern;
}

// The picture, icon and tune files below `data`, as paths relative to it.
std::set<std::string> OurFiles(const fs::path& data) {
    std::set<std::string> files;
    for (const char* folder : {"Picture", "Icon"}) {
        if (!fs::is_directory(data / folder)) continue;
        for (const auto& entry : fs::directory_iterator(data / folder)) {
            files.insert(std::string(folder) + "/" + entry.path().filename().string());
        }
    }
    if (fs::exists(data / "BGM.wav")) files.insert("BGM.wav");
    return files;
}

void ExpectSameFiles(const fs::path& a, const fs::path& b) {
    const std::set<std::string> names = OurFiles(a);
    EXPECT_EQ(names, OurFiles(b));
    EXPECT_EQ(names.size(), 30u + 13u + 1u);
    for (const std::string& name : names) {
        std::vector<std::uint8_t> first, second;
        ASSERT_TRUE(ReadFileBytes((a / name).string(), &first)) << name;
        ASSERT_TRUE(ReadFileBytes((b / name).string(), &second)) << name;
        EXPECT_TRUE(first == second) << name << " differs between " << a << " and " << b;
    }
}

TEST(Determinism, TwoRunsAndTheBuildsDataHoldIdenticalPicturesIconsAndTune) {
    const fs::path first = GenerateInto("escape-house-data-a");
    const fs::path second = GenerateInto("escape-house-data-b");
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    ExpectSameFiles(first / "Data", second / "Data");
    ExpectSameFiles(first / "Data", fs::path(BuildFolder()) / "Data");
    fs::remove_all(first);
    fs::remove_all(second);
}

}  // namespace
