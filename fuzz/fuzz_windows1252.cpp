// The Windows-1252 conversions: every byte string survives the trip through UTF-8 and UTF-16,
// and any UTF-8 or UTF-16 text either comes back unchanged or names its first character
// without a byte, which then stands in the bytes as the substitute.
// Input: the bytes, read once as Windows-1252, once as UTF-8 and once as UTF-16 (little end
// first); the first four bytes are also a character for DescribeCharacter.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "runtime/windows1252.h"

namespace vellumark::fuzz {
namespace {

// The 256 characters that have a byte.
const std::u16string& CharactersWithAByte() {
    static const std::u16string characters = [] {
        std::string bytes(256, '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<char>(i);
        }
        return Windows1252ToUtf16(bytes);
    }();
    return characters;
}

bool HasAByte(char32_t character) {
    const std::u16string& characters = CharactersWithAByte();
    return character <= 0xFFFF &&
           characters.find(static_cast<char16_t>(character)) != std::u16string::npos;
}

void CheckBytes(std::string_view bytes) {
    const Windows1252Text viaUtf8 = Utf8ToWindows1252(Windows1252ToUtf8(bytes));
    Require(!viaUtf8.unmappable && viaUtf8.bytes == bytes, "every byte string survives UTF-8");
    const Windows1252Text viaUtf16 = Utf16ToWindows1252(Windows1252ToUtf16(bytes));
    Require(!viaUtf16.unmappable && viaUtf16.bytes == bytes, "every byte string survives UTF-16");
}

// `characters` is how many characters the text had: one byte each, mappable or not.
void CheckConverted(const Windows1252Text& converted, std::size_t characters) {
    Require(converted.bytes.size() == characters, "one byte per character");
    if (!converted.unmappable) {
        return;
    }
    const std::size_t position = converted.unmappable->position;
    Require(position >= 1 && position <= converted.bytes.size(), "the position is in the text");
    Require(converted.bytes[position - 1] == kSubstituteByte, "the substitute stands there");
    Require(!HasAByte(converted.unmappable->character), "the character named has no byte");
}

std::size_t Utf8Characters(std::string_view text) {
    // Malformed bytes count one each; well-formed sequences one each. Count by converting
    // byte by byte is circular, so count lead bytes of a decode done here instead.
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t c = 0;
        if (lead < 0x80) {
            length = 1, c = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, c = lead & 0x1FU;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, c = lead & 0x0FU;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, c = lead & 0x07U;
        }
        bool ok = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; ok && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            ok = (next & 0xC0U) == 0x80U;
            c = c << 6U | (next & 0x3FU);
        }
        constexpr std::array<std::uint32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
        ok = ok && c >= kSmallest[length] && !(c >= 0xD800 && c <= 0xDFFF) && c <= 0x10FFFF;
        i += ok ? length : 1;
    }
    return count;
}

void CheckUtf8(std::string_view text) {
    const Windows1252Text converted = Utf8ToWindows1252(text);
    CheckConverted(converted, Utf8Characters(text));
    if (!converted.unmappable) {
        Require(Windows1252ToUtf8(converted.bytes) == text, "mappable UTF-8 text comes back");
    }
}

void CheckUtf16(std::u16string_view text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++characters) {
        const bool high = text[i] >= 0xD800 && text[i] <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            ++i;
        }
    }
    const Windows1252Text converted = Utf16ToWindows1252(text);
    CheckConverted(converted, characters);
    if (!converted.unmappable) {
        Require(Windows1252ToUtf16(converted.bytes) == text, "mappable UTF-16 text comes back");
    }
}

}  // namespace
}  // namespace vellumark::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vellumark;
    using namespace vellumark::fuzz;
    FuzzInput input(data, size);
    const std::string_view bytes = FuzzInput(data, size).Rest();

    CheckBytes(bytes);
    CheckUtf8(bytes);
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         static_cast<unsigned char>(bytes[2 * i + 1]) << 8U);
    }
    CheckUtf16(units);

    const std::string description = DescribeCharacter(input.Word());
    Require(description.rfind("U+", 0) == 0, "a description starts with the code point");
    return 0;
}
