// CodeText both ways, on any bytes, and on texts stretched to just below and above the limits.
// Input: a control byte, a length byte, then the text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/code_text.h"
#include "engine/overflow_error.h"
#include "fuzz/fuzz_input.h"

namespace vellumark::fuzz {
namespace {

bool InAlphabet(std::string_view symbols) {
    return symbols.find_first_not_of(kCodeAlphabet) == std::string_view::npos;
}

// What decoding an encoding gives back: the bytes, less every byte 0 of the last group of
// three, which the format cannot tell from the fill.
std::string WithoutZerosOfLastGroup(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const std::size_t lastGroup = (bytes.size() - 1) / 3 * 3;
    std::string kept(bytes.substr(0, lastGroup));
    for (const char byte : bytes.substr(lastGroup)) {
        if (byte != '\0') {
            kept.push_back(byte);
        }
    }
    return kept;
}

void CheckEncode(std::string_view bytes) {
    std::string symbols;
    try {
        symbols = CodeText(bytes, kEncode);
    } catch (const OverflowError&) {
        Require(bytes.size() > kMaxTextLength, "encoding refuses only texts beyond the limit");
        return;
    }
    Require(bytes.size() <= kMaxTextLength, "encoding refuses every text beyond the limit");
    Require(symbols.size() == 4 * ((bytes.size() + 2) / 3),
            "encoding gives 4 symbols per started group of 3 bytes");
    Require(InAlphabet(symbols), "encoding gives alphabet symbols only");
    Require(CodeText(symbols, kDecode) == WithoutZerosOfLastGroup(bytes),
            "decoding an encoding gives the bytes back, less the zeros of the last group");
}

void CheckDecode(std::string_view symbols) {
    std::string bytes;
    try {
        bytes = CodeText(symbols, kDecode);
    } catch (const OverflowError&) {
        Require(symbols.size() > kMaxCipherSymbols, "decoding refuses only texts beyond the limit");
        return;
    }
    Require(symbols.size() <= kMaxCipherSymbols, "decoding refuses every text beyond the limit");
    Require(bytes.size() <= (symbols.size() + 3) / 4 * 3,
            "decoding gives at most 3 bytes per 4 symbols");
    // Whole groups of alphabet symbols whose last group decodes without zeros are exactly
    // what encoding writes, so they encode back to themselves.
    if (symbols.size() % 4 == 0 && InAlphabet(symbols) && bytes.size() == symbols.size() / 4 * 3) {
        Require(CodeText(bytes, kEncode) == symbols, "a well-formed cipher text encodes back");
    }
}

}  // namespace
}  // namespace vellumark::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vellumark;
    using namespace vellumark::fuzz;
    FuzzInput input(data, size);
    const std::uint8_t control = input.Byte();
    const std::size_t around = input.Byte() % 16;  // 8 below the limit .. 7 above
    const std::string_view text = input.Rest();
    switch (control % 8) {
        case 5:
            CheckEncode(Stretch(text, kMaxTextLength - 8 + around));
            break;
        case 6:
            CheckDecode(Stretch(text, kMaxCipherSymbols - 8 + around));
            break;
        case 7:
            // 7, 15, ..., 255: never kEncode (4) or kDecode (5).
            Require(CodeText(text, static_cast<CodecDirection>(control)).empty(),
                    "any other direction gives the empty string");
            break;
        default:
            CheckEncode(text);
            CheckDecode(text);
            break;
    }
    return 0;
}
