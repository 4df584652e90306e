// escape-house-bench [--quick] [--only SECTION] [--shots FOLDER]: measures the game's readers
// against stb_image and tinyobjloader, its start-up, its frames, text and pick, and its idle
// CPU time, and prints one table. Needs an X display (xvfb-run -a escape-house-bench) and the
// game's generated Data folder; SECTION is readers, startup, idle or frames.
#include <unistd.h>  // Required for: readlink()

#include <algorithm>  // Required for: std::max()
#include <cstdio>     // Required for: std::printf()
#include <cstdlib>    // Required for: setenv(), std::getenv()
#include <fstream>    // Required for: std::ifstream
#include <string>     // Required for: std::string

#include "bench.h"

namespace {

std::string SelfPath() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return "escape-house-bench";
    path[length] = '\0';
    return path;
}

std::string ProcessorName() {
    std::ifstream file("/proc/cpuinfo");
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("model name", 0) == 0) {
            const std::size_t colon = line.find(':');
            if (colon != std::string::npos) return line.substr(colon + 2);
        }
    }
    return "unknown processor";
}

void PrintTable(const std::vector<BenchRow>& rows) {
    const BenchRow header{
        "Measure (median of repeated runs)", "Ours", "Compared with", "Ratio/share", "Goal", ""};
    std::size_t widths[5] = {};
    auto widen = [&](const BenchRow& row) {
        const std::string* cells[5] = {&row.what, &row.ours, &row.reference, &row.ratio, &row.goal};
        for (int i = 0; i < 5; ++i) widths[i] = std::max(widths[i], cells[i]->size());
    };
    widen(header);
    for (const BenchRow& row : rows) widen(row);
    auto print = [&](const BenchRow& row) {
        std::printf("| %-*s | %*s | %*s | %*s | %-*s | %s\n", static_cast<int>(widths[0]),
                    row.what.c_str(), static_cast<int>(widths[1]), row.ours.c_str(),
                    static_cast<int>(widths[2]), row.reference.c_str(), static_cast<int>(widths[3]),
                    row.ratio.c_str(), static_cast<int>(widths[4]), row.goal.c_str(),
                    row.verdict.c_str());
    };
    print(header);
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(widths[0] + 2, '-').c_str(),
                std::string(widths[1] + 2, '-').c_str(), std::string(widths[2] + 2, '-').c_str(),
                std::string(widths[3] + 2, '-').c_str(), std::string(widths[4] + 2, '-').c_str());
    for (const BenchRow& row : rows) print(row);
}

int Usage() {
    std::fprintf(stderr,
                 "usage: escape-house-bench [--quick] [--only readers|startup|idle|frames] "
                 "[--shots FOLDER]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // The tune plays into nothing, here and in the game processes started from here.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (argc == 4 && std::string(argv[1]) == "--startup-child") {
        RunStartupChild(argv[2], std::strtod(argv[3], nullptr));
    }
    BenchCounts counts;
    std::string only;
    std::string shotFolder;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--quick") {
            counts = BenchCounts{5, 3, 11, 51, 1, 5.0};
        } else if (argument == "--only" && i + 1 < argc) {
            only = argv[++i];
        } else if (argument == "--shots" && i + 1 < argc) {
            shotFolder = argv[++i];
        } else {
            return Usage();
        }
    }
    if (!only.empty() && only != "readers" && only != "startup" && only != "idle" &&
        only != "frames") {
        return Usage();
    }
    if (std::getenv("DISPLAY") == nullptr && only != "readers") {
        std::fprintf(stderr, "escape-house-bench: no X display (run it under xvfb-run -a)\n");
        return 1;
    }
    const std::string self = SelfPath();
    const std::string game = self.substr(0, self.find_last_of('/') + 1) + "escape-house";

    std::vector<BenchRow> rows;
    std::string renderer = "not measured";
    auto wanted = [&](const char* section) { return only.empty() || only == section; };
    if (wanted("readers")) BenchReaders(counts, &rows);
    if (wanted("startup")) BenchStartup(counts, self, &rows);
    // Before the frames: this program's own window is titled like the game's.
    if (wanted("idle")) BenchIdle(counts, game, &rows);
    if (wanted("frames")) BenchFrames(counts, shotFolder, &rows, &renderer);

    std::printf("escape-house-bench on %s, %ld cores, GL renderer %s\n\n", ProcessorName().c_str(),
                sysconf(_SC_NPROCESSORS_ONLN), renderer.c_str());
    PrintTable(rows);
    return 0;
}
