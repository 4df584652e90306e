// The game binary as a player meets it: started in a real window under the X server, driven by
// real X events through xdotool, looked at with the X server's own screenshots.
#include <gtest/gtest.h>

#include <X11/Xlib.h>   // Required for: XOpenDisplay(), XGetImage()
#include <X11/Xutil.h>  // Required for: XGetPixel()
#include <fcntl.h>      // Required for: open()
#include <signal.h>     // Required for: kill()
#include <sys/wait.h>   // Required for: waitpid()
#include <unistd.h>     // Required for: fork(), execl()

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "assets/targa_image.h"

namespace {

using namespace std::chrono_literals;

struct Shot {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;  // top row first
    const unsigned char* At(int x, int y) const {
        return &rgb[(static_cast<size_t>(y) * width + x) * 3];
    }
};

std::string RunCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    pclose(pipe);
    return output;
}

// An X server of the test's own: other tests draw their own "Escape House" windows on the
// shared display at the same time, and xdotool must find this game's window, not theirs.
class PrivateXServer {
public:
    PrivateXServer() {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(pipeEnds[1], 3);
            close(pipeEnds[0]);
            const int null = open("/dev/null", O_WRONLY);
            if (null >= 0) {
                dup2(null, 1);
                dup2(null, 2);
            }
            execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten",
                   "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipeEnds[1]);
        // The server writes its display number once it accepts connections.
        char number[16] = {};
        ssize_t length = 0;
        while (length < static_cast<ssize_t>(sizeof number) - 1) {
            const ssize_t got = read(pipeEnds[0], number + length, 1);
            if (got <= 0 || number[length] == '\n') break;
            length += got;
        }
        close(pipeEnds[0]);
        if (length > 0) name_ = ":" + std::string(number, static_cast<size_t>(length));
    }
    ~PrivateXServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& Name() const { return name_; }

private:
    pid_t pid_ = -1;
    std::string name_;
};

// The game as a child process, with its stderr kept in a file.
class GameProcess {
public:
    explicit GameProcess(const std::string& stderrPath) {
        pid_ = fork();
        if (pid_ == 0) {
            if (chdir(ESCAPE_HOUSE_BUILD_DIR) != 0) _exit(101);
            const int errorFile = open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (errorFile >= 0) dup2(errorFile, 2);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            execl("./escape-house", "escape-house", static_cast<char*>(nullptr));
            _exit(102);
        }
    }
    ~GameProcess() {
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    // Waits up to `limit` for the process to end; its exit status, or -1 if it still runs.
    int WaitForExit(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(50ms);
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
    bool exited_ = false;
};

class RealInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(server_.Name().empty()) << "cannot start a private Xvfb";
        setenv("DISPLAY", server_.Name().c_str(), 1);
        display_ = XOpenDisplay(nullptr);
        ASSERT_NE(display_, nullptr) << "cannot open " << server_.Name();
    }
    void TearDown() override {
        if (display_ != nullptr) XCloseDisplay(display_);
    }

    // The window titled "Escape House", waiting for it to appear.
    bool FindWindow() {
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::istringstream ids(
                RunCommand("xdotool search --onlyvisible --name '^Escape House$' 2>/dev/null"));
            unsigned long id = 0;
            if (ids >> id) {
                window_ = id;
                return true;
            }
            std::this_thread::sleep_for(100ms);
        }
        return false;
    }

    Shot Capture() {
        Shot shot;
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display_, window_, &attributes)) return shot;
        XImage* image = XGetImage(display_, window_, 0, 0, attributes.width, attributes.height,
                                  AllPlanes, ZPixmap);
        if (image == nullptr) return shot;
        shot.width = attributes.width;
        shot.height = attributes.height;
        shot.rgb.resize(static_cast<size_t>(shot.width) * shot.height * 3);
        for (int y = 0; y < shot.height; ++y) {
            for (int x = 0; x < shot.width; ++x) {
                const unsigned long pixel = XGetPixel(image, x, y);
                unsigned char* out = &shot.rgb[(static_cast<size_t>(y) * shot.width + x) * 3];
                out[0] = static_cast<unsigned char>((pixel & image->red_mask) >> 16);
                out[1] = static_cast<unsigned char>((pixel & image->green_mask) >> 8);
                out[2] = static_cast<unsigned char>(pixel & image->blue_mask);
            }
        }
        XDestroyImage(image);
        return shot;
    }

    // Takes screenshots until `ready` accepts one, or gives up after half a minute (a loaded
    // machine draws slowly in software).
    Shot CaptureWhen(const std::function<bool(const Shot&)>& ready) {
        Shot shot;
        for (int attempt = 0; attempt < 300; ++attempt) {
            shot = Capture();
            if (shot.width > 0 && ready(shot)) break;
            std::this_thread::sleep_for(100ms);
        }
        return shot;
    }

    void Click(int x, int y, int button = 1) {
        RunCommand("xdotool mousemove --window " + std::to_string(window_) + " " +
                   std::to_string(x) + " " + std::to_string(y) + " click " +
                   std::to_string(button) + " 2>/dev/null");
        std::this_thread::sleep_for(150ms);
    }
    void Keys(const std::string& keys) {
        // Without a window manager xdotool sends the keys to the window directly and complains
        // about the input focus on stderr; the game takes them all the same.
        RunCommand("xdotool key --window " + std::to_string(window_) + " --delay 0 " + keys +
                   " 2>/dev/null");
        std::this_thread::sleep_for(150ms);
    }

    PrivateXServer server_;
    Display* display_ = nullptr;
    Window window_ = 0;
};

