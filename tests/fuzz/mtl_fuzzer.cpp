// Fuzzes the MTL reader on text in memory, with textures standing in for BMP files: whatever
// it accepts must keep every texture index inside the bitmap array.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "assets/obj_model.h"

namespace {

bool StandInTexture(MtlLib& library, const char* path, std::string* error) {
    if (path[0] == '\0') {
        *error = "empty path";
        return false;
    }
    // A path ending in "!" stands for a texture that cannot be read.
    if (std::string_view(path).back() == '!') {
        *error = std::string(path) + ": cannot open the file";
        return false;
    }
    library.bitmaps.push_back(MtlLib::BitMap{new std::uint8_t[4]{}, 1, 1, 4});
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MtlLib library;
    std::string error;
    std::string warning;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!library.ParseMtl(text, "Data/Model/fuzz", "fuzz.mtl", &error, &warning, StandInTexture)) {
        if (error.rfind("fuzz.mtl:", 0) != 0) std::abort();
        return 0;
    }
    for (const MtlLib::Diffuse& diffuse : library.diffuse) {
        if (diffuse.textureIndex < -1 ||
            diffuse.textureIndex >= static_cast<std::int32_t>(library.bitmaps.size())) {
            std::abort();
        }
    }
    for (const MtlLib::MtlName& name : library.names) {
        if (std::char_traits<char>::find(name.name, sizeof name.name, '\0') == nullptr)
            std::abort();
    }
    return 0;
}
