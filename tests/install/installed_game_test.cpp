// The game as a package installs it, moved, started from an empty folder on its own X server.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "assets/targa_image.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Shot {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    const unsigned char* At(int x, int y) const {
        return &rgb[(static_cast<size_t>(y) * width + x) * 3];
    }
};

std::string FileText(const std::string& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::string RunCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[256];
    while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    if (pipe != nullptr) pclose(pipe);
    return output;
}

// A program run in `folder` with output in files there; `displayFd`: its fd 3's first line.
class ChildProcess {
public:
    ChildProcess(std::vector<std::string> arguments, const std::string& folder,
                 bool displayFd = false)
        : out_(folder + "/out"), err_(folder + "/err") {
        int pipeEnds[2];
        std::vector<char*> argv;
        if (pipe(pipeEnds) != 0) return;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        pid_ = fork();
        if (pid_ == 0) {
            const int output = open(out_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int errors = open(err_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (chdir(folder.c_str()) != 0 || output < 0 || errors < 0) _exit(101);
            dup2(output, 1), dup2(errors, 2);
            if (displayFd) dup2(pipeEnds[1], 3);
            execvp(argv[0], argv.data());
            _exit(102);
        }
        close(pipeEnds[1]);
        for (char c; displayFd && read(pipeEnds[0], &c, 1) == 1 && c != '\n';) fd3_ += c;
        close(pipeEnds[0]);
    }
    ~ChildProcess() { Signal(SIGTERM), WaitForExit(5s), Signal(SIGKILL), WaitForExit(5s); }
    int WaitForExit(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        for (int status = 0; pid_ > 0 && !exited_;) {
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 256 + WTERMSIG(status);
            } else if (std::chrono::steady_clock::now() >= deadline) {
                return -1;
            }
            std::this_thread::sleep_for(10ms);
        }
        return status_;
    }
    void Signal(int signal) {
        if (pid_ > 0 && !exited_) kill(pid_, signal);
    }
    std::string Output() const { return FileText(out_); }
    std::string Errors() const { return FileText(err_); }
    const std::string& Fd3() const { return fd3_; }

private:
    pid_t pid_ = -1;
    bool exited_ = false;
    int status_ = -1;
    std::string out_, err_, fd3_;
};

Shot CaptureWindow(Display* display, Window window) {
    Shot shot;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return shot;
    XImage* image =
        XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr) return shot;
    shot.width = attributes.width, shot.height = attributes.height;
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            shot.rgb.insert(shot.rgb.end(), {static_cast<unsigned char>(pixel >> 16),
                                             static_cast<unsigned char>(pixel >> 8),
                                             static_cast<unsigned char>(pixel)});
        }
    }
    XDestroyImage(image);
    return shot;
}

// The visible window titled "Escape House" within ten seconds; 0 if none appears.
Window FindGameWindow() {
    return std::strtoul(RunCommand("timeout 10 xdotool search --sync --onlyvisible --name "
                                   "'^Escape House$' 2>/dev/null")
                            .c_str(),
                        nullptr, 10);
}

void ClickWindow(Window window, int x, int y) {
    RunCommand("xdotool mousemove --window " + std::to_string(window) + " " + std::to_string(x) +
               " " + std::to_string(y) + " click 1 2>/dev/null");
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
            const int x = shot.width * i / 32, y = shot.height * j / 24;
            const int u = x * image.Width() / shot.width,
                      v = (shot.height - 1 - y) * image.Height() / shot.height;
            const unsigned char* expected =
                image.Pixels() + (static_cast<size_t>(v) * image.Width() + u) * 3;
            for (int c = 0; c < 3; ++c)
                total += std::fabs(double(expected[c]) - double(shot.At(x, y)[c]));
            ++samples;
        }
    }
    return total / (samples * 3.0);
}

const std::string kBinary = ESCAPE_HOUSE_INSTALL_BINDIR "/escape-house";
const std::string kDataSet = ESCAPE_HOUSE_INSTALL_DATADIR "/Data";
const std::string kDesktopEntry = "share/applications/" ESCAPE_HOUSE_APP_ID ".desktop";
const std::string kMetadata = "share/metainfo/" ESCAPE_HOUSE_APP_ID ".metainfo.xml";

