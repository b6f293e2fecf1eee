#pragma once
// What the fuzz targets share: reading typed values off the front of the fuzzer's bytes, and
// stopping the run on a broken property so that libFuzzer records the input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace vellumark::fuzz {

// A violated property is a finding just like a crash: abort, and libFuzzer saves the input.
inline void Require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property violated: %s\n", property);
        std::abort();
    }
}

// The float of a bit pattern: any one, so negative numbers, zeros of both signs, denormals,
// infinities and NaNs all come up.
inline float FloatOfBits(std::uint32_t bits) {
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Hands out the fuzzer's bytes front to back; past the end everything reads as zero.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : bytes_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t Byte() {
        if (bytes_.empty()) {
            return 0;
        }
        const auto value = static_cast<std::uint8_t>(bytes_.front());
        bytes_.remove_prefix(1);
        return value;
    }

    std::uint32_t Word() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value = value << 8U | Byte();
        }
        return value;
    }

    std::string_view Rest() {
        const std::string_view rest = bytes_;
        bytes_ = {};
        return rest;
    }

private:
    std::string_view bytes_;
};

// `pattern` repeated to exactly `length` characters (all zeros for an empty pattern), so that
// small inputs can reach the cipher's length limits.
inline std::string Stretch(std::string_view pattern, std::size_t length) {
    std::string text(length, '\0');
    if (!pattern.empty()) {
        for (std::size_t i = 0; i < length; ++i) {
            text[i] = pattern[i % pattern.size()];
        }
    }
    return text;
}

}  // namespace vellumark::fuzz
