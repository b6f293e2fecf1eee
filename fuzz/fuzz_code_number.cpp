// ValidateCodeNumber on any text, against a plain integer reading of it, and RandomCodeText on
// any float. Input: the text to validate; its first four bytes are also the draw.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/code_number.h"
#include "engine/crypt_text.h"
#include "fuzz/fuzz_input.h"

namespace vellumark::fuzz {
namespace {

// One to six ASCII digits, not all zeros, read as an integer; -1 otherwise.
long ExpectedValue(std::string_view text) {
    if (text.empty() || text.size() > kCodeNumberMaxLength) {
        return -1;
    }
    long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value == 0 ? -1 : value;
}

void CheckValidation(std::string_view text) {
    const float code = ValidateCodeNumber(text);
    const long expected = ExpectedValue(text);
    if (expected < 0) {
        Require(code == kInvalidCodeNumber, "anything but 1..6 digits, not all zeros, is invalid");
        return;
    }
    Require(code == static_cast<float>(expected), "a valid code number has its decimal value");
    Require(code >= 1.0f && code <= 999999.0f, "a valid code number lies in 1..999999");
}

void CheckRandomCode(float draw) {
    const std::string text = RandomCodeText(draw);
    Require(text.size() == kCodeNumberMaxLength, "a random code number has six digits");
    // Even a draw outside [0, 1) (a NaN or an infinity) gives a usable code number.
    Require(ValidateCodeNumber(text) != kInvalidCodeNumber, "a random code number is valid");
    if (draw >= 0.0f && draw < 1.0f) {
        const auto drawn = static_cast<long>(static_cast<double>(draw) * 999999.0);
        const auto expected = static_cast<float>(drawn + 1);
        Require(ValidateCodeNumber(text) == expected, "a draw r gives floor(r * 999999) + 1");
    }
}

}  // namespace
}  // namespace vellumark::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vellumark::fuzz;
    FuzzInput input(data, size);
    CheckValidation(FuzzInput(data, size).Rest());
    CheckRandomCode(FloatOfBits(input.Word()));
    return 0;
}
