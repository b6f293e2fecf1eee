#include "runtime/windows1252.h"

#include <array>
#include <cstdint>

#include "runtime/utf16.h"

namespace vellumark {
namespace {

// The characters of bytes 0x80..0x9F; the five bytes that Windows-1252 leaves undefined keep
// the C1 control of their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kNoByte = 0xFFFFFFFF;

char32_t CharacterOf(unsigned char byte) {
    return (byte >= 0x80 && byte <= 0x9F) ? kHighControls[byte - 0x80] : char32_t{byte};
}

// The byte of a character, or kNoByte.
char32_t ByteOf(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return character;
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character) {
            return static_cast<char32_t>(0x80 + i);
        }
    }
    return kNoByte;
}

// Collects bytes and remembers the first character without one.
class Collector {
public:
    explicit Collector(std::size_t capacity) { result_.bytes.reserve(capacity); }

    void Add(char32_t character, bool wellFormed, std::size_t offset) {
        ++position_;
        const char32_t byte = wellFormed ? ByteOf(character) : kNoByte;
        if (byte != kNoByte) {
            result_.bytes.push_back(static_cast<char>(byte));
            return;
        }
        result_.bytes.push_back(kSubstituteByte);
        if (!result_.unmappable) {
            result_.unmappable = UnmappableCharacter{wellFormed ? character : kReplacement,
                                                     position_, offset, !wellFormed};
        }
    }

    Windows1252Text Take() { return std::move(result_); }

private:
    Windows1252Text result_;
    std::size_t position_ = 0;
};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < kFirstSupplementary) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Upper-case hexadecimal, at least four digits, as code points are written.
std::string HexDigits(char32_t character) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::string digits;
    for (std::uint32_t value = character; value != 0 || digits.size() < 4; value >>= 4U) {
        digits.insert(digits.begin(), kDigits[value & 0xFU]);
    }
    return digits;
}

}  // namespace

Windows1252Text Utf16ToWindows1252(std::u16string_view text) {
    Collector collector(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            collector.Add(CharacterOfPair(unit, text[i + 1]), true, i);
            ++i;
        } else {
            collector.Add(unit, !IsSurrogate(unit), i);
        }
    }
    return collector.Take();
}

Windows1252Text Utf8ToWindows1252(std::string_view text) {
    Collector collector(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        char32_t c = lead;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, c = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, c = lead & 0x07;
        } else if (lead >= 0x80) {
            length = 0;  // a continuation byte or a lead byte that UTF-8 never uses
        }
        bool wellFormed = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; wellFormed && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            wellFormed = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond U+10FFFF are malformed too.
        static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, kFirstSupplementary};
        if (wellFormed && (c < kSmallest[length] || IsSurrogate(c) || c > 0x10FFFF)) {
            wellFormed = false;
        }
        collector.Add(c, wellFormed, i);
        i += wellFormed ? length : 1;
    }
    return collector.Take();
}

std::u16string Windows1252ToUtf16(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text.push_back(static_cast<char16_t>(CharacterOf(static_cast<unsigned char>(byte))));
    }
    return text;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 2);
    for (const char byte : bytes) {
        AppendUtf8(text, CharacterOf(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::string WithLineEnds(std::string_view bytes, std::string_view lineEnd) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            text += lineEnd;
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
        } else {
            text += bytes[i];
        }
    }
    return text;
}

std::string DescribeCharacter(char32_t character) {
    std::string description = "U+" + HexDigits(character);
    if (character >= 0x20 && character != 0x7F && !(character >= 0x80 && character < 0xA0) &&
        character != kReplacement) {
        description += " \"";
        AppendUtf8(description, character);
        description += '"';
    }
    return description;
}

std::size_t CompleteUtf8Length(std::string_view bytes) {
    for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((byte & 0xC0) != 0x80) {
            const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            return length > back ? bytes.size() - back : bytes.size();
        }
    }
    return bytes.size();
}

}  // namespace vellumark
