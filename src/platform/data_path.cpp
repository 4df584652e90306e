// Data folder lookup: the current folder's Data, the installed data set, the build's.
#include "platform/data_path.h"

#include <optional>      // Required for: std::optional
#include <system_error>  // Required for: std::error_code

// The build folder, compiled in so that the build's own binaries start from any folder.
#ifndef ESCAPE_HOUSE_DATA_ROOT
#define ESCAPE_HOUSE_DATA_ROOT "."
#endif
// Where the installed data set lies, seen from the installed binary's folder.
#ifndef ESCAPE_HOUSE_INSTALLED_DATA_ROOT
#define ESCAPE_HOUSE_INSTALLED_DATA_ROOT "../share/games/escape-house"
#endif

namespace fs = std::filesystem;

namespace {

std::optional<std::string> g_root;
bool g_found = false;

std::vector<std::string> RootsOfThisProgram() {
    return DataRootsFor(ProgramFolder(), ESCAPE_HOUSE_INSTALLED_DATA_ROOT, ESCAPE_HOUSE_DATA_ROOT);
}

std::string DataFolderOf(const std::string& root) {
    return root == "." ? std::string("./Data") : (fs::path(root) / "Data").string();
}

}  // namespace

std::vector<std::string> DataRootsFor(const fs::path& programFolder,
                                      std::string_view installedRelative,
                                      const fs::path& buildFolder) {
    std::vector<std::string> roots{"."};
    if (programFolder.empty()) return roots;
    roots.push_back((programFolder / installedRelative).lexically_normal().string());
    // A copy of the binary elsewhere (an install, a package) never reads a build folder that
    // happens to be on the same machine.
    std::error_code error;
    if (fs::equivalent(programFolder, buildFolder, error)) {
        roots.push_back(buildFolder.string());
    }
    return roots;
}

fs::path ProgramFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : program.parent_path();
}

const std::string& DataRoot() {
    if (!g_root) {
        g_found = false;
        g_root = ".";
        for (const std::string& root : RootsOfThisProgram()) {
            std::error_code error;
            if (fs::is_directory(DataFolderOf(root), error)) {
                g_root = root;
                g_found = true;
                break;
            }
        }
    }
    return *g_root;
}

bool DataFound() {
    DataRoot();
    return g_found;
}

std::vector<std::string> DataFoldersLookedAt() {
    std::vector<std::string> folders;
    for (const std::string& root : RootsOfThisProgram()) folders.push_back(DataFolderOf(root));
    return folders;
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
