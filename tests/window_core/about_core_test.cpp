// The about box's texts, keys and the address label's place, as every front end shows them.

#include <gtest/gtest.h>

#include "window_core/about_core.h"

namespace vellumark {
namespace {

TEST(AboutCoreTest, TextsComeFromTheBuild) {
    EXPECT_EQ(kAboutTitle, u"Vellumark");
    EXPECT_EQ(AboutVersionText(), u"Version 1.0");
    EXPECT_EQ(kAboutCredit, u"By the Vellumark authors");
    EXPECT_EQ(AboutAddress().substr(0, 8), u"https://");
    EXPECT_EQ(AboutCaption("Label2"), AboutVersionText());
    EXPECT_EQ(AboutCaption("lblUrl"), AboutAddress());
    EXPECT_EQ(AboutCaption("cmdOk"), u"Ok");
}

TEST(AboutCoreTest, EnterAndSpaceCloseTheBoxEscLeavesItOpen) {
    EXPECT_TRUE(ClosesAboutBox({Key::kEnter}));
    EXPECT_TRUE(ClosesAboutBox({Key::kKeypadEnter}));
    EXPECT_TRUE(ClosesAboutBox({Key::kSpace}));
    EXPECT_FALSE(ClosesAboutBox({Key::kEscape}));
    EXPECT_FALSE(ClosesAboutBox({Key::kEnter, false, false, true}));
}

// The design's place: 94 pixels wide from x = 70, so its centre is pixel 116.
TEST(AboutCoreTest, TheAddressLabelTakesItsTextsSizeAboutTheDesignsCentre) {
    const PixelRect designed{70, 48, 94, 16};
    const auto place = [&](int width) { return AddressLabelPlace(designed, width, 15); };
    EXPECT_EQ(place(94).left, 70);
    EXPECT_EQ(place(100).left, 67);
    EXPECT_EQ(place(101).left, 66);
    EXPECT_EQ(place(200).left, 17);
    EXPECT_EQ(place(40).left, 97);
    EXPECT_EQ(place(200).top, 48);
    EXPECT_EQ(place(200).width, 200);
    EXPECT_EQ(place(200).height, 15);
}

}  // namespace
}  // namespace vellumark
