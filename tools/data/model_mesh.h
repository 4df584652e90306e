// Generated models: triangles with positions, texture coordinates and normals, grouped by
// material, written as the OBJ and MTL subset the game reads, with their BMP textures in a folder
// named like the model. Textured faces are drawn unlit by the game, so the light of the scene is
// baked into each texture: a surface is painted once and stored in as many brightness variants as
// the orientations of its faces need.
#pragma once

#include <cstdint>     // Required for: std::uint8_t
#include <filesystem>  // Required for: std::filesystem::path
#include <functional>  // Required for: std::function
#include <map>         // Required for: std::map
#include <memory>      // Required for: std::shared_ptr
#include <string>      // Required for: std::string
#include <vector>      // Required for: std::vector

#include "canvas.h"

struct Vec3 {
    double x = 0.0, y = 0.0, z = 0.0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline Vec3 operator*(double s, Vec3 a) {
    return {a.x * s, a.y * s, a.z * s};
}
double Dot(Vec3 a, Vec3 b);
Vec3 Cross(Vec3 a, Vec3 b);
double Length(Vec3 a);
Vec3 Normalized(Vec3 a);

// One corner of a triangle.
struct MeshVertex {
    Vec3 position;
    double u = 0.0, v = 0.0;
    Vec3 normal;
    // Texture coordinates are written with four decimals, these in full: they lie between two
    // written ones.
    bool fullUv = false;
};

// A number as the model files write it (four decimals), read back.
double WrittenNumber(double value);

// A picture that covers a face: painted once at full light, saved once per brightness it is seen
// with. The name is short and unique within a model (it names the texture files).
struct Surface {
    std::string name;
    std::shared_ptr<const Canvas> canvas;
};

// Makes a surface from a painting function, painted at once.
Surface MakeSurface(const std::string& name, int width, int height,
                    const std::function<void(Canvas&)>& paint);
// A surface of one plain colour (a tiny texture, so that it is shaded like the rest).
Surface MakePlainSurface(const std::string& name, Color color);

// The brightness the scene's light gives a face with this normal: the light comes from
// (20, 20, 10); tops are brightest, faces turned away keep a soft fill so that no side goes black.
// 1.0 for faces pointing up, 0.5 for faces pointing down.
double BakedShade(Vec3 normal);

class Model {
public:
    explicit Model(std::string name);

    const std::string& Name() const { return name_; }

    // An untextured material lit by the game's light; alpha below 1 makes it see-through (the game
    // adds such faces onto what lies behind them, weighted by alpha).
    int LitMaterial(const std::string& name, Color diffuse, double alpha,
                    Color specular = {0, 0, 0});
    // The material that shows `surface` at brightness `shade` (rounded to steps of 0.05).
    int ShadedMaterial(const Surface& surface, double shade);
    // The same for a face with this normal.
    int MaterialFacing(const Surface& surface, Vec3 normal) {
        return ShadedMaterial(surface, BakedShade(normal));
    }

    void AddTriangle(int material, const MeshVertex& a, const MeshVertex& b, const MeshVertex& c);
    // Corners in counter-clockwise order seen from the side the normals point to.
    void AddQuad(int material, const MeshVertex& a, const MeshVertex& b, const MeshVertex& c,
                 const MeshVertex& d);

    int TriangleCount() const;
    // Writes <folder>/<name>.obj, <folder>/<name>.mtl and the textures into <folder>/<name>/.
    void Write(const std::filesystem::path& folder) const;

private:
    struct Material {
        std::string name;
        Color diffuse{255, 255, 255};
        double alpha = 1.0;
        Color specular{0, 0, 0};
        std::shared_ptr<const Canvas> canvas;  // null: untextured
        int shadePercent = 100;
    };
    struct Triangle {
        MeshVertex corners[3];
    };

    std::string name_;
    std::vector<Material> materials_;
    std::map<std::string, int> materialByName_;
    std::vector<std::vector<Triangle>> trianglesByMaterial_;
};
