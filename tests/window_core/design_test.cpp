// The windows' design table: twips to pixels, and the table's own consistency. The front ends'
// tests check that their windows stand as the table says.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "tests/row_name.h"
#include "window_core/controls.h"
#include "window_core/design.h"
#include "window_core/screen_reader.h"

namespace vellumark {
namespace {

struct PixelRow {
    const char* name;
    double twips;
    int dpi;
    int pixels;
};

class TwipsToPixelsTest : public ::testing::TestWithParam<PixelRow> {};

TEST_P(TwipsToPixelsTest, RoundsHalfUp) {
    EXPECT_EQ(TwipsToPixels(GetParam().twips, GetParam().dpi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Rows, TwipsToPixelsTest,
                         // What the MulDiv sweep below leaves out: halves of a twip, places left of
                         // or above the window, and places beyond its 7,000 twips.
                         ::testing::Values(PixelRow{"HalfGoesUp", 7.5, 96, 1},
                                           PixelRow{"OneAndAHalf", 22.5, 96, 2},
                                           PixelRow{"MinusHalfGoesUp", -7.5, 96, 0},
                                           PixelRow{"MinusOneAndAHalf", -22.5, 96, -1},
                                           PixelRow{"MinusAPixel", -15.0, 96, -1},
                                           PixelRow{"FarRight", 28800.0, 96, 1920}),
                         RowName<PixelRow>);

TEST(TwipsToPixelsTest, AgreesWithWindowsMulDivWherePlacesAreNotNegative) {
    for (const int dpi : {96, 120, 144, 168, 192, 288}) {
        for (int twips = 0; twips <= 7000; ++twips) {
            // MulDiv: the exact product, divided, rounded half away from zero.
            const int mulDiv = (twips * dpi + 720) / 1440;
            ASSERT_EQ(TwipsToPixels(twips, dpi), mulDiv) << twips << " twips at " << dpi;
        }
    }
}

TEST(TwipsToPixelsTest, BothEdgesOfAPlaceComeFromTwips) {
    // At 120 DPI, 0.5 to 2 pixels: the left edge goes to 1, so the width is 1, not 1.5 rounded.
    const PixelRect pixels = PixelsOf({6, 0, 18, 15}, 120);
    EXPECT_EQ(pixels.left, 1);
    EXPECT_EQ(pixels.width, 1);
}

struct WindowRow {
    const char* name;
    WindowDesign window;
    std::vector<ControlDesign> controls;
};

std::vector<WindowRow> Windows() {
    return {{"frmMain", kFrmMain, {kFrmMainControls.begin(), kFrmMainControls.end()}},
            {"frmAbout", kFrmAbout, {kFrmAboutControls.begin(), kFrmAboutControls.end()}}};
}

class DesignTableTest : public ::testing::TestWithParam<WindowRow> {};

TEST_P(DesignTableTest, PlacesAreWholePixelsAt96Dpi) {
    const WindowRow& row = GetParam();
    EXPECT_EQ(row.window.clientWidth % kTwipsPerPixel, 0);
    EXPECT_EQ(row.window.clientHeight % kTwipsPerPixel, 0);
    for (const ControlDesign& control : row.controls) {
        for (const int twips :
             {control.place.left, control.place.top, control.place.width, control.place.height}) {
            EXPECT_EQ(twips % kTwipsPerPixel, 0) << control.name;
        }
    }
}

TEST_P(DesignTableTest, EachControlStandsInsideItsContainer) {
    const WindowRow& row = GetParam();
    for (const ControlDesign& control : row.controls) {
        TwipsRect room{0, 0, row.window.clientWidth, row.window.clientHeight};
        if (!control.container.empty()) {
            const auto container =
                std::find_if(row.controls.begin(), row.controls.end(),
                             [&](const ControlDesign& c) { return c.name == control.container; });
            ASSERT_NE(container, row.controls.end()) << control.name;
            EXPECT_EQ(container->kind, ControlKind::kFrame) << control.name;
            room = {0, 0, container->place.width, container->place.height};
        }
        const TwipsRect& place = control.place;
        EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.width > 0 && place.height > 0 &&
                    place.left + place.width <= room.width &&
                    place.top + place.height <= room.height)
            << control.name;
    }
}

TEST_P(DesignTableTest, TabIndexesCountFromZeroWithoutGaps) {
    std::set<int> indexes;
    std::size_t held = 0;
    for (const ControlDesign& control : GetParam().controls) {
        if (control.tabIndex != kNoTabIndex) {
            indexes.insert(control.tabIndex);
            ++held;
        }
    }
    EXPECT_EQ(indexes.size(), held);
    EXPECT_EQ(*indexes.begin(), 0);
    EXPECT_EQ(*indexes.rbegin(), static_cast<int>(held) - 1);
}

TEST_P(DesignTableTest, AccessKeyIsTheLetterAfterTheAmpersand) {
    for (const ControlDesign& control : GetParam().controls) {
        const std::size_t ampersand = control.caption.find('&');
        const char expected =
            ampersand == std::string_view::npos
                ? '\0'
                : static_cast<char>(
                      std::toupper(static_cast<unsigned char>(control.caption[ampersand + 1])));
        EXPECT_EQ(control.accessKey, expected) << control.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, DesignTableTest, ::testing::ValuesIn(Windows()),
                         RowName<WindowRow>);

TEST(DesignTableTest, MainWindowIs434By198PixelsAt96Dpi) {
    EXPECT_EQ(TwipsToPixels(kFrmMain.clientWidth), 434);
    EXPECT_EQ(TwipsToPixels(kFrmMain.clientHeight), 198);
}

TEST(DesignTableTest, ATextBoxIsNamedAfterItsFrame) {
    EXPECT_EQ(TextBoxName(Control::kTxtCodeNum), u"Code #");
    EXPECT_EQ(TextBoxName(Control::kTxtOut), u"Output");
    EXPECT_EQ(TextBoxName(Control::kLblEncrypt), u"");
}

TEST(DesignTableTest, ControlsInAFrameStandInTheWindowWhereTheFrameIs) {
    const TwipsRect place =
        PlaceInWindow(kFrmMainControls, *FindControl(kFrmMainControls, "cmdCopyOutput"));
    EXPECT_EQ(place.left, 1200 + 4680);
    EXPECT_EQ(place.top, 1440 + 840);
}

}  // namespace
}  // namespace vellumark
