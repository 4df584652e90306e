// Escape House: wake upstairs in a house filling with gas and get out within three minutes.
#include <GL/freeglut.h>  // Required for: glutMainLoop(), glutSetOption()

#include <cstdio>  // Required for: std::fputs(), std::fprintf()
#include <string>  // Required for: std::string

#include "app/command_line.h"
#include "app/game_input.h"
#include "app/scene.h"
#include "platform/data_path.h"
#include "platform/heap.h"
#include "platform/toolkit.h"

#ifndef ESCAPE_HOUSE_VERSION
#define ESCAPE_HOUSE_VERSION "unknown"
#endif

namespace {

// Exit statuses, as the manual page lists them.
constexpr int kNoData = 1;
constexpr int kBadCommandLine = 2;

// One line naming every place that was looked at, for a player who has no Data anywhere.
void ReportNoData() {
    std::string places;
    const auto folders = DataFoldersLookedAt();
    for (std::size_t i = 0; i < folders.size(); ++i) {
        places += i == 0 ? "" : (i + 1 == folders.size() ? " or " : ", ");
        places += folders[i];
    }
    std::fprintf(stderr, "escape-house: no Data folder found: not in %s\n", places.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine command = ParseCommandLine(argc, argv);
    switch (command.action) {
        case CommandAction::kHelp:
            std::fputs(UsageText(DataFoldersLookedAt()).c_str(), stdout);
            return 0;
        case CommandAction::kVersion:
            std::printf("escape-house %s\n", ESCAPE_HOUSE_VERSION);
            return 0;
        case CommandAction::kMistake:
            std::fprintf(stderr, "escape-house: %s\n\n%s", command.mistake.c_str(),
                         UsageText(DataFoldersLookedAt()).c_str());
            return kBadCommandLine;
        case CommandAction::kPlay:
            break;
    }
    if (!DataFound()) {
        ReportNoData();
        return kNoData;
    }
    // Before the sound library starts, so that Ctrl+C and a desktop's logout reach the game.
    CatchEndSignals();
    // The files are read while the window opens; InitScene takes them as it needs them.
    PrepareHeapForStartUp();
    StartReadingSceneAhead();
    CreateGameWindow(&argc, argv);
    InitScene();
    // Silence and full screen as the player left them.
    ApplySettingsAtStart();
    RegisterCallbacks();
    // Closing the window comes back here, so the audio device is closed as on every other way out.
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);
    glutMainLoop();
    Toolkit().exitProcess(0);
    return 0;
}
