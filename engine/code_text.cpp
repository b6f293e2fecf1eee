#include "engine/code_text.h"

#include <array>
#include <cstdint>

#include "engine/overflow_error.h"

namespace vellumark {
namespace {

// The index of each byte in the alphabet, or -1 for a character outside it.
constexpr std::array<std::int8_t, 256> MakeSymbolIndexes() {
    std::array<std::int8_t, 256> indexes{};
    for (auto& index : indexes) {
        index = -1;
    }
    for (std::size_t i = 0; i < kCodeAlphabet.size(); ++i) {
        indexes[static_cast<unsigned char>(kCodeAlphabet[i])] = static_cast<std::int8_t>(i);
    }
    return indexes;
}
constexpr auto kSymbolIndexes = MakeSymbolIndexes();

std::uint32_t ByteAt(std::string_view text, std::size_t position) {
    return position < text.size() ? static_cast<unsigned char>(text[position]) : 0u;
}

std::string Encode(std::string_view bytes) {
    const std::size_t groups = (bytes.size() + 2) / 3;
    // The bytes, filled with zeros to a multiple of three, must stay countable in 16 bits.
    if (groups * 3 > kMaxTextLength + 1) {
        throw OverflowError();
    }
    std::string symbols(groups * 4, '\0');
    char* out = symbols.data();
    for (std::size_t start = 0; start < bytes.size(); start += 3) {
        // Missing bytes at the end are the zero fill, encoded like data.
        const std::uint32_t group =
            ByteAt(bytes, start) << 16 | ByteAt(bytes, start + 1) << 8 | ByteAt(bytes, start + 2);
        *out++ = kCodeAlphabet[(group >> 18) & 63];
        *out++ = kCodeAlphabet[(group >> 12) & 63];
        *out++ = kCodeAlphabet[(group >> 6) & 63];
        *out++ = kCodeAlphabet[group & 63];
    }
    return symbols;
}

std::string Decode(std::string_view symbols) {
    if (symbols.size() > kMaxCipherSymbols) {
        throw OverflowError();
    }
    std::string bytes;
    bytes.reserve((symbols.size() + 3) / 4 * 3);
    for (std::size_t start = 0; start < symbols.size(); start += 4) {
        // A character outside the alphabet counts as -1, a position past the end as "A" (0);
        // the sum may go negative and is then read through its low 24 bits.
        std::int32_t group = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::size_t position = start + i;
            const std::int32_t index =
                position < symbols.size()
                    ? kSymbolIndexes[static_cast<unsigned char>(symbols[position])]
                    : 0;
            group = group * 64 + index;
        }
        const bool finalGroup = symbols.size() - start <= 4;
        const auto bits = static_cast<std::uint32_t>(group);
        for (int shift = 16; shift >= 0; shift -= 8) {
            const auto byte = static_cast<char>((bits >> shift) & 0xFF);
            // The zeros of the last group are the fill that encoding added.
            if (!(finalGroup && byte == '\0')) {
                bytes.push_back(byte);
            }
        }
    }
    return bytes;
}

}  // namespace

std::string CodeText(std::string_view text, CodecDirection direction) {
    switch (direction) {
        case kEncode:
            return Encode(text);
        case kDecode:
            return Decode(text);
        default:
            return {};
    }
}

}  // namespace vellumark
