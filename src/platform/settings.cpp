// The settings file: read at start, written whole whenever the player changes a setting.
#include "platform/settings.h"

#include <fcntl.h>   // Required for: open(), O_WRONLY, O_CREAT, O_EXCL, O_CLOEXEC
#include <unistd.h>  // Required for: write(), fsync(), close(), getpid()

#include <cerrno>        // Required for: errno
#include <cstdio>        // Required for: std::fprintf(), std::rename(), std::remove()
#include <cstdlib>       // Required for: std::getenv()
#include <cstring>       // Required for: std::strerror()
#include <filesystem>    // Required for: std::filesystem::create_directories()
#include <sstream>       // Required for: std::istringstream
#include <system_error>  // Required for: std::error_code

#include "platform/file_bytes.h"

namespace {

// One warning a run about writing: a player who presses M ten times in a read-only home needs
// to hear it once.
bool g_saidCannotWrite = false;

void WarnCannotWrite(const std::string& path, const std::string& reason) {
    if (g_saidCannotWrite) return;
    g_saidCannotWrite = true;
    std::fprintf(stderr, "escape-house: %s: cannot save the settings (%s); playing on\n",
                 path.c_str(), reason.c_str());
}

bool ParseFlag(const std::string& value, bool* flag) {
    if (value == "0" || value == "1") {
        *flag = value == "1";
        return true;
    }
    return false;
}

}  // namespace

std::string SettingsPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // The base folder must be absolute; a relative one is to be ignored.
    std::string base;
    if (config != nullptr && config[0] == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] != '/') return std::string();
        base = std::string(home) + "/.config";
    }
    return base + "/escape-house/settings";
}

std::string SettingsText(const Settings& settings) {
    return std::string("# Escape House settings, written by the game\n") +
           "fullscreen=" + (settings.fullScreen ? "1" : "0") + "\n" +
           "muted=" + (settings.muted ? "1" : "0") + "\n";
}

bool ParseSettings(const std::string& text, Settings* settings) {
    Settings read;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) return false;
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        bool* flag = key == "fullscreen" ? &read.fullScreen
                     : key == "muted"    ? &read.muted
                                         : nullptr;
        if (flag == nullptr || !ParseFlag(value, flag)) return false;
    }
    *settings = read;
    return true;
}

Settings LoadSettings() {
    Settings settings;
    const std::string path = SettingsPath();
    if (path.empty()) return settings;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return settings;
    std::string text, reason;
    if (!ReadFileBytes(path.c_str(), &text, &reason)) {
        std::fprintf(stderr, "escape-house: %s: %s; using the default settings\n", path.c_str(),
                     reason.c_str());
        return settings;
    }
    if (!ParseSettings(text, &settings)) {
        std::fprintf(stderr,
                     "escape-house: %s: not a settings file of this game; using the default "
                     "settings\n",
                     path.c_str());
        return Settings{};
    }
    return settings;
}

bool SaveSettings(const Settings& settings) {
    const std::string path = SettingsPath();
    if (path.empty()) {
        WarnCannotWrite("~/.config/escape-house/settings",
                        "neither XDG_CONFIG_HOME nor HOME is set");
        return false;
    }
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made) {
        WarnCannotWrite(path, made.message());
        return false;
    }
    // A name of this process's own, so that two games never write into one temporary file.
    const std::string partial = path + ".tmp-" + std::to_string(getpid());
    const int file = open(partial.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file < 0) {
        WarnCannotWrite(path, std::strerror(errno));
        return false;
    }
    const std::string text = SettingsText(settings);
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t now = write(file, text.data() + written, text.size() - written);
        if (now < 0 && errno == EINTR) continue;
        if (now <= 0) break;
        written += static_cast<std::size_t>(now);
    }
    // On disk before the rename, so that a crash after it finds the new file whole.
    const bool whole = written == text.size() && fsync(file) == 0;
    const int writeError = errno;
    close(file);
    if (!whole) {
        std::remove(partial.c_str());
        WarnCannotWrite(path, std::strerror(writeError));
        return false;
    }
    if (std::rename(partial.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        std::remove(partial.c_str());
        WarnCannotWrite(path, std::strerror(renameError));
        return false;
    }
    return true;
}
