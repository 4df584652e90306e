// The game binary as a player meets it: a process of its own on a private X server, its window
// found by title and looked at with the X server's own screenshots.
#pragma once

#include <X11/Xlib.h>   // Required for: Display, Window
#include <sys/types.h>  // Required for: pid_t

#include <chrono>      // Required for: std::chrono::milliseconds
#include <functional>  // Required for: std::function
#include <map>         // Required for: std::map
#include <string>      // Required for: std::string
#include <vector>      // Required for: std::vector

// A screenshot, R, G, B, top row first.
struct Shot {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
    const unsigned char* At(int x, int y) const {
        return &rgb[(static_cast<size_t>(y) * width + x) * 3];
    }
};

// Runs a shell command and returns what it printed on standard output.
std::string RunCommand(const std::string& command);

// An X server of the test's own: other tests draw their own "Escape House" windows on the
// shared display at the same time, and a test must find its game's window, not theirs.
class PrivateXServer {
public:
    PrivateXServer();
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;
    const std::string& Name() const { return name_; }  // ":N", empty if it did not start

private:
    pid_t pid_ = -1;
    std::string name_;
};

// A program started in `folder` with `arguments` (the first is the program, looked up in PATH
// when it has no '/'), its standard output and error kept in files, `environment` set on top
// of the test's own (an empty value unsets). Killed when the object goes, if still running.
class ChildProcess {
public:
    ChildProcess(const std::vector<std::string>& arguments, const std::string& folder,
                 const std::map<std::string, std::string>& environment = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits up to `limit` for the process to end: its exit status, 256 plus the number of a
    // signal that killed it without an exit, or -1 if it still runs.
    int WaitForExit(std::chrono::milliseconds limit);
    void Signal(int signal);
    std::string Output() const;  // standard output so far
    std::string Errors() const;  // standard error so far

private:
    pid_t pid_ = -1;
    bool exited_ = false;
    std::string outputFile_;
    std::string errorFile_;
};

// The visible window titled "Escape House" on $DISPLAY, waiting up to ten seconds for it; 0 if
// none appears.
Window FindGameWindow();
// A press and release of mouse `button` at window pixel x, y through xdotool, then a moment for
// the game to draw.
void ClickWindow(Window window, int x, int y, int button = 1);
// The window's content now; empty if it cannot be read.
Shot CaptureWindow(Display* display, Window window);
// Screenshots until `ready` accepts one, or the last after half a minute (a loaded machine draws
// slowly in software).
Shot CaptureWhen(Display* display, Window window, const std::function<bool(const Shot&)>& ready);
// Mean difference per channel between a shot and a Targa picture stretched over it (255 when
// either is missing).
double DifferenceFromPicture(const Shot& shot, const std::string& picture);
