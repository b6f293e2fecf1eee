#include "win32/key_press.h"

namespace vellumark::win32 {

std::optional<KeyPress> KeyPressOf(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) {
        return std::nullopt;
    }
    Key key = Key::kOther;
    switch (message.wParam) {
        case VK_RETURN:
            key = (HIWORD(message.lParam) & KF_EXTENDED) != 0 ? Key::kKeypadEnter : Key::kEnter;
            break;
        case VK_SPACE:
            key = Key::kSpace;
            break;
        case VK_ESCAPE:
            key = Key::kEscape;
            break;
        default:
            return std::nullopt;
    }
    return KeyPress{key, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
                    message.message == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0};
}

std::optional<KeyPress> ShortcutPressOf(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam < 'A' || message.wParam > 'Z' ||
        GetKeyState(VK_CONTROL) >= 0) {
        return std::nullopt;
    }
    KeyPress press;
    press.control = true;
    press.shift = GetKeyState(VK_SHIFT) < 0;
    press.alt = GetKeyState(VK_MENU) < 0;
    press.letter = static_cast<char16_t>(message.wParam);
    return press;
}

}  // namespace vellumark::win32
