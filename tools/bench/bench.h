// escape-house-bench: what the pieces of the game cost, each measured side by side with what it
// is compared against in the same run. Every figure is the median of repeated runs.
#pragma once

#include <functional>  // Required for: std::function
#include <string>      // Required for: std::string
#include <vector>      // Required for: std::vector

// One line of the printed table. `reference` and `goal` may be empty; `ratio` is shown when
// both figures are there (ours over theirs, or the share a row stands for).
struct BenchRow {
    std::string what;
    std::string ours;
    std::string reference;
    std::string ratio;
    std::string goal;
    std::string verdict;  // "met", "NOT MET" or empty
};

// How many times each measurement is repeated; --quick lowers them for a smoke run.
struct BenchCounts {
    int readerRuns = 21;
    int startupRuns = 7;
    int frameRuns = 41;
    int pickRuns = 201;
    int idleRuns = 3;
    double idleSeconds = 10.0;
};

// ---- timing (bench_timing.cpp) ----------------------------------------------------------------

// Seconds on the monotonic clock, comparable between processes.
double NowSeconds();
// The median of the values (the mean of the two middle ones for an even count).
double Median(std::vector<double> values);
// Runs `work` `runs` times and returns the median duration in seconds.
double MedianSeconds(int runs, const std::function<void()>& work);
// "12.3 ms", "45 us", "1.20 s": a duration in a unit that suits it.
std::string FormatSeconds(double seconds);
// "0.83" for a ratio, "3.1 %" for a share.
std::string FormatRatio(double ratio);
std::string FormatPercent(double fraction);
// "met" or "NOT MET".
std::string Verdict(bool met);
// The number a formatted figure stands for: seconds for "12.3 ms", a fraction for "3.1 %", the
// number itself for a ratio; negative when there is none.
double ParseFigure(const std::string& text);

// ---- the sections ------------------------------------------------------------------------------

// Our Targa, BMP and OBJ/MTL readers against stb_image and tinyobjloader (bench_readers.cpp).
void BenchReaders(const BenchCounts& counts, std::vector<BenchRow>* rows);
// Process start to the first frame presented, with each loader's share (bench_startup.cpp).
// `self` is the path of this program, started again as the measured child.
void BenchStartup(const BenchCounts& counts, const std::string& self, std::vector<BenchRow>* rows);
// The child's side: runs the start-up and reports its steps on stdout, `started` being the
// parent's clock reading just before it started the child. Never returns.
[[noreturn]] void RunStartupChild(const std::string& mode, double started);
// A window size the frames are measured at.
struct BenchSize {
    int width = 800;
    int height = 600;
};
// What a frame may take for 60 frames a second.
inline constexpr double kSixtiethOfASecond = 1.0 / 60.0;
// "1920x1080".
std::string SizeName(const BenchSize& size);
// The file a pose's frame at a size is written to: "pose3.png" at 800 by 600 (the name older
// benchmarks write), "pose3-1920x1080.png" at other sizes.
std::string PoseShotName(int pose, int width, int height);
// Frames from five poses, bare frames, text and pick at each size in turn (bench_frames.cpp).
// With `shotFolder` set, each pose's frame is also written there as a PNG. *renderer gets the GL
// renderer's name.
void BenchFrames(const BenchCounts& counts, const std::vector<BenchSize>& sizes,
                 const std::string& shotFolder, std::vector<BenchRow>* rows, std::string* renderer);
// One pose (1 to 5) drawn `frames` times in a row at the size, for a profiler to watch; prints
// the mean frame and how much of it was spent issuing the drawing and how much in the present.
void LoopPose(const BenchSize& size, int pose, int frames);
// The real game's CPU time while nothing happens (bench_idle.cpp). `game` is the game binary.
void BenchIdle(const BenchCounts& counts, const std::string& game, std::vector<BenchRow>* rows);

// Before and after (bench_compare.cpp). The rows another build's benchmark prints for one
// section, run from its own folder (shots written to `shotFolder` when not empty); the GL
// renderer it names goes to *renderer when given.
// `sizeOption` ("--size 1920x1080") is passed on when not empty.
std::vector<BenchRow> RunOtherBench(const std::string& bench, const std::string& section,
                                    bool quick, const std::string& shotFolder,
                                    const std::string& sizeOption, std::string* renderer = nullptr);
// One row per pose and size comparing the PNGs of two shot folders; true when every pose is the
// same picture (mean difference at most 1 level, no channel more than 3 levels away).
bool CompareShots(const std::string& beforeFolder, const std::string& afterFolder,
                  const std::vector<BenchSize>& sizes, std::vector<BenchRow>* rows);

// Wrappers round the reference libraries, so their large headers stay in one file
// (bench_reference.cpp).
struct ReferenceImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;  // bottom row first, 3 bytes a pixel
};
// stb_image's load of a Targa or BMP file, rows turned bottom first like ours.
bool ReferenceLoadImage(const char* path, ReferenceImage* image);
struct ReferenceModel {
    std::size_t positions = 0;
    std::size_t normals = 0;
    std::size_t texCoords = 0;
    std::size_t triangles = 0;
    std::size_t materials = 0;
};
// tinyobjloader's load of basePath.obj with the materials from its folder.
bool ReferenceLoadModel(const char* basePath, ReferenceModel* model, std::string* error);
// The timed forms: the library call alone, its result thrown away.
bool ReferenceLoadImageTimed(const char* path);
bool ReferenceLoadModelTimed(const char* basePath);
