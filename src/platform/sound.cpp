// The tune through SDL2_mixer: one chunk on one channel, restarted on every play.
#include "platform/sound.h"

#include <SDL2/SDL.h>        // Required for: SDL_InitSubSystem(), SDL_GetError()
#include <SDL2/SDL_mixer.h>  // Required for: Mix_OpenAudio(), Mix_LoadWAV(), Mix_PlayChannel()

#include <cstdio>  // Required for: std::fprintf(), std::fopen()
#include <string>  // Required for: std::string

namespace {

Mix_Chunk* g_tune = nullptr;
bool g_audioOpen = false;
int g_playCount = 0;
constexpr int kTuneChannel = 0;

std::uint32_t LittleEndian32(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

// SDL plays a WAV cut short without a word; the player should hear why the tune ends early.
void WarnWhenCutShort(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return;  // the loader says why
    std::string head(4096, '\0');
    head.resize(std::fread(head.data(), 1, head.size(), file));
    std::uint64_t size = 0;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long end = std::ftell(file);
        if (end > 0) size = static_cast<std::uint64_t>(end);
    }
    std::fclose(file);
    const std::uint64_t missing = MissingWaveBytes(head, size);
    if (missing > 0) {
        std::fprintf(stderr,
                     "escape-house: %s: warning: the file is cut short, %llu bytes of sound are "
                     "missing; playing what there is\n",
                     path, static_cast<unsigned long long>(missing));
    }
}

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
    WarnWhenCutShort(path);
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

std::uint64_t MissingWaveBytes(std::string_view head, std::uint64_t fileSize) {
    if (head.size() < 12 || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "WAVE") return 0;
    // Chunks follow the 12-byte RIFF header: a 4-byte name, a 4-byte length, the body padded
    // to an even length.
    std::uint64_t at = 12;
    while (at + 8 <= head.size()) {
        const std::uint64_t length = LittleEndian32(head, static_cast<std::size_t>(at) + 4);
        if (head.substr(static_cast<std::size_t>(at), 4) == "data") {
            const std::uint64_t end = at + 8 + length;
            return end > fileSize ? end - fileSize : 0;
        }
        at += 8 + length + (length & 1);
    }
    return 0;
}
