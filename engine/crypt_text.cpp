#include "engine/crypt_text.h"

#include <algorithm>

#include "engine/code_text.h"
#include "engine/key_step.h"

namespace vellumark {
namespace {

bool IsWhiteSpace(char c) {
    return IsCipherWhiteSpace(static_cast<unsigned char>(c));
}

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

std::string Shift(std::string_view text, int factor, float codeNum) {
    std::string shifted(text.size(), '\0');
    ForEachShift(text.size(), codeNum, [&](std::size_t i, int shift) {
        const int moved = static_cast<unsigned char>(text[i]) + factor * shift;
        shifted[i] = static_cast<char>(moved & 0xFF);  // the same as adding or taking 256
    });
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
    switch (mode) {
        case kModeEncrypt:
            if (text.size() > kMaxTextLength) {
                throw OverflowError();
            }
            return CodeText(Shift(text, +1, codeNum), kEncode);
        case kModeDecrypt:
            return ShiftBack(DecodeCipherText(text), codeNum);
        default:
            if (text.size() > kMaxTextLength) {
                throw OverflowError();
            }
            return std::string(text);
    }
}

std::string ShiftBack(std::string_view shifted, float codeNum) {
    return Shift(shifted, -1, codeNum);
}

bool DecryptsBack(std::string_view text, float codeNum) {
    if (codeNum == kInvalidCodeNumber || text.empty()) {
        return true;
    }
    // Decoding drops the zeros of the last group of three, so a byte that shifts to 0 there
    // is lost; everywhere else a 0 survives.
    const std::size_t lastGroup = (text.size() - 1) / 3 * 3;
    bool back = true;
    ForEachShift(text.size(), codeNum, [&](std::size_t i, int shift) {
        if (i >= lastGroup && ((static_cast<unsigned char>(text[i]) + shift) & 0xFF) == 0) {
            back = false;
        }
    });
    return back;
}

}  // namespace vellumark
