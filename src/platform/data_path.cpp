// Data folder lookup: the current folder's Data, else the build's.
#include "platform/data_path.h"

#include <filesystem>  // Required for: std::filesystem::is_directory()
#include <optional>    // Required for: std::optional

#ifndef ESCAPE_HOUSE_DATA_ROOT
#define ESCAPE_HOUSE_DATA_ROOT "."
#endif

namespace {

std::optional<std::string> g_root;

}  // namespace

const std::string& DataRoot() {
    if (!g_root) {
        std::error_code error;
        g_root = std::filesystem::is_directory("Data", error) ? std::string(".")
                                                              : std::string(ESCAPE_HOUSE_DATA_ROOT);
    }
    return *g_root;
}

void ResetDataRoot() {
    g_root.reset();
}

std::string DataPath(std::string_view dataSetPath) {
    const std::string& root = DataRoot();
    if (root == ".") return std::string(dataSetPath);
    std::string path = root;
    path += '/';
    path += dataSetPath;
    return path;
}
