#pragma once
// The keys whose meaning the core decides, as every front end reports them.

#include <cstdint>

namespace vellumark {

enum class Key : std::uint8_t { kEnter, kKeypadEnter, kSpace, kEscape, kTab, kOther };

struct KeyPress {
    Key key = Key::kOther;
    bool shift = false;
    bool control = false;
    bool alt = false;
    // The letter of a letter key, whatever the keyboard layout makes of it; u'\0' for others.
    char16_t letter = u'\0';
};

// Whether a key pressed on a focused picture button presses it: Enter and keypad Enter, as
// on a command button, and Space; each alone, since with a modifier it is some shortcut's.
constexpr bool PressesButton(const KeyPress& press) {
    const bool alone = !press.shift && !press.control && !press.alt;
    return alone &&
           (press.key == Key::kEnter || press.key == Key::kKeypadEnter || press.key == Key::kSpace);
}

}  // namespace vellumark
