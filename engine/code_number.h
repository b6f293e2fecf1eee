#pragma once
// The code number as the user types it: one to six decimal digits, not all zeros.

#include <string>
#include <string_view>

namespace vellumark {

inline constexpr std::string_view kDefaultCodeNumber = "408153";
inline constexpr std::size_t kCodeNumberMaxLength = 6;

// The value of a code-number text, or kInvalidCodeNumber (-1) for anything but one to six
// ASCII digits that are not all zeros. Blanks, signs, points and exponents are invalid.
float ValidateCodeNumber(std::string_view text);

// The six-digit text of the code number that the draw `r` in [0, 1) picks: 000001..999999.
std::string RandomCodeText(float r);

}  // namespace vellumark
