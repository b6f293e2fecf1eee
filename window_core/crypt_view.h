#pragma once
// What the main window shows for a text: the cipher's answer read and written through
// Windows-1252, and a notice where the output is refused or suspect. Pure functions.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/crypt_text.h"

namespace vellumark {

enum class NoticeKind : std::uint8_t {
    kNone,
    kTooLong,         // the cipher refused the input for its length
    kUnmappable,      // the input holds a character that has no Windows-1252 byte
    kNotDecryptable,  // the cipher text shown would not decrypt back to exactly the input
    kInputCut,        // a paste met the input box's limit, and the rest was not taken
    kClipboardRefused,  // the front end's clipboard kept a Paste's text or a Copy's from it
    kStaleCopy,         // a copy out of the output box while it was not the input's
};

struct CryptView {
    // The new text of the output box, or nothing when it must keep the text it has.
    std::optional<std::u16string> output;
    NoticeKind notice = NoticeKind::kNone;
    std::u16string noticeText;
};

// The code number that the code-number box's text stands for, or kInvalidCodeNumber. A
// character without a Windows-1252 byte cannot be a digit, so it makes the number invalid.
float CodeNumberOf(std::u16string_view text);

// What the window shows for `input` under `mode` and `codeNum`. Computes the cipher once,
// and the round trip only for a cipher text that is shown. A text to encrypt has its line
// breaks (LF, CR LF, a lone CR) encrypted as CR LF, and its length counted so.
CryptView ViewOfCrypt(std::u16string_view input, CryptMode mode, float codeNum);

// Whether the cipher would surely refuse, for its length alone, an input of `length` UTF-16
// units to encrypt (a character takes at most two units, and at least one byte even after its
// line breaks became CR LF). Decided without reading the input; a
// "no" leaves the decision to ViewOfCrypt.
bool TooLongToEncrypt(std::size_t length, CryptMode mode, float codeNum);

// The symbols of a cipher text that count against the limit: every character but blanks and
// line breaks, which decryption skips.
std::size_t CipherSymbolsIn(std::u16string_view text);

// The view of any input under an invalid code number: the cipher's answer, whatever the input.
CryptView InvalidCodeView();

// The view of an input refused for its length.
CryptView TooLongView(CryptMode mode);

std::u16string TooLongNotice(CryptMode mode);
std::u16string UnmappableNotice(char32_t character, std::size_t position);
std::u16string NotDecryptableNotice();
// For a front end whose input box holds at most `limit` characters.
std::u16string InputCutNotice(std::size_t limit);
std::u16string StaleCopyNotice();

}  // namespace vellumark
