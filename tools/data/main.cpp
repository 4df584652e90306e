// escape-house-data OUTDIR: writes the game's whole Data folder into OUTDIR/Data, and the menu
// icon into OUTDIR/icons.
#include <cstdio>     // Required for: std::fprintf()
#include <exception>  // Required for: std::exception

#include "generators.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: escape-house-data OUTDIR\n");
        return 2;
    }
    const std::filesystem::path dataFolder = std::filesystem::path(argv[1]) / "Data";
    try {
        std::filesystem::create_directories(dataFolder);
        WriteModels(dataFolder);
        WritePictures(dataFolder);
        WriteIcons(dataFolder);
        WriteTune(dataFolder);
        WriteAppIcons(std::filesystem::path(argv[1]) / "icons");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "escape-house-data: %s\n", error.what());
        return 1;
    }
    return 0;
}
