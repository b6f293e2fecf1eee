#include "engine/crypt_text.h"

#include <algorithm>
#include <cmath>

#include "engine/code_text.h"
#include "runtime/generator.h"

namespace vellumark {
namespace {

// The shift of one character and the seed of the next, from the draw for the current seed.
struct KeyStep {
    int shift;
    float nextSeed;
};

inline KeyStep NextKey(float seed) {
    const float r = ReseedAndDraw(seed);
    // r is a multiple of 2^-24 below 1, so r * 128 is exact and only the floor acts; the
    // product with 32,000 is rounded once to a float, as the seed variable held it.
    const float scaled = r * 32000.0f;
    return {static_cast<int>(r * 128.0f), -scaled};
}

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

std::string CryptText(std::string_view text, CryptMode mode, float codeNum) {
    if (codeNum == kInvalidCodeNumber) {
        return std::string(kInvalidCodeNumberText);
    }
    const float seed = -std::fabs(codeNum);
    switch (mode) {
        case kModeEncrypt:
            if (text.size() > kMaxTextLength) {
                throw OverflowError();
            }
            return CodeText(Shift(text, +1, seed), kEncode);
        case kModeDecrypt: {
            const bool hasWhiteSpace = std::any_of(text.begin(), text.end(), IsWhiteSpace);
            const std::string bytes =
                CodeText(hasWhiteSpace ? WithoutWhiteSpace(text) : std::string_view(text), kDecode);
            return Shift(bytes, -1, seed);
        }
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
    float seed = -std::fabs(codeNum);
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
