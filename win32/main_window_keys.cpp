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
    if (const std::optional<KeyPress> press = KeyPressOf(message);
        press && core_.OnWindowKey(*press)) {
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        // A multi-line box in a dialog would close the window on Esc.
        return true;
    }
    return IsDialogMessageW(window_, &message) != 0;
}

}  // namespace vellumark::win32
