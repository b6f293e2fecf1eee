// The about box's texts, Enter and the address label's place, as every front end shows them.

#include <gtest/gtest.h>

#include <string>

#include "window_core/about_core.h"
#include "window_core/cursor_file.h"

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

// The row the_about_box_opens_and_closes_by_keyboard shows the other keys; Enter on the box
// no row presses, and the Qt and Win32 dialogs would close on it whatever the core said.
TEST(AboutCoreTest, EnterClosesTheBox) {
    EXPECT_TRUE(ClosesAboutBox({Key::kEnter}));
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

// The hand over the address points where its file says.
TEST(AboutCoreTest, OnlyACursorFileHasAHotSpot) {
    // A directory entry: 32 by 32, 16 colours, hot spot (7, 3), 744 bytes from byte 22.
    const std::string entry("\x20\x20\x10\x00\x07\x00\x03\x00\xe8\x02\x00\x00\x16\x00\x00\x00", 16);
    const std::optional<HotSpot> hotSpot = CursorHotSpot(std::string("\0\0\2\0\1\0", 6) + entry);
    ASSERT_TRUE(hotSpot);
    EXPECT_EQ(hotSpot->x, 7);
    EXPECT_EQ(hotSpot->y, 3);
    EXPECT_FALSE(CursorHotSpot(std::string("\0\0\1\0\1\0", 6) + entry));  // an icon
    EXPECT_FALSE(CursorHotSpot(std::string("\0\0\2\0\0\0", 6) + entry));  // no image
    EXPECT_FALSE(CursorHotSpot(std::string("\0\0\2\0\1\0\x20\x20", 8)));  // cut short
    EXPECT_FALSE(CursorHotSpot(""));
}

}  // namespace
}  // namespace vellumark
