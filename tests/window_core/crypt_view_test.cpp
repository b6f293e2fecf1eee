// What the window shows for a text: the output and the notice, against the engine's answer.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "engine/code_number.h"
#include "runtime/windows1252.h"
#include "tests/row_name.h"
#include "tests/window_core/recording_view.h"
#include "window_core/crypt_view.h"
#include "window_core/input_mirror.h"

namespace vellumark {
namespace {

// The engine's answer, for a text to encrypt with every line break as CR LF.
std::u16string Expected(std::u16string_view input, CryptMode mode, float codeNum) {
    std::u16string text;
    for (std::size_t i = 0; i < input.size(); ++i) {
        const bool lineBreak = input[i] == u'\n' || input[i] == u'\r';
        if (mode == kModeEncrypt && lineBreak) {
            text += u"\r\n";
            if (input.substr(i, 2) == u"\r\n") {
                ++i;
            }
        } else {
            text += input[i];
        }
    }
    return Windows1252ToUtf16(CryptText(Utf16ToWindows1252(text).bytes, mode, codeNum));
}

struct ViewRow {
    const char* name;
    std::u16string input;
    CryptMode mode;
    float codeNum;
    bool shown;
    NoticeKind notice;
    std::u16string noticeHas;
};

void PrintTo(const ViewRow& row, std::ostream* out) {
    *out << row.name;
}

class ViewOfCryptTest : public ::testing::TestWithParam<ViewRow> {};

TEST_P(ViewOfCryptTest, ShowsTheCiphersAnswerOrSaysWhyNot) {
    const ViewRow& row = GetParam();
    const CryptView view = ViewOfCrypt(row.input, row.mode, row.codeNum);
    // The same from a box holding the text, whichever way the box's reading goes.
    RecordingView box;
    box.input = row.input;
    const CryptView fromBox = ViewOfInput(box, row.mode, row.codeNum);
    EXPECT_EQ(fromBox.notice, view.notice);
    EXPECT_EQ(fromBox.output, view.output);
    // And from the core's copy of the box, which decrypts only the cipher text's symbols.
    InputMirror mirror;
    mirror.Append(row.input);
    const CryptView fromMirror = ViewOfInput(mirror, row.mode, row.codeNum);
    EXPECT_EQ(fromMirror.notice, view.notice);
    EXPECT_EQ(fromMirror.output, view.output);
    EXPECT_EQ(view.notice, row.notice);
    EXPECT_EQ(view.noticeText.empty(), row.notice == NoticeKind::kNone);
    EXPECT_NE(view.noticeText.find(row.noticeHas), std::u16string::npos);
    ASSERT_EQ(view.output.has_value(), row.shown);
    if (row.shown) {
        EXPECT_EQ(*view.output, Expected(row.input, row.mode, row.codeNum));
    }
}

std::u16string Repeated(std::u16string_view text, std::size_t times) {
    std::u16string repeated;
    for (std::size_t i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

const std::u16string kLongest(kMaxTextLength, u'a');
const std::u16string kLongestCipher(kMaxCipherSymbols, u'A');
const std::u16string kCup = u"\U0001F375";  // two UTF-16 units, one character
const std::u16string kBlanks = std::u16string(70000, u' ') + std::u16string(30000, u'\n');
// 43,336 symbols in lines of 76 that end in CR LF: within the limit, as decryption skips CRs.
std::u16string WrappedWithCrLf() {
    std::u16string text;
    for (std::size_t symbols = 0; symbols < 43336; symbols += 76) {
        text += std::u16string(std::min<std::size_t>(76, 43336 - symbols), u'A') + u"\r\n";
    }
    return text;
}
constexpr float kCode = 408153.0f;
constexpr auto kNone = NoticeKind::kNone;
constexpr auto kTooLong = NoticeKind::kTooLong;
constexpr auto kUnmappable = NoticeKind::kUnmappable;

INSTANTIATE_TEST_SUITE_P(
    Rows, ViewOfCryptTest,
    ::testing::Values(
        // Either window's line break, encrypted as the Windows edition's box holds it.
        ViewRow{"CrLfEncryptsAsCrLf", u"ab\r\ncd", kModeEncrypt, kCode, true, kNone, u""},
        ViewRow{"LoneCrEncryptsAsCrLf", u"ab\rcd", kModeEncrypt, kCode, true, kNone, u""},
        ViewRow{"LineBreaksCountAsTwoCharacters", std::u16string(kMaxTextLength / 2 + 1, u'\n'),
                kModeEncrypt, kCode, false, kTooLong,
                u"32,766 characters (a line break counts as two)"},
        ViewRow{"CrLfWrappedCipherTextWithinTheLimitDecrypts", WrappedWithCrLf(), kModeDecrypt,
                kCode, true, kNone, u""},
        ViewRow{"UnsetModePassesTheText", u"abc", CryptMode{}, kCode, true, kNone, u""},
        ViewRow{"LongestTextEncrypts", kLongest, kModeEncrypt, kCode, true, kNone, u""},
        ViewRow{"LongestCipherTextDecrypts", kLongestCipher, kModeDecrypt, kCode, true, kNone, u""},
        ViewRow{"UnmappableIsAStrayCharacterToDecrypt", u"w76\u4E2DYo!5", kModeDecrypt, kCode, true,
                kNone, u""},
        ViewRow{"UnmappableUnderAnInvalidCode", u"\u4E2D", kModeEncrypt, kInvalidCodeNumber, true,
                kNone, u""},
        // Beyond the limits, where the window refuses a text without reading it all.
        ViewRow{"TooLongAndUnmappableTheLengthIsTheNotice", kLongest + kCup, kModeEncrypt, kCode,
                false, kTooLong, u"32,766 characters"},
        ViewRow{"TwiceTheLimitInUnitsTheLimitInCharacters", Repeated(kCup, kMaxTextLength),
                kModeEncrypt, kCode, false, kUnmappable, u"U+1F375"},
        ViewRow{"HugeTextUnderAnInvalidCode", Repeated(kLongest, 3), kModeEncrypt,
                kInvalidCodeNumber, true, kNone, u""},
        ViewRow{"HugeBlanksRoundACipherTextDecrypt", kBlanks + u"w76Yo!56" + kBlanks, kModeDecrypt,
                kCode, true, kNone, u""},
        ViewRow{"LongestCipherTextOfTwoUnitCharactersDecrypts", Repeated(kCup, kMaxCipherSymbols),
                kModeDecrypt, kCode, true, kNone, u""},
        ViewRow{"BlanksKeepSurrogateHalvesApart", u"w76\xD83C \xDF75Yo!5", kModeDecrypt, kCode,
                true, kNone, u""},
        ViewRow{"OneMoreSymbolAfterHugeBlanksIsRefused", kBlanks + kLongestCipher + u'A',
                kModeDecrypt, kCode, false, kTooLong, u"43,688 symbols"}),
    RowName<ViewRow>);

struct UnmappableRow {
    const char* name;
    std::u16string input;
    std::u16string named;
    std::u16string position;
};

void PrintTo(const UnmappableRow& row, std::ostream* out) {
    *out << row.name;
}

class UnmappableNoticeTest : public ::testing::TestWithParam<UnmappableRow> {};

TEST_P(UnmappableNoticeTest, NamesTheFirstUnmappableCharacterAndItsPosition) {
    const UnmappableRow& row = GetParam();
    const CryptView view = ViewOfCrypt(row.input, kModeEncrypt, kCode);
    EXPECT_EQ(view.notice, kUnmappable);
    EXPECT_NE(view.noticeText.find(row.named), std::u16string::npos);
    EXPECT_NE(view.noticeText.find(row.position), std::u16string::npos);
}

// Positions count characters, not UTF-16 units.
INSTANTIATE_TEST_SUITE_P(
    Rows, UnmappableNoticeTest,
    ::testing::Values(
        UnmappableRow{"TheFirstOfTwo", u"ab\u0394c\u4E2D", u"U+0394", u"character 3 ("},
        UnmappableRow{"AfterAPair", u"\U0001F600x", u"U+1F600 \"\U0001F600\"", u"character 1 ("},
        UnmappableRow{"PastTheThousands", std::u16string(1233, u'a') + u"\u2603", u"U+2603",
                      u"character 1,234 ("}),
    RowName<UnmappableRow>);

TEST(ViewOfCryptTest, WarnsWhenTheCipherTextWouldNotDecryptBack) {
    // Some byte of 129..255 alone shifts to 256 under this code number and is dropped.
    std::u16string lost;
    for (int byte = 1; byte < 256 && lost.empty(); ++byte) {
        const std::string text(1, static_cast<char>(byte));
        if (!DecryptsBack(text, kCode)) {
            lost = Windows1252ToUtf16(text);
        }
    }
    ASSERT_FALSE(lost.empty());
    const CryptView view = ViewOfCrypt(lost, kModeEncrypt, kCode);
    EXPECT_EQ(view.notice, NoticeKind::kNotDecryptable);
    ASSERT_TRUE(view.output.has_value());
    EXPECT_EQ(*view.output, Expected(lost, kModeEncrypt, kCode));
    EXPECT_NE(Expected(*view.output, kModeDecrypt, kCode), lost);
    // The same text as a cipher text to decrypt is no reason for the warning.
    EXPECT_EQ(ViewOfCrypt(lost, kModeDecrypt, kCode).notice, kNone);
}

}  // namespace
}  // namespace vellumark
