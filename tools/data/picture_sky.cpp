// The sky box: an evening sky over dark hills, with grass below. Every texel is painted from the
// direction it stands for, so the six faces meet without seams whatever their orientation; the
// face table below is the game's own cube (texture coordinates per corner), read backwards.
#include <algorithm>  // Required for: std::max(), std::min()
#include <cmath>      // Required for: std::asin(), std::atan2(), std::sqrt(), std::pow()

#include "picture_paint.h"
#include "picture_parts.h"

namespace {

constexpr int kFaceSize = 512;
constexpr double kPi = 3.14159265358979323846;

struct Direction {
    double x, y, z;
};

// One face: the cube point at texture coordinate (s, t) is origin + s * across + t * up.
struct SkyFace {
    const char* file;
    Direction origin, across, up;
};

// Texture (0, 0) to (1, 1) of each face as the sky box draws it, on the cube from -1 to 1.
constexpr SkyFace kFaces[6] = {
    {"otop.tga", {1, 1, 1}, {-2, 0, 0}, {0, 0, -2}},     // s toward -x, t toward -z
    {"dn.tga", {-1, -1, 1}, {2, 0, 0}, {0, 0, -2}},      // s toward +x, t toward -z
    {"ofront.tga", {-1, -1, -1}, {2, 0, 0}, {0, 2, 0}},  // z = -1
    {"oback.tga", {1, -1, 1}, {-2, 0, 0}, {0, 2, 0}},    // z = +1
    {"oleft.tga", {-1, -1, 1}, {0, 0, -2}, {0, 2, 0}},   // x = -1
    {"oright.tga", {1, -1, -1}, {0, 0, 2}, {0, 2, 0}},   // x = +1
};

double SmoothStep(double edge0, double edge1, double x) {
    double t = (x - edge0) / (edge1 - edge0);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return t * t * (3 - 2 * t);
}

// Height of a hill line above the horizon (radians of elevation) at an azimuth; periodic, so
// the ring of hills closes on itself.
double HillHeight(double azimuth, double base, double phase, std::uint32_t seed) {
    const double bumps =
        FractalNoise2(std::cos(azimuth) * 3.0 + 10.0, std::sin(azimuth) * 3.0 + phase, 4, seed);
    return base + 0.02 * std::sin(3 * azimuth + phase) + 0.012 * std::sin(7 * azimuth + 2 * phase) +
           0.05 * (bumps - 0.5);
}

// The tree line on the nearer hills: small jagged crowns.
double TreeHeight(double azimuth) {
    const double crowns =
        ValueNoise2(std::cos(azimuth) * 60.0 + 100.0, std::sin(azimuth) * 60.0 + 100.0, 77);
    const double groups =
        ValueNoise2(std::cos(azimuth) * 8.0 + 50.0, std::sin(azimuth) * 8.0 + 50.0, 78);
    return groups > 0.45 ? 0.012 * crowns * SmoothStep(0.45, 0.6, groups) : 0.0;
}

Color SkyColor(Direction d) {
    const double length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    d = {d.x / length, d.y / length, d.z / length};
    const double elevation = std::asin(d.y);
    const double azimuth = std::atan2(d.x, -d.z);  // 0 toward -z, growing toward +x
    const double texel = 0.5 * kPi / kFaceSize;    // angle of one texel, for soft edges

    // The sky: deep blue overhead, a sunset glow low in one quarter.
    const Color zenith{16, 20, 52};
    const Color high{44, 46, 96};
    const Color horizon{96, 78, 120};
    const Color sunset{232, 128, 72};
    const double sunAzimuth = 2.3;
    const double towardSun = std::pow(std::max(0.0, std::cos(azimuth - sunAzimuth)), 3.0);
    const double up = std::max(0.0, elevation) / (0.5 * kPi);
    Color sky = Mix(horizon, high, SmoothStep(0.0, 0.35, up));
    sky = Mix(sky, zenith, SmoothStep(0.3, 1.0, up));
    sky = Mix(sky, sunset, towardSun * std::exp(-std::max(0.0, elevation) * 9.0) * 0.85);

    // Clouds on a plane overhead, thinning out toward the horizon.
    double clouds = 0.0;
    if (d.y > 0.02) {
        const double px = d.x / d.y * 0.9;
        const double pz = d.z / d.y * 0.9;
        const double n = FractalNoise2(px * 0.9 + 3.7, pz * 0.9 - 1.3, 5, 4242);
        clouds = SmoothStep(0.5, 0.72, n) * SmoothStep(0.02, 0.25, d.y);
        const Color cloudDark{38, 36, 64};
        const Color cloudLit{170, 104, 96};
        const Color cloud =
            Mix(cloudDark, cloudLit, towardSun * 0.8 * std::exp(-elevation * 2.0) + 0.1 * n);
        sky = Mix(sky, cloud, clouds * 0.9);
    }

    // The first stars, where the sky is dark and clear: points scattered through space around
    // the viewer, each a soft dot a few texels wide.
    const double starVisibility =
        (1.0 - clouds) * SmoothStep(0.05, 0.3, d.y) * (1.0 - 0.9 * towardSun);
    if (starVisibility > 0.0) {
        constexpr double kCells = 40.0;
        const int cx = static_cast<int>(std::floor(d.x * kCells));
        const int cy = static_cast<int>(std::floor(d.y * kCells));
        const int cz = static_cast<int>(std::floor(d.z * kCells));
        double light = 0.0;
        for (int ix = cx - 1; ix <= cx + 1; ++ix) {
            for (int iy = cy - 1; iy <= cy + 1; ++iy) {
                for (int iz = cz - 1; iz <= cz + 1; ++iz) {
                    if (CellRandom(ix, iy, iz, 61) > 0.035) continue;
                    Direction star{(ix + CellRandom(ix, iy, iz, 62)) / kCells,
                                   (iy + CellRandom(ix, iy, iz, 63)) / kCells,
                                   (iz + CellRandom(ix, iy, iz, 64)) / kCells};
                    const double length =
                        std::sqrt(star.x * star.x + star.y * star.y + star.z * star.z);
                    const double cosine = (d.x * star.x + d.y * star.y + d.z * star.z) / length;
                    const double angle = std::acos(std::min(1.0, cosine)) / (1.3 * texel);
                    light = std::max(light, (0.35 + 0.65 * CellRandom(ix, iy, iz, 65)) *
                                                std::exp(-angle * angle));
                }
            }
        }
        sky = Mix(sky, Color{236, 236, 255}, light * starVisibility);
    }

    // The moon, high opposite the sunset, with a faint halo.
    const Direction moon{-0.55, 0.52, 0.65};
    const double moonLength = std::sqrt(moon.x * moon.x + moon.y * moon.y + moon.z * moon.z);
    const double cosMoon = (d.x * moon.x + d.y * moon.y + d.z * moon.z) / moonLength;
    const double moonAngle = std::acos(std::min(1.0, cosMoon));
    sky = Mix(sky, Color{120, 120, 160}, 0.35 * std::exp(-moonAngle * 12.0));
    sky = Mix(sky, Color{236, 232, 210}, SmoothStep(0.042, 0.036, moonAngle));

    // Two rings of hills: far ones pale in the haze, near ones dark with trees.
    const double far = HillHeight(azimuth, 0.05, 1.7, 901);
    const Color farColor = Mix(Color{52, 48, 86}, sky, 0.35);
    sky = Mix(sky, farColor, SmoothStep(far + texel, far - texel, elevation));
    const double nearLine = HillHeight(azimuth, 0.018, 4.1, 902) * 0.6 + TreeHeight(azimuth);
    const Color nearColor{20, 26, 36};
    sky = Mix(sky, nearColor, SmoothStep(nearLine + texel, nearLine - texel, elevation));
    if (elevation >= 0.0) return sky;

    // Grass below the horizon, fading into the dark hills far away.
    const double gx = d.x / -d.y;
    const double gz = d.z / -d.y;
    const double tufts = FractalNoise2(gx * 1.5, gz * 1.5, 5, 5150);
    const double patches = FractalNoise2(gx * 0.2 + 9.0, gz * 0.2 - 4.0, 3, 5151);
    Color ground = Mix(Color{28, 44, 24}, Color{52, 70, 34}, tufts);
    ground = Mix(ground, Color{58, 50, 36}, SmoothStep(0.6, 0.75, patches) * 0.7);
    return Mix(nearColor, ground, SmoothStep(0.0, 0.25, -d.y));
}

}  // namespace

void WriteSkyBox(const std::filesystem::path& pictureFolder) {
    for (const SkyFace& face : kFaces) {
        Canvas canvas(kFaceSize, kFaceSize);
        for (int row = 0; row < kFaceSize; ++row) {
            // Edge texels stand exactly on the cube's edges, so neighbouring faces share their
            // edge colour and the clamped edges meet without a seam.
            const double t = 1.0 - static_cast<double>(row) / (kFaceSize - 1);
            for (int column = 0; column < kFaceSize; ++column) {
                const double s = static_cast<double>(column) / (kFaceSize - 1);
                const Direction d{face.origin.x + s * face.across.x + t * face.up.x,
                                  face.origin.y + s * face.across.y + t * face.up.y,
                                  face.origin.z + s * face.across.z + t * face.up.z};
                canvas.Set(column, row, SkyColor(d));
            }
        }
        WriteTarga24Smallest(pictureFolder / face.file, canvas);
    }
}
