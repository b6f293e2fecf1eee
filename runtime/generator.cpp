#include "runtime/generator.h"

#include <chrono>
#include <cstring>
#include <ctime>

namespace vellumark {
namespace {

constexpr std::uint32_t kMask24 = 0xFFFFFF;
constexpr std::uint32_t kMultiplier = 0x43FD43FD;
constexpr std::uint32_t kIncrement = 0xC39EC3;
constexpr float kScale = 1.0f / 16777216.0f;  // 2^-24: every 24-bit state is exact as a float

constexpr std::uint32_t Step(std::uint32_t state) {
    return (state * kMultiplier + kIncrement) & kMask24;
}

float ValueOf(std::uint32_t state) {
    return static_cast<float>(state) * kScale;
}

template <typename To, typename From>
To BitsOf(From value) {
    static_assert(sizeof(To) == sizeof(From));
    To bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace

float ReseedAndDraw(float seed) {
    // A zero seed arises only from a draw of exactly 0; the old runtime answered it with that
    // previous draw, so 0 it is.
    if (seed == 0.0f) {
        return 0.0f;
    }
    const auto bits = BitsOf<std::uint32_t>(seed);
    return ValueOf(Step((bits + (bits >> 24)) & kMask24));
}

void RandomGenerator::Seed(float timer) {
    const auto high = static_cast<std::uint32_t>(BitsOf<std::uint64_t>(double{timer}) >> 32);
    const std::uint32_t mixed = ((high & 0xFFFF) ^ (high >> 16)) & 0xFFFF;
    state_ = (state_ & 0xFF) | (mixed << 8);
}

float RandomGenerator::NextValue() {
    state_ = Step(state_);
    return ValueOf(state_);
}

RandomGenerator& ProcessGenerator() {
    static RandomGenerator generator;
    return generator;
}

float SecondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto fraction = duration_cast<milliseconds>(now.time_since_epoch()) % 1000;
    const double sinceMidnight =
        local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction.count() / 1000.0;
    return static_cast<float>(sinceMidnight);
}

}  // namespace vellumark
