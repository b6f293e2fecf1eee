#include "win32/key_press.h"

namespace vellumark::win32 {

std::optional<KeyPress> KeyPressOf(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) {
        return std::nullopt;
    }
    KeyPress press{Key::kOther, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
                   message.message == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0};
    switch (message.wParam) {
        case VK_RETURN:
            press.key =
                (HIWORD(message.lParam) & KF_EXTENDED) != 0 ? Key::kKeypadEnter : Key::kEnter;
            break;
        case VK_SPACE:
            press.key = Key::kSpace;
            break;
        case VK_ESCAPE:
            press.key = Key::kEscape;
            break;
        case VK_TAB:
            press.key = Key::kTab;
            break;
        default:
            if (message.wParam >= 'A' && message.wParam <= 'Z') {
                press.letter = static_cast<char16_t>(message.wParam);
            }
            break;
    }
    return press;
}

}  // namespace vellumark::win32
