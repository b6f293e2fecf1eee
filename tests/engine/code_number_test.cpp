#include "engine/code_number.h"

#include <gtest/gtest.h>

#include <ostream>

#include "engine/crypt_text.h"
#include "tests/quoted.h"
#include "tests/row_name.h"

namespace vellumark {
namespace {

struct CodeRow {
    const char* name;
    std::string text;
    float value;
};

// Names the row in the test's name and its failures: "000042" is 42.
void PrintTo(const CodeRow& row, std::ostream* out) {
    *out << Quoted(row.text) << " is " << row.value;
}

class CodeNumberValidation : public testing::TestWithParam<CodeRow> {};

TEST_P(CodeNumberValidation, GivesTheValueOrTheSentinel) {
    EXPECT_EQ(ValidateCodeNumber(GetParam().text), GetParam().value)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    KnownAnswers, CodeNumberValidation,
    testing::Values(CodeRow{"SixDigits", "408153", 408153}, CodeRow{"One", "1", 1},
                    CodeRow{"OneWithLeadingZeros", "000001", 1},
                    CodeRow{"Largest", "999999", 999999}, CodeRow{"Empty", "", -1},
                    CodeRow{"Zero", "0", -1}, CodeRow{"SixZeros", "000000", -1},
                    CodeRow{"LeadingBlank", " 12", -1}, CodeRow{"TrailingBlank", "12 ", -1},
                    CodeRow{"PlusSign", "+12", -1}, CodeRow{"MinusSign", "-12", -1},
                    CodeRow{"Letter", "12a", -1}, CodeRow{"Fraction", "1.5", -1},
                    CodeRow{"Exponent", "1e3", -1}, CodeRow{"Hexadecimal", "&H10", -1},
                    CodeRow{"SevenDigits", "1234567", -1},
                    // Arabic-Indic and full-width digits, as UTF-8 or Windows-1252 bytes.
                    CodeRow{"ArabicIndicDigits", "\xD9\xA1\xD9\xA2", -1},
                    CodeRow{"FullWidthDigit", "\xEF\xBC\x91", -1},
                    CodeRow{"SuperscriptDigits", "\xB9\xB2", -1}),
    RowName<CodeRow>);

TEST(RandomCodeText, IsSixDigitsFromOneToNineHundredNinetyNineThousand) {
    EXPECT_EQ(RandomCodeText(0.0f), "000001");
    EXPECT_EQ(RandomCodeText(41.5f / 999999.0f), "000042");
    EXPECT_EQ(RandomCodeText(0.5f), "500000");
    EXPECT_EQ(RandomCodeText(16777215.0f / 16777216.0f), "999999");
}

TEST(RandomCodeText, IsAlwaysAValidCodeNumber) {
    for (std::uint32_t state = 0; state < (1u << 24); state += 4099) {
        const std::string text = RandomCodeText(static_cast<float>(state) / 16777216.0f);
        ASSERT_EQ(text.size(), 6u);
        ASSERT_NE(ValidateCodeNumber(text), kInvalidCodeNumber) << text;
    }
}

}  // namespace
}  // namespace vellumark
