// Model building and the OBJ, MTL and BMP writers of the generated models.
#include "model_mesh.h"

#include <cmath>          // Required for: std::sqrt(), std::lround()
#include <cstdio>         // Required for: std::snprintf()
#include <cstdlib>        // Required for: std::strtod()
#include <fstream>        // Required for: std::ofstream
#include <stdexcept>      // Required for: std::runtime_error
#include <unordered_map>  // Required for: std::unordered_map

double Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double Length(Vec3 a) {
    return std::sqrt(Dot(a, a));
}

Vec3 Normalized(Vec3 a) {
    const double length = Length(a);
    if (length <= 0.0) return {0.0, 1.0, 0.0};
    return a * (1.0 / length);
}

Surface MakeSurface(const std::string& name, int width, int height,
                    const std::function<void(Canvas&)>& paint) {
    auto canvas = std::make_shared<Canvas>(width, height);
    paint(*canvas);
    return Surface{name, canvas};
}

Surface MakePlainSurface(const std::string& name, Color color) {
    return Surface{name, std::make_shared<Canvas>(4, 4, color)};
}

// Brightness of faces along each axis: the light (20, 20, 10) falls mostly on tops and on faces
// turned to +X, less on those turned to +Z; the others get only the room's fill. A face's
// brightness blends the six by the squares of its normal's components.
double BakedShade(Vec3 normal) {
    const Vec3 n = Normalized(normal);
    const double alongX = n.x >= 0.0 ? 0.92 : 0.62;
    const double alongY = n.y >= 0.0 ? 1.0 : 0.5;
    const double alongZ = n.z >= 0.0 ? 0.8 : 0.68;
    return n.x * n.x * alongX + n.y * n.y * alongY + n.z * n.z * alongZ;
}

Model::Model(std::string name) : name_(std::move(name)) {}

int Model::LitMaterial(const std::string& name, Color diffuse, double alpha, Color specular) {
    auto found = materialByName_.find(name);
    if (found != materialByName_.end()) return found->second;
    Material material;
    material.name = name;
    material.diffuse = diffuse;
    material.alpha = alpha;
    material.specular = specular;
    materials_.push_back(material);
    trianglesByMaterial_.emplace_back();
    const int index = static_cast<int>(materials_.size()) - 1;
    materialByName_[name] = index;
    return index;
}

int Model::ShadedMaterial(const Surface& surface, double shade) {
    int percent = static_cast<int>(std::lround(shade * 20.0)) * 5;
    if (percent < 5) percent = 5;
    if (percent > 100) percent = 100;
    const std::string name = surface.name + "_" + std::to_string(percent);
    auto found = materialByName_.find(name);
    if (found != materialByName_.end()) return found->second;
    Material material;
    material.name = name;
    material.canvas = surface.canvas;
    material.shadePercent = percent;
    materials_.push_back(material);
    trianglesByMaterial_.emplace_back();
    const int index = static_cast<int>(materials_.size()) - 1;
    materialByName_[name] = index;
    return index;
}

void Model::AddTriangle(int material, const MeshVertex& a, const MeshVertex& b,
                        const MeshVertex& c) {
    trianglesByMaterial_.at(static_cast<size_t>(material)).push_back(Triangle{{a, b, c}});
}

void Model::AddQuad(int material, const MeshVertex& a, const MeshVertex& b, const MeshVertex& c,
                    const MeshVertex& d) {
    AddTriangle(material, a, b, c);
    AddTriangle(material, a, c, d);
}

int Model::TriangleCount() const {
    size_t count = 0;
    for (const auto& triangles : trianglesByMaterial_) count += triangles.size();
    return static_cast<int>(count);
}

namespace {

// Plain decimal with four places, whatever the locale; a rounded negative zero is written as
// zero so that the same geometry always gives the same bytes.
std::string Number(double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.4f", value);
    std::string result(text);
    if (result == "-0.0000") result = "0.0000";
    return result;
}

// With twelve decimals: closer than a float holds it.
std::string FullNumber(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.12f", value);
    return text;
}

std::string Triple(double a, double b, double c) {
    return Number(a) + " " + Number(b) + " " + Number(c);
}

std::string Colour(Color color) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f %.4f %.4f", color.r / 255.0, color.g / 255.0,
                  color.b / 255.0);
    return text;
}

