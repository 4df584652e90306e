// The model files' scanner reads as stream extraction does: values, failures, characters used.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

#include "assets/word_scanner.h"

namespace {

using Read = WordScanner::Read;

// clang-format off
const char* const kNumberTexts[] = {
    "1.5", "+1", "-2.5e3", "1e", "1e+", ".5", "1.", ".", "-", "+", "00012", "1.5.3", "0x1F", "inf",
    "nan", "1e999", "-1e999", "1e-999", "-1e-50", "3.5e38", "1e-40", "4294967295", "4294967296",
    "-1", "-0", "-4294967295", "  \n 7", "1//3", "12abc", "1.e5", ".e5", "1E-2x", "--1", "+-1",
    "1 2 3 4", "0.1 0.2", "1/2/3 4/5/6", "e5", "\t\r\v\f9", "", "   ", "1e5e5",
    "123456789012345678901234567890", "0.000000000000000000000000000000000000000000001",
    "1.17549435e-38", "3.40282347e+38", "3.40282357e+38", "1.7976931348623157e308",
    "2.2250738585072014e-308", "4.9e-324", "2e-324", "9999999999999999999999e-30"
};
// clang-format on

template <typename Number>
Read ScannerRead(WordScanner& scanner, Number* value) {
    if constexpr (std::is_same_v<Number, double>) return scanner.ReadDouble(value);
    if constexpr (std::is_same_v<Number, float>) return scanner.ReadFloat(value);
    if constexpr (std::is_same_v<Number, std::uint32_t>) return scanner.ReadUnsigned(value);
    if constexpr (std::is_same_v<Number, char>) return scanner.ReadChar(value);
}

// Numbers of one type up to the first failure on both readers; a word after each shows the rest.
template <typename Number>
void ExpectSameReads(const std::string& text) {
    std::istringstream stream(text);
    WordScanner scanner(text);
    for (int i = 0; i < 8; ++i) {
        Number expected{}, value{};
        stream >> expected;
        const Read read = ScannerRead(scanner, &value);
        ASSERT_EQ(!stream.fail(), read == Read::kOk) << "read " << i;
        // The stream only tells a malformed number from an end by its eof bit.
        if (stream.fail()) {
            EXPECT_TRUE(read != Read::kEnd || stream.eof());
            return;
        }
        EXPECT_EQ(std::memcmp(&expected, &value, sizeof value), 0) << expected << " vs " << value;
        // tellg fails on a stream at its end; the position is the same without the eof bit.
        stream.clear();
        const std::streampos mark = stream.tellg();
        std::string nextWord;
        stream >> nextWord;
        char word[WordScanner::kWordCapacity] = "";
        WordScanner copy = scanner;
        EXPECT_EQ(!stream.fail(), copy.ReadWord(word) == Read::kOk);
        EXPECT_EQ(stream.fail() ? "" : nextWord, word);
        stream.clear();
        stream.seekg(mark);
    }
}

TEST(WordScannerTest, NumbersReadAsTheStreamReadsThem) {
    for (const char* text : kNumberTexts) {
        SCOPED_TRACE(std::string("'") + text + "'");
        ExpectSameReads<double>(text);
        ExpectSameReads<float>(text);
        ExpectSameReads<std::uint32_t>(text);
        ExpectSameReads<char>(text);
    }
}

// A skipped line holds 127 characters at most, as getline into a 128-byte buffer does.
TEST(WordScannerTest, SkipLineAndDiscardThroughSlashStopAtTheirLengths) {
    const std::string c127(127, 'c'), c128(128, 'c');
    // clang-format off
    const struct { std::string rest; Read expected; } lines[] = {
        {" comment\nnext", Read::kOk}, {c127 + "\nnext", Read::kOk}, {c127, Read::kOk},
        {c128 + "\nnext", Read::kTooLong}, {"\nnext", Read::kOk}, {"", Read::kEnd}};
    // clang-format on
    char word[WordScanner::kWordCapacity] = "";
    for (const auto& c : lines) {
        SCOPED_TRACE(c.rest.size());
        std::istringstream stream(c.rest);
        stream.getline(word, 128);
        WordScanner scanner(c.rest);
        EXPECT_EQ(scanner.SkipLine(), c.expected);
        // The stream fails for a line too long and for nothing left at all.
        EXPECT_EQ(stream.fail(), c.expected != Read::kOk);
        if (c.expected != Read::kOk || c.rest.find("next") == std::string::npos) continue;
        ASSERT_EQ(scanner.ReadWord(word), Read::kOk);
        EXPECT_STREQ(word, "next");
        EXPECT_EQ(scanner.Line(), 2u);
    }
    // A texture path: what follows the first '/' on its line, within 128 characters.
    // clang-format off
    const struct { std::string text; const char* nextWord; } paths[] = {
        {" house_main/wall.bmp\n", "wall.bmp"}, {" a/b/c.bmp", "b/c.bmp"},
        {" -s 1 1 folder/x.bmp", "x.bmp"}, {" wall.bmp\nnewmtl a/b", nullptr},
        {std::string(127, ' ') + "/x", "x"}, {std::string(128, ' ') + "/x", nullptr}, {"", nullptr}};
    // clang-format on
    for (const auto& c : paths) {
        SCOPED_TRACE(c.text);
        WordScanner scanner(c.text);
        ASSERT_EQ(scanner.DiscardThroughSlash(), c.nextWord != nullptr);
        if (c.nextWord == nullptr) continue;
        ASSERT_EQ(scanner.ReadWord(word), Read::kOk);
        EXPECT_STREQ(word, c.nextWord);
    }
}

}  // namespace
