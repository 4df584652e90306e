// Frames of the house from five fixed poses at each window size asked for: the whole frame against
// a bare one (clear and swap only, what any frame costs at least), the part the HUD texts take of
// it once their glyphs are cached, and the pick the mouse callback makes on the frame's depth
// buffer. Every timed piece ends with glFinish, so what the renderer queued is paid for where it
// was queued.
#include <GL/freeglut.h>  // Required for: glutMainLoopEvent(), glutSwapBuffers()
#include <png.h>          // Required for: png_image_write_to_file()

#include <algorithm>  // Required for: std::copy_n()
#include <chrono>     // Required for: std::chrono::milliseconds
#include <cstdio>     // Required for: std::snprintf(), std::fprintf()
#include <thread>     // Required for: std::this_thread::sleep_for()

#include "app/frame.h"
#include "app/scene.h"
#include "assets/obj_model.h"
#include "assets/skybox.h"
#include "assets/view_volume.h"
#include "bench.h"
#include "core/game_state.h"
#include "gameplay/picking.h"
#include "hud/hud_font.h"
#include "hud/hud_text.h"
#include "hud/overlay_layout.h"
#include "platform/clock.h"
#include "platform/data_path.h"
#include "platform/sound.h"
#include "platform/toolkit.h"
#include "world/camera.h"

namespace {

// The window's size while a size's frames are measured.
int g_width = 800;
int g_height = 600;

struct Pose {
    const char* name;
    float x, y, z, yaw;  // floor position and heading, as the keyboard leaves them
};

// Both floors, looking into rooms, down the stairs and along the long ground-floor hall.
constexpr Pose kPoses[5] = {
    {"upstairs start", 3.0f, 3.0f, -1.0f, 0.0f},
    {"upstairs, towards the bed", 3.5f, 3.0f, -2.5f, 90.0f},
    {"upstairs, towards the stairs", 2.0f, 3.0f, -4.2f, 270.0f},
    {"ground floor hall", 6.0f, 0.0f, -3.0f, 0.0f},
    {"ground floor, across the hall", 8.0f, 0.0f, -3.0f, 90.0f},
};

void Place(const Pose& pose) {
    g_playerX = pose.x;
    g_playerY = pose.y;
    g_playerZ = pose.z;
    g_prevPlayerX = pose.x;
    g_prevPlayerZ = pose.z;
    g_yaw = pose.yaw;
    g_posX = 3.0f - pose.x;
    g_posY = 3.0f - pose.y;
    g_posZ = -1.0f - pose.z;
}

void Present() {
    glutSwapBuffers();
    glFinish();
}

std::vector<unsigned char> g_capture;  // top row first

void CaptureAndPresent() {
    std::vector<unsigned char> bottomFirst(static_cast<std::size_t>(g_width) * g_height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, g_width, g_height, GL_RGB, GL_UNSIGNED_BYTE, bottomFirst.data());
    g_capture.resize(bottomFirst.size());
    const std::size_t rowBytes = static_cast<std::size_t>(g_width) * 3;
    for (int row = 0; row < g_height; ++row) {
        std::copy_n(&bottomFirst[rowBytes * static_cast<std::size_t>(g_height - 1 - row)], rowBytes,
                    &g_capture[rowBytes * static_cast<std::size_t>(row)]);
    }
    Present();
}

void WriteShot(const std::string& folder, int pose) {
    Toolkit().swapBuffers = CaptureAndPresent;
    OnDisplay();
    Toolkit().swapBuffers = Present;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(g_width);
    image.height = static_cast<png_uint_32>(g_height);
    image.format = PNG_FORMAT_RGB;
    const std::string path = folder + "/" + PoseShotName(pose + 1, g_width, g_height);
    if (png_image_write_to_file(&image, path.c_str(), 0, g_capture.data(), 0, nullptr) == 0) {
        std::fprintf(stderr, "escape-house-bench: cannot write %s\n", path.c_str());
    }
}

// The window as the frame sets it up for the countdown (a projection of one unit a pixel, no
// depth test, no light, no texture, the text colour), with `draw` run at the countdown's raster
// position; everything is put back after.
void AtCountdown(const OverlayLayout& layout, const std::function<void()>& draw) {
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, g_width, 0, g_height, -1, 1);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glBindTexture(GL_TEXTURE_2D, 0);
    glColor3f(1.0f, 0.8f, 0.6f);
    glRasterPos2i(layout.countdownX, layout.countdownBaseline);
    draw();
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
}

