// Whole-file reads with C file input: one open, a few large reads, no stream formatting.
#include "platform/file_bytes.h"

#include <sys/stat.h>  // Required for: fstat(), S_ISDIR()

#include <cerrno>   // Required for: errno
#include <cstdio>   // Required for: std::fopen(), std::fread(), std::fclose()
#include <cstring>  // Required for: std::strerror()

bool ReadFileBytes(const char* path, std::string* bytes, std::string* reason) {
    bytes->clear();
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        *reason = std::string("cannot open the file (") + std::strerror(errno) + ")";
        return false;
    }
    // A folder opens like a file here, and its "end" lies at the largest offset there is: asking
    // for that much memory would end the game. It is no file to read.
    struct stat status;
    if (fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode)) {
        std::fclose(file);
        *reason = "cannot read the file (it is a folder)";
        return false;
    }
    // Sized from the file's end when it can be, grown in steps when it cannot (pipes).
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long end = std::ftell(file);
        if (end > 0) bytes->reserve(static_cast<std::size_t>(end));
        std::rewind(file);
    }
    char chunk[65536];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
        bytes->append(chunk, got);
        if (got < sizeof chunk) break;
    }
    const bool failed = std::ferror(file) != 0;
    const int readError = errno;
    std::fclose(file);
    if (failed) {
        *reason = std::string("cannot read the file (") + std::strerror(readError) + ")";
        bytes->clear();
        return false;
    }
    return true;
}
