#include "win32/key_press.h"

#include <utility>

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
    constexpr std::pair<WPARAM, Key> kKeys[] = {{VK_RETURN, Key::kEnter},
                                                {VK_SPACE, Key::kSpace},
                                                {VK_ESCAPE, Key::kEscape},
                                                {VK_TAB, Key::kTab}};
    for (const auto& [code, key] : kKeys) {
        if (message.wParam == code) {
            press.key = key;
        }
    }
    if (press.key == Key::kEnter && (HIWORD(message.lParam) & KF_EXTENDED) != 0) {
        press.key = Key::kKeypadEnter;
    }
    // Under Alt the letter comes again as a character (WM_SYSCHAR).
    if (!press.alt && message.wParam >= 'A' && message.wParam <= 'Z') {
        press.letter = static_cast<char16_t>(message.wParam);
    }
    return press;
}

}  // namespace vellumark::win32