std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

int Shell(const std::string& command, std::string* output) {
    *output += RunCommand("(" + command + ") 2>&1; echo \"status $?\"");
    const std::size_t at = output->rfind("status ");
    const int status = std::stoi(output->substr(at + 7));
    output->erase(at);
    return status;
}

// One install for the suite (DESTDIR, prefix /usr), its tree moved as if unpacked anywhere.
class InstalledGame : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/eh-install-XXXXXX";
        root_ = mkdtemp(pattern);
        std::string output;
        const int status = Shell("DESTDIR=" + Quoted(root_ / "stage") + " cmake --install " +
                                     Quoted(ESCAPE_HOUSE_BUILD_DIR) + " --prefix /usr",
                                 &output);
        ASSERT_EQ(status, 0) << output;
        tree_ = root_ / "moved" / "escape-house-tree";
        fs::create_directories(tree_.parent_path());
        fs::rename(root_ / "stage" / "usr", tree_);
        fs::create_directories(root_ / "empty");
    }
    static void TearDownTestSuite() { fs::remove_all(root_); }

    static fs::path root_, tree_;
};
fs::path InstalledGame::root_, InstalledGame::tree_;

std::string DesktopValue(const std::string& entry, const std::string& key) {
    std::istringstream lines(entry);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
    }
    return "";
}

TEST_F(InstalledGame, LaysItselfOutAsADebianGameWithAValidMenuEntryAndMetadata) {
    for (const std::string& file :
         {kBinary, kDataSet + "/Picture/start.tga", kDataSet + "/Model/house_main.obj",
          kDataSet + "/BGM.wav", kDesktopEntry, kMetadata,
          std::string("share/icons/hicolor/256x256/apps/escape-house.png"),
          std::string("share/icons/hicolor/48x48/apps/escape-house.png"),
          std::string("share/man/man6/escape-house.6.gz"),
          std::string("share/doc/escape-house/copyright")}) {
        EXPECT_TRUE(fs::is_regular_file(tree_ / file)) << file;
    }
    EXPECT_FALSE(fs::exists(tree_ / kDataSet / ".generated")) << "a build stamp was installed";
    EXPECT_NE(fs::status(tree_ / kBinary).permissions() & fs::perms::others_exec, fs::perms::none);
    // The menu starts the installed binary where the installed Data lies, for the prefix the
    // tree was installed to.
    const std::string entry = FileText(tree_ / kDesktopEntry);
    EXPECT_EQ(DesktopValue(entry, "Exec"), "/usr/" + kBinary);
    EXPECT_EQ(DesktopValue(entry, "Path"), "/usr/" ESCAPE_HOUSE_INSTALL_DATADIR);
    for (const std::string& command :
         {"desktop-file-validate " + Quoted(tree_ / kDesktopEntry),
          "appstreamcli validate --no-net " + Quoted(tree_ / kMetadata)}) {
        std::string output;
        EXPECT_EQ(Shell(command, &output), 0) << command << "\n" << output;
        EXPECT_EQ(output.find("E: "), std::string::npos) << command << "\n" << output;
    }
}

TEST_F(InstalledGame, OptionsAnswerWithoutAWindow) {
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string output, errors;  // text each must hold
    };
    const Case cases[] = {
        {{"--help"}, 0, kDataSet, ""},  // the usage names the installed data set
        {{"--version"}, 0, "escape-house " ESCAPE_HOUSE_VERSION "\n", ""},
        {{"--fly"}, 2, "", "unknown option --fly"},
        {{"-display"}, 2, "", "option -display needs a value"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> command{"env", "-u", "DISPLAY", (tree_ / kBinary).string()};
        command.insert(command.end(), c.arguments.begin(), c.arguments.end());
        ChildProcess game(command, (root_ / "empty").string());
        EXPECT_EQ(game.WaitForExit(10s), c.status) << c.arguments[0];
        EXPECT_NE(game.Output().find(c.output), std::string::npos) << game.Output();
        EXPECT_NE(game.Errors().find(c.errors), std::string::npos) << game.Errors();
        if (c.status == 2) {
            EXPECT_EQ(game.Output(), "");
            EXPECT_NE(game.Errors().find("Usage:"), std::string::npos) << game.Errors();
        }
    }
}

