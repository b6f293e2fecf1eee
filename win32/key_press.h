#pragma once
// The keys whose meaning the window core decides (Enter, keypad Enter, Space, Esc), read from a
// Windows key-down message, for both windows.

#include <windows.h>

#include <optional>

#include "window_core/keys.h"

namespace vellumark::win32 {

// The key and its modifiers; nothing for another message or key. Keypad Enter is Enter with the
// extended-key bit.
std::optional<KeyPress> KeyPressOf(const MSG& message);
// A letter key pressed with Ctrl, which may be a menu's shortcut; nothing for any other key.
std::optional<KeyPress> ShortcutPressOf(const MSG& message);

}  // namespace vellumark::win32
