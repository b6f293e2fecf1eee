// The core's answers to presses, keys and the focus: what the mode labels, the picture
// buttons and the access keys do, and where the focus goes from a button that disables itself.

#include <cstddef>
#include <optional>

#include "window_core/main_window_core.h"

namespace vellumark {

void MainWindowCore::OnModeLabelPress(Control label, MouseButton /*button*/) {
    // Every button alike.
    if (label == Control::kLblEncrypt) {
        ModeSet(kModeEncrypt);
    } else if (label == Control::kLblDecrypt) {
        ModeSet(kModeDecrypt);
    }
}

void MainWindowCore::OnMousePress(Control control, MouseButton button) {
    if (control == Control::kLblEncrypt || control == Control::kLblDecrypt) {
        OnModeLabelPress(control, button);
    } else if (const std::optional<Button> pressed = ButtonOf(control)) {
        if (button == MouseButton::kLeft && enabled(*pressed)) {
            view_.FocusControl(control, FocusReason::kMouse);
        }
    } else {
        view_.FocusControl(control, button == MouseButton::kRight ? FocusReason::kRightButton
                                                                  : FocusReason::kMouse);
    }
}

void MainWindowCore::OnMouseClick(Control control, MouseButton button) {
    if (const std::optional<Button> pressed = ButtonOf(control)) {
        if (button == MouseButton::kLeft) {
            PressButton(*pressed);
        }
    } else if (control == Control::kTxtCodeNum) {
        OnCodeNumberClick(button);
    }
}

void MainWindowCore::PressButton(Button button) {
    if (!enabled(button)) {
        return;
    }
    switch (button) {
        case Button::kPasteInput:
            PasteInput();
            break;
        case Button::kClearInput:
            ClearInput();
            break;
        case Button::kCutOutput:
            CutOutput();
            break;
        case Button::kCopyOutput:
            CopyOutput();
            break;
    }
}

bool MainWindowCore::OnButtonKey(Button button, const KeyPress& press) {
    if (!PressesButton(press)) {
        return false;
    }
    PressButton(button);
    return true;
}

bool MainWindowCore::OnAccessKey(char16_t letter) {
    const std::optional<Control> target = AccessKeyTarget(letter);
    if (!target) {
        return false;
    }
    if (*target == Control::kTxtCodeNum && view_.FocusedControl() == Control::kTxtCodeNum) {
        // Already in the box, so no focus comes: the key still enters it.
        OnCodeNumberFocus(FocusReason::kAccessKey);
    } else {
        view_.FocusControl(*target, FocusReason::kAccessKey);
    }
    return true;
}

bool MainWindowCore::OnShortcutKey(const KeyPress& press) {
    const std::optional<Command> command = CommandOfShortcut(press);
    if (!command) {
        return false;
    }
    RunCommand(*command);
    return true;
}

bool MainWindowCore::OnWindowKey(const KeyPress& press) {
    if (OnShortcutKey(press)) {
        return true;
    }
    if (press.alt && !press.control && !press.shift && press.letter != u'\0') {
        return OnAccessKey(press.letter);
    }
    if (press.key == Key::kTab && !press.control && !press.alt) {
        // The window's own tab order, round its end.
        return OnTabKey(press.shift) != Control::kNone;
    }
    // Only these keys ask the view for its focus, not every key typed into a box.
    if (press.key != Key::kEnter && press.key != Key::kKeypadEnter && press.key != Key::kSpace) {
        return false;
    }
    const std::optional<Button> button = ButtonOf(view_.FocusedControl());
    if (!button) {
        return false;
    }
    // Whatever the core leaves alone of these keys, the button does not press itself by.
    OnButtonKey(*button, press);
    return true;
}

bool MainWindowCore::ButtonCanTakeFocus(Control control) const {
    const std::optional<Button> button = ButtonOf(control);
    return !button || enabled(*button);
}

Control MainWindowCore::OnTabKey(bool backwards) {
    const Control next = NextInTabOrder(view_.FocusedControl(), backwards,
                                        [this](Control control) { return ButtonCanTakeFocus(control); });
    if (next != Control::kNone) {
        view_.FocusControl(next, FocusReason::kTab);
    }
    return next;
}

void MainWindowCore::EnableButton(Button button, bool enabled) {
    if (this->enabled(button) == enabled) {
        return;
    }
    // Asked before the view disables it: a disabled control has lost the focus already.
    const bool handOn = !enabled && view_.FocusedControl() == ControlOf(button);
    enabled_[static_cast<std::size_t>(button)] = enabled;
    view_.EnableButton(button, enabled);
    if (handOn) {
        const Control next = NextInTabOrder(ControlOf(button), false, [this](Control control) {
            return ButtonCanTakeFocus(control);
        });
        view_.FocusControl(next, FocusReason::kTab);
    }
}

}  // namespace vellumark
