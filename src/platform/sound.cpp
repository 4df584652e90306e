// The tune through SDL2_mixer: one chunk on one channel, restarted on every play.
//
// The mixer's library is opened at run time rather than linked: Debian's SDL2_mixer brings some
// seventy libraries with it (every decoder it knows, the sound servers, SDL's video back ends),
// and loading them before main cost every start about 20 ms. StartTune does all of the loading
// (the library, the file, the audio device, the tune) on a thread of its own and starts the
// tune when it is done. While that thread runs, the other functions leave the tune's state to
// it: they look at g_loading first, under g_lock, which the thread clears when it is done.
#include "platform/sound.h"

#include <SDL2/SDL.h>        // Required for: the types of SDL_InitSubSystem(), SDL_GetError()
#include <SDL2/SDL_mixer.h>  // Required for: the types of Mix_OpenAudio(), Mix_LoadWAV_RW()
#include <dlfcn.h>           // Required for: dlopen(), dlsym(), dlerror()

#include <chrono>   // Required for: std::chrono::milliseconds
#include <climits>  // Required for: INT_MAX
#include <cstdio>   // Required for: std::fputs(), std::snprintf()
#include <future>   // Required for: std::promise, std::future
#include <mutex>    // Required for: std::mutex, std::lock_guard
#include <string>   // Required for: std::string
#include <thread>   // Required for: std::thread

#include "platform/file_bytes.h"
#include "platform/little_endian.h"

