// CryptText in every mode under any code number, DecryptsBack against a real decryption, and
// the length limits. Input: a mode byte, a shape byte, four code bytes, a length byte, the text.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/code_text.h"
#include "engine/crypt_text.h"
#include "fuzz/fuzz_input.h"

namespace vellumark::fuzz {
namespace {

bool InAlphabet(std::string_view symbols) {
    return symbols.find_first_not_of(kCodeAlphabet) == std::string_view::npos;
}

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Bytes 1..128 never shift onto 0, so such texts always decrypt back.
bool AllOneTo128(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 1 && byte <= 128;
    });
}

// Where the small texts go, the cheap extra checks go too; limit-sized texts skip them.
constexpr std::size_t kSmall = 4096;

void CheckEncrypt(std::string_view text, float code) {
    std::string cipher;
    try {
        cipher = CryptText(text, kModeEncrypt, code);
    } catch (const OverflowError&) {
        Require(text.size() > kMaxTextLength, "encryption refuses only texts beyond the limit");
        return;
    }
    Require(text.size() <= kMaxTextLength, "encryption refuses every text beyond the limit");
    Require(cipher.size() == 4 * ((text.size() + 2) / 3),
            "a cipher text has 4 symbols per started group of 3 bytes");
    Require(InAlphabet(cipher), "a cipher text holds alphabet symbols only");

    const std::string back = CryptText(cipher, kModeDecrypt, code);
    Require(DecryptsBack(text, code) == (back == text), "DecryptsBack agrees with a decryption");
    if (AllOneTo128(text)) {
        Require(back == text, "a text of bytes 1..128 decrypts back under any code");
    }
    if (text.size() > kSmall) {
        return;
    }
    // The sign of the code number does not enter.
    if (-code != kInvalidCodeNumber) {
        Require(CryptText(text, kModeEncrypt, -code) == cipher, "code and -code encrypt alike");
    }
    // Line breaks and blanks that mail programs add do not change the decryption.
    std::string wrapped;
    for (std::size_t i = 0; i < cipher.size(); ++i) {
        wrapped += i % 7 == 3 ? "\r\n " : "";
        wrapped += cipher[i];
    }
    Require(CryptText(wrapped + "\n", kModeDecrypt, code) == back,
            "white space in a cipher text is skipped");
}

void CheckDecrypt(std::string_view text, float code) {
    const auto symbols = static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsWhiteSpace(c); }));
    std::string plain;
    try {
        plain = CryptText(text, kModeDecrypt, code);
    } catch (const OverflowError&) {
        Require(symbols > kMaxCipherSymbols, "decryption refuses only texts beyond the limit");
        return;
    }
    Require(symbols <= kMaxCipherSymbols, "decryption refuses every text beyond the limit");
    Require(plain.size() <= (symbols + 3) / 4 * 3, "decryption gives at most 3 bytes per 4 symbols");
    // A cipher text as encryption writes it, with no byte dropped, is the encryption of its
    // decryption.
    if (symbols == text.size() && text.size() % 4 == 0 && InAlphabet(text) &&
        plain.size() == text.size() / 4 * 3) {
        Require(CryptText(plain, kModeEncrypt, code) == text,
                "a well-formed cipher text is the encryption of its decryption");
    }
}

void CheckPassThrough(std::string_view text, CryptMode mode, float code) {
    std::string result;
    try {
        result = CryptText(text, mode, code);
    } catch (const OverflowError&) {
        Require(text.size() > kMaxTextLength, "other modes refuse only texts beyond the limit");
        return;
    }
    Require(text.size() <= kMaxTextLength, "other modes refuse every text beyond the limit");
    Require(result == text, "other modes pass the text through");
}

void Check(std::string_view text, CryptMode mode, float code) {
    if (code == kInvalidCodeNumber) {
        // In every mode and at any length, and without throwing.
        Require(CryptText(text, mode, code) == kInvalidCodeNumberText,
                "code -1 answers with the message");
        return;
    }
    switch (mode) {
        case kModeEncrypt:
            CheckEncrypt(text, code);
            break;
        case kModeDecrypt:
            CheckDecrypt(text, code);
            break;
        default:
            CheckPassThrough(text, mode, code);
            break;
    }
}

}  // namespace
}  // namespace vellumark::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vellumark;
    using namespace vellumark::fuzz;
    FuzzInput input(data, size);
    const std::uint8_t rawMode = input.Byte();
    // Half the inputs use modes 0..3, the rest any byte.
    const auto mode = static_cast<CryptMode>(rawMode < 128 ? rawMode % 4 : rawMode);
    const std::uint8_t shape = input.Byte();
    const std::uint32_t word = input.Word();
    const std::size_t around = input.Byte() % 16;  // 8 below the limit .. 7 above
    const std::string_view text = input.Rest();

    float code = 0;
    switch (shape % 4) {
        case 0:  // a code number that the code-number box lets through
            code = static_cast<float>(1 + word % 999999);
            break;
        case 1:
            code = kInvalidCodeNumber;
            break;
        default:  // any float at all: negative, zero, NaN, infinite, fractional
            code = FloatOfBits(word);
            break;
    }
    switch (shape / 4 % 4) {
        case 2:
            Check(Stretch(text, kMaxTextLength - 8 + around), mode, code);
            break;
        case 3:
            // With a line break after, which does not count towards the limit.
            Check(Stretch(text, kMaxCipherSymbols - 8 + around) + "\r\n", mode, code);
            break;
        default:
            Check(text, mode, code);
            break;
    }
    return 0;
}
