// Start-up: from the moment the process is started to the first frame presented, measured in a
// fresh child process each time (a warm page cache, a cold program). Both kinds of child start
// as the game does, reading the files ahead while the window opens. One runs the game's own
// InitScene for the total; the other runs the same loaders one by one with a time stamp between
// them, which gives each loader's share of the main thread's time.
#include <GL/freeglut.h>  // Required for: glutMainLoop(), glutSwapBuffers()
#include <poll.h>         // Required for: poll()
#include <signal.h>       // Required for: kill()
#include <sys/wait.h>     // Required for: waitpid()
#include <unistd.h>       // Required for: fork(), execl(), pipe(), _exit()

#include <cstdio>   // Required for: std::printf(), std::fflush()
#include <map>      // Required for: std::map
#include <sstream>  // Required for: std::istringstream

#include "app/scene.h"
#include "assets/obj_model.h"
#include "assets/picture_texture.h"
#include "assets/skybox.h"
#include "bench.h"
#include "core/game_state.h"
#include "gameplay/keypad.h"
#include "gameplay/screens.h"
#include "hud/hud_font.h"
#include "hud/icon_bar.h"
#include "hud/info_picture.h"
#include "platform/clock.h"
#include "platform/data_path.h"
#include "platform/heap.h"
#include "platform/toolkit.h"
#include "world/walk_grid.h"
#include "world/wall_layout.h"