namespace {

constexpr const char* kMixerLibrary = "libSDL2_mixer-2.0.so.0";

// What the tune needs of SDL and SDL_mixer: each function, and the member of Mixer that holds
// it once found in the mixer's library (and through it, SDL's).
#define MIXER_FUNCTIONS(X)                    \
    X(SDL_SetHint, setHint)                   \
    X(SDL_InitSubSystem, initSubSystem)       \
    X(SDL_QuitSubSystem, quitSubSystem)       \
    X(SDL_GetError, getError)                 \
    X(SDL_RWFromConstMem, fromMemory)         \
    X(Mix_OpenAudio, openAudio)               \
    X(Mix_AllocateChannels, allocateChannels) \
    X(Mix_LoadWAV_RW, loadWave)               \
    X(Mix_PlayChannelTimed, playChannel)      \
    X(Mix_HaltChannel, haltChannel)           \
    X(Mix_Pause, pauseChannel)                \
    X(Mix_Resume, resumeChannel)              \
    X(Mix_Volume, channelVolume)              \
    X(Mix_FreeChunk, freeChunk)               \
    X(Mix_CloseAudio, closeAudio)             \
    X(SDL_TLSCleanup, threadCleanup)

struct Mixer {
#define MIXER_MEMBER(function, member) decltype(&function) member = nullptr;
    MIXER_FUNCTIONS(MIXER_MEMBER)
#undef MIXER_MEMBER
};

// What loading the tune came to: whether it is there, and the lines to print about it.
struct LoadOutcome {
    bool loaded = false;
    std::string said;
};

Mixer g_mixer;
bool g_mixerFound = false;
Mix_Chunk* g_tune = nullptr;
bool g_audioOpen = false;
int g_playCount = 0;
constexpr int kTuneChannel = 0;
// What the player asked of the tune; a tune that starts or starts again (a new game) keeps it.
bool g_paused = false;
bool g_muted = false;

std::mutex g_lock;
bool g_loading = false;  // a StartTune thread is at work
// Ready once the StartTune thread is done. The thread itself is detached: a future of a promise,
// unlike one of std::async, never waits for it when it goes, so an audio library that hangs in
// its start cannot hold the game's end.
std::future<void> g_loader;
// Run by the StartTune thread before it loads (tests stand in a loader that hangs).
void (*g_beforeLoad)() = nullptr;

template <typename Function>
void Find(void* library, const char* name, Function* function, std::string* missing) {
    *function = reinterpret_cast<Function>(dlsym(library, name));
    if (*function == nullptr && missing->empty()) *missing = std::string(name) + " is missing";
}

// Opens the mixer's library once; the reason it cannot be used, or empty.
std::string FindMixer() {
    if (g_mixerFound) return std::string();
    // Never closed: SDL keeps threads of its own until the process ends. Bound lazily: only a
    // dozen of the libraries' functions are ever called.
    void* library = dlopen(kMixerLibrary, RTLD_LAZY | RTLD_LOCAL);
    if (library == nullptr) {
        const char* error = dlerror();
        return error != nullptr ? error : kMixerLibrary;
    }
    Mixer& m = g_mixer;
    std::string missing;
#define MIXER_FIND(function, member) Find(library, #function, &m.member, &missing);
    MIXER_FUNCTIONS(MIXER_FIND)
#undef MIXER_FIND
    if (!missing.empty()) return std::string(kMixerLibrary) + ": " + missing;
    g_mixerFound = true;
    return std::string();
}

// One line of the game's own on stderr, about the tune at `path`.
std::string Line(const std::string& path, const char* format, const char* detail) {
    char text[1024];
    std::snprintf(text, sizeof text, format, detail);
    return "escape-house: " + path + ": " + text + "\n";
}

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

LoadOutcome Load(const std::string& path) {
    LoadOutcome outcome;
    const std::string notFound = FindMixer();
    if (!notFound.empty()) {
        outcome.said = Line(path, "no sound library (%s); playing without music", notFound.c_str());
        return outcome;
    }
    const Mixer& mix = g_mixer;
    // Read whole: a tune the game cannot read needs no audio device.
    std::string bytes, reason;
    if (!ReadFileBytes(path.c_str(), &bytes, &reason)) {
        outcome.said = Line(path, "%s; playing without music", reason.c_str());
        return outcome;
    }
    if (bytes.size() > INT_MAX) {
        outcome.said =
            Line(path, "cannot read the tune (%s); playing without music", "larger than 2 GiB");
        return outcome;
    }
    // The chunk headers sit in the first few kilobytes.
    const std::string_view head = std::string_view(bytes).substr(0, 4096);
    if (!g_audioOpen) {
        // The device plays at the tune's own rate and channels when it can, so the tune is not
        // converted when it loads and the mixer has the least to do while it plays.
        int rate = 44100;
        int channels = 2;
        WaveFormat(head, &rate, &channels);
        // SDL would otherwise take SIGINT and SIGTERM for a quit event the game never reads;
        // the game ends on them itself.
        mix.setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (mix.initSubSystem(SDL_INIT_AUDIO) != 0) {
            outcome.said =
                Line(path, "no audio device (%s); playing without music", mix.getError());
            return outcome;
        }
        if (mix.openAudio(rate, AUDIO_S16SYS, channels, 2048) != 0) {
            outcome.said =
                Line(path, "cannot open audio (%s); playing without music", mix.getError());
            mix.quitSubSystem(SDL_INIT_AUDIO);
            return outcome;
        }
        g_audioOpen = true;
        mix.allocateChannels(1);
    }
    // The mixer keeps a copy of its own.
    g_tune = mix.loadWave(mix.fromMemory(bytes.data(), static_cast<int>(bytes.size())), 1);
    if (g_tune == nullptr) {
        outcome.said =
            Line(path, "cannot read the tune (%s); playing without music", mix.getError());
        return outcome;
    }
    outcome.loaded = true;
    // SDL plays a WAV cut short without a word; the player should hear why the tune ends early.
    const std::uint64_t missing = MissingWaveBytes(head, bytes.size());
    if (missing > 0) {
        outcome.said = Line(path,
                            "warning: the file is cut short, %s bytes of sound are missing; "
                            "playing what there is",
                            std::to_string(missing).c_str());
    }
    return outcome;
}

// Waits for a StartTune thread, if one was started; its messages are out when this returns.
void WaitForLoader() {
    if (g_loader.valid()) g_loader.get();
}

// Gives the tune's channel the volume and the pause the player asked for; g_lock held.
void ApplyPlayerWishes() {
    if (g_tune == nullptr) return;
    g_mixer.channelVolume(kTuneChannel, g_muted ? 0 : MIX_MAX_VOLUME);
    if (g_paused) {
        g_mixer.pauseChannel(kTuneChannel);
    } else {
        g_mixer.resumeChannel(kTuneChannel);
    }
}

// Starts the tune from its beginning; g_lock held, no thread at work. A muted tune plays on
// without a sound, so that switching it on again comes in where it has got to.
void PlayLoaded() {
    if (g_tune == nullptr) return;
    g_mixer.haltChannel(kTuneChannel);
    g_mixer.playChannel(kTuneChannel, g_tune, 0, -1);
    ApplyPlayerWishes();
    ++g_playCount;
}

// However the process ends, even on a loader's std::exit, the device goes back and the thread
// is not left running into the libraries' own ends.
// (A loader still stuck then is left to the process's end, which comes right after.)
struct CloseAtExit {
    ~CloseAtExit() { CloseTune(); }
} g_closeAtExit;

}  // namespace

