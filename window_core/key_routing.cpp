// Where a key or a press in the main window goes, decided once for every front end: the
// toolkit only reports it.

#include <optional>

#include "window_core/main_window_core.h"

namespace vellumark {

bool MainWindowCore::OnWindowKey(const KeyPress& press) {
    if (OnShortcutKey(press)) {
        return true;
    }
    if (press.key == Key::kTab && !press.control && !press.alt) {
        // The window's own tab order, round its end, also out of the multi-line boxes; a
        // focus outside its controls is the toolkit's to move.
        return OnTabKey(press.shift) != Control::kNone;
    }
    if (press.alt && !press.control && !press.shift && press.letter != u'\0' &&
        OnAccessKey(press.letter)) {
        return true;
    }
    const std::optional<Button> button = ButtonOf(view_.FocusedControl());
    if (!button ||
        (press.key != Key::kEnter && press.key != Key::kKeypadEnter && press.key != Key::kSpace)) {
        return false;
    }
    // Whatever the core leaves alone of these keys (with a modifier), the button does not
    // press itself by either.
    OnButtonKey(*button, press);
    return true;
}

void MainWindowCore::OnCodeNumberPress(MouseButton button) {
    view_.FocusControl(Control::kTxtCodeNum, button == MouseButton::kRight
                                                 ? FocusReason::kRightButton
                                                 : FocusReason::kMouse);
}

}  // namespace vellumark
