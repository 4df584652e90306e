// The game's readers against the reference libraries on the same generated files: the largest
// picture (Targa), the largest model texture (BMP) and the house (OBJ with its MTL). The two
// readers of a pair take turns run by run, so a disturbance of the machine hits both alike,
// and their results are compared first, so both are known to do the same work.
#include <cstdio>      // Required for: std::fprintf()
#include <cstring>     // Required for: std::memcmp()
#include <filesystem>  // Required for: std::filesystem::directory_iterator
#include <fstream>     // Required for: std::ifstream

#include "assets/bmp_reader.h"
#include "assets/obj_model.h"
#include "assets/targa_image.h"
#include "bench.h"
#include "platform/data_path.h"
#include "platform/file_bytes.h"

namespace {

namespace fs = std::filesystem;

struct Candidate {
    std::string path;
    std::uint64_t pixels = 0;
    std::uintmax_t bytes = 0;
    int width = 0;
    int height = 0;
};

// Width and height from a picture's header: Targa at offset 12 (16-bit), BMP at 18 (32-bit).
bool ReadSize(const std::string& path, bool targa, int* width, int* height) {
    std::ifstream file(path, std::ios::binary);
    unsigned char header[26] = {};
    if (!file.read(reinterpret_cast<char*>(header), sizeof header)) return false;
    if (targa) {
        *width = header[12] | header[13] << 8;
        *height = header[14] | header[15] << 8;
    } else {
        *width = static_cast<int>(header[18] | header[19] << 8 | header[20] << 16);
        *height = static_cast<int>(header[22] | header[23] << 8 | header[24] << 16);
    }
    return true;
}

// The picture with the most pixels under `folder` (searched `recursive`ly), the larger file
// when two have as many.
Candidate Largest(const std::string& folder, const std::string& extension, bool recursive) {
    Candidate best;
    std::error_code error;
    auto consider = [&](const fs::directory_entry& entry) {
        if (!entry.is_regular_file() || entry.path().extension() != extension) return;
        Candidate candidate;
        candidate.path = entry.path().string();
        if (!ReadSize(candidate.path, extension == ".tga", &candidate.width, &candidate.height)) {
            return;
        }
        candidate.pixels = static_cast<std::uint64_t>(candidate.width) * candidate.height;
        candidate.bytes = entry.file_size();
        if (candidate.pixels > best.pixels ||
            (candidate.pixels == best.pixels && candidate.bytes > best.bytes)) {
            best = candidate;
        }
    };
    if (recursive) {
        for (const auto& entry : fs::recursive_directory_iterator(folder, error)) consider(entry);
    } else {
        for (const auto& entry : fs::directory_iterator(folder, error)) consider(entry);
    }
    return best;
}

std::string Describe(const Candidate& candidate) {
    return fs::path(candidate.path).filename().string() + " (" + std::to_string(candidate.width) +
           "x" + std::to_string(candidate.height) + ", " + std::to_string(candidate.bytes / 1024) +
           " KiB)";
}

// Runs the two loads in turn `runs` times; the medians of each.
void TimePair(int runs, const std::function<void()>& ours, const std::function<void()>& theirs,
              double* oursSeconds, double* theirsSeconds) {
    std::vector<double> oursTimes, theirsTimes;
    ours();  // one untimed round each: the file is in the page cache for both
    theirs();
    for (int run = 0; run < runs; ++run) {
        double start = NowSeconds();
        ours();
        oursTimes.push_back(NowSeconds() - start);
        start = NowSeconds();
        theirs();
        theirsTimes.push_back(NowSeconds() - start);
    }
    *oursSeconds = Median(oursTimes);
    *theirsSeconds = Median(theirsTimes);
}

BenchRow PairRow(const std::string& what, double ours, double theirs, const std::string& library,
                 bool sameResult) {
    BenchRow row;
    row.what = what;
    row.ours = FormatSeconds(ours);
    row.reference = FormatSeconds(theirs) + " " + library;
    row.ratio = FormatRatio(ours / theirs);
    row.goal = "ratio <= 1.00";
    row.verdict = Verdict(ours <= theirs);
    if (!sameResult) row.verdict += " (results differ!)";
    return row;
}

void BenchTarga(const BenchCounts& counts, std::vector<BenchRow>* rows) {
    const Candidate picture = Largest(DataPath("Data/Picture"), ".tga", false);
    if (picture.path.empty()) {
        std::fprintf(stderr, "escape-house-bench: no Targa picture under Data/Picture\n");
        return;
    }
    const char* path = picture.path.c_str();
    CTargaImage ours;
    ReferenceImage theirs;
    const bool sameResult = ours.LoadFile(path) && ReferenceLoadImage(path, &theirs) &&
                            ours.ImageSize() == theirs.rgb.size() &&
                            std::memcmp(ours.Pixels(), theirs.rgb.data(), theirs.rgb.size()) == 0;
    ours.FreeData();
    double oursSeconds = 0, theirsSeconds = 0;
    TimePair(
        counts.readerRuns,
        [&] {
            CTargaImage image;
            image.LoadFile(path);
        },
        [&] { ReferenceLoadImageTimed(path); }, &oursSeconds, &theirsSeconds);
    rows->push_back(PairRow("Targa reader, " + Describe(picture), oursSeconds, theirsSeconds,
                            "stb_image", sameResult));
}

// Ours keeps the block as stored (B, G, R, padded rows); stb_image turns it into R, G, B.
bool SameBmpPixels(const BmpPixels& ours, const ReferenceImage& theirs) {
    if (ours.width != theirs.width || ours.height != theirs.height) return false;
    const std::size_t rowSize = static_cast<std::size_t>(BmpRowSize(ours.width));
    for (int row = 0; row < ours.height; ++row) {
        for (int column = 0; column < ours.width; ++column) {
            const unsigned char* stored = ours.pixels + rowSize * row + column * 3;
            const unsigned char* rgb =
                &theirs.rgb[(static_cast<std::size_t>(row) * ours.width + column) * 3];
            if (stored[0] != rgb[2] || stored[1] != rgb[1] || stored[2] != rgb[0]) return false;
        }
    }
    return true;
}

void BenchBmp(const BenchCounts& counts, std::vector<BenchRow>* rows) {
    const Candidate texture = Largest(DataPath("Data/Model"), ".bmp", true);
    if (texture.path.empty()) {
        std::fprintf(stderr, "escape-house-bench: no BMP texture under Data/Model\n");
        return;
    }
    const char* path = texture.path.c_str();
    BmpPixels ours;
    ReferenceImage theirs;
    std::string error;
    const bool sameResult = ReadBmp24File(path, &ours, &error) &&
                            ReferenceLoadImage(path, &theirs) && SameBmpPixels(ours, theirs);
    delete[] ours.pixels;
    double oursSeconds = 0, theirsSeconds = 0;
    TimePair(
        counts.readerRuns,
        [&] {
            BmpPixels pixels;
            std::string readError;
            ReadBmp24File(path, &pixels, &readError);
            delete[] pixels.pixels;
        },
        [&] { ReferenceLoadImageTimed(path); }, &oursSeconds, &theirsSeconds);
    rows->push_back(PairRow("BMP reader, " + Describe(texture), oursSeconds, theirsSeconds,
                            "stb_image", sameResult));
}

// tinyobjloader reads no textures; ours is given a texture reader that only counts them, so
// both read the same two text files and nothing else.
bool CountTextureOnly(MtlLib& library, const char*, std::string*) {
    library.bitmaps.push_back(MtlLib::BitMap{nullptr, 0, 0, 0});
    return true;
}

bool LoadOursWithoutTextures(const std::string& base, obj3dmodel* model) {
    std::string mtlText, objText, reason, error, warning;
    const std::string mtlPath = base + ".mtl";
    const std::string objPath = base + ".obj";
    return ReadFileBytes(mtlPath.c_str(), &mtlText, &reason) &&
           model->ParseMtl(mtlText, base.c_str(), mtlPath.c_str(), &error, &warning,
                           CountTextureOnly) &&
           ReadFileBytes(objPath.c_str(), &objText, &reason) &&
           model->ParseObj(objText, objPath.c_str(), &error, &warning);
}

void BenchObj(const BenchCounts& counts, std::vector<BenchRow>* rows) {
    const std::string base = DataPath("Data/Model/house_main");
    obj3dmodel ours;
    ReferenceModel theirs;
    std::string error;
    if (!LoadOursWithoutTextures(base, &ours)) {
        std::fprintf(stderr, "escape-house-bench: %s does not load\n", base.c_str());
        return;
    }
    const bool sameResult =
        ReferenceLoadModel(base.c_str(), &theirs, &error) &&
        ours.positions.size() == theirs.positions && ours.normals.size() == theirs.normals &&
        ours.texCoords.size() == theirs.texCoords && ours.faces.size() == theirs.triangles &&
        ours.names.size() == theirs.materials;
    double oursSeconds = 0, theirsSeconds = 0;
    TimePair(
        counts.readerRuns,
        [&] {
            obj3dmodel model;
            LoadOursWithoutTextures(base, &model);
        },
        [&] { ReferenceLoadModelTimed(base.c_str()); }, &oursSeconds, &theirsSeconds);
    const std::string what = "OBJ/MTL reader, house_main (" + std::to_string(ours.faces.size()) +
                             " triangles, " + std::to_string(ours.names.size()) + " materials)";
    rows->push_back(PairRow(what, oursSeconds, theirsSeconds, "tinyobjloader", sameResult));
}

}  // namespace

void BenchReaders(const BenchCounts& counts, std::vector<BenchRow>* rows) {
    BenchTarga(counts, rows);
    BenchBmp(counts, rows);
    BenchObj(counts, rows);
}
