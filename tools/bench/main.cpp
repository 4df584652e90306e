// escape-house-bench [--quick] [--only SECTION] [--size WxH] [--shots FOLDER]
//                    [--before BENCH [--rounds N]]
// escape-house-bench --loop POSE FRAMES [--size WxH]:
// measures the game's readers against stb_image and tinyobjloader, its start-up, its frames, text
// and pick (at 800 by 600 and 1920 by 1080, or at the one size asked for), and its idle CPU time,
// and prints one table. Needs an X display (xvfb-run -a
// escape-house-bench) and the game's generated Data folder; SECTION is readers, startup, idle
// or frames. --before runs another build's benchmark section by section next to this one and
// prints both side by side, with the frames of the five poses compared; --rounds runs each
// section N times each way, taking turns, and keeps each row's median run, so that a machine
// whose speed drifts meets both builds alike. --loop draws one of the five poses FRAMES times in
// a row (at 800 by 600 unless --size says otherwise) and prints only its mean frame, for
// `perf record` and the like to watch one frame's work.
#include <sys/stat.h>  // Required for: mkdir()
#include <unistd.h>    // Required for: readlink(), mkdtemp()

#include <algorithm>  // Required for: std::max()
#include <cstdio>     // Required for: std::printf()
#include <cstdlib>    // Required for: setenv(), std::getenv(), realpath(), std::free()
#include <fstream>    // Required for: std::ifstream
#include <map>        // Required for: std::map
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

void PrintTable(const std::vector<BenchRow>& rows, const BenchRow& header) {
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
                 "[--size WxH] [--shots FOLDER] [--before OTHER-BENCH [--rounds N]]\n"
                 "       escape-house-bench --loop POSE(1-5) FRAMES [--size WxH]\n");
    return 2;
}

const BenchRow kHeader{
    "Measure (median of repeated runs)", "Ours", "Compared with", "Ratio/share", "Goal", ""};
const BenchRow kBeforeAfterHeader{
    "Measure (median of repeated runs)", "Before", "After", "After/before", "Goal", ""};

// "1920x1080" as a size within what a screen may be; false for anything else.
bool ParseSize(const std::string& text, BenchSize* size) {
    int width = 0, height = 0;
    char end = 0;
    if (std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &end) != 2) return false;
    if (width < 64 || height < 64 || width > 7680 || height > 4320) return false;
    *size = BenchSize{width, height};
    return true;
}

// Our rows next to the other build's rows of the same name, with the goals that compare them:
// a frame at 800 by 600 no slower than before (within the timing's noise), a frame at any size
// within a sixtieth of a second, a start-up within 1.5 times its own window-and-context share.
// Each row of the first run, taken from the run where its figure is the median of all runs.
std::vector<BenchRow> MedianRows(const std::vector<std::vector<BenchRow>>& runs) {
    std::vector<BenchRow> rows;
    if (runs.empty()) return rows;
    for (const BenchRow& first : runs.front()) {
        std::vector<const BenchRow*> same;
        for (const auto& run : runs) {
            for (const BenchRow& row : run) {
                if (row.what == first.what) same.push_back(&row);
            }
        }
        std::sort(same.begin(), same.end(), [](const BenchRow* a, const BenchRow* b) {
            return ParseFigure(a->ours) < ParseFigure(b->ours);
        });
        rows.push_back(*same[same.size() / 2]);
    }
    return rows;
}

