// The game as a package installs it: `cmake --install` into a staging folder, the tree then moved
// elsewhere, and the installed binary started from an empty folder, far from the build's Data.
#include <gtest/gtest.h>

#include <X11/Xlib.h>  // Required for: XOpenDisplay()
#include <signal.h>    // Required for: SIGINT, SIGTERM
#include <stdlib.h>    // Required for: mkdtemp()

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/x_session.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kBinary = ESCAPE_HOUSE_INSTALL_BINDIR "/escape-house";
const std::string kDataSet = ESCAPE_HOUSE_INSTALL_DATADIR "/Data";
const std::string kDesktopEntry = "share/applications/" ESCAPE_HOUSE_APP_ID ".desktop";
const std::string kMetadata = "share/metainfo/" ESCAPE_HOUSE_APP_ID ".metainfo.xml";

std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

// The exit status of a shell command, with its output appended to `output`.
int Shell(const std::string& command, std::string* output) {
    *output += RunCommand("(" + command + ") 2>&1; echo \"status $?\"");
    const std::size_t at = output->rfind("status ");
    const int status = std::stoi(output->substr(at + 7));
    output->erase(at);
    return status;
}

// One install for the whole suite: staged under DESTDIR with the prefix /usr, then the /usr tree
// moved to a folder of another name, as a player might unpack it anywhere.
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

    static fs::path root_;
    static fs::path tree_;
};
fs::path InstalledGame::root_;
fs::path InstalledGame::tree_;

// The value of `key` in a desktop entry's text.
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

// Without a display: answering must not need a window.
TEST_F(InstalledGame, OptionsAnswerWithoutAWindow) {
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string output, errors;  // text each must hold
    };
    const Case cases[] = {
        {{"--help"}, 0, "Usage: escape-house", ""},
        {{"-h"}, 0, kDataSet, ""},
        {{"--version"}, 0, "escape-house " ESCAPE_HOUSE_VERSION "\n", ""},
        {{"--fly"}, 2, "", "unknown option --fly"},
        {{"-display"}, 2, "", "option -display needs a value"},
        {{"-geometry", "640x480", "upstairs"}, 2, "", "unexpected argument upstairs"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> command{(tree_ / kBinary).string()};
        command.insert(command.end(), c.arguments.begin(), c.arguments.end());
        ChildProcess game(command, (root_ / "empty").string(), {{"DISPLAY", ""}});
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
    ChildProcess game({(bare / kBinary).string()}, (root_ / "empty").string(), {{"DISPLAY", ""}});
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

// Started as the menu starts it (its command line, in the moved tree), from an empty folder, and
// met with real X events: the start picture, START, the house with its countdown. A signal ends
// it at once with the status the manual page gives; played to an ending, QUIT ends it with 0.
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
        PrivateXServer server;
        ASSERT_FALSE(server.Name().empty()) << "cannot start a private Xvfb";
        setenv("DISPLAY", server.Name().c_str(), 1);
        Display* display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr) << server.Name();
        ChildProcess game({"sh", "-c", "exec " + command}, (root_ / "empty").string(),
                          {{"SDL_AUDIODRIVER", "dummy"}});
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
