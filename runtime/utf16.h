#pragma once
// UTF-16 surrogate pairs: a character beyond U+FFFF takes two code units, a high one
// (D800..DBFF) and then a low one (DC00..DFFF), each carrying ten bits of its offset from
// U+10000.

#include <string>

namespace vellumark {

inline constexpr char32_t kFirstSupplementary = 0x10000;

constexpr bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}
constexpr bool IsSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

// The character of a high and a low surrogate.
constexpr char32_t CharacterOfPair(char32_t high, char32_t low) {
    return kFirstSupplementary + ((high - 0xD800) << 10U) + (low - 0xDC00);
}

// Appends `character` (up to U+10FFFF) as one code unit, or as a pair beyond U+FFFF.
inline void AppendUtf16(std::u16string& text, char32_t character) {
    if (character < kFirstSupplementary) {
        text += static_cast<char16_t>(character);
    } else {
        const char32_t offset = character - kFirstSupplementary;
        text += static_cast<char16_t>(0xD800 + (offset >> 10U));
        text += static_cast<char16_t>(0xDC00 + (offset & 0x3FFU));
    }
}

}  // namespace vellumark
