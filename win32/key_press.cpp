#include "win32/key_press.h"

namespace vellumark::win32 {

std::optional<KeyPress> KeyPressOf(const MSG& message) {
    const UINT kind = message.message;
    if (kind != WM_KEYDOWN && kind != WM_SYSKEYDOWN && kind != WM_SYSCHAR) {
        return std::nullopt;
    }
    KeyPress press{Key::kOther, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
                   kind != WM_KEYDOWN || GetKeyState(VK_MENU) < 0};
    if (kind == WM_SYSCHAR) {
        // An access key by the letter that the layout types. Its key-down has gone on to the
        // window, or Alt's release would open the menu bar.
        if (IsCharAlphaW(static_cast<WCHAR>(message.wParam)) != 0) {
            press.letter = static_cast<char16_t>(message.wParam);
        }
        return press;
    }
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
            // Under Alt the letter comes again as a character (WM_SYSCHAR).
            if (!press.alt && message.wParam >= 'A' && message.wParam <= 'Z') {
                press.letter = static_cast<char16_t>(message.wParam);
            }
            break;
    }
    return press;
}

}  // namespace vellumark::win32