TEST_F(InstalledGame, WithoutItsDataSetItNamesEveryPlaceItLooked) {
    const fs::path bare = root_ / "bare";
    fs::create_directories(bare / ESCAPE_HOUSE_INSTALL_BINDIR);
    fs::copy_file(tree_ / kBinary, bare / kBinary);
    ChildProcess game({"env", "-u", "DISPLAY", (bare / kBinary).string()},
                      (root_ / "empty").string());
    EXPECT_EQ(game.WaitForExit(10s), 1);
    const std::string errors = game.Errors();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_NE(errors.find("./Data"), std::string::npos) << errors;
    EXPECT_NE(errors.find((bare / kDataSet).string()), std::string::npos) << errors;
    // A copy of the binary never reaches back into the build folder it came from.
    EXPECT_EQ(errors.find(ESCAPE_HOUSE_BUILD_DIR), std::string::npos) << errors;
}

bool SamePixel(const Shot& a, const Shot& b, int x, int y) {
    return a.width == b.width && a.height == b.height &&
           std::equal(a.At(x, y), a.At(x, y) + 3, b.At(x, y));
}

// True when the countdown's colour (1.0, 0.8, 0.6) shows where the countdown starts.
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

// The house as shown, without the HUD corner's countdown: a grid of pixels over the view.
bool SameView(const Shot& a, const Shot& b) {
    if (a.width != b.width || a.height != b.height || a.width < 800 || a.height < 600) return false;
    for (int y = 150; y < 560; y += 9) {
        for (int x = 40; x < 600; x += 7) {
            if (!SamePixel(a, b, x, y)) return false;
        }
    }
    return true;
}

