#pragma once
// Finds the code number of a cipher text whose code number is lost: tries all 999,999 code
// numbers and ranks the plain texts by how much they look like text (recovery/text_model.h).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vellumark {

inline constexpr int kMaxCodeNumber = 999999;

// One plain text and every code number that gives it: code numbers whose keystreams agree over
// the whole text decrypt it alike and are equally right.
struct RecoveredText {
    std::vector<int> codeNumbers;  // ascending
    std::string plainText;         // Windows-1252, as CryptText decrypts it
    double score;                  // mean log2-likelihood per character; prose scores about -4
};

// The `top` most plausible plain texts of `cipherText` (blanks and line breaks skipped, as
// when decrypting), best first; with a non-empty `known` only those that contain it. A plain
// text some prefix of which is clearly not text (it costs more than the plausibility line) is
// never a candidate, so the result may be shorter than `top`, or empty. Uses every core.
// Throws OverflowError beyond kMaxCipherSymbols symbols.
std::vector<RecoveredText> RecoverCodeNumbers(std::string_view cipherText, std::size_t top,
                                              std::string_view known = {});

}  // namespace vellumark
