#include "runtime/generator.h"

#include <chrono>
#include <cstring>
#include <ctime>

namespace vellumark {
namespace {

template <typename To, typename From>
To BitsOf(From value) {
    static_assert(sizeof(To) == sizeof(From));
    To bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace

void RandomGenerator::Seed(float timer) {
    const auto high = static_cast<std::uint32_t>(BitsOf<std::uint64_t>(double{timer}) >> 32);
    const std::uint32_t mixed = ((high & 0xFFFF) ^ (high >> 16)) & 0xFFFF;
    state_ = (state_ & 0xFF) | (mixed << 8);
}

float RandomGenerator::NextValue() {
    state_ = classic::Step(state_);
    return static_cast<float>(state_) * classic::kScale;
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
#ifdef _WIN32
    localtime_s(&local, &seconds);  // Windows' C runtime: the reentrant call, arguments swapped
#else
    localtime_r(&seconds, &local);
#endif
    const auto fraction = duration_cast<milliseconds>(now.time_since_epoch()) % 1000;
    const double sinceMidnight =
        local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
        static_cast<double>(fraction.count()) / 1000.0;
    return static_cast<float>(sinceMidnight);
}

}  // namespace vellumark
