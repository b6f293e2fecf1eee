#pragma once
// The main window's controls by their design names, the keyboard's way through them and
// what a mouse button or a key means on each, for every front end alike.

#include <cstdint>
#include <optional>
#include <string_view>

namespace vellumark {

// The controls that the core speaks of. kNone: the focus is outside the window's controls
// (in a menu, in another window).
enum class Control : std::uint8_t {
    kNone,
    kTxtCodeNum,
    kTxtIn,
    kCmdPasteInput,
    kCmdClearInput,
    kCmdCutOutput,
    kCmdCopyOutput,
    kTxtOut,
    kLblEncrypt,
    kLblDecrypt,
};

// How the focus came to a control.
enum class FocusReason : std::uint8_t {
    kFirstShow,    // the window opened, the box first in the tab order
    kTab,          // Tab or Shift+Tab, or the focus handed on from a button that disabled itself
    kAccessKey,    // the access key of its frame
    kMouse,        // the left or middle button pressed into it: the click, if any, decides
    kRightButton,  // the right button pressed into it, or the box's menu that it opens
    kReturned,     // back from a menu, a popup, another window or a closed dialog
};

enum class MouseButton : std::uint8_t { kLeft, kRight, kMiddle, kOther };

// The four picture buttons, in tab order.
enum class Button : std::uint8_t { kPasteInput, kClearInput, kCutOutput, kCopyOutput };

constexpr Control ControlOf(Button button) {
    return static_cast<Control>(static_cast<int>(Control::kCmdPasteInput) + static_cast<int>(button));
}

// The button that `control` is; nothing for the other controls.
constexpr std::optional<Button> ButtonOf(Control control) {
    const int index = static_cast<int>(control) - static_cast<int>(Control::kCmdPasteInput);
    if (index < 0 || index > static_cast<int>(Button::kCopyOutput)) {
        return std::nullopt;
    }
    return static_cast<Button>(index);
}

// The design name ("txtCodeNum"); "" for kNone.
std::string_view ControlName(Control control);
// The control of a design name; nothing for a name that is not one of them.
std::optional<Control> ControlNamed(std::string_view name);

// The controls that take the focus, in tab order: the three boxes and the four buttons.
// The frames and labels hold places in the design's order but never take the focus.
inline constexpr Control kTabOrder[] = {
    Control::kTxtCodeNum,   Control::kTxtIn,         Control::kCmdPasteInput,
    Control::kCmdClearInput, Control::kCmdCutOutput, Control::kCmdCopyOutput,
    Control::kTxtOut,
};

// The control that Tab (or Shift+Tab, `backwards`) moves to from `from`, passing over the
// controls for which `enabled` says no, round the end of the order. `from` itself is the
// answer when nothing else can take the focus; kNone when `from` is not in the order.
template <typename Enabled>
Control NextInTabOrder(Control from, bool backwards, const Enabled& enabled) {
    constexpr int kCount = static_cast<int>(sizeof kTabOrder / sizeof kTabOrder[0]);
    int at = -1;
    for (int i = 0; i < kCount; ++i) {
        if (kTabOrder[i] == from) {
            at = i;
        }
    }
    if (at < 0) {
        return Control::kNone;
    }
    for (int step = 1; step < kCount; ++step) {
        const int next = ((backwards ? at - step : at + step) % kCount + kCount) % kCount;
        if (enabled(kTabOrder[next])) {
            return kTabOrder[next];
        }
    }
    return from;
}

// The control that a frame's access key (Alt and the letter, either case) moves the focus
// to: the control after the frame in tab order. "&Code #" leads to txtCodeNum, "&Input" to
// txtIn; nothing for any other letter.
std::optional<Control> AccessKeyTarget(char16_t letter);

}  // namespace vellumark
