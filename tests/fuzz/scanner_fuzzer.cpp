// Differential fuzzing of the model files' scanner against formatted extraction from a C++
// text stream: the same reads on the same text must give the same values, the same failures,
// and consume the same characters. The first byte picks the kind of read, the rest is text.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "assets/word_scanner.h"

namespace {

using Read = WordScanner::Read;

// Characters the stream has consumed (all of them once it stands at its end).
std::size_t Consumed(std::istringstream& stream, std::size_t size) {
    stream.clear();
    const std::streamoff at = stream.tellg();
    return at < 0 ? size : static_cast<std::size_t>(at);
}

template <typename Number>
void CompareNumbers(const std::string& text, Read (WordScanner::*read)(Number*)) {
    std::istringstream stream(text);
    WordScanner scanner(text);
    for (int i = 0; i < 64; ++i) {
        Number expected{};
        stream >> expected;
        Number value{};
        const Read got = (scanner.*read)(&value);
        if (stream.fail() != (got != Read::kOk)) std::abort();
        if (got != Read::kOk) {
            if (got == Read::kEnd && !stream.eof()) std::abort();
            return;
        }
        if (std::memcmp(&expected, &value, sizeof value) != 0) std::abort();
        if (Consumed(stream, text.size()) != scanner.Offset()) std::abort();
    }
}

void CompareWords(const std::string& text) {
    std::istringstream stream(text);
    WordScanner scanner(text);
    for (int i = 0; i < 64; ++i) {
        std::string expected;
        stream >> expected;
        char word[WordScanner::kWordCapacity];
        const Read got = scanner.ReadWord(word);
        if (got == Read::kTooLong) {
            // The scanner refuses what the stream would have put past a 128-byte buffer.
            if (stream.fail() || expected.size() < WordScanner::kWordCapacity) std::abort();
            return;
        }
        if (stream.fail() != (got != Read::kOk)) std::abort();
        if (got != Read::kOk) return;
        if (std::memcmp(expected.data(), word, expected.size()) != 0) std::abort();
        if (word[expected.size()] != '\0') std::abort();
        if (Consumed(stream, text.size()) != scanner.Offset()) std::abort();
    }
}

void CompareSkippedLines(const std::string& text) {
    std::istringstream stream(text);
    WordScanner scanner(text);
    for (int i = 0; i < 64; ++i) {
        char line[128];
        stream.getline(line, sizeof line);
        const Read got = scanner.SkipLine();
        if (stream.fail() != (got != Read::kOk)) std::abort();
        if (got != Read::kOk) return;
        if (Consumed(stream, text.size()) != scanner.Offset()) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 6) {
        case 0:
            CompareNumbers<double>(text, &WordScanner::ReadDouble);
            break;
        case 1:
            CompareNumbers<float>(text, &WordScanner::ReadFloat);
            break;
        case 2:
            CompareNumbers<std::uint32_t>(text, &WordScanner::ReadUnsigned);
            break;
        case 3:
            CompareNumbers<char>(text, &WordScanner::ReadChar);
            break;
        case 4:
            CompareWords(text);
            break;
        default:
            CompareSkippedLines(text);
            break;
    }
    return 0;
}
