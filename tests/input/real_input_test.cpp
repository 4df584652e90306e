// The game binary as a player meets it: started in a real window under the X server, driven by
// real X events through xdotool, looked at with the X server's own screenshots.
#include <gtest/gtest.h>

#include <X11/Xlib.h>  // Required for: XOpenDisplay()

#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "support/x_session.h"

namespace {

using namespace std::chrono_literals;

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

    bool FindWindow() {
        window_ = FindGameWindow();
        return window_ != 0;
    }
    Shot CaptureWhen(const std::function<bool(const Shot&)>& ready) {
        return ::CaptureWhen(display_, window_, ready);
    }

    void Click(int x, int y, int button = 1) { ClickWindow(window_, x, y, button); }
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
    ChildProcess game({"./escape-house"}, ESCAPE_HOUSE_BUILD_DIR, {{"SDL_AUDIODRIVER", "dummy"}});
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
    EXPECT_EQ(game.Errors().find("rror"), std::string::npos) << game.Errors();
}

}  // namespace
