#pragma once
// A Qt key event as the window core knows keys: the keys whose meaning it decides, the
// modifiers held, and a letter key's letter.

#include <QKeyEvent>
#include <utility>

#include "window_core/keys.h"

namespace vellumark {

inline KeyPress KeyPressOf(const QKeyEvent& event) {
    // Select is the Space of some keypads.
    constexpr std::pair<int, Key> kKeys[] = {{Qt::Key_Return, Key::kEnter},
                                             {Qt::Key_Enter, Key::kKeypadEnter},
                                             {Qt::Key_Space, Key::kSpace},
                                             {Qt::Key_Select, Key::kSpace},
                                             {Qt::Key_Escape, Key::kEscape}};
    const Qt::KeyboardModifiers held = event.modifiers();
    KeyPress press{Key::kOther, held.testFlag(Qt::ShiftModifier),
                   held.testFlag(Qt::ControlModifier), held.testFlag(Qt::AltModifier)};
    for (const auto& [code, key] : kKeys) {
        if (event.key() == code) {
            press.key = key;
        }
    }
    if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
        press.letter = static_cast<char16_t>(u'A' + (event.key() - Qt::Key_A));
    }
    return press;
}

}  // namespace vellumark
