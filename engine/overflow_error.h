#pragma once
// The one error that ordinary input can raise: a text beyond the cipher's length limits.

#include <cstddef>
#include <stdexcept>

namespace vellumark {

// The longest text that encryption accepts: its counters were 16-bit, and the text filled to
// a multiple of three must stay below 32,768.
inline constexpr std::size_t kMaxTextLength = 32766;
// The longest cipher text that decryption accepts: the cipher text of the longest text.
inline constexpr std::size_t kMaxCipherSymbols = 43688;

// A text beyond the cipher's limits, refused before any output: error number 6, "Overflow".
class OverflowError : public std::overflow_error {
public:
    static constexpr int kNumber = 6;
    OverflowError() : std::overflow_error("Overflow") {}
    [[nodiscard]] static int number() { return kNumber; }
};

}  // namespace vellumark
