// The model files' scanner must read exactly as formatted extraction from a C++ text stream
// reads: the same values, the same failures, the same characters consumed. Each case runs the
// same reads on both and compares them.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "assets/word_scanner.h"

namespace {

using Read = WordScanner::Read;

const char* const kNumberTexts[] = {
    "1.5",
    "+1",
    "-2.5e3",
    "1e",
    "1e+",
    ".5",
    "1.",
    ".",
    "-",
    "+",
    "00012",
    "1.5.3",
    "0x1F",
    "inf",
    "nan",
    "1e999",
    "-1e999",
    "1e-999",
    "-1e-50",
    "3.5e38",
    "1e-40",
    "4294967295",
    "4294967296",
    "-1",
    "-0",
    "-4294967295",
    "  \n 7",
    "1//3",
    "12abc",
    "1.e5",
    ".e5",
    "1E-2x",
    "--1",
    "+-1",
    "1 2 3 4",
    "0.1 0.2",
    "1/2/3 4/5/6",
    "e5",
    "\t\r\v\f9",
    "",
    "   ",
    "1e5e5",
    "123456789012345678901234567890",
    "0.000000000000000000000000000000000000000000001",
    "1.17549435e-38",
    "3.40282347e+38",
    "3.40282357e+38",
    "1.7976931348623157e308",
    "2.2250738585072014e-308",
    "4.9e-324",
    "2e-324",
    "9999999999999999999999e-30",
};

template <typename Number>
Read ScannerRead(WordScanner& scanner, Number* value) {
    if constexpr (std::is_same_v<Number, double>) {
        return scanner.ReadDouble(value);
    } else if constexpr (std::is_same_v<Number, float>) {
        return scanner.ReadFloat(value);
    } else if constexpr (std::is_same_v<Number, std::uint32_t>) {
        return scanner.ReadUnsigned(value);
    } else {
        return scanner.ReadChar(value);
    }
}

// Reads numbers of one type until the first failure, on both readers; then one word from
// where each stopped, which shows the characters each consumed (when neither failed).
template <typename Number>
void ExpectSameReads(const std::string& text) {
    std::istringstream stream(text);
    WordScanner scanner(text);
    for (int i = 0; i < 8; ++i) {
        Number expected{};
        stream >> expected;
        Number value{};
        const Read read = ScannerRead(scanner, &value);
        ASSERT_EQ(!stream.fail(), read == Read::kOk) << "'" << text << "' read " << i;
        if (stream.fail()) {
            // The stream only tells a malformed number from an end by its eof bit.
            if (read == Read::kEnd) {
                EXPECT_TRUE(stream.eof()) << "'" << text << "'";
            }
            return;
        }
        EXPECT_EQ(std::memcmp(&expected, &value, sizeof value), 0)
            << "'" << text << "' read " << i << ": " << expected << " vs " << value;
        std::string nextWord;
        // tellg fails on a stream at its end; the position is the same without the eof bit.
        stream.clear();
        const std::streampos mark = stream.tellg();
        stream >> nextWord;
        char word[WordScanner::kWordCapacity];
        WordScanner copy = scanner;
        const Read wordRead = copy.ReadWord(word);
        EXPECT_EQ(!stream.fail(), wordRead == Read::kOk) << "'" << text << "'";
        if (!stream.fail()) {
            EXPECT_EQ(nextWord, word) << "'" << text << "'";
        }
        stream.clear();
        stream.seekg(mark);
    }
}

TEST(WordScannerTest, NumbersReadAsTheStreamReadsThem) {
    for (const char* text : kNumberTexts) {
        SCOPED_TRACE(text);
        ExpectSameReads<double>(text);
        ExpectSameReads<float>(text);
        ExpectSameReads<std::uint32_t>(text);
        ExpectSameReads<char>(text);
    }
}

TEST(WordScannerTest, WordsAreRunsOfNonBlanksUpTo127Characters) {
    const std::string text = "  v  1/2/3\n\tusemtl\r\nWood" + std::string(1, '\0') + "x " +
                             std::string(127, 'a') + " " + std::string(128, 'b');
    WordScanner scanner(text);
    char word[WordScanner::kWordCapacity];
    const char* const expected[] = {"v", "1/2/3", "usemtl", "Wood"};
    for (const char* want : expected) {
        ASSERT_EQ(scanner.ReadWord(word), Read::kOk);
        EXPECT_STREQ(word, want);
    }
    EXPECT_EQ(scanner.Line(), 3u);
    ASSERT_EQ(scanner.ReadWord(word), Read::kOk);
    EXPECT_EQ(std::string(word), std::string(127, 'a'));
    EXPECT_EQ(scanner.ReadWord(word), Read::kTooLong);
}

TEST(WordScannerTest, SkippedLinesHold127CharactersAtMostAsGetlineDoes) {
    struct Case {
        std::string rest;
        Read expected;
    };
    const Case cases[] = {
        {" comment\nnext", Read::kOk},
        {std::string(127, 'c') + "\nnext", Read::kOk},
        {std::string(127, 'c'), Read::kOk},
        {std::string(128, 'c') + "\nnext", Read::kTooLong},
        {"\nnext", Read::kOk},
        {"", Read::kEnd},
    };
    for (const Case& c : cases) {
        std::istringstream stream(c.rest);
        char line[128];
        stream.getline(line, 128);
        WordScanner scanner(c.rest);
        const Read read = scanner.SkipLine();
        EXPECT_EQ(read, c.expected) << c.rest.size();
        // The stream fails for a line too long and for nothing left at all.
        EXPECT_EQ(stream.fail(), read != Read::kOk) << c.rest.size();
        if (read == Read::kOk && c.rest.find("next") != std::string::npos) {
            char word[WordScanner::kWordCapacity];
            ASSERT_EQ(scanner.ReadWord(word), Read::kOk);
            EXPECT_STREQ(word, "next");
            EXPECT_EQ(scanner.Line(), 2u);
        }
    }
}

TEST(WordScannerTest, DiscardThroughSlashStaysOnItsLineWithin128Characters) {
    struct Case {
        std::string text;
        bool found;
        const char* nextWord;
    };
    const Case cases[] = {
        {" house_main/wall.bmp\n", true, "wall.bmp"},
        {" a/b/c.bmp", true, "b/c.bmp"},
        {" -s 1 1 folder/x.bmp", true, "x.bmp"},
        {" wall.bmp\nnewmtl a/b", false, nullptr},
        {std::string(127, ' ') + "/x", true, "x"},
        {std::string(128, ' ') + "/x", false, nullptr},
        {"", false, nullptr},
    };
    for (const Case& c : cases) {
        WordScanner scanner(c.text);
        EXPECT_EQ(scanner.DiscardThroughSlash(), c.found) << c.text;
        if (!c.found) continue;
        char word[WordScanner::kWordCapacity];
        ASSERT_EQ(scanner.ReadWord(word), Read::kOk);
        EXPECT_STREQ(word, c.nextWord);
    }
}

}  // namespace
