#include "window_core/crypt_view.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/code_number.h"
#include "engine/crypt_answer.h"
#include "engine/overflow_error.h"
#include "runtime/utf16.h"
#include "runtime/windows1252.h"

namespace vellumark {

namespace {

// Digits grouped by commas, whatever the desktop's locale, so that a notice reads the same on
// every desktop.
std::u16string Grouped(std::size_t count) {
    const std::string digits = std::to_string(count);
    std::u16string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += u',';
        }
        grouped += static_cast<char16_t>(digits[i]);
    }
    return grouped;
}

// "U+2615 "☕"": the ASCII name of the description, and the character itself as UTF-16.
std::u16string Describe(char32_t character) {
    const std::string description = DescribeCharacter(character);
    const std::size_t quote = description.find('"');
    std::u16string text(description.begin(),
                        quote == std::string::npos
                            ? description.end()
                            : description.begin() + static_cast<std::ptrdiff_t>(quote));
    if (quote != std::string::npos) {
        text += u'"';
        AppendUtf16(text, character);
        text += u'"';
    }
    return text;
}

}  // namespace

float CodeNumberOf(std::u16string_view text) {
    return ValidateCodeNumber(Utf16ToWindows1252(text).bytes);
}

std::u16string TooLongNotice(CryptMode mode) {
    if (mode == kModeDecrypt) {
        return u"Input over " + Grouped(kMaxCipherSymbols) + u" symbols: output not updated.";
    }
    // The box shows a line break as one character, but the cipher holds it as CR LF.
    return u"Input over " + Grouped(kMaxTextLength) +
           u" characters (a line break counts as two): output not updated.";
}

// Short enough for the status bar even at the last position and with a long code point.
std::u16string UnmappableNotice(char32_t character, std::size_t position) {
    return u"Cannot encrypt character " + Grouped(position) + u" (" + Describe(character) +
           u"): output not updated.";
}

std::u16string NotDecryptableNotice() {
    return u"This cipher text would not decrypt back to exactly the input.";
}

std::u16string InputCutNotice(std::size_t limit) {
    return u"Input over " + Grouped(limit) + u" characters: the rest was not taken.";
}

std::u16string StaleCopyNotice() {
    return u"Not copied: the output is out of date and does not match the input.";
}

bool TooLongToEncrypt(std::size_t length, CryptMode mode, float codeNum) {
    return codeNum != kInvalidCodeNumber && mode != kModeDecrypt && length > 2 * kMaxTextLength;
}

std::size_t CipherSymbolsIn(std::u16string_view text) {
    std::size_t symbols = 0;
    for (const char16_t unit : text) {
        // The second half of a surrogate pair belongs to the character before it.
        if (!IsCipherWhiteSpace(unit) && !IsLowSurrogate(unit)) {
            ++symbols;
        }
    }
    return symbols;
}

CryptView InvalidCodeView() {
    CryptView view;
    view.output = std::u16string(kInvalidCodeNumberText.begin(), kInvalidCodeNumberText.end());
    return view;
}

CryptView TooLongView(CryptMode mode) {
    CryptView view;
    view.notice = NoticeKind::kTooLong;
    view.noticeText = TooLongNotice(mode);
    return view;
}

CryptView ViewOfCrypt(std::u16string_view input, CryptMode mode, float codeNum) {
    Windows1252Text text = Utf16ToWindows1252(input);
    if (Encrypts(mode, codeNum)) {
        // Every window encrypts a line break as CR LF, which the Windows edition's box holds,
        // so the same lines give the same cipher text in either window (and in the CLI).
        text.bytes = WithLineEnds(text.bytes, "\r\n");
    }
    const CryptAnswer answer = AnswerCrypt(text.bytes, mode, codeNum, text.unmappable);
    CryptView view;
    switch (answer.refusal) {
        case CryptRefusal::kNone:
            break;
        case CryptRefusal::kTooLong:
            return TooLongView(mode);
        case CryptRefusal::kUnmappable:
            view.notice = NoticeKind::kUnmappable;
            view.noticeText =
                UnmappableNotice(answer.unmappable->character, answer.unmappable->position);
            return view;
    }
    if (!answer.decryptsBack) {
        view.notice = NoticeKind::kNotDecryptable;
        view.noticeText = NotDecryptableNotice();
    }
    view.output = Windows1252ToUtf16(answer.result);
    return view;
}

}  // namespace vellumark
