#include "recovery/recover_code.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>
#include <string>

#include "engine/crypt_text.h"
#include "tests/engine/prose_excerpts.h"

namespace vellumark {
namespace {

struct RateRow {
    std::size_t length;
    int cases;
    double first;    // the least share of cases with the true code number first
    double topFive;  // ... among the first five
};

// Names the row in failures: 12 characters, 200 cases.
void PrintTo(const RateRow& row, std::ostream* out) {
    *out << row.length << " characters, " << row.cases << " cases";
}

class RecoveryRates : public testing::TestWithParam<RateRow> {};

// Excerpts at random places of the licence texts (the text model learnt from other texts),
// under random code numbers; the seed is fixed, so the cases are always the same.
TEST_P(RecoveryRates, PutTheTrueCodeNumberFirstOnRealProse) {
    const RateRow& row = GetParam();
    const ProseExcerpts prose;
    ASSERT_FALSE(prose.empty());
    std::mt19937 random(20261208 + static_cast<unsigned>(row.length));
    std::uniform_int_distribution<int> anyCode(1, kMaxCodeNumber);
    int first = 0;
    int topFive = 0;
    for (int c = 0; c < row.cases; ++c) {
        const int code = anyCode(random);
        const std::string cipher =
            CryptText(prose.Pick(random, row.length), kModeEncrypt, static_cast<float>(code));
        const std::vector<RecoveredText> found = RecoverCodeNumbers(cipher, 5);
        for (std::size_t rank = 0; rank < found.size(); ++rank) {
            const RecoveredText& text = found[rank];
            // The search's keystream is the cipher's, bit for bit.
            ASSERT_EQ(text.plainText, CryptText(cipher, kModeDecrypt,
                                                static_cast<float>(text.codeNumbers.front())));
            if (std::count(text.codeNumbers.begin(), text.codeNumbers.end(), code) > 0) {
                first += rank == 0 ? 1 : 0;
                ++topFive;
            }
        }
    }
    EXPECT_GE(first, row.first * row.cases) << "first " << first << " of " << row.cases;
    EXPECT_GE(topFive, row.topFive * row.cases) << "top five " << topFive << " of " << row.cases;
}

INSTANTIATE_TEST_SUITE_P(ByLength, RecoveryRates,
                         testing::Values(RateRow{12, 200, 0.95, 0.95},
                                         RateRow{16, 200, 0.99, 0.995},
                                         RateRow{48, 100, 0.99, 0.995}),
                         [](const testing::TestParamInfo<RateRow>& param) {
                             return std::to_string(param.param.length) + "Characters";
                         });

class RecoveryRange : public testing::TestWithParam<int> {};

// The search takes the code numbers in blocks of 4096: the first and the last code number, and
// both sides of the first block boundary.
TEST_P(RecoveryRange, FindsEveryCodeNumber) {
    const std::string plain = "The spare key lies in the top drawer of the desk.";
    const int code = GetParam();
    const std::vector<RecoveredText> found =
        RecoverCodeNumbers(CryptText(plain, kModeEncrypt, static_cast<float>(code)), 1, plain);
    ASSERT_EQ(found.size(), 1u) << code;
    EXPECT_EQ(found[0].codeNumbers.front(), code);
}

INSTANTIATE_TEST_SUITE_P(CodeNumbers, RecoveryRange, testing::Values(1, 4096, 4097, 999999));

}  // namespace
}  // namespace vellumark