void JoinBeforeAfter(const std::vector<BenchRow>& before, const std::vector<BenchRow>& after,
                     std::vector<BenchRow>* rows) {
    // By name, or by the name before its parenthesis when the data counted differently (the
    // reader rows name the triangles read).
    std::map<std::string, const BenchRow*> earlier;
    auto stem = [](const std::string& what) { return what.substr(0, what.find(" (")) + " (*"; };
    for (const BenchRow& row : before) {
        earlier[row.what] = &row;
        earlier.emplace(stem(row.what), &row);
    }
    double window = -1.0;
    for (const BenchRow& row : after) {
        if (row.what == "  window and GL context") window = ParseFigure(row.ours);
    }
    for (const BenchRow& row : after) {
        BenchRow joined;
        joined.what = row.what;
        auto found = earlier.find(row.what);
        if (found == earlier.end()) found = earlier.find(stem(row.what));
        joined.ours = found == earlier.end() ? "" : found->second->ours;
        joined.reference = row.ours;
        const double was = ParseFigure(joined.ours);
        const double now = ParseFigure(row.ours);
        if (was > 0 && now >= 0) joined.ratio = FormatRatio(now / was);
        joined.goal = row.goal;
        joined.verdict = row.verdict;
        if (row.what.rfind("Frame 800x600", 0) == 0 && was > 0) {
            joined.goal = "<= 16.7 ms, after/before <= 1.05";
            joined.verdict = Verdict(now <= kSixtiethOfASecond && now / was <= 1.05);
        } else if (row.what.rfind("Start-up:", 0) == 0 && window > 0) {
            joined.goal = "<= 1.5 x window (" + FormatSeconds(1.5 * window) + ")";
            joined.verdict = Verdict(now <= 1.5 * window);
        }
        rows->push_back(joined);
    }
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
    std::string otherBench;
    int rounds = 1;
    std::vector<BenchSize> sizes = {BenchSize{800, 600}, BenchSize{1920, 1080}};
    std::string sizeOption;  // passed on to the other build's benchmark
    int loopPose = 0, loopFrames = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--quick") {
            counts = BenchCounts{5, 3, 11, 51, 1, 5.0};
        } else if (argument == "--only" && i + 1 < argc) {
            only = argv[++i];
        } else if (argument == "--size" && i + 1 < argc) {
            sizeOption = std::string("--size ") + argv[++i];
            sizes.assign(1, BenchSize{});
            if (!ParseSize(argv[i], &sizes.front())) return Usage();
        } else if (argument == "--shots" && i + 1 < argc) {
            shotFolder = argv[++i];
        } else if (argument == "--before" && i + 1 < argc) {
            otherBench = argv[++i];
        } else if (argument == "--loop" && i + 2 < argc) {
            loopPose = std::atoi(argv[++i]);
            loopFrames = std::atoi(argv[++i]);
            if (loopPose < 1 || loopPose > 5 || loopFrames < 1) return Usage();
        } else if (argument == "--rounds" && i + 1 < argc) {
            rounds = std::atoi(argv[++i]);
            if (rounds < 1 || rounds > 99) return Usage();
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
    if (loopPose > 0) {
        LoopPose(sizes.size() == 1 ? sizes.front() : BenchSize{}, loopPose, loopFrames);
        return 0;
    }
    const std::string self = SelfPath();
    const std::string game = self.substr(0, self.find_last_of('/') + 1) + "escape-house";

    const bool quick = counts.frameRuns != BenchCounts{}.frameRuns;
    std::string beforeShots, afterShots;
    if (!otherBench.empty()) {
        // Run from its own folder (it reads the Data beside it), so it needs a path from anywhere.
        char* absolute = realpath(otherBench.c_str(), nullptr);
        if (absolute == nullptr) {
            std::fprintf(stderr, "escape-house-bench: %s: no such benchmark\n", otherBench.c_str());
            return 1;
        }
        otherBench = absolute;
        std::free(absolute);
        char folder[] = "/tmp/escape-house-bench-XXXXXX";
        if (mkdtemp(folder) == nullptr) return 1;
        beforeShots = std::string(folder) + "/before";
        afterShots = shotFolder.empty() ? std::string(folder) + "/after" : shotFolder;
        mkdir(beforeShots.c_str(), 0700);
        mkdir(afterShots.c_str(), 0700);
        shotFolder = afterShots;
    }

    std::vector<BenchRow> rows;
    std::string renderer = "not measured";
    bool otherFailed = false;
    // Section by section, the other build's first, so that both meet the machine alike; in
    // rounds, taking turns.
    auto section = [&](const char* name, const std::function<void(std::vector<BenchRow>*)>& run) {
        if (!only.empty() && only != name) return;
        if (otherBench.empty()) {
            run(&rows);
            return;
        }
        const bool frames = std::string(name) == "frames";
        std::vector<std::vector<BenchRow>> before, after;
        for (int round = 0; round < rounds; ++round) {
            before.push_back(
                RunOtherBench(otherBench, name, quick, frames ? beforeShots : "", sizeOption));
            otherFailed = otherFailed || before.back().empty();
            after.emplace_back();
            if (rounds == 1) {
                run(&after.back());
            } else {
                // Ours in a process of its own too, started the same way.
                after.back() = RunOtherBench(self, name, quick, frames ? afterShots : "",
                                             sizeOption, frames ? &renderer : nullptr);
            }
        }
        JoinBeforeAfter(MedianRows(before), MedianRows(after), &rows);
    };
    section("readers", [&](std::vector<BenchRow>* out) { BenchReaders(counts, out); });
    section("startup", [&](std::vector<BenchRow>* out) { BenchStartup(counts, self, out); });
    // Before the frames: this program's own window is titled like the game's.
    section("idle", [&](std::vector<BenchRow>* out) { BenchIdle(counts, game, out); });
    section("frames", [&](std::vector<BenchRow>* out) {
        BenchFrames(counts, sizes, shotFolder, out, &renderer);
    });
    bool samePictures = true;
    if (!otherBench.empty() && (only.empty() || only == "frames")) {
        samePictures = CompareShots(beforeShots, afterShots, sizes, &rows);
    }

    std::printf("escape-house-bench on %s, %ld cores, GL renderer %s\n\n", ProcessorName().c_str(),
                sysconf(_SC_NPROCESSORS_ONLN), renderer.c_str());
    if (!otherBench.empty()) std::printf("Before: %s\n\n", otherBench.c_str());
    PrintTable(rows, otherBench.empty() ? kHeader : kBeforeAfterHeader);
    return samePictures && !otherFailed ? 0 : 1;
}