// Mean difference per channel between a shot and a Targa picture stretched over it.
double DifferenceFromPicture(const Shot& shot, const char* picture) {
    CTargaImage image;
    if (shot.width == 0 || !image.LoadFile(picture)) return 255.0;
    double total = 0;
    int samples = 0;
    for (int j = 1; j < 24; ++j) {
        for (int i = 1; i < 32; ++i) {
            const int x = shot.width * i / 32;
            const int y = shot.height * j / 24;
            const int u = x * image.Width() / shot.width;
            const int v = (shot.height - 1 - y) * image.Height() / shot.height;
            const unsigned char* expected =
                image.Pixels() + (static_cast<size_t>(v) * image.Width() + u) * 3;
            for (int c = 0; c < 3; ++c)
                total += std::fabs(double(expected[c]) - double(shot.At(x, y)[c]));
            ++samples;
        }
    }
    return total / (samples * 3.0);
}

std::string Repeat(const std::string& key, int times) {
    std::string keys;
    for (int i = 0; i < times; ++i) keys += (i ? " " : "") + key;
    return keys;
}

bool SamePixel(const Shot& a, const Shot& b, int x, int y) {
    return a.width == b.width && a.height == b.height &&
           std::memcmp(a.At(x, y), b.At(x, y), 3) == 0;
}

// True when the HUD's countdown colour (1.0, 0.8, 0.6) shows near where the countdown starts.
bool CountdownShown(const Shot& shot) {
    for (int y = 46; y < 60 && y < shot.height; ++y) {
        for (int x = shot.width - 46; x < shot.width - 10; ++x) {
            const unsigned char* p = shot.At(x, y);
            if (p[0] > 200 && p[1] > 150 && p[1] < 225 && p[2] > 100 && p[2] < 180 && p[0] > p[1] &&
                p[1] > p[2]) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(RealInputTest, StartPlayAndQuitWithTheMouseAndKeyboard) {
    const std::string errors = std::string(ESCAPE_HOUSE_BUILD_DIR) + "/real-input-stderr.txt";
    GameProcess game(errors);
    ASSERT_TRUE(FindWindow()) << "no window titled Escape House appeared";

    // The start picture covers the window.
    Shot shot = CaptureWhen(
        [](const Shot& s) { return DifferenceFromPicture(s, "Data/Picture/start.tga") < 12; });
    ASSERT_EQ(shot.width, 800);
    ASSERT_EQ(shot.height, 600);
    EXPECT_LT(DifferenceFromPicture(shot, "Data/Picture/start.tga"), 12);

    // START: the house and the HUD corner with the countdown.
    Click(400, 420);
    shot = CaptureWhen(CountdownShown);
    EXPECT_TRUE(CountdownShown(shot)) << "no countdown after START";
    EXPECT_GT(DifferenceFromPicture(shot, "Data/Picture/start.tga"), 30);

    // The hammer lies on the cabinet to the right: fifteen turns to the right face it, and it
    // lies at (362, 447) from there. Taking it puts its icon in slot 3 of the bar.
    const Shot emptyBar = shot;
    const int slotX = 800 - 180 + 84, slotY = 100 - 18;
    Keys(Repeat("d", 15));
    Click(362, 447);
    shot = CaptureWhen([&](const Shot& s) { return !SamePixel(s, emptyBar, slotX, slotY); });
    EXPECT_FALSE(SamePixel(shot, emptyBar, slotX, slotY)) << "no hammer icon in slot 3";

    // Use the hammer, turn round to the window behind and break it: the fall's end picture.
    Click(slotX, slotY);
    Keys(Repeat("d", 30));
    Click(400, 300);
    shot = CaptureWhen(
        [](const Shot& s) { return DifferenceFromPicture(s, "Data/Picture/ending2.tga") < 12; });
    EXPECT_LT(DifferenceFromPicture(shot, "Data/Picture/ending2.tga"), 12);

    // QUIT ends the program, and quitting is not a failure.
    Click(608, 459);
    EXPECT_EQ(game.WaitForExit(10s), 0);
    std::ifstream stderrFile(errors);
    std::stringstream text;
    text << stderrFile.rdbuf();
    EXPECT_EQ(text.str().find("rror"), std::string::npos) << text.str();
}

}  // namespace