// A list of distinct lines, numbered from 1 in order of first use.
class IndexedLines {
public:
    int Index(const std::string& line) {
        auto [position, added] = index_.emplace(line, static_cast<int>(lines_.size()) + 1);
        if (added) lines_.push_back(line);
        return position->second;
    }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::unordered_map<std::string, int> index_;
    std::vector<std::string> lines_;
};

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!file) throw std::runtime_error(path.string() + ": cannot write");
}

Canvas Shaded(const Canvas& canvas, int percent) {
    Canvas shaded(canvas.Width(), canvas.Height());
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Color c = canvas.Get(x, y);
            auto scale = [percent](std::uint8_t channel) {
                const int value = (channel * percent + 50) / 100;
                return static_cast<std::uint8_t>(value > 255 ? 255 : value);
            };
            shaded.Set(x, y, Color{scale(c.r), scale(c.g), scale(c.b)});
        }
    }
    return shaded;
}

}  // namespace

void Model::Write(const std::filesystem::path& folder) const {
    IndexedLines positions;
    IndexedLines texCoords;
    IndexedLines normals;
    std::string faces;
    for (size_t m = 0; m < materials_.size(); ++m) {
        if (trianglesByMaterial_[m].empty()) continue;
        faces += "usemtl " + materials_[m].name + "\n";
        for (const Triangle& triangle : trianglesByMaterial_[m]) {
            faces += "f";
            for (const MeshVertex& corner : triangle.corners) {
                const Vec3 n = Normalized(corner.normal);
                const int p = positions.Index(
                    Triple(corner.position.x, corner.position.y, corner.position.z));
                const int t = texCoords.Index(
                    corner.fullUv ? FullNumber(corner.u) + " " + FullNumber(corner.v)
                                  : Number(corner.u) + " " + Number(corner.v));
                const int q = normals.Index(Triple(n.x, n.y, n.z));
                faces +=
                    " " + std::to_string(p) + "/" + std::to_string(t) + "/" + std::to_string(q);
            }
            faces += "\n";
        }
    }

    std::string obj = "# " + name_ + ": generated by escape-house-data\n";
    obj += "mtllib " + name_ + ".mtl\n";
    for (const std::string& line : positions.Lines()) obj += "v " + line + "\n";
    for (const std::string& line : texCoords.Lines()) obj += "vt " + line + "\n";
    for (const std::string& line : normals.Lines()) obj += "vn " + line + "\n";
    obj += faces;
    WriteText(folder / (name_ + ".obj"), obj);

    // Textures of an earlier run that this one no longer uses must not stay behind.
    std::filesystem::remove_all(folder / name_);
    std::string mtl = "# " + name_ + ": materials\n";
    for (size_t m = 0; m < materials_.size(); ++m) {
        const Material& material = materials_[m];
        if (trianglesByMaterial_[m].empty()) continue;
        mtl += "newmtl " + material.name + "\n";
        mtl += "Ka " + Colour(material.diffuse) + "\n";
        mtl += "Kd " + Colour(material.diffuse) + "\n";
        mtl += "Ks " + Colour(material.specular) + "\n";
        // The reader gives the alpha to the latest Ka, Kd and Ks alike, so it comes after all
        // three.
        if (material.alpha < 1.0) mtl += "d " + Number(material.alpha) + "\n";
        if (material.canvas) {
            const std::string file = material.name + ".bmp";
            mtl += "map_Kd " + name_ + "/" + file + "\n";
            WriteBmp24(folder / name_ / file, Shaded(*material.canvas, material.shadePercent));
        }
        mtl += "\n";
    }
    WriteText(folder / (name_ + ".mtl"), mtl);
}

double WrittenNumber(double value) {
    return std::strtod(Number(value).c_str(), nullptr);
}