namespace {

// The loaders in start-up order, as the child reports them.
const char* const kSteps[] = {
    "process start to main",
    "window and GL context",
    "HUD font (fontconfig, FreeType)",
    "icon bar (13 BMP)",
    "house_main: OBJ, MTL and textures read",
    "house_main: drawing state (lists after the first frame)",
    "the seven other models",
    "sky box (6 Targa)",
    "keypad panel (10 Targa)",
    "screens (5 Targa)",
    "walk grid and walls",
    "info pictures (9 Targa)",
    "first frame (reshape, draw, swap)",
};

double g_lastStamp = 0.0;

// One line for the parent: the step's name (by index) and its duration.
void Stamp(int step) {
    const double now = NowSeconds();
    std::printf("step %d %.9f\n", step, now - g_lastStamp);
    g_lastStamp = now;
}

void PresentAndReport() {
    glutSwapBuffers();
    glFinish();
    const double now = NowSeconds();
    std::printf("step %d %.9f\npresented %.9f\n", 12, now - g_lastStamp, now);
    std::fflush(stdout);
    _exit(0);
}

void LoadModelTimed(obj3dmodel& model, const char* base, int readStep) {
    model.LoadObj(DataPath(base).c_str());
    if (readStep >= 0) Stamp(readStep);
    // As the game's start-up: the textures and lists wait for the first frame.
    obj3dmodel::SetDrawingState();
    if (readStep >= 0) Stamp(readStep + 1);
}

// Starts `self --startup-child mode` and reads its report: the total from just before the
// start to the first frame presented, and the steps' durations. False when the child failed.
bool RunChild(const std::string& self, const char* mode, double* total,
              std::map<int, double>* steps) {
    int channel[2];
    if (pipe(channel) != 0) return false;
    const double started = NowSeconds();
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        close(channel[0]);
        dup2(channel[1], 1);
        char startedText[64];
        std::snprintf(startedText, sizeof startedText, "%.9f", started);
        execl(self.c_str(), self.c_str(), "--startup-child", mode, startedText,
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(channel[1]);
    std::string report;
    char buffer[4096];
    pollfd wait{channel[0], POLLIN, 0};
    for (;;) {
        if (poll(&wait, 1, 60000) <= 0) {
            kill(child, SIGKILL);  // a start-up of a minute is a hang
            break;
        }
        const ssize_t got = read(channel[0], buffer, sizeof buffer);
        if (got <= 0) break;
        report.append(buffer, static_cast<std::size_t>(got));
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
    std::istringstream lines(report);
    bool presented = false;
    for (std::string word; lines >> word;) {
        if (word == "step") {
            int step = 0;
            double seconds = 0;
            lines >> step >> seconds;
            (*steps)[step] = seconds;
        } else if (word == "presented") {
            double at = 0;
            lines >> at;
            *total = at - started;
            presented = true;
        }
    }
    return presented;
}

}  // namespace

void RunStartupChild(const std::string& mode, double started) {
    g_lastStamp = started;
    Stamp(0);
    int argc = 1;
    char name[] = "escape-house";
    char* argv[] = {name, nullptr};
    // The game's own start: the files are read ahead while the window opens, so the steps
    // below show what is left to the main thread (waiting for a file included).
    PrepareHeapForStartUp();
    StartReadingSceneAhead();
    CreateGameWindow(&argc, argv);
    Toolkit().swapBuffers = PresentAndReport;
    if (mode == "whole") {
        InitScene();
    } else {
        Stamp(1);
        // As InitScene: the pictures the start picture does not need are uploaded after it.
        HoldPictureUploads();
        glClearColor(0, 0, 0, 0);
        glEnable(GL_DEPTH_TEST);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        HudFont();
        Stamp(2);
        LoadIconBar();
        Stamp(3);
        LoadModelTimed(g_houseModel, "Data/Model/house_main", 4);
        LoadModelTimed(g_hammerModel, "Data/Model/house_hammer", -1);
        LoadModelTimed(g_bookcaseModel, "Data/Model/bookcase1", -1);
        LoadModelTimed(g_breadModel, "Data/Model/bread1", -1);
        LoadModelTimed(g_note1Model, "Data/Model/house_note1", -1);
        LoadModelTimed(g_key1Model, "Data/Model/house_key1", -1);
        LoadModelTimed(g_key2Model, "Data/Model/house_key2", -1);
        LoadModelTimed(g_note3Model, "Data/Model/house_note3", -1);
        Stamp(6);
        g_skybox.SetSize(60.0f);
        g_skybox.Load("Data/Picture/otop.tga", "Data/Picture/dn.tga", "Data/Picture/ofront.tga",
                      "Data/Picture/oback.tga", "Data/Picture/oleft.tga",
                      "Data/Picture/oright.tga");
        Stamp(7);
        g_keypad.Init();
        g_keypad.LoadPictures();
        Stamp(8);
        g_screens.Init();
        g_screens.LoadPictures();
        Stamp(9);
        g_startClock = GameClock();
        InitWalkGrid();
        BuildWallLayout();
        Stamp(10);
        g_infoPicture.Init();
        g_infoPicture.Load();
        Stamp(11);
    }
    RegisterCallbacks();
    glutMainLoop();
    _exit(3);  // the first frame never came
}

void BenchStartup(const BenchCounts& counts, const std::string& self, std::vector<BenchRow>* rows) {
    std::vector<double> wholeTotals, stepTotals;
    std::map<int, std::vector<double>> stepTimes;
    for (int run = 0; run < counts.startupRuns; ++run) {
        double total = 0;
        std::map<int, double> steps;
        if (!RunChild(self, "whole", &total, &steps)) {
            std::fprintf(stderr, "escape-house-bench: the start-up child failed\n");
            return;
        }
        wholeTotals.push_back(total);
        steps.clear();
        if (!RunChild(self, "steps", &total, &steps)) {
            std::fprintf(stderr, "escape-house-bench: the step-by-step start-up child failed\n");
            return;
        }
        stepTotals.push_back(total);
        for (const auto& [step, seconds] : steps) stepTimes[step].push_back(seconds);
    }
    const double whole = Median(wholeTotals);
    const double stepped = Median(stepTotals);
    BenchRow total;
    total.what = "Start-up: process start to first frame presented";
    total.ours = FormatSeconds(whole);
    total.reference = "";
    total.ratio = "100 %";
    rows->push_back(total);
    for (const auto& [step, times] : stepTimes) {
        BenchRow row;
        row.what = std::string("  ") + kSteps[step];
        const double seconds = Median(times);
        row.ours = FormatSeconds(seconds);
        row.ratio = FormatPercent(seconds / stepped);
        rows->push_back(row);
    }
}
