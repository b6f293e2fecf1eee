#pragma once
// The classic runtime's random-number generator: a 24-bit linear congruential generator.
// Cipher texts decrypt only with the generator that made them, so this one is reproduced
// exactly, bit for bit.

#include <cstdint>

namespace vellumark {

// Draws from a state derived from `seed` alone (a negative 32-bit float): the same seed
// always gives the same value in [0, 1). Neither reads nor moves the process generator.
float ReseedAndDraw(float seed);

// The process-wide sequence that start-up seeds from the clock and random code numbers
// are drawn from.
class RandomGenerator {
public:
    static constexpr std::uint32_t kInitialState = 0x050000;

    // Mixes the clock reading into the state, so each run draws another sequence.
    void Seed(float timer);
    // The next value of the sequence, in [0, 1).
    float NextValue();

    std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_ = kInitialState;
};

// The one generator of the process.
RandomGenerator& ProcessGenerator();

// The local time of day in seconds since midnight, as the old runtime's timer read it.
float SecondsSinceMidnight();

}  // namespace vellumark