// The menu's command line and real X events: a signal ends it as the manual says, QUIT with 0.
TEST_F(InstalledGame, StartsFromTheMenuPlaysWithRealInputAndEnds) {
    const struct {
        int signal;  // 0: played to the fall's ending and left through QUIT
        int status;
    } cases[] = {{SIGTERM, 143}, {SIGINT, 130}, {0, 0}};
    std::string command = DesktopValue(FileText(tree_ / kDesktopEntry), "Exec");
    ASSERT_EQ(command.rfind("/usr/", 0), 0u) << command;
    command.replace(0, 4, tree_.string());
    const std::string pictures = (tree_ / kDataSet / "Picture/").string();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.signal);
        ChildProcess server(
            {"Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
            root_.string(), true);
        ASSERT_FALSE(server.Fd3().empty()) << "cannot start a private Xvfb";
        setenv("DISPLAY", (":" + server.Fd3()).c_str(), 1);
        Display* display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr) << server.Fd3();
        ChildProcess game({"sh", "-c", "exec env SDL_AUDIODRIVER=dummy " + command},
                          (root_ / "empty").string());
        const Window window = FindGameWindow();
        ASSERT_NE(window, 0u) << game.Errors();
        const auto shows = [&](const char* picture) {
            const std::string path = pictures + picture;
            const Shot shot = CaptureWhen(display, window, [&](const Shot& s) {
                return DifferenceFromPicture(s, path) < 12;
            });
            return DifferenceFromPicture(shot, path) < 12;
        };
        EXPECT_TRUE(shows("start.tga"));
        if (c.signal != SIGTERM) {
            ClickWindow(window, 400, 420);  // START
            EXPECT_TRUE(CountdownShown(CaptureWhen(display, window, CountdownShown)));
        }
        if (c.signal == 0) {
            // D held on the real keyboard (XTEST, as a player's hand) turns the view on and on,
            // and stops at the release; taps of A, one turn each, then count the turns back to
            // the view at the start: more than a tap's one, however the events were timed.
            const Shot atStart = CaptureWhen(display, window, CountdownShown);
            const std::string target = " --window " + std::to_string(window);
            RunCommand("xdotool keydown d 2>/dev/null");
            std::this_thread::sleep_for(700ms);
            RunCommand("xdotool keyup d 2>/dev/null");
            std::this_thread::sleep_for(300ms);
            const Shot released = CaptureWindow(display, window);
            std::this_thread::sleep_for(500ms);
            EXPECT_TRUE(SameView(released, CaptureWindow(display, window)))
                << "the view still turns after the release";
            int tapsBack = 0;
            Shot view = released;
            while (!SameView(view, atStart) && tapsBack < 90) {
                RunCommand("xdotool key" + target + " a 2>/dev/null");
                ++tapsBack;
                const Shot before = view;
                view = CaptureWhen(display, window, [&](const Shot& s) {
                    return !SameView(s, before) || SameView(s, atStart);
                });
            }
            EXPECT_TRUE(SameView(view, atStart)) << "taps of A did not turn the view back";
            EXPECT_GE(tapsBack, 3) << "a held D turned no more than a tap";
            // P dims the house under the word that it is paused; W does nothing then; P again
            // brings back the same view.
            const auto brightness = [](const Shot& s) {
                long sum = 0;
                for (int y = 150; y < 560; y += 9) {
                    for (int x = 40; x < 600; x += 7)
                        sum += s.At(x, y)[0] + s.At(x, y)[1] + s.At(x, y)[2];
                }
                return sum;
            };
            RunCommand("xdotool key" + target + " p w 2>/dev/null");
            const Shot paused = CaptureWhen(display, window, [&](const Shot& s) {
                return brightness(s) < brightness(atStart) * 3 / 4;
            });
            EXPECT_LT(brightness(paused), brightness(atStart) * 3 / 4) << "P did not dim the house";
            RunCommand("xdotool key" + target + " p 2>/dev/null");
            EXPECT_TRUE(SameView(
                CaptureWhen(display, window, [&](const Shot& s) { return SameView(s, atStart); }),
                atStart))
                << "P again did not bring the same view back (or W moved a paused game)";
            // M is remembered in the settings file under XDG_CONFIG_HOME, and M again undoes it.
            const char* configHome = std::getenv("XDG_CONFIG_HOME");
            ASSERT_NE(configHome, nullptr);
            const fs::path settings = fs::path(configHome) / "escape-house" / "settings";
            for (const char* muted : {"muted=1", "muted=0"}) {
                RunCommand("xdotool key" + target + " m 2>/dev/null");
                bool written = false;
                for (int attempt = 0; attempt < 50 && !written; ++attempt) {
                    written = FileText(settings).find(muted) != std::string::npos;
                    if (!written) std::this_thread::sleep_for(100ms);
                }
                EXPECT_TRUE(written)
                    << muted << " not in " << settings << ": " << FileText(settings);
            }
            // Fifteen turns to the right face the hammer on the cabinet; taking it puts its icon
            // in slot 3 of the bar.
            const Shot emptyBar = CaptureWhen(display, window, CountdownShown);
            const int slotX = 800 - 180 + 84, slotY = 100 - 18;
            const auto turnRight = [&](int times) {
                std::string keys;
                for (int i = 0; i < times; ++i) keys += " d";
                RunCommand("xdotool key --window " + std::to_string(window) + " --delay 0" + keys +
                           " 2>/dev/null");
                std::this_thread::sleep_for(150ms);
            };
            turnRight(15);
            ClickWindow(window, 362, 447);
            const Shot taken = CaptureWhen(display, window, [&](const Shot& s) {
                return !SamePixel(s, emptyBar, slotX, slotY);
            });
            EXPECT_FALSE(SamePixel(taken, emptyBar, slotX, slotY)) << "no hammer in slot 3";
            // Raise the hammer, turn round to the window behind and break it.
            ClickWindow(window, slotX, slotY);
            turnRight(30);
            ClickWindow(window, 400, 300);
            EXPECT_TRUE(shows("ending2.tga"));
            ClickWindow(window, 608, 459);  // QUIT
        }
        XCloseDisplay(display);
        if (c.signal != 0) game.Signal(c.signal);
        EXPECT_EQ(game.WaitForExit(c.signal != 0 ? 1s : 10s), c.status);
        EXPECT_EQ(game.Errors().find("rror"), std::string::npos) << game.Errors();
    }
}

}  // namespace
