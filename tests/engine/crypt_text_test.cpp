#include "engine/crypt_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

#include "engine/code_text.h"
#include "runtime/generator.h"
#include "tests/quoted.h"
#include "tests/row_name.h"

namespace vellumark {
namespace {

struct VectorRow {
    const char* name;
    std::string text;
    float code;
    std::string cipher;
};

// Names the row in the test's name and its failures: "Hello" under 408153.
void PrintTo(const VectorRow& row, std::ostream* out) {
    *out << Quoted(row.text) << " under " << row.code;
}

class KnownCipherTexts : public testing::TestWithParam<VectorRow> {};

TEST_P(KnownCipherTexts, EncryptToTheClassicCipherText) {
    EXPECT_EQ(CryptText(GetParam().text, kModeEncrypt, GetParam().code), GetParam().cipher);
}

TEST_P(KnownCipherTexts, DecryptBack) {
    EXPECT_EQ(CryptText(GetParam().cipher, kModeDecrypt, GetParam().code), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Vectors, KnownCipherTexts,
    testing::Values(VectorRow{"Hello", "Hello", 408153, "w76Yo!5A"},
                    VectorRow{"HelloWorld", "Hello, World!", 408153, "w76Yo!56g7VD3e?HPQAA"},
                    VectorRow{"QuickBrownFox", "The quick brown fox", 42,
                              "Og!gl6y74EzEplvMS8LMr7JIrQAA"},
                    VectorRow{"SmallestCode", "Hello", 1, "mdLvy5IA"},
                    VectorRow{"LargestCode", "Hello", 999999, "yvozY4SA"},
                    VectorRow{"AccentedLetter", "caf\xE9", 408153, "1VuV0AAA"},
                    VectorRow{"Empty", "", 408153, ""}),
    RowName<VectorRow>);

TEST(CryptText, LosesAByteThatShiftsToZeroInTheLastGroup) {
    // "ü" (0xFC) shifts to exactly 256 under this code: the cipher-text format drops it.
    const std::string text = "Hi\xFC";
    EXPECT_EQ(CryptText(text, kModeEncrypt, 408153), "w8EA");
    EXPECT_EQ(CryptText("w8EA", kModeDecrypt, 408153), "Hi");
    EXPECT_FALSE(DecryptsBack(text, 408153));
    EXPECT_TRUE(DecryptsBack("Hi!", 408153));
}

TEST(CryptText, KeepsAByteThatShiftsToZeroBeforeTheLastGroup) {
    const std::string text = "Hi\xFCthere";
    const std::string cipher = CryptText(text, kModeEncrypt, 408153);
    EXPECT_EQ(CodeText(cipher, kDecode)[2], '\0');
    EXPECT_EQ(CryptText(cipher, kModeDecrypt, 408153), text);
    EXPECT_TRUE(DecryptsBack(text, 408153));
}

TEST(CryptText, InvalidCodeNumberAnswersWithTheMessageInEveryMode) {
    for (const int mode : {0, 1, 2, 3, 255}) {
        for (const std::string& text :
             {std::string(), std::string("abc"), std::string(50000, 'x')}) {
            EXPECT_EQ(CryptText(text, static_cast<CryptMode>(mode), -1.0f), "Invalid Code Number");
        }
    }
}

TEST(CryptText, OtherModesPassTheTextThrough) {
    const std::string text = "Any \x01\xFF text";
    for (const int mode : {0, 3, 4, 255}) {
        EXPECT_EQ(CryptText(text, static_cast<CryptMode>(mode), 408153), text);
    }
}

TEST(CryptText, OnlyTheMagnitudeOfTheCodeEnters) {
    EXPECT_EQ(CryptText("Hello", kModeEncrypt, -5), CryptText("Hello", kModeEncrypt, 5));
    EXPECT_EQ(CryptText("Hello", kModeEncrypt, -408153), "w76Yo!5A");
}

TEST(CryptText, IgnoresEverythingDrawnBefore) {
    const std::string first = CryptText("Hello", kModeEncrypt, 408153);
    ProcessGenerator().NextValue();
    CryptText("other text", kModeEncrypt, 77);
    ProcessGenerator().Seed(12345.5f);
    EXPECT_EQ(CryptText("Hello", kModeEncrypt, 408153), first);
}

TEST(CryptText, WrongCodeDecryptsToOtherBytesWithoutError) {
    const std::string cipher = CryptText("Hello, World!", kModeEncrypt, 408153);
    const std::string wrong = CryptText(cipher, kModeDecrypt, 408154);
    EXPECT_NE(wrong, "Hello, World!");
    EXPECT_FALSE(wrong.empty());
}

TEST(CryptText, DecryptionSkipsWhiteSpaceThatMailAndCopiesAdd) {
    const std::string cipher = CryptText("Hello, World!", kModeEncrypt, 408153);
    const std::string wrapped = "  " + cipher.substr(0, 7) + "\r\n" + cipher.substr(7, 6) + "\n\t" +
                                cipher.substr(13) + " \v\f\r\n";
    EXPECT_EQ(CryptText(wrapped, kModeDecrypt, 408153), "Hello, World!");
}

TEST(CryptText, TextsOfCodesOneToOneHundredTwentyEightAlwaysComeBack) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> byte(1, 128);
    std::uniform_int_distribution<int> length(0, 200);
    std::uniform_int_distribution<int> code(1, 999999);
    for (int round = 0; round < 500; ++round) {
        std::string text(static_cast<std::size_t>(length(random)), ' ');
        for (char& c : text) {
            c = static_cast<char>(byte(random));
        }
        const auto key = static_cast<float>(code(random));
        const std::string cipher = CryptText(text, kModeEncrypt, key);
        ASSERT_EQ(cipher.size(), 4 * ((text.size() + 2) / 3));
        ASSERT_EQ(cipher.find_first_not_of(kCodeAlphabet), std::string::npos);
        ASSERT_EQ(CryptText(cipher, kModeDecrypt, key), text) << "code " << key;
        ASSERT_TRUE(DecryptsBack(text, key));
    }
}

TEST(DecryptsBack, AgreesWithARealRoundTripForAnyBytes) {
    std::mt19937 random(8);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(1, 12);
    int losses = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string text(static_cast<std::size_t>(length(random)), ' ');
        for (char& c : text) {
            c = static_cast<char>(byte(random));
        }
        const auto key = static_cast<float>(1 + round % 1000);
        const bool back = CryptText(CryptText(text, kModeEncrypt, key), kModeDecrypt, key) == text;
        ASSERT_EQ(DecryptsBack(text, key), back) << "round " << round;
        losses += back ? 0 : 1;
    }
    EXPECT_GT(losses, 0) << "the loss never came up, so the check was not exercised";
}

TEST(CryptTextLimits, EncryptsUpToTheLongestTextAndRefusesMore) {
    const std::string longest(kMaxTextLength, 'x');
    const std::string cipher = CryptText(longest, kModeEncrypt, 408153);
    EXPECT_EQ(cipher.size(), kMaxCipherSymbols);
    EXPECT_THROW(CryptText(longest + "x", kModeEncrypt, 408153), OverflowError);
    EXPECT_THROW(CryptText(longest + "x", static_cast<CryptMode>(7), 408153), OverflowError);
}

TEST(CryptTextLimits, TheLongestCipherTextDecrypts) {
    // Texts of 24,574 characters and more used to encrypt into cipher texts that could never
    // be decrypted again.
    const std::string longest(kMaxTextLength, 'x');
    const std::string cipher = CryptText(longest, kModeEncrypt, 408153);
    EXPECT_EQ(CryptText(cipher, kModeDecrypt, 408153), longest);
    EXPECT_EQ(CryptText(cipher + "\r\n", kModeDecrypt, 408153), longest);
    EXPECT_THROW(CryptText(cipher + "AAAA", kModeDecrypt, 408153), OverflowError);
}

}  // namespace
}  // namespace vellumark
