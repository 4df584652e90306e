// The tune through SDL2_mixer: one chunk on one channel, restarted on every play.
#include "platform/sound.h"

#include <SDL2/SDL.h>        // Required for: SDL_InitSubSystem(), SDL_GetError()
#include <SDL2/SDL_mixer.h>  // Required for: Mix_OpenAudio(), Mix_LoadWAV(), Mix_PlayChannel()

#include <cstdio>  // Required for: std::fprintf()

namespace {

Mix_Chunk* g_tune = nullptr;
bool g_audioOpen = false;
int g_playCount = 0;
constexpr int kTuneChannel = 0;

}  // namespace

bool LoadTune(const char* path) {
    if (g_tune != nullptr) return true;
    if (!g_audioOpen) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            std::fprintf(stderr, "escape-house: %s: no audio device (%s); playing without music\n",
                         path, SDL_GetError());
            return false;
        }
        if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) {
            std::fprintf(stderr,
                         "escape-house: %s: cannot open audio (%s); playing without music\n", path,
                         Mix_GetError());
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        g_audioOpen = true;
        Mix_AllocateChannels(1);
    }
    g_tune = Mix_LoadWAV(path);
    if (g_tune == nullptr) {
        std::fprintf(stderr, "escape-house: %s: cannot read the tune (%s); playing without music\n",
                     path, Mix_GetError());
        return false;
    }
    return true;
}

void PlayTune() {
    if (g_tune == nullptr) return;
    Mix_HaltChannel(kTuneChannel);
    Mix_PlayChannel(kTuneChannel, g_tune, 0);
    ++g_playCount;
}

bool TuneReady() {
    return g_tune != nullptr;
}

int TunePlayCount() {
    return g_playCount;
}

void CloseTune() {
    if (g_audioOpen) {
        Mix_HaltChannel(-1);
    }
    if (g_tune != nullptr) {
        Mix_FreeChunk(g_tune);
        g_tune = nullptr;
    }
    if (g_audioOpen) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        g_audioOpen = false;
    }
}
