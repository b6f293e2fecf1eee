#pragma once
// One step of the keystream: the shift of a character and the seed of the next, from the
// classic generator's draw for the current seed. The cipher and the code-number search share
// it, so that both see the same keystream bit for bit.

#include <cmath>
#include <cstddef>

#include "runtime/generator.h"

namespace vellumark {

struct KeyStep {
    int shift;       // 0..127
    float nextSeed;  // never positive
};

// The seed chain starts at the negated magnitude of the code number.
inline float FirstSeed(float codeNum) {
    return -std::fabs(codeNum);
}

inline KeyStep NextKey(float seed) {
    const float r = ReseedAndDraw(seed);
    // r is a multiple of 2^-24 below 1, so r * 128 is exact and only the floor acts; the
    // product with 32,000 is rounded once to a float, as the seed variable held it.
    const float scaled = r * 32000.0f;
    return {static_cast<int>(r * 128.0f), -scaled};
}

// Calls `use(i, shift)` with the shift of each character i of a text of `length` characters
// under `codeNum`, in order.
template <typename Use>
void ForEachShift(std::size_t length, float codeNum, Use use) {
    float seed = FirstSeed(codeNum);
    for (std::size_t i = 0; i < length; ++i) {
        const KeyStep key = NextKey(seed);
        use(i, key.shift);
        seed = key.nextSeed;
    }
}

}  // namespace vellumark