void StartTune(const char* path) {
    {
        const std::lock_guard<std::mutex> held(g_lock);
        if (g_loader.valid() || g_tune != nullptr) return;
        g_loading = true;
    }
    std::promise<void> done;
    g_loader = done.get_future();
    std::thread([file = std::string(path), done = std::move(done)]() mutable {
        if (g_beforeLoad != nullptr) g_beforeLoad();
        const LoadOutcome outcome = Load(file);
        {
            const std::lock_guard<std::mutex> held(g_lock);
            std::fputs(outcome.said.c_str(), stderr);
            g_loading = false;
            PlayLoaded();
            // SDL keeps data of its own for each thread that calls it; a thread SDL did not
            // start hands it back itself.
            if (g_mixerFound) g_mixer.threadCleanup();
        }
        done.set_value();
    }).detach();
}

bool LoadTune(const char* path) {
    WaitForLoader();
    if (g_tune != nullptr) return true;
    const LoadOutcome outcome = Load(path);
    std::fputs(outcome.said.c_str(), stderr);
    return outcome.loaded;
}

void PlayTune() {
    const std::lock_guard<std::mutex> held(g_lock);
    // A tune still loading starts from its beginning once it is loaded anyway.
    if (!g_loading) PlayLoaded();
}

void PauseTune(bool paused) {
    const std::lock_guard<std::mutex> held(g_lock);
    g_paused = paused;
    if (!g_loading) ApplyPlayerWishes();
}

void MuteTune(bool muted) {
    const std::lock_guard<std::mutex> held(g_lock);
    g_muted = muted;
    if (!g_loading) ApplyPlayerWishes();
}

bool TunePaused() {
    const std::lock_guard<std::mutex> held(g_lock);
    return g_paused;
}

bool TuneMuted() {
    const std::lock_guard<std::mutex> held(g_lock);
    return g_muted;
}

bool TuneAudible() {
    const std::lock_guard<std::mutex> held(g_lock);
    if (g_loading || g_tune == nullptr || g_muted || g_paused) return false;
    return g_mixer.channelVolume(kTuneChannel, -1) > 0;
}

bool TuneReady() {
    const std::lock_guard<std::mutex> held(g_lock);
    return !g_loading && g_tune != nullptr;
}

int TunePlayCount() {
    const std::lock_guard<std::mutex> held(g_lock);
    return g_playCount;
}

bool CloseTune() {
    // The loader may be inside the audio library's start, which has been seen to wait for ever
    // (on a desktop bus that never answered): the game ends anyway, leaving the library alone.
    if (g_loader.valid() && g_loader.wait_for(std::chrono::milliseconds(kTuneCloseWaitMs)) !=
                                std::future_status::ready) {
        std::fputs("escape-house: the audio device is still opening; leaving without closing it\n",
                   stderr);
        return false;
    }
    WaitForLoader();
    if (g_audioOpen) {
        g_mixer.haltChannel(-1);
    }
    if (g_tune != nullptr) {
        g_mixer.freeChunk(g_tune);
        g_tune = nullptr;
    }
    if (g_audioOpen) {
        g_mixer.closeAudio();
        g_mixer.quitSubSystem(SDL_INIT_AUDIO);
        g_audioOpen = false;
    }
    return true;
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

void RunBeforeTuneLoads(void (*hook)()) {
    g_beforeLoad = hook;
}
