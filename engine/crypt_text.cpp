#include "engine/crypt_text.h"

#include <algorithm>

#include "engine/code_text.h"
#include "engine/key_step.h"

namespace vellumark {
namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Mail programs wrap long lines and copies pick up trailing line breaks; no cipher text
// holds white space, so dropping it changes nothing else.
std::string WithoutWhiteSpace(std::string_view text) {
    std::string symbols;
    symbols.reserve(text.size());
    for (const char c : text) {
        if (!IsWhiteSpace(c)) {
            symbols.push_back(c);
        }
    }
    return symbols;
}

std::string Shift(std::string_view text, int factor, float seed) {
    std::string shifted(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const KeyStep key = NextKey(seed);
        const int moved = static_cast<unsigned char>(text[i]) + factor * key.shift;
        shifted[i] = static_cast<char>(moved & 0xFF);  // the same as adding or taking 256
        seed = key.nextSeed;
    }
    return shifted;
}

}  // namespace

std::string DecodeCipherText(std::string_view text) {
    const bool hasWhiteSpace = std::any_of(text.begin(), text.end(), IsWhiteSpace);
    return CodeText(hasWhiteSpace ? WithoutWhiteSpace(text) : std::string_view(text), kDecode);
}

std::string CryptText(std::string_view text, CryptMode mode, float codeNum) {
    if (codeNum == kInvalidCodeNumber) {
        return std::string(kInvalidCodeNumberText);
    }
    const float seed = FirstSeed(codeNum);
    switch (mode) {
        case kModeEncrypt:
            if (text.size() > kMaxTextLength) {
                throw OverflowError();
            }
            return CodeText(Shift(text, +1, seed), kEncode);
        case kModeDecrypt:
            return Shift(DecodeCipherText(text), -1, seed);
        default:
            if (text.size() > kMaxTextLength) {
                throw OverflowError();
            }
            return std::string(text);
    }
}

bool DecryptsBack(std::string_view text, float codeNum) {
    if (codeNum == kInvalidCodeNumber || text.empty()) {
        return true;
    }
    // Decoding drops the zeros of the last group of three, so a byte that shifts to 0 there
    // is lost; everywhere else a 0 survives.
    const std::size_t lastGroup = (text.size() - 1) / 3 * 3;
    float seed = FirstSeed(codeNum);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const KeyStep key = NextKey(seed);
        if (i >= lastGroup && ((static_cast<unsigned char>(text[i]) + key.shift) & 0xFF) == 0) {
            return false;
        }
        seed = key.nextSeed;
    }
    return true;
}

}  // namespace vellumark
