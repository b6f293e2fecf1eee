#include "main_window/code_number_edit.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace vellumark {

CodeNumberEdit::CodeNumberEdit(QWidget* parent) : QLineEdit(parent) {}

void CodeNumberEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    emit pressed();
}

void CodeNumberEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    emit clicked();
}

void CodeNumberEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit gotFocus();
}

}  // namespace vellumark
