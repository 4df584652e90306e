// Whatever the OBJ reader accepts must be drawable: every face index inside its array.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "assets/obj_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    obj3dmodel model;
    std::string error, warning;
    if (!model.ParseMtl("newmtl Stone\nKa 0.1 0.1 0.1\nKd 0.5 0.5 0.5\nKs 0 0 0\n"
                        "newmtl Glass\nKa 0.2 0.2 0.2\nKd 0 0 1\nKs 0.5 0.5 0.5\nd 0.5\n"
                        "newmtl Half\nKa 0 0 0\nKd 1 1 1\n",
                        "base", "fixed.mtl", &error, &warning))
        std::abort();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!model.ParseObj(text, "fuzz.obj", &error, &warning)) {
        if (error.rfind("fuzz.obj:", 0) != 0) std::abort();
        return 0;
    }
    // What the display lists would read, read here so that ASan sees any index outside.
    double sum = 0.0;
    for (const obj3dmodel::Face& face : model.faces) {
        sum += model.ambient.at(face.material).a + model.diffuse.at(face.material).a +
               model.specular.at(face.material).a;
        for (int k = 0; k < 3; ++k) {
            sum += model.normals[face.normal[k] - 1].x + model.texCoords[face.texture[k] - 1].y +
                   model.positions[face.position[k] - 1].z;
        }
    }
    model.PlanPieces();
    for (const std::int32_t index : model.transparentFaces) {
        if (model.faces.at(index).material != 1) std::abort();
    }
    return sum == 12345.678 ? 0 : 0;
}
