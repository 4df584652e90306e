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

// What a shell command printed on standard output.
std::string RunCommand(const std::string& command);

// An X server of the test's own: other tests draw their own "Escape House" windows on the shared
// display at the same time. Name() is ":N", empty if it did not start.
class PrivateXServer {
public:
    PrivateXServer();
    ~PrivateXServer();
    const std::string& Name() const { return name_; }

private:
    pid_t pid_ = -1;
    std::string name_;
};

// A program started in `folder` (the first argument looked up in PATH when it has no '/'), its
// output and errors kept in files, `environment` set on top of the test's (an empty value
// unsets). Killed when the object goes, if still running.
class ChildProcess {
public:
    ChildProcess(const std::vector<std::string>& arguments, const std::string& folder,
                 const std::map<std::string, std::string>& environment = {});
    ~ChildProcess();
    // The exit status within `limit`, 256 plus the signal that killed it, or -1 if it still runs.
    int WaitForExit(std::chrono::milliseconds limit);
    void Signal(int signal);
    std::string Output() const;
    std::string Errors() const;

private:
    pid_t pid_ = -1;
    bool exited_ = false;
    std::string outputFile_;
    std::string errorFile_;
};

// The visible window titled "Escape House" on $DISPLAY within ten seconds; 0 if none appears.
Window FindGameWindow();
// A press and release of mouse `button` at window pixel x, y, then a moment for the game to draw.
void ClickWindow(Window window, int x, int y, int button = 1);
// Screenshots until `ready` accepts one, or the last after half a minute (a loaded machine draws
// slowly in software); empty if the window cannot be read.
Shot CaptureWhen(Display* display, Window window, const std::function<bool(const Shot&)>& ready);
// Mean difference per channel between a shot and a Targa picture stretched over it (255 when
// either is missing).
double DifferenceFromPicture(const Shot& shot, const std::string& picture);
// The text of a file; empty if it cannot be read.
std::string FileText(const std::string& path);
