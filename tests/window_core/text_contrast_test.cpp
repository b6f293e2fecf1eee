// The text colours on the designs' fixed greens and for the address, under light and dark
// schemes. Colours are 0x00BBGGRR.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

#include "tests/row_name.h"
#include "window_core/main_window_view.h"
#include "window_core/text_contrast.h"

namespace vellumark {
namespace {

constexpr std::uint32_t kLightWindow = 0xEFEFEF;
constexpr std::uint32_t kDarkWindow = 0x323232;
constexpr std::uint32_t kLightGrey = 0xF0F0F0;  // a dark scheme's text, 4.51:1 on dark green

TEST(ContrastRatioTest, FollowsTheRelativeLuminances) {
    EXPECT_DOUBLE_EQ(ContrastRatio(kBlack, kWhite), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(kAddressColour, kAddressColour), 1.0);
    EXPECT_NEAR(ContrastRatio(kBlack, kActiveModeColour), 15.30, 0.01);
    EXPECT_NEAR(ContrastRatio(kBlack, kInactiveModeColour), 4.09, 0.01);
    EXPECT_NEAR(ContrastRatio(kWhite, kInactiveModeColour), 5.14, 0.01);
}

struct ModeTextRow {
    const char* name;
    std::uint32_t background, text, window, expected;
};

// The row's name, rather than its bytes, in test listings.
void PrintTo(const ModeTextRow& row, std::ostream* out) {
    *out << row.name;
}

class ModeTextColourTest : public ::testing::TestWithParam<ModeTextRow> {};

TEST_P(ModeTextColourTest, PicksTheText) {
    const ModeTextRow& row = GetParam();
    EXPECT_EQ(ModeTextColour(row.background, row.text, row.window), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ModeTextColourTest,
    ::testing::Values(
        // A light scheme keeps the design's black text, also at 4.09:1 on dark green.
        ModeTextRow{"LightOnDarkGreen", kInactiveModeColour, kBlack, kLightWindow, kBlack},
        ModeTextRow{"DarkOnPureGreenTakesBlack", kActiveModeColour, kLightGrey, kDarkWindow,
                    kBlack},
        ModeTextRow{"DarkOnDarkGreenTakesWhite", kInactiveModeColour, kLightGrey, kDarkWindow,
                    kWhite}),
    RowName<ModeTextRow>);

struct LinkRow {
    const char* name;
    std::uint32_t background, link, expected;
};

void PrintTo(const LinkRow& row, std::ostream* out) {
    *out << row.name;
}

class LinkColourTest : public ::testing::TestWithParam<LinkRow> {};

TEST_P(LinkColourTest, PicksTheLink) {
    const LinkRow& row = GetParam();
    EXPECT_EQ(LinkColour(row.background, kAddressColour, row.link), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LinkColourTest,
    ::testing::Values(
        LinkRow{"LightKeepsTheDesignsBlue", kLightWindow, 0xC68C30, kAddressColour},
        LinkRow{"DarkTakesThePalettesLink", kDarkWindow, 0xF8B48A, 0xF8B48A},
        // #308CC6 reads at 3.5:1 on #323232; a fifth of the way to white, at 4.6:1.
        LinkRow{"DarkLightensALinkThatMisses", kDarkWindow, 0xC68C30, 0xD1A359},
        // On a mid grey neither blue reads; the link goes towards black instead.
        LinkRow{"MidGreyDarkensIt", 0xA0A0A0, 0xFF0000, 0xC00000}),
    RowName<LinkRow>);

}  // namespace
}  // namespace vellumark
