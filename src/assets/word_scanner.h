// The word-by-word text scanner of the OBJ and MTL readers. It reads text already in memory
// but behaves as formatted extraction from a C++ text stream in the "C" locale does (words,
// numbers and single characters skip leading blanks and line ends; a malformed number fails;
// a skipped line holds 127 characters at most), so the model files read as they always have,
// without the stream's cost. Words longer than 127 characters are refused instead of
// overrunning a fixed buffer.
#pragma once

#include <cstddef>      // Required for: std::size_t
#include <cstdint>      // Required for: std::uint32_t
#include <string_view>  // Required for: std::string_view

class WordScanner {
public:
    enum class Read {
        kOk,
        kEnd,        // the text ended before anything could be read
        kMalformed,  // the characters there do not make a number
        kTooLong,    // a word of 128 characters or more, or a skipped line of 128 or more
    };

    static constexpr int kWordCapacity = 128;  // 127 characters and the terminating NUL

    explicit WordScanner(std::string_view text)
        : begin_(text.data()), at_(text.data()), end_(text.data() + text.size()) {}

    // A run of non-blank characters, NUL-terminated in `word` (as a C string it ends at the
    // first NUL byte of the run, if it holds one).
    Read ReadWord(char (&word)[kWordCapacity]);
    Read ReadDouble(double* value);
    Read ReadFloat(float* value);
    // Decimal digits with an optional sign; a minus sign wraps round as unsigned arithmetic does.
    Read ReadUnsigned(std::uint32_t* value);
    // One non-blank character.
    Read ReadChar(char* value);
    // Discards the rest of the current line and its line end: kEnd when nothing is left at
    // all, kTooLong when the rest holds 128 characters or more (the stream would fail there).
    Read SkipLine();
    // Discards up to and including the first '/' among the next 128 characters of the current
    // line; false (nothing discarded) when there is none.
    bool DiscardThroughSlash();

    // 1-based number of the line the scanner stands on.
    unsigned Line() const { return line_; }
    // Characters consumed so far.
    std::size_t Offset() const { return static_cast<std::size_t>(at_ - begin_); }

private:
    // Skips blanks and line ends; false when the text ends first.
    bool SkipBlanks();
    // The extent of a floating-point number as the stream would gather it, from at_.
    const char* FloatExtent() const;

    const char* begin_;
    const char* at_;
    const char* end_;
    unsigned line_ = 1;
};
