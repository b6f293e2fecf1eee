#include "engine/code_number.h"

#include <cmath>

#include "engine/crypt_text.h"

namespace vellumark {

float ValidateCodeNumber(std::string_view text) {
    if (text.empty() || text.size() > kCodeNumberMaxLength) {
        return kInvalidCodeNumber;
    }
    double value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return kInvalidCodeNumber;
        }
        value = value * 10 + (c - '0');
    }
    return value > 0 ? static_cast<float>(value) : kInvalidCodeNumber;
}

std::string RandomCodeText(float r) {
    const double drawn = std::floor(static_cast<double>(r) * 999999.0 + 1.0);
    // r < 1 keeps the number within 1..999999; the clamp only guards against a bad draw.
    const auto number = static_cast<int>(std::fmin(std::fmax(drawn, 1.0), 999999.0));
    std::string text = std::to_string(number);
    return std::string(kCodeNumberMaxLength - text.size(), '0') + text;
}

}  // namespace vellumark
