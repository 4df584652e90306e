// Formatted extraction over text in memory. Numbers are gathered as the standard library's
// num_get gathers them (sign, digits, one decimal point, an exponent after a digit) and then
// converted with std::from_chars; a gathered run that does not convert whole is malformed.
#include "assets/word_scanner.h"

#include <charconv>  // Required for: std::from_chars()
#include <cmath>     // Required for: std::isinf()
#include <cstdlib>   // Required for: std::strtod(), std::strtof()
#include <cstring>   // Required for: std::memcpy()
#include <string>    // Required for: std::string

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Converts the gathered run [first, last) whole, as the stream's conversion does: a value out
// of range fails only when it overflows to infinity; an underflow keeps the rounded value.
template <typename Number>
WordScanner::Read Convert(const char* first, const char* last, Number* value) {
    // The stream accepts a leading '+', std::from_chars does not.
    if (first != last && *first == '+') ++first;
    const std::from_chars_result result = std::from_chars(first, last, *value);
    if (result.ec == std::errc() && result.ptr == last) return WordScanner::Read::kOk;
    if (result.ec != std::errc::result_out_of_range || result.ptr != last) {
        return WordScanner::Read::kMalformed;
    }
    const std::string copy(first, last);
    Number converted;
    if constexpr (sizeof(Number) == sizeof(float)) {
        converted = std::strtof(copy.c_str(), nullptr);
    } else {
        converted = std::strtod(copy.c_str(), nullptr);
    }
    if (std::isinf(converted)) return WordScanner::Read::kMalformed;
    *value = converted;
    return WordScanner::Read::kOk;
}

}  // namespace

bool WordScanner::SkipBlanks() {
    while (at_ != end_ && IsBlank(*at_)) {
        if (*at_ == '\n') ++line_;
        ++at_;
    }
    return at_ != end_;
}

WordScanner::Read WordScanner::ReadWord(char (&word)[kWordCapacity]) {
    if (!SkipBlanks()) return Read::kEnd;
    const char* start = at_;
    while (at_ != end_ && !IsBlank(*at_)) ++at_;
    const std::size_t length = static_cast<std::size_t>(at_ - start);
    if (length >= kWordCapacity) return Read::kTooLong;
    std::memcpy(word, start, length);
    word[length] = '\0';
    return Read::kOk;
}

const char* WordScanner::FloatExtent() const {
    const char* p = at_;
    if (p != end_ && (*p == '+' || *p == '-')) ++p;
    bool foundMantissa = false;
    bool foundDecimalPoint = false;
    bool foundExponent = false;
    while (p != end_) {
        const char c = *p;
        if (IsDigit(c)) {
            foundMantissa = true;
        } else if (c == '.' && !foundDecimalPoint && !foundExponent) {
            foundDecimalPoint = true;
        } else if ((c == 'e' || c == 'E') && !foundExponent && foundMantissa) {
            foundExponent = true;
            if (p + 1 != end_ && (p[1] == '+' || p[1] == '-')) ++p;
        } else {
            break;
        }
        ++p;
    }
    return p;
}

WordScanner::Read WordScanner::ReadDouble(double* value) {
    if (!SkipBlanks()) return Read::kEnd;
    const char* first = at_;
    at_ = FloatExtent();
    return Convert(first, at_, value);
}

WordScanner::Read WordScanner::ReadFloat(float* value) {
    if (!SkipBlanks()) return Read::kEnd;
    const char* first = at_;
    at_ = FloatExtent();
    return Convert(first, at_, value);
}

WordScanner::Read WordScanner::ReadUnsigned(std::uint32_t* value) {
    if (!SkipBlanks()) return Read::kEnd;
    bool negative = false;
    if (*at_ == '+' || *at_ == '-') {
        negative = *at_ == '-';
        ++at_;
    }
    bool foundDigit = false;
    bool overflow = false;
    std::uint64_t accumulated = 0;
    while (at_ != end_ && IsDigit(*at_)) {
        foundDigit = true;
        if (!overflow) {
            accumulated = accumulated * 10 + static_cast<std::uint64_t>(*at_ - '0');
            overflow = accumulated > UINT32_MAX;
        }
        ++at_;
    }
    if (!foundDigit || overflow) return Read::kMalformed;
    const std::uint32_t magnitude = static_cast<std::uint32_t>(accumulated);
    *value = negative ? 0u - magnitude : magnitude;
    return Read::kOk;
}

WordScanner::Read WordScanner::ReadChar(char* value) {
    if (!SkipBlanks()) return Read::kEnd;
    *value = *at_++;
    return Read::kOk;
}

WordScanner::Read WordScanner::SkipLine() {
    constexpr int kLongestRest = 127;
    int count = 0;
    while (at_ != end_ && *at_ != '\n' && count < kLongestRest) {
        ++at_;
        ++count;
    }
    if (at_ == end_) return count == 0 ? Read::kEnd : Read::kOk;
    if (*at_ != '\n') return Read::kTooLong;
    ++at_;
    ++line_;
    return Read::kOk;
}

bool WordScanner::DiscardThroughSlash() {
    constexpr int kLongestDiscard = 128;
    const char* p = at_;
    for (int count = 0; p != end_ && count < kLongestDiscard && *p != '\n'; ++count, ++p) {
        if (*p == '/') {
            at_ = p + 1;
            return true;
        }
    }
    return false;
}
