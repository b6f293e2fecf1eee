#pragma once
// The text that the cipher works on is single bytes. Screen text maps onto them through
// Windows-1252, both ways; its five undefined bytes map to the C1 controls of the same value,
// so every byte 0..255 has exactly one character and back.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vellumark {

struct UnmappableCharacter {
    char32_t character;    // the code point (U+FFFD for malformed input)
    std::size_t position;  // 1-based, counted in characters (code points)
    std::size_t offset;    // 0-based, counted in code units (bytes of UTF-8): where it starts
    bool malformed;        // no character at all: invalid UTF-8 or a lone surrogate
};

struct Windows1252Text {
    std::string bytes;
    // The first character that has no byte; it stands in `bytes` as the substitute.
    std::optional<UnmappableCharacter> unmappable;
};

// A byte that is neither a cipher symbol nor white space, so an unmappable character in a
// cipher text counts as a character outside the cipher alphabet.
inline constexpr char kSubstituteByte = '\x1A';

// The length of the longest prefix of `bytes` that more bytes after it cannot change the
// decoding of: it ends before the start of a UTF-8 sequence that may still be completed.
std::size_t CompleteUtf8Length(std::string_view bytes);

Windows1252Text Utf16ToWindows1252(std::u16string_view text);
Windows1252Text Utf8ToWindows1252(std::string_view text);
std::u16string Windows1252ToUtf16(std::string_view bytes);
std::string Windows1252ToUtf8(std::string_view bytes);

// `bytes` with every line break in it (LF, CR LF, a lone CR) written as `lineEnd`. The bytes
// 10 and 13 stand only for LF and CR in Windows-1252, so no other character is touched.
std::string WithLineEnds(std::string_view bytes, std::string_view lineEnd);

// "U+00E9 'é'" style name of a character, in UTF-8, for messages.
std::string DescribeCharacter(char32_t character);

}  // namespace vellumark
