// The tune through SDL2_mixer: one chunk on one channel, restarted on every play.
#include "platform/sound.h"

#include <SDL2/SDL.h>        // Required for: SDL_InitSubSystem(), SDL_GetError(), SDL_SetHint()
#include <SDL2/SDL_mixer.h>  // Required for: Mix_OpenAudio(), Mix_LoadWAV(), Mix_PlayChannel()

#include <cstdio>  // Required for: std::fprintf(), std::fopen()
#include <string>  // Required for: std::string

#include "platform/little_endian.h"

namespace {

Mix_Chunk* g_tune = nullptr;
bool g_audioOpen = false;
int g_playCount = 0;
constexpr int kTuneChannel = 0;

// The header bytes as the little-endian readers take them.
const std::uint8_t* Bytes(std::string_view head, std::size_t at) {
    return reinterpret_cast<const std::uint8_t*>(head.data()) + at;
}

// Where the chunk `name` of a RIFF WAVE file starts within `head` (its 8-byte header), or
// std::string_view::npos. Chunks follow the 12-byte RIFF header: a 4-byte name, a 4-byte
// length, the body padded to an even length.
std::size_t FindWaveChunk(std::string_view head, std::string_view name) {
    if (head.size() < 12 || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "WAVE") {
        return std::string_view::npos;
    }
    std::uint64_t at = 12;
    while (at + 8 <= head.size()) {
        if (head.substr(static_cast<std::size_t>(at), 4) == name)
            return static_cast<std::size_t>(at);
        const std::uint64_t length = ReadLittle32(Bytes(head, static_cast<std::size_t>(at) + 4));
        at += 8 + length + (length & 1);
    }
    return std::string_view::npos;
}

// The first few kilobytes of the tune (its chunk headers) and the file's length; empty when
// the file cannot be read (the loader says why).
std::string ReadWaveHead(const char* path, std::uint64_t* fileSize) {
    *fileSize = 0;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return std::string();
    std::string head(4096, '\0');
    head.resize(std::fread(head.data(), 1, head.size(), file));
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long end = std::ftell(file);
        if (end > 0) *fileSize = static_cast<std::uint64_t>(end);
    }
    std::fclose(file);
    return head;
}

}  // namespace

bool LoadTune(const char* path) {
    if (g_tune != nullptr) return true;
    std::uint64_t fileSize = 0;
    const std::string head = ReadWaveHead(path, &fileSize);
    if (!g_audioOpen) {
        // The device plays at the tune's own rate and channels when it can, so the tune is not
        // converted when it loads and the mixer has the least to do while it plays.
        int rate = 44100;
        int channels = 2;
        WaveFormat(head, &rate, &channels);
        // SDL would otherwise take SIGINT and SIGTERM for a quit event the game never reads;
        // the game ends on them itself.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            std::fprintf(stderr, "escape-house: %s: no audio device (%s); playing without music\n",
                         path, SDL_GetError());
            return false;
        }
        if (Mix_OpenAudio(rate, AUDIO_S16SYS, channels, 2048) != 0) {
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
    // SDL plays a WAV cut short without a word; the player should hear why the tune ends early.
    const std::uint64_t missing = MissingWaveBytes(head, fileSize);
    if (missing > 0) {
        std::fprintf(stderr,
                     "escape-house: %s: warning: the file is cut short, %llu bytes of sound are "
                     "missing; playing what there is\n",
                     path, static_cast<unsigned long long>(missing));
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

std::uint64_t MissingWaveBytes(std::string_view head, std::uint64_t fileSize) {
    const std::size_t data = FindWaveChunk(head, "data");
    if (data == std::string_view::npos) return 0;
    const std::uint64_t end = data + 8 + std::uint64_t{ReadLittle32(Bytes(head, data + 4))};
    return end > fileSize ? end - fileSize : 0;
}

bool WaveFormat(std::string_view head, int* rate, int* channels) {
    const std::size_t format = FindWaveChunk(head, "fmt ");
    // The rate and channel count sit 4 and 2 bytes into the chunk's body.
    if (format == std::string_view::npos || format + 16 > head.size()) return false;
    const std::uint32_t fileChannels = ReadLittle16(Bytes(head, format + 10));
    const std::uint32_t fileRate = ReadLittle32(Bytes(head, format + 12));
    if (fileChannels < 1 || fileChannels > 2 || fileRate < 8000 || fileRate > 192000) return false;
    *rate = static_cast<int>(fileRate);
    *channels = static_cast<int>(fileChannels);
    return true;
}
