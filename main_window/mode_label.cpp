#include "main_window/mode_label.h"

#include <QMouseEvent>

namespace vellumark {

ModeLabel::ModeLabel(QWidget* parent) : QLabel(parent) {}

void ModeLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed();
}

}  // namespace vellumark
