#include "win32/main_window.h"

// What the subclassed controls report before their own procedures see it: the mode labels'
// presses, the code-number box's clicks and menu, a copy out of the output, and their names.

#include <commctrl.h>

#include <string_view>

#include "win32/accessible.h"
#include "win32/edit_text.h"
#include "window_core/screen_reader.h"

namespace vellumark::win32 {

namespace {

MouseButton MouseButtonOf(UINT message) {
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
        return MouseButton::kLeft;
    }
    if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP) {
        return MouseButton::kRight;
    }
    return message == WM_MBUTTONDOWN || message == WM_MBUTTONUP ? MouseButton::kMiddle
                                                                : MouseButton::kOther;
}

}  // namespace

LRESULT CALLBACK MainWindow::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR named, DWORD_PTR self) {
    return reinterpret_cast<MainWindow*>(self)->HandleControl(control, static_cast<Control>(named),
                                                              message, wParam, lParam);
}

LRESULT MainWindow::HandleControl(HWND control, Control named, UINT message, WPARAM wParam,
                                  LPARAM lParam) {
    const bool label = named == Control::kLblEncrypt || named == Control::kLblDecrypt;
    if (message == WM_GETOBJECT) {
        // A text box is named after its frame (the system names it after the control before
        // it, a button for the output box); the lit label says that its mode is the active one.
        const AccessibleTexts texts{
            WideString(TextBoxName(named)),
            WideString(ModeLabelDescription(named, look_ && look_->decryptChecked))};
        if (const LRESULT object = AnnotatedObject(control, wParam, lParam, texts); object != 0) {
            return object;
        }
    }
    if (named == Control::kTxtOut && (message == WM_COPY || message == WM_CUT) &&
        !core_.OnOutputCopy()) {
        // Ctrl+C, Ctrl+Insert and the box's own menu all copy by WM_COPY; a read-only box's
        // cut copies too.
        return 0;
    }
    if (label && (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN ||
                  message == WM_MBUTTONDOWN || message == WM_XBUTTONDOWN)) {
        core_.OnModeLabelPress(named, MouseButtonOf(message));
        return 0;
    }
    if (named == Control::kTxtCodeNum) {
        switch (message) {
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
                // Also the buttons that the edit box itself leaves alone.
                core_.OnMousePress(Control::kTxtCodeNum, MouseButtonOf(message));
                break;
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
            case WM_MBUTTONUP: {
                const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
                core_.OnCodeNumberClick(MouseButtonOf(message));
                return result;
            }
            case WM_CONTEXTMENU:
                // The box's menu focuses the box first; it is focused here for the right button,
                // so that the number is selected and the menu's Paste replaces it.
                FocusControl(Control::kTxtCodeNum, FocusReason::kRightButton);
                break;
            default:
                break;
        }
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace vellumark::win32
