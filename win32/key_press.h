#pragma once
// A key as the window core reads it, from a Windows key-down message, for both windows.

#include <windows.h>

#include <optional>

#include "window_core/keys.h"

namespace vellumark::win32 {

// The key of a WM_KEYDOWN or WM_SYSKEYDOWN and its modifiers: Enter (keypad Enter has the
// extended-key bit), Space, Esc and Tab by name, a letter key by its letter, any other as
// kOther; nothing for another message.
std::optional<KeyPress> KeyPressOf(const MSG& message);

}  // namespace vellumark::win32
