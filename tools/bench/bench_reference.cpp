// The reference readers the game's own are measured against: stb_image for the Targa and BMP
// pictures, tinyobjloader for the models. Both are compiled here, with this build's flags, so
// the comparison is between the code and not between compilers.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_TGA
#define STBI_ONLY_BMP
#include <stb_image.h>  // Required for: stbi_load(), stbi_image_free()
#define TINYOBJLOADER_IMPLEMENTATION
#include <tiny_obj_loader.h>  // Required for: tinyobj::LoadObj()
#pragma GCC diagnostic pop

#include <cstring>  // Required for: std::memcpy()

#include "bench.h"

// stb_image hands rows out top first; the copy turns them bottom first like the game's readers,
// so the result can be compared byte for byte. The copy is not part of what is timed: see
// BenchReaders, which times stbi_load alone.
bool ReferenceLoadImage(const char* path, ReferenceImage* image) {
    int channels = 0;
    unsigned char* pixels = stbi_load(path, &image->width, &image->height, &channels, 3);
    if (pixels == nullptr) return false;
    const std::size_t rowBytes = static_cast<std::size_t>(image->width) * 3;
    image->rgb.resize(rowBytes * static_cast<std::size_t>(image->height));
    for (int row = 0; row < image->height; ++row) {
        std::memcpy(&image->rgb[rowBytes * static_cast<std::size_t>(image->height - 1 - row)],
                    pixels + rowBytes * static_cast<std::size_t>(row), rowBytes);
    }
    stbi_image_free(pixels);
    return true;
}

bool ReferenceLoadModel(const char* basePath, ReferenceModel* model, std::string* error) {
    const std::string base(basePath);
    const std::size_t slash = base.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "./" : base.substr(0, slash + 1);
    const std::string objPath = base + ".obj";
    tinyobj::attrib_t attributes;
    std::vector<tinyobj::shape_t> shapes;
    std::vector<tinyobj::material_t> materials;
    std::string warning;
    if (!tinyobj::LoadObj(&attributes, &shapes, &materials, &warning, error, objPath.c_str(),
                          folder.c_str(), true)) {
        return false;
    }
    model->positions = attributes.vertices.size() / 3;
    model->normals = attributes.normals.size() / 3;
    model->texCoords = attributes.texcoords.size() / 2;
    model->triangles = 0;
    for (const tinyobj::shape_t& shape : shapes)
        model->triangles += shape.mesh.num_face_vertices.size();
    model->materials = materials.size();
    return true;
}

// What BenchReaders times for stb_image: the load as a program would call it, nothing more.
bool ReferenceLoadImageTimed(const char* path) {
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = stbi_load(path, &width, &height, &channels, 3);
    stbi_image_free(pixels);
    return pixels != nullptr;
}

// What BenchReaders times for tinyobjloader: the load with triangulation, as for the check.
bool ReferenceLoadModelTimed(const char* basePath) {
    ReferenceModel model;
    std::string error;
    return ReferenceLoadModel(basePath, &model, &error);
}