// The window grown (or shrunk) to the size, waited for until the server has done it (two
// seconds at most), so that no frame is drawn into the old one; then the game's reshape.
void SizeWindow(const BenchSize& size) {
    glutReshapeWindow(size.width, size.height);
    for (int waited = 0; waited < 2000; waited += 5) {
        glutMainLoopEvent();
        if (glutGet(GLUT_WINDOW_WIDTH) == size.width &&
            glutGet(GLUT_WINDOW_HEIGHT) == size.height) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    g_width = size.width;
    g_height = size.height;
    OnReshape(size.width, size.height);
}

}  // namespace

std::string PoseShotName(int pose, int width, int height) {
    // The 800 by 600 frames keep their old names, so that older benchmarks compare with these.
    const std::string size = width == 800 && height == 600
                                 ? ""
                                 : "-" + std::to_string(width) + "x" + std::to_string(height);
    return "pose" + std::to_string(pose) + size + ".png";
}

std::string SizeName(const BenchSize& size) {
    return std::to_string(size.width) + "x" + std::to_string(size.height);
}

namespace {

void BenchFramesAtSize(const BenchCounts& counts, const BenchSize& size,
                       const std::string& shotFolder, std::vector<BenchRow>* rows) {
    // The rows at 800 by 600 keep their old names, so that older benchmarks join them.
    const std::string at = size.width == 800 && size.height == 600 ? "" : " at " + SizeName(size);
    std::vector<double> fullFrames, countdownTexts, hintTexts, picks, skies, houses;
    for (int p = 0; p < 5; ++p) {
        Place(kPoses[p]);
        for (int warm = 0; warm < 3; ++warm) OnDisplay();  // glyphs cached, textures resident
        if (!shotFolder.empty()) WriteShot(shotFolder, p);

        std::vector<double> full, bare;
        for (int run = 0; run < counts.frameRuns; ++run) {
            double start = NowSeconds();
            OnDisplay();
            full.push_back(NowSeconds() - start);
            start = NowSeconds();
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            Present();
            bare.push_back(NowSeconds() - start);
        }
        const double fullSeconds = Median(full);
        const double bareSeconds = Median(bare);
        fullFrames.push_back(fullSeconds);

        BenchRow row;
        row.what = "Frame " + SizeName(size) + ", pose " + std::to_string(p + 1) + " (" +
                   kPoses[p].name + ")";
        row.ours = FormatSeconds(fullSeconds);
        row.reference = FormatSeconds(bareSeconds) + " bare";
        row.ratio = FormatRatio(fullSeconds / bareSeconds);
        row.goal = "<= 16.7 ms (60 a second)";
        row.verdict = Verdict(fullSeconds <= kSixtiethOfASecond);
        rows->push_back(row);

        // The two largest layers alone, in the frame's camera: what a frame's time goes to.
        auto layer = [&](const std::function<void()>& draw) {
            return MedianSeconds(counts.frameRuns, [&] {
                glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
                glPushMatrix();
                ApplyCameraTransform();
                draw();
                glPopMatrix();
                glFinish();
            });
        };
        // The house as the frame draws it (pieces in view, nearest first), and what the sky
        // adds after its opaque faces.
        const double clearOnly = layer([] {});
        const double house = layer([] {
            const ViewVolume view = CurrentViewVolume();
            const Occlusion hiding = g_houseModel.Hiding(view);
            g_houseModel.DrawOpaque(view, hiding);
            g_houseModel.DrawTransparent(view, hiding);
        });
        const double houseAndSky = layer(DrawSkyAndHouse);
        // Left out where walls fill the window, the sky may cost less than the timing's noise.
        skies.push_back(houseAndSky > house ? houseAndSky - house : 0.0);
        houses.push_back(house - clearOnly);

        // The texts on the frame just drawn; the cost of an empty glFinish is taken off.
        OnDisplay();
        const double finishOnly = MedianSeconds(counts.frameRuns, [] { glFinish(); });
        const OverlayLayout layout = LayOutOverlays(g_width, g_height);
        GlyphRasterizer& countdownFont = HudFontOfSize(layout.countdownFontPixels);
        const double countdown = MedianSeconds(counts.frameRuns, [&] {
            AtCountdown(layout, [&] { DrawHudText(g_timeText, countdownFont); });
            glFinish();
        });
        const double hint = MedianSeconds(counts.frameRuns, [] {
            DrawIconHint(0, g_windowWidth, g_windowHeight);
            glFinish();
        });
        countdownTexts.push_back(countdown > finishOnly ? countdown - finishOnly : 0.0);
        hintTexts.push_back(hint > finishOnly ? hint - finishOnly : 0.0);

        // The pick as a left press at the centre and at four other points finds it.
        const int w = size.width, h = size.height;
        const int points[5][2] = {{w / 2, h / 2},
                                  {w / 4, h / 4},
                                  {3 * w / 4, h / 4},
                                  {w / 4, 3 * h / 4},
                                  {3 * w / 4, 3 * h / 4}};
        for (const auto& point : points) {
            picks.push_back(
                MedianSeconds(counts.pickRuns / 5 + 1, [&] { PickWorld(point[0], point[1]); }));
        }
    }

    const double frame = Median(fullFrames);
    const struct {
        std::string what;
        double seconds;
    } layers[] = {{"  of a frame" + at + ": the sky box", Median(skies)},
                  {"  of a frame" + at + ": the house model (display lists)", Median(houses)}};
    for (const auto& part : layers) {
        BenchRow row;
        row.what = part.what;
        row.ours = FormatSeconds(part.seconds);
        row.reference = FormatSeconds(frame) + " frame";
        row.ratio = FormatPercent(part.seconds / frame);
        rows->push_back(row);
    }
    const double countdown = Median(countdownTexts);
    const double hint = Median(hintTexts);
    BenchRow text;
    text.what = "Text in a frame" + at + ": the countdown (glyphs cached)";
    text.ours = FormatSeconds(countdown);
    text.reference = FormatSeconds(frame) + " frame";
    text.ratio = FormatPercent(countdown / frame);
    text.goal = "< 5 % of a frame";
    text.verdict = Verdict(countdown / frame < 0.05);
    rows->push_back(text);
    BenchRow both;
    both.what = "Text in a frame" + at + ": countdown and a hint (right press)";
    both.ours = FormatSeconds(countdown + hint);
    both.reference = FormatSeconds(frame) + " frame";
    both.ratio = FormatPercent((countdown + hint) / frame);
    both.goal = "< 5 % of a frame";
    both.verdict = Verdict((countdown + hint) / frame < 0.05);
    rows->push_back(both);
    BenchRow pick;
    pick.what = "Pick" + at + ": depth read and un-project (25 presses)";
    pick.ours = FormatSeconds(Median(picks));
    rows->push_back(pick);
}

// The game's window and scene as the frames are timed in them, in the house with the tune
// playing; the GL renderer's name.
std::string OpenBenchWindow() {
    int argc = 1;
    char name[] = "escape-house-bench";
    char* argv[] = {name, nullptr};
    CreateGameWindow(&argc, argv);
    // The frames are drawn here, not on the toolkit's events.
    glutDisplayFunc([] {});
    glutReshapeFunc([](int, int) {});
    for (int i = 0; i < 8; ++i) glutMainLoopEvent();
    UseManualClock(0);
    InitScene();
    FinishScene();
    // The tune playing, as in the game, but loaded before any frame is timed.
    // (The first frame's start of it then finds it there.)
    LoadTune(DataPath("Data/BGM.wav").c_str());
    PlayTune();
    const std::string renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    Toolkit().swapBuffers = Present;
    Toolkit().postRedisplay = [] {};
    // In the house, as after the start button.
    g_startScreenShown = 0;
    g_endScreenShown = 0;
    return renderer;
}

// Seconds spent in the present of each frame drawn since the last reset.
double g_presentSeconds = 0.0;

}  // namespace

