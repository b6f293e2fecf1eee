#include "win32/main_window.h"

// The main window's own messages: the keys before a control sees them, the controls' and the
// menu's commands, the labels' and the output's colours, the activation and the DPI.

#include <optional>

#include "win32/control_makers.h"
#include "win32/key_press.h"
#include "win32/menus.h"
#include "win32/metrics.h"
#include "win32/window_class.h"
#include "window_core/text_contrast.h"

namespace vellumark::win32 {

bool MainWindow::PreTranslate(MSG& message) {
    if (window_ == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return false;
    }
    if (const std::optional<KeyPress> press = KeyPressOf(message);
        press && core_.OnWindowKey(*press)) {
        return true;
    }
    // A multi-line box in a dialog would close the window on Esc.
    const bool escape = message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE;
    return escape || IsDialogMessageW(window_, &message) != 0;
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = ObjectOf<MainWindow>(window, message, lParam);
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // Its messages come before CreateWindowEx returns the handle.
    self->window_ = window;
    return self->Handle(message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            return ColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus != nullptr && IsChild(window_, focus)) {
                    lastFocus_ = focus;
                }
            } else if (HIWORD(wParam) == 0) {
                // The first activation is the first show: the code number takes the focus.
                if (lastFocus_ == nullptr) {
                    FocusControl(Control::kTxtCodeNum, FocusReason::kFirstShow);
                } else {
                    SetFocus(lastFocus_);
                }
            }
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            Layout(HIWORD(wParam));
            return 0;
        }
        case kInputCut:
            // The core has seen the cut text by now.
            core_.OnInputCut(kInputLimit);
            return 0;
        case WM_CLOSE:
            // The close button ends the program at once, as Exit does.
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void MainWindow::OnCommand(int id, int code) {
    if (const std::optional<Command> command = CommandOfId(id)) {
        core_.RunCommand(*command);
        return;
    }
    const Control control = CoreControlOf(GetDlgItem(window_, id));
    if (const std::optional<Button> button = ButtonOf(control)) {
        core_.PressButton(*button);
    } else if (control == Control::kTxtCodeNum && code == EN_CHANGE) {
        core_.OnCodeNumberChange();
    } else if (control == Control::kTxtCodeNum && code == EN_SETFOCUS) {
        core_.OnCodeNumberFocus(focusReason_.value_or(FocusReason::kReturned));
    } else if (control == Control::kTxtIn && code == EN_CHANGE) {
        core_.OnInputChange();
    } else if (control == Control::kTxtIn && code == EN_MAXTEXT) {
        PostMessageW(window_, kInputCut, 0, 0);
    }
}

LRESULT MainWindow::ColourStatic(HDC dc, HWND control) {
    // The labels keep the default background until the load has set the mode.
    if ((control == lblEncrypt_ || control == lblDecrypt_) && look_) {
        const COLORREF background =
            control == lblEncrypt_ ? look_->encryptColour : look_->decryptColour;
        SetBkColor(dc, background);
        if (HighContrastOn()) {
            // The system's text where the scheme is light, else black or white on the green.
            SetTextColor(dc, ModeTextColour(background, GetSysColor(COLOR_WINDOWTEXT),
                                            GetSysColor(COLOR_BTNFACE)));
        }
        SetDCBrushColor(dc, background);
        return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    }
    if (control == txtOut_) {
        // Locked, not disabled: the output keeps the look of a text box, its text greyed while
        // it is stale.
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(core_.output_stale() ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
}

}  // namespace vellumark::win32
