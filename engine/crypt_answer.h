#pragma once
// What a text gives under a mode and a code number, or why it gives nothing: the one policy of
// refusals and warnings that the windows and vellumark-cli follow. Each front end words it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/crypt_text.h"
#include "runtime/windows1252.h"

namespace vellumark {

enum class CryptRefusal : std::uint8_t {
    kNone,
    kTooLong,     // over kMaxTextLength bytes to encrypt or kMaxCipherSymbols symbols to decrypt
    kUnmappable,  // a character to encrypt that has no Windows-1252 byte
};

struct CryptAnswer {
    std::string result;  // the cipher's answer; empty when refused
    CryptRefusal refusal = CryptRefusal::kNone;
    std::optional<UnmappableCharacter> unmappable;  // the character refused, with kUnmappable
    bool decryptsBack = true;  // false for a cipher text that would not decrypt back exactly
};

// Whether `mode` and `codeNum` encrypt: only then do length and unmappable characters refuse a
// text before the cipher sees it, and only then can the result fail to decrypt back.
constexpr bool Encrypts(CryptMode mode, float codeNum) {
    return mode == kModeEncrypt && codeNum != kInvalidCodeNumber;
}

// The answer for the Windows-1252 `bytes` of a text, whose first character without a byte,
// if any, is `unmappable`. An invalid code number gives "Invalid Code Number" whatever the
// text. Decrypting, an unmappable character is just one more character outside the cipher
// alphabet. Length refuses before an unmappable character: no character can be mended to
// make a text fit.
CryptAnswer AnswerCrypt(std::string_view bytes, CryptMode mode, float codeNum,
                        const std::optional<UnmappableCharacter>& unmappable = std::nullopt);

}  // namespace vellumark
