#pragma once
// What the about box shows and how it answers keys, for every front end alike; where it
// stands is about_placement.h.

#include <string>
#include <string_view>

#include "window_core/about_placement.h"
#include "window_core/keys.h"

namespace vellumark {

inline constexpr std::u16string_view kAboutTitle = u"Vellumark";
inline constexpr std::u16string_view kAboutCredit = u"By the Vellumark authors";

// "Version 1.0": the major version and the minor one as a number, from the build.
std::u16string AboutVersionText();
// The author's web address, which the box shows and opens; set when the build is configured.
std::u16string AboutAddress();
// The text that the box's control `name` shows: the title, the version, the credit, the
// address, or else the design's caption.
std::u16string AboutCaption(std::string_view name);

// Where the address label stands: the size of its text (`textWidth` by `textHeight` pixels),
// grown or shrunk about the centre of its design place `designed`, so that an address longer
// than the design's room stays over the middle of the frame; its top stays where designed.
PixelRect AddressLabelPlace(const PixelRect& designed, int textWidth, int textHeight);

// "Ok" holds the focus whenever the box is open, and it is the box's Enter button, not its
// Esc button: Enter, keypad Enter and Space close the box, Esc leaves it open.
constexpr bool ClosesAboutBox(const KeyPress& press) {
    return PressesButton(press);
}

}  // namespace vellumark
