#pragma once
// The keyed shift cipher: each byte moves by 0..127 places, drawn from the generator along a
// chain of seeds that starts at the code number; the shifted bytes are then written with the
// six-bit codec.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/overflow_error.h"

namespace vellumark {

// The mode byte. Its underlying type makes every byte value a CryptMode, so a byte read from
// anywhere is a mode: CryptText passes the text through for any value but the first two.
enum CryptMode : std::uint8_t { kModeEncrypt = 1, kModeDecrypt = 2, kModeToggle = 3 };

// The code number that stands for "the code-number box holds no valid code".
inline constexpr float kInvalidCodeNumber = -1.0f;
inline constexpr std::string_view kInvalidCodeNumberText = "Invalid Code Number";

// Encrypts (kModeEncrypt) or decrypts (kModeDecrypt) `text` under `codeNum`; any other mode
// passes the text through. Code number -1 gives "Invalid Code Number". Decryption skips blanks,
// tabs and line breaks, which no cipher text holds. Throws OverflowError, before any output, for
// more than kMaxTextLength characters to encrypt or kMaxCipherSymbols symbols to decrypt.
std::string CryptText(std::string_view text, CryptMode mode, float codeNum);

// The white space that decryption skips: blanks, tabs, line breaks, vertical tabs and form
// feeds. Mail programs wrap long lines and copies pick up trailing line breaks; no cipher text
// holds white space, so dropping it changes nothing else.
constexpr bool IsCipherWhiteSpace(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\v' || c == U'\f' || c == U'\r';
}

// The shifted bytes that a cipher text carries: blanks, tabs and line breaks skipped, then
// decoded. Throws OverflowError beyond kMaxCipherSymbols symbols.
std::string DecodeCipherText(std::string_view text);

// The plain text of the shifted bytes that DecodeCipherText gives, under `codeNum`.
std::string ShiftBack(std::string_view shifted, float codeNum);

// Whether decrypting the encryption of `text` under `codeNum` gives `text` back. It does not
// when a byte shifts to 0 in the last group of three, which the cipher-text format drops.
bool DecryptsBack(std::string_view text, float codeNum);

}  // namespace vellumark
