// Whatever the MTL reader accepts keeps texture indices inside the bitmaps and names ended
// (a texture path ending in '!' cannot be read).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "assets/obj_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MtlLib library;
    std::string error, warning;
    auto standIn = [](MtlLib& lib, const char* path, std::string* why) {
        if (path[0] == '\0' || std::string_view(path).back() == '!') {
            *why = std::string(path) + ": cannot open the file";
            return false;
        }
        lib.bitmaps.push_back(MtlLib::BitMap{new std::uint8_t[4]{}, 1, 1, 4});
        return true;
    };
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!library.ParseMtl(text, "Data/Model/fuzz", "fuzz.mtl", &error, &warning, standIn)) {
        if (error.rfind("fuzz.mtl:", 0) != 0) std::abort();
        return 0;
    }
    for (const MtlLib::Diffuse& diffuse : library.diffuse) {
        if (diffuse.textureIndex < -1 || diffuse.textureIndex >= std::ssize(library.bitmaps))
            std::abort();
    }
    for (const MtlLib::MtlName& name : library.names) {
        if (std::char_traits<char>::find(name.name, sizeof name.name, '\0') == nullptr)
            std::abort();
    }
    return 0;
}
