// Picture loading and colour measures for the picture checks.
#include "pictures_support.h"

#include <gtest/gtest.h>

#include <cmath>     // Required for: std::sqrt()
#include <fstream>   // Required for: std::ifstream
#include <iterator>  // Required for: std::istreambuf_iterator

#include "assets/bmp_reader.h"
#include "assets/targa_image.h"

std::string BuildFolder() {
    return ESCAPE_HOUSE_BUILD_DIR;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t Little(const std::vector<std::uint8_t>& bytes, size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes.at(at + i);
    return value;
}

Picture LoadPicture(const std::string& dataPath) {
    const std::string path = BuildFolder() + "/" + dataPath;
    Picture picture;
    // Both readers give rows bottom first; a BMP's rows are BGR and padded to 4 bytes.
    const std::uint8_t* rows = nullptr;
    size_t rowSize = 0, red = 0, blue = 2;
    CTargaImage targa;
    BmpPixels bmp;
    std::string error;
    if (dataPath.substr(dataPath.size() - 4) == ".bmp") {
        if (!ReadBmp24File(path.c_str(), &bmp, &error)) ADD_FAILURE() << error;
        rows = bmp.pixels;
        picture = {bmp.width, bmp.height, {}};
        rowSize = BmpRowSize(bmp.width);
        std::swap(red, blue);
    } else {
        if (!targa.LoadFile(path.c_str())) ADD_FAILURE() << path << ": " << targa.LastError();
        rows = targa.Pixels();
        picture = {targa.Width(), targa.Height(), {}};
        rowSize = 3 * static_cast<size_t>(picture.width);
    }
    for (int y = picture.height - 1; y >= 0 && rows != nullptr; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t* p = rows + y * rowSize + 3 * x;
            picture.pixels.push_back(Rgb{p[red], p[1], p[blue]});
        }
    }
    delete[] bmp.pixels;
    return picture;
}

MeanColour Mean(const Picture& picture, double left, double top, double right, double bottom,
                double ring) {
    MeanColour sum;
    int count = 0;
    for (int y = 0; y < picture.height; ++y) {
        const double cy = y + 0.5;
        for (int x = 0; x < picture.width; ++x) {
            const double cx = x + 0.5;
            const bool inside = cx >= left && cx < right && cy >= top && cy < bottom;
            const bool near =
                cx >= left - ring && cx < right + ring && cy >= top - ring && cy < bottom + ring;
            if (ring > 0 ? (inside || !near) : !inside) continue;
            const Rgb& p = picture.At(x, y);
            sum = {sum.r + p.r, sum.g + p.g, sum.b + p.b};
            ++count;
        }
    }
    if (count > 0) sum = {sum.r / count, sum.g / count, sum.b / count};
    return sum;
}

double ColourDistance(const MeanColour& a, const MeanColour& b) {
    return std::sqrt((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) +
                     (a.b - b.b) * (a.b - b.b));
}
