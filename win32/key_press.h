#pragma once
// A key as the window core reads it, from a Windows key-down message, for both windows.

#include <windows.h>

#include <optional>

#include "window_core/keys.h"

namespace vellumark::win32 {

// The key of a WM_KEYDOWN or WM_SYSKEYDOWN and its modifiers: Enter (keypad Enter has the
// extended-key bit), Space, Esc and Tab by name, a letter key without Alt by its letter, any
// other as kOther; a WM_SYSCHAR as Alt and its letter; nothing for another message.
std::optional<KeyPress> KeyPressOf(const MSG& message);

}  // namespace vellumark::win32
