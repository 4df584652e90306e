// Data/Picture and Data/Icon: the generator's pictures, painted by the picture_* and icon_*
// parts. The tune is in tune.cpp.
#include "generators.h"
#include "picture_parts.h"

void WritePictures(const std::filesystem::path& dataFolder) {
    const std::filesystem::path folder = dataFolder / "Picture";
    std::filesystem::create_directories(folder);
    WriteSkyBox(folder);
    WriteKeypadPictures(folder);
    WriteScreenPictures(folder);
    WriteInfoPictures(folder);
}

void WriteIcons(const std::filesystem::path& dataFolder) {
    const std::filesystem::path folder = dataFolder / "Icon";
    std::filesystem::create_directories(folder);
    WriteBarIcons(folder);
    WriteNotePictures(folder);
}
