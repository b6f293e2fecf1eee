#pragma once
// The six-bit text codec: every three bytes become four printable symbols, and back.

#include <cstdint>
#include <string>
#include <string_view>

namespace vellumark {

// The 64 symbols of the cipher text; a symbol's index is its place here.
inline constexpr std::string_view kCodeAlphabet =
    "AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXxYyZz1234567890!?";

// The direction byte; as with CryptMode, every byte value is a CodecDirection.
enum CodecDirection : std::uint8_t { kEncode = 4, kDecode = 5 };

// Encoding fills the text with bytes 0 to a multiple of three and writes each group as four
// symbols, most significant six bits first. Decoding counts a character outside the alphabet
// as -1 and a missing one as "A", and drops every byte 0 of the last group. Any other
// direction gives the empty string. Throws OverflowError beyond kMaxTextLength bytes to
// encode or kMaxCipherSymbols characters to decode.
std::string CodeText(std::string_view text, CodecDirection direction);

}  // namespace vellumark
