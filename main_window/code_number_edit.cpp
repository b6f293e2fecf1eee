#include "main_window/code_number_edit.h"

#include <QFocusEvent>
#include <QMouseEvent>

#include "engine/code_number.h"

namespace vellumark {

CodeNumberEdit::CodeNumberEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(static_cast<int>(kCodeNumberMaxLength));
    setAlignment(Qt::AlignCenter);
}

void CodeNumberEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    emit pressed(event->button());
    if (event->button() == Qt::LeftButton) {
        pressSelectionStart_ = selectionStart();
        pressSelectionLength_ = selectionLength();
    }
}

void CodeNumberEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLineEdit::mouseReleaseEvent(event);
        emit clicked(event->button());
        return;
    }
    // On X11 the release offers the selection as the primary selection. One that the user
    // has not dragged since the press is the program's and is hidden from that offer.
    const int start = selectionStart();
    const int length = selectionLength();
    const bool programs =
        hasSelectedText() && start == pressSelectionStart_ && length == pressSelectionLength_;
    pressSelectionStart_ = -1;
    if (programs) {
        deselect();
    }
    QLineEdit::mouseReleaseEvent(event);
    if (programs) {
        setSelection(start, length);
    }
    emit clicked(event->button());
}

void CodeNumberEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit focusEntered(event->reason());
}

void CodeNumberEdit::focusOutEvent(QFocusEvent* event) {
    // A line edit deselects when the menu bar takes the focus (Alt, or a menu's letter),
    // though the focus comes straight back from there. The selection, and the end of it
    // where the caret stands, are put back as they were.
    if (event->reason() != Qt::MenuBarFocusReason || !hasSelectedText()) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    const int start = selectionStart();
    const int end = selectionEnd();
    const bool caretAtStart = cursorPosition() == start;
    QLineEdit::focusOutEvent(event);
    if (caretAtStart) {
        setSelection(end, start - end);
    } else {
        setSelection(start, end - start);
    }
}

}  // namespace vellumark
