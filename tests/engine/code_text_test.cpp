#include "engine/code_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "engine/overflow_error.h"
#include "tests/quoted.h"
#include "tests/row_name.h"

namespace vellumark {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int value : values) {
        bytes.push_back(static_cast<char>(value));
    }
    return bytes;
}

TEST(CodeAlphabet, PairsEachCapitalWithItsSmallLetterThenDigitsOneToZero) {
    ASSERT_EQ(kCodeAlphabet.size(), 64u);
    EXPECT_EQ(kCodeAlphabet.substr(0, 6), "AaBbCc");
    EXPECT_EQ(kCodeAlphabet[50], 'Z');
    EXPECT_EQ(kCodeAlphabet[51], 'z');
    EXPECT_EQ(kCodeAlphabet.substr(52), "1234567890!?");
}

struct EncodeRow {
    const char* name;
    std::string bytes;
    std::string symbols;
};

// Names the row in the test's name and its failures: "abc" is "MLer".
void PrintTo(const EncodeRow& row, std::ostream* out) {
    *out << Quoted(row.bytes) << " is " << Quoted(row.symbols);
}

class Encoding : public testing::TestWithParam<EncodeRow> {};

TEST_P(Encoding, GivesKnownSymbols) {
    EXPECT_EQ(CodeText(GetParam().bytes, kEncode), GetParam().symbols);
}

INSTANTIATE_TEST_SUITE_P(
    KnownAnswers, Encoding,
    testing::Values(EncodeRow{"Empty", "", ""}, EncodeRow{"ThreeBytes", "abc", "MLer"},
                    EncodeRow{"TwoBytes", "ab", "MLEA"}, EncodeRow{"OneByte", "a", "MIAA"},
                    EncodeRow{"Hello", "Hello", "JDkWnD9A"},
                    EncodeRow{"ZeroInTheMiddle", Bytes({65, 0, 66}), "IIaB"},
                    EncodeRow{"AllOnes", Bytes({255, 255, 255}), "????"},
                    EncodeRow{"AllZeros", Bytes({0, 0, 0}), "AAAA"},
                    EncodeRow{"FourBytes", "abcd", "MLermAAA"}),
    RowName<EncodeRow>);

struct DecodeRow {
    const char* name;
    std::string symbols;
    std::string bytes;
};

void PrintTo(const DecodeRow& row, std::ostream* out) {
    *out << Quoted(row.symbols) << " is " << Quoted(row.bytes);
}

class Decoding : public testing::TestWithParam<DecodeRow> {};

TEST_P(Decoding, GivesKnownBytes) {
    EXPECT_EQ(CodeText(GetParam().symbols, kDecode), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    KnownAnswers, Decoding,
    testing::Values(DecodeRow{"Empty", "", ""}, DecodeRow{"ThreeBytes", "MLer", "abc"},
                    DecodeRow{"TwoBytes", "MLEA", "ab"}, DecodeRow{"OneByte", "MIAA", "a"},
                    DecodeRow{"Hello", "JDkWnD9A", "Hello"},
                    // The zero in the middle of the last group goes with the fill.
                    DecodeRow{"ZeroInTheLastGroup", "IIaB", Bytes({65, 66})},
                    // Only "A" everywhere: all three bytes of the only group are zero.
                    DecodeRow{"OneZeroSymbol", "A", ""}, DecodeRow{"TwoZeroSymbols", "AA", ""},
                    // A missing fourth symbol counts as "A".
                    DecodeRow{"MissingFourthSymbol", "MLe", Bytes({97, 98, 64})},
                    // "~" is outside the alphabet and counts as -1.
                    DecodeRow{"OutsideTheAlphabetLast", "MLe~", Bytes({97, 98, 63})},
                    DecodeRow{"OutsideTheAlphabetFirst", "~AAA", Bytes({252})},
                    // Zeros before the last group survive.
                    DecodeRow{"ZerosBeforeTheLastGroup", "~AAAMLer", Bytes({252, 0, 0, 97, 98, 99})},
                    // Line breaks count as -1 each: the codec itself keeps its old reading.
                    DecodeRow{"LineBreak", "MLer\r\n", Bytes({97, 98, 99, 251, 240})},
                    // Capital and small letters are different symbols.
                    DecodeRow{"SmallLetterFirst", "aAAA", Bytes({4})},
                    DecodeRow{"SmallLetterLast", "AAAa", Bytes({1})}),
    RowName<DecodeRow>);

TEST(CodeText, KeepsZerosOutsideTheLastGroup) {
    const std::string six = Bytes({1, 2, 0, 4, 5, 6});
    EXPECT_EQ(CodeText(CodeText(six, kEncode), kDecode), six);
}

TEST(CodeText, OtherDirectionsGiveTheEmptyString) {
    for (const int direction : {0, 1, 2, 3, 6, 255}) {
        EXPECT_EQ(CodeText("abc", static_cast<CodecDirection>(direction)), "") << direction;
    }
}

TEST(CodeText, EncodesFourSymbolsForEveryThreeBytesStartedRoundTrip) {
    for (std::size_t n = 0; n <= 30; ++n) {
        std::string bytes;
        for (std::size_t i = 0; i < n; ++i) {
            bytes.push_back(static_cast<char>(1 + (i * 37) % 255));
        }
        const std::string symbols = CodeText(bytes, kEncode);
        EXPECT_EQ(symbols.size(), 4 * ((n + 2) / 3));
        EXPECT_EQ(symbols.find_first_not_of(kCodeAlphabet), std::string::npos);
        EXPECT_EQ(CodeText(symbols, kDecode), bytes);
    }
}

TEST(CodeTextLimits, EncodesUpToTheLongestTextAndNoFurther) {
    EXPECT_EQ(CodeText(std::string(kMaxTextLength, 'x'), kEncode).size(), 43688u);
    EXPECT_EQ(CodeText(std::string(kMaxTextLength - 1, 'x'), kEncode).size(), 43688u);
    EXPECT_THROW(CodeText(std::string(kMaxTextLength + 1, 'x'), kEncode), OverflowError);
    EXPECT_THROW(CodeText(std::string(100000, 'x'), kEncode), OverflowError);
}

TEST(CodeTextLimits, DecodesTheLongestCipherTextAndNoFurther) {
    const std::string longest(kMaxCipherSymbols, 'b');
    EXPECT_EQ(CodeText(longest, kDecode).size(), 32766u);
    EXPECT_THROW(CodeText(longest + "b", kDecode), OverflowError);
}

TEST(CodeTextLimits, OverflowIsTheRuntimeErrorSix) {
    try {
        CodeText(std::string(40000, 'x'), kEncode);
        FAIL() << "no error";
    } catch (const OverflowError& error) {
        EXPECT_EQ(error.number(), 6);
        EXPECT_STREQ(error.what(), "Overflow");
    }
}

}  // namespace
}  // namespace vellumark
