// The model files' scanner against stream extraction: same values, failures and characters
// consumed. The first byte picks the kind of read.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "assets/word_scanner.h"

namespace {

using Read = WordScanner::Read;

// Reads on both until the first failure; after each good read both stand at the same character.
template <typename ReadBoth>
void Compare(const std::string& text, ReadBoth readBoth) {
    std::istringstream stream(text);
    WordScanner scanner(text);
    for (int i = 0; i < 64; ++i) {
        const Read got = readBoth(stream, scanner);
        if (got == Read::kTooLong && !stream.fail()) return;  // a long word, checked by the caller
        if (stream.fail() != (got != Read::kOk)) std::abort();
        if (got != Read::kOk) {
            // The stream only tells a malformed number from an end by its eof bit.
            if (got == Read::kEnd && !stream.eof()) std::abort();
            return;
        }
        stream.clear();
        const std::streamoff at = stream.tellg();
        if ((at < 0 ? text.size() : static_cast<std::size_t>(at)) != scanner.Offset()) std::abort();
    }
}

template <typename Number, Read (WordScanner::*kRead)(Number*)>
void CompareNumbers(const std::string& text) {
    Compare(text, [](std::istringstream& stream, WordScanner& scanner) {
        Number expected{}, value{};
        stream >> expected;
        const Read got = (scanner.*kRead)(&value);
        if (got == Read::kOk && std::memcmp(&expected, &value, sizeof value) != 0) std::abort();
        return got;
    });
}

void CompareWords(const std::string& text) {
    Compare(text, [](std::istringstream& stream, WordScanner& scanner) {
        std::string expected;
        stream >> expected;
        char word[WordScanner::kWordCapacity];
        const Read got = scanner.ReadWord(word);
        // The scanner refuses what the stream would have put past a 128-byte buffer.
        if (got == Read::kTooLong && (stream.fail() || expected.size() < sizeof word)) std::abort();
        if (got == Read::kOk && (std::memcmp(expected.data(), word, expected.size()) != 0 ||
                                 word[expected.size()] != '\0'))
            std::abort();
        return got;
    });
}

void CompareSkippedLines(const std::string& text) {
    Compare(text, [](std::istringstream& stream, WordScanner& scanner) {
        char line[128];
        stream.getline(line, sizeof line);
        const Read got = scanner.SkipLine();
        if (got == Read::kTooLong && !stream.fail()) std::abort();
        return got;
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    void (*const compare[])(const std::string&) = {
        CompareNumbers<double, &WordScanner::ReadDouble>,
        CompareNumbers<float, &WordScanner::ReadFloat>,
        CompareNumbers<std::uint32_t, &WordScanner::ReadUnsigned>,
        CompareNumbers<char, &WordScanner::ReadChar>,
        CompareWords,
        CompareSkippedLines};
    compare[data[0] % 6](std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    return 0;
}