void BenchFrames(const BenchCounts& counts, const std::vector<BenchSize>& sizes,
                 const std::string& shotFolder, std::vector<BenchRow>* rows,
                 std::string* renderer) {
    *renderer = OpenBenchWindow();
    for (const BenchSize& size : sizes) {
        SizeWindow(size);
        BenchFramesAtSize(counts, size, shotFolder, rows);
    }
}

void LoopPose(const BenchSize& size, int pose, int frames) {
    const std::string renderer = OpenBenchWindow();
    SizeWindow(size);
    Place(kPoses[pose - 1]);
    for (int warm = 0; warm < 3; ++warm) OnDisplay();
    // What a frame spends issuing its drawing, apart from the present (which waits for the
    // renderer to finish the frame and copies it to the window).
    Toolkit().swapBuffers = [] {
        const double start = NowSeconds();
        Present();
        g_presentSeconds += NowSeconds() - start;
    };
    g_presentSeconds = 0.0;
    const double start = NowSeconds();
    for (int frame = 0; frame < frames; ++frame) OnDisplay();
    const double each = (NowSeconds() - start) / frames;
    const double present = g_presentSeconds / frames;
    std::printf(
        "pose %d (%s) at %s on %s: %s a frame over %d frames, %s issuing, %s in the "
        "present\n",
        pose, kPoses[pose - 1].name, SizeName(size).c_str(), renderer.c_str(),
        FormatSeconds(each).c_str(), frames, FormatSeconds(each - present).c_str(),
        FormatSeconds(present).c_str());
    Toolkit().swapBuffers = Present;
}
