// The real game left alone: its CPU time (all threads, from /proc) over ten seconds of wall
// time, first on the start picture, then in the house after a real click on the start button.
// Nothing but the countdown's one frame a second should cost anything.
#include <X11/Xlib.h>   // Required for: XOpenDisplay(), XGetImage(), XGetPixel()
#include <X11/Xutil.h>  // Required for: XGetPixel(), XDestroyImage()
#include <fcntl.h>      // Required for: open()
#include <signal.h>     // Required for: kill()
#include <sys/wait.h>   // Required for: waitpid()
#include <unistd.h>     // Required for: fork(), execl(), sysconf()

#include <chrono>   // Required for: std::chrono::milliseconds
#include <cstdio>   // Required for: std::fprintf(), popen()
#include <cstring>  // Required for: std::strrchr()
#include <fstream>  // Required for: std::ifstream
#include <sstream>  // Required for: std::istringstream
#include <thread>   // Required for: std::this_thread::sleep_for()

#include "bench.h"

namespace {

// User and system time of the whole process, all threads, in seconds; negative when gone.
double ProcessCpuSeconds(pid_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(file, line)) return -1.0;
    // The command name may hold blanks; the fields counted here start after its ')'.
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) return -1.0;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    unsigned long long user = 0, system = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14) user = std::stoull(field);
        if (index == 15) {
            system = std::stoull(field);
            break;
        }
    }
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

void SleepSeconds(double seconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(static_cast<long>(seconds * 1000)));
}

std::string Command(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    pclose(pipe);
    while (!output.empty() && (output.back() == '\n' || output.back() == ' ')) output.pop_back();
    return output;
}

// A coarse look at the window: a grid of pixels from the X server.
std::vector<unsigned long> WindowSamples(unsigned long window) {
    std::vector<unsigned long> samples;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return samples;
    XImage* image = XGetImage(display, window, 0, 0, 800, 600, AllPlanes, ZPixmap);
    if (image != nullptr) {
        for (int y = 30; y < 600; y += 60) {
            for (int x = 40; x < 800; x += 80) samples.push_back(XGetPixel(image, x, y));
        }
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return samples;
}

// Waits until the start-up's loading is over: two half seconds in a row in which the game used
// less than a fifth of a core.
bool WaitUntilSettled(pid_t pid) {
    double before = ProcessCpuSeconds(pid);
    int quiet = 0;
    for (int i = 0; i < 120 && quiet < 2; ++i) {
        SleepSeconds(0.5);
        const double now = ProcessCpuSeconds(pid);
        if (now < 0) return false;
        quiet = now - before < 0.1 ? quiet + 1 : 0;
        before = now;
    }
    return quiet >= 2;
}

// The median share of one core the game used over `runs` windows of `seconds`.
double IdleShare(pid_t pid, int runs, double seconds) {
    std::vector<double> shares;
    for (int run = 0; run < runs; ++run) {
        const double cpuBefore = ProcessCpuSeconds(pid);
        const double wallBefore = NowSeconds();
        SleepSeconds(seconds);
        const double cpuAfter = ProcessCpuSeconds(pid);
        const double wallAfter = NowSeconds();
        if (cpuBefore < 0 || cpuAfter < 0) return -1.0;
        shares.push_back((cpuAfter - cpuBefore) / (wallAfter - wallBefore));
    }
    return Median(shares);
}

BenchRow IdleRow(const std::string& where, double share, const BenchCounts& counts) {
    BenchRow row;
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%g", counts.idleSeconds);
    row.what = "Idle CPU of the game, " + where + ", " + seconds + " s without input";
    row.ours = FormatPercent(share) + " of a core";
    row.goal = "< 2 % of a core";
    row.verdict = Verdict(share < 0.02);
    return row;
}

}  // namespace

void BenchIdle(const BenchCounts& counts, const std::string& game, std::vector<BenchRow>* rows) {
    std::string folder = game;
    const std::size_t slash = folder.find_last_of('/');
    folder = slash == std::string::npos ? "." : folder.substr(0, slash);
    const pid_t pid = fork();
    if (pid < 0) return;
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0) _exit(126);
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) {
            dup2(quiet, 1);
            dup2(quiet, 2);
        }
        execl(game.c_str(), game.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    // SIGKILL: it also stops a game that never came up, and the measurement needs no clean end.
    auto stop = [pid] {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    };
    const std::string window =
        Command("timeout 60 xdotool search --sync --name '^Escape House$' | head -n 1");
    if (window.empty() || !WaitUntilSettled(pid)) {
        std::fprintf(stderr, "escape-house-bench: the game at %s did not come up\n", game.c_str());
        stop();
        return;
    }
    const unsigned long windowId = std::stoul(window);
    const double onStart = IdleShare(pid, counts.idleRuns, counts.idleSeconds);
    rows->push_back(IdleRow("start picture", onStart, counts));

    // The start button spans 40 to 60 % of the width and 65 to 75 % of the height.
    const std::vector<unsigned long> startPicture = WindowSamples(windowId);
    Command("xdotool mousemove --window " + window + " 400 420 click 1");
    SleepSeconds(1.5);
    if (WindowSamples(windowId) == startPicture) {
        std::fprintf(stderr, "escape-house-bench: the click on the start button changed nothing\n");
        stop();
        return;
    }
    const double inHouse = IdleShare(pid, counts.idleRuns, counts.idleSeconds);
    rows->push_back(IdleRow("in the house", inHouse, counts));
    stop();
}
