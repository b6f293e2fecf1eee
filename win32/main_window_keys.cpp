#include "win32/main_window.h"

// The keys before a control sees them: what the core decides goes to the core, the rest to the
// dialog keys.

#include <optional>

#include "win32/key_press.h"

namespace vellumark::win32 {

bool MainWindow::PreTranslate(MSG& message) {
    if (window_ == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return false;
    }
    const std::optional<KeyPress> press = KeyPressOf(message);
    if (press && core_.OnShortcutKey(*press)) {
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
        // Tab always moves the focus, also out of the multi-line boxes.
        core_.OnTabKey(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    if (message.message == WM_SYSCHAR && GetKeyState(VK_CONTROL) >= 0 &&
        GetKeyState(VK_SHIFT) >= 0 && core_.OnAccessKey(static_cast<char16_t>(message.wParam))) {
        return true;
    }
    if (const std::optional<Button> button = ButtonOf(CoreControlOf(message.hwnd));
        button && press && press->key != Key::kOther) {
        // Whatever the core leaves alone of these keys, the button does not press itself by.
        core_.OnButtonKey(*button, *press);
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        // A multi-line box in a dialog would close the window on Esc.
        return true;
    }
    return IsDialogMessageW(window_, &message) != 0;
}

}  // namespace vellumark::win32
