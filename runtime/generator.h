#pragma once
// The classic random-number generator: a 24-bit linear congruential generator. Cipher texts
// decrypt only with the generator that made them, so every cipher text ever made depends on
// this one, bit for bit.

#include <cstdint>
#include <cstring>

namespace vellumark {

namespace classic {
inline constexpr std::uint32_t kMask24 = 0xFFFFFF;
inline constexpr std::uint32_t kMultiplier = 0x43FD43FD;
inline constexpr std::uint32_t kIncrement = 0xC39EC3;
inline constexpr float kScale = 1.0f / 16777216.0f;  // 2^-24: every 24-bit state is exact

constexpr std::uint32_t Step(std::uint32_t state) {
    return (state * kMultiplier + kIncrement) & kMask24;
}
}  // namespace classic

// Draws from a state derived from `seed` alone (a negative 32-bit float): the same seed
// always gives the same value in [0, 1). Neither reads nor moves the process generator.
// Inline, because the cipher calls it for every character.
inline float ReseedAndDraw(float seed) {
    // A zero seed arises only from a draw of exactly 0; the classic generator answers it with
    // that previous draw, so 0 it is, or such a text would not decrypt.
    if (seed == 0.0f) {
        return 0.0f;
    }
    std::uint32_t bits = 0;
    std::memcpy(&bits, &seed, sizeof bits);
    const std::uint32_t state = classic::Step((bits + (bits >> 24)) & classic::kMask24);
    return static_cast<float>(state) * classic::kScale;
}

// The process-wide sequence that start-up seeds from the clock and random code numbers
// are drawn from.
class RandomGenerator {
public:
    static constexpr std::uint32_t kInitialState = 0x050000;

    // Mixes the clock reading into the state, so each run draws another sequence.
    void Seed(float timer);
    // The next value of the sequence, in [0, 1).
    float NextValue();

    [[nodiscard]] std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_ = kInitialState;
};

// The one generator of the process.
RandomGenerator& ProcessGenerator();

// The local time of day in seconds since midnight, with its milliseconds: what start-up seeds
// the process generator with.
float SecondsSinceMidnight();

}  // namespace vellumark
