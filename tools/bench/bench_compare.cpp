// Before and after side by side: another build's benchmark run section by section next to this
// one, in the same run, and the frames both drew from the five poses compared pixel by pixel.
#include <png.h>       // Required for: png_image_begin_read_from_file()
#include <sys/wait.h>  // Required for: WEXITSTATUS()
#include <unistd.h>    // Required for: mkdtemp()

#include <algorithm>  // Required for: std::min()
#include <cstdio>     // Required for: popen(), std::snprintf()
#include <cstdlib>    // Required for: std::abs()
#include <map>        // Required for: std::map
#include <sstream>    // Required for: std::istringstream

#include "bench.h"

namespace {

struct Picture {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    std::vector<unsigned char> rgb;
};

bool ReadPicture(const std::string& path, Picture* picture) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return false;
    image.format = PNG_FORMAT_RGB;
    picture->width = image.width;
    picture->height = image.height;
    picture->rgb.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, picture->rgb.data(), 0, nullptr) == 0) {
        png_image_free(&image);
        return false;
    }
    return true;
}

// A cell's text without its blanks; a name keeps its indent past the one blank of padding.
std::string CellText(const std::string& cell, bool name) {
    const std::size_t first =
        name ? std::min<std::size_t>(1, cell.size()) : cell.find_first_not_of(' ');
    const std::size_t last = cell.find_last_not_of(" \n");
    if (first == std::string::npos || last == std::string::npos || last < first) return "";
    return cell.substr(first, last - first + 1);
}

}  // namespace

bool CompareShots(const std::string& beforeFolder, const std::string& afterFolder,
                  const std::vector<BenchSize>& sizes, std::vector<BenchRow>* rows) {
    bool same = true;
    for (const BenchSize& size : sizes) {
        for (int pose = 1; pose <= 5; ++pose) {
            const std::string name = "/" + PoseShotName(pose, size.width, size.height);
            const std::string at =
                size.width == 800 && size.height == 600 ? "" : " at " + SizeName(size);
            Picture before, after;
            BenchRow row;
            row.what = "Picture, pose " + std::to_string(pose) + at + ": mean, largest difference";
            row.goal = "mean <= 1/255, largest <= 3";
            if (!ReadPicture(beforeFolder + name, &before) ||
                !ReadPicture(afterFolder + name, &after) || before.width != after.width ||
                before.height != after.height) {
                row.reference = "not compared";
                row.verdict = Verdict(false);
                rows->push_back(row);
                same = false;
                continue;
            }
            double sum = 0.0;
            int largest = 0;
            long off = 0;  // pixels with a channel more than 3 levels away
            for (std::size_t i = 0; i < before.rgb.size(); i += 3) {
                int pixelLargest = 0;
                for (int channel = 0; channel < 3; ++channel) {
                    const int difference =
                        std::abs(before.rgb[i + channel] - after.rgb[i + channel]);
                    sum += difference;
                    if (difference > pixelLargest) pixelLargest = difference;
                }
                if (pixelLargest > 3) ++off;
                if (pixelLargest > largest) largest = pixelLargest;
            }
            const double mean = sum / static_cast<double>(before.rgb.size());
            char text[96];
            std::snprintf(text, sizeof text, "%.3f, %d (%ld px > 3)", mean, largest, off);
            row.reference = text;
            row.verdict = Verdict(mean <= 1.0 && largest <= 3);
            same = same && mean <= 1.0 && largest <= 3;
            rows->push_back(row);
        }
    }
    return same;
}

std::vector<BenchRow> RunOtherBench(const std::string& bench, const std::string& section,
                                    bool quick, const std::string& shotFolder,
                                    const std::string& sizeOption, std::string* renderer) {
    std::vector<BenchRow> rows;
    const std::string folder = bench.substr(0, bench.find_last_of('/') + 1);
    std::string command = "cd '" + folder + "' && '" + bench + "' --only " + section;
    if (quick) command += " --quick";
    if (!sizeOption.empty()) command += " " + sizeOption;
    if (!shotFolder.empty()) command += " --shots '" + shotFolder + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return rows;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        const std::string text = line;
        const std::size_t named = text.find("GL renderer ");
        if (renderer != nullptr && text.rfind("escape-house-bench on ", 0) == 0 &&
            named != std::string::npos) {
            *renderer = text.substr(named + 12, text.find_last_not_of("\n") - named - 11);
        }
        // Table lines only: "| what | ours | compared with | ratio | goal | verdict".
        if (line[0] != '|' || line[1] == '-') continue;
        std::vector<std::string> cells;
        std::istringstream fields(line + 1);
        for (std::string cell; std::getline(fields, cell, '|');) {
            cells.push_back(CellText(cell, cells.empty()));
        }
        if (cells.size() < 5 || cells[0].rfind("Measure", 0) == 0) continue;
        BenchRow row;
        row.what = cells[0];
        row.ours = cells[1];
        row.reference = cells[2];
        row.ratio = cells[3];
        row.goal = cells[4];
        if (cells.size() > 5) row.verdict = cells[5];
        rows.push_back(row);
    }
    const int status = pclose(pipe);
    if (status != 0) {
        std::fprintf(stderr, "escape-house-bench: %s ended with status %d\n", bench.c_str(),
                     WEXITSTATUS(status));
    }
    return rows;
}
