#pragma once
// A Qt key event as the window core knows keys: the keys whose meaning it decides, the
// modifiers held, and a letter key's letter.

#include <QKeyEvent>

#include "window_core/keys.h"

namespace vellumark {

inline KeyPress KeyPressOf(const QKeyEvent& event) {
    KeyPress press;
    switch (event.key()) {
        case Qt::Key_Return:
            press.key = Key::kEnter;
            break;
        case Qt::Key_Enter:
            press.key = Key::kKeypadEnter;
            break;
        case Qt::Key_Space:
        case Qt::Key_Select:
            press.key = Key::kSpace;
            break;
        case Qt::Key_Escape:
            press.key = Key::kEscape;
            break;
        default:
            break;
    }
    if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
        press.letter = static_cast<char16_t>(u'A' + (event.key() - Qt::Key_A));
    }
    const Qt::KeyboardModifiers held = event.modifiers();
    press.shift = held.testFlag(Qt::ShiftModifier);
    press.control = held.testFlag(Qt::ControlModifier);
    press.alt = held.testFlag(Qt::AltModifier);
    return press;
}

}  // namespace vellumark
