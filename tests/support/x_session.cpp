// Private X servers, game processes and screenshots for the tests that run the game binary.
#include "support/x_session.h"

#include <X11/Xutil.h>  // Required for: XGetPixel()
#include <fcntl.h>      // Required for: open()
#include <signal.h>     // Required for: kill()
#include <sys/wait.h>   // Required for: waitpid()
#include <unistd.h>     // Required for: fork(), execvp()

#include <cmath>    // Required for: std::fabs()
#include <cstdio>   // Required for: popen()
#include <cstdlib>  // Required for: mkstemp(), setenv()
#include <fstream>  // Required for: std::ifstream
#include <sstream>  // Required for: std::istringstream, std::stringstream
#include <thread>   // Required for: std::this_thread::sleep_for()

#include "assets/targa_image.h"

using namespace std::chrono_literals;

namespace {

std::string TemporaryFile(const char* name) {
    std::string pattern = std::string("/tmp/") + name + "-XXXXXX";
    const int file = mkstemp(pattern.data());
    if (file >= 0) close(file);
    return pattern;
}

// The window's content now; empty if it cannot be read.
Shot CaptureWindow(Display* display, Window window) {
    Shot shot;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return shot;
    XImage* image =
        XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
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

}  // namespace

std::string FileText(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string RunCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    pclose(pipe);
    return output;
}

PrivateXServer::PrivateXServer() {
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
        execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
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

PrivateXServer::~PrivateXServer() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

ChildProcess::ChildProcess(const std::vector<std::string>& arguments, const std::string& folder,
                           const std::map<std::string, std::string>& environment)
    : outputFile_(TemporaryFile("eh-stdout")), errorFile_(TemporaryFile("eh-stderr")) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        if (chdir(folder.c_str()) != 0) _exit(101);
        const int output = open(outputFile_.c_str(), O_WRONLY | O_TRUNC);
        const int errors = open(errorFile_.c_str(), O_WRONLY | O_TRUNC);
        if (output >= 0) dup2(output, 1);
        if (errors >= 0) dup2(errors, 2);
        for (const auto& [name, value] : environment) {
            if (value.empty()) {
                unsetenv(name.c_str());
            } else {
                setenv(name.c_str(), value.c_str(), 1);
            }
        }
        execvp(argv[0], argv.data());
        _exit(102);
    }
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0 && !exited_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    unlink(outputFile_.c_str());
    unlink(errorFile_.c_str());
}

int ChildProcess::WaitForExit(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            exited_ = true;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 256 + WTERMSIG(status);
        }
        if (std::chrono::steady_clock::now() >= deadline) return -1;
        std::this_thread::sleep_for(10ms);
    }
}

void ChildProcess::Signal(int signal) {
    if (pid_ > 0 && !exited_) kill(pid_, signal);
}

std::string ChildProcess::Output() const {
    return FileText(outputFile_);
}

std::string ChildProcess::Errors() const {
    return FileText(errorFile_);
}

Window FindGameWindow() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::istringstream ids(
            RunCommand("xdotool search --onlyvisible --name '^Escape House$' 2>/dev/null"));
        unsigned long id = 0;
        if (ids >> id) return id;
        std::this_thread::sleep_for(100ms);
    }
    return 0;
}

void ClickWindow(Window window, int x, int y, int button) {
    RunCommand("xdotool mousemove --window " + std::to_string(window) + " " + std::to_string(x) +
               " " + std::to_string(y) + " click " + std::to_string(button) + " 2>/dev/null");
    std::this_thread::sleep_for(150ms);
}

Shot CaptureWhen(Display* display, Window window, const std::function<bool(const Shot&)>& ready) {
    Shot shot;
    for (int attempt = 0; attempt < 300; ++attempt) {
        shot = CaptureWindow(display, window);
        if (shot.width > 0 && ready(shot)) break;
        std::this_thread::sleep_for(100ms);
    }
    return shot;
}

double DifferenceFromPicture(const Shot& shot, const std::string& picture) {
    CTargaImage image;
    if (shot.width == 0 || !image.LoadFile(picture.c_str())) return 255.0;
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
