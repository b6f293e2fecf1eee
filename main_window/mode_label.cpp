#include "main_window/mode_label.h"

#include <QApplication>
#include <QMouseEvent>

#include "main_window/pictures.h"
#include "window_core/text_contrast.h"

namespace vellumark {

ModeLabel::ModeLabel(QWidget* parent) : QLabel(parent) {}

void ModeLabel::SetBackground(std::uint32_t colour) {
    // The label's own palette holds the colours chosen from the application's.
    const QPalette scheme = QApplication::palette(this);
    QPalette own = palette();
    own.setColor(QPalette::Window, ColourOf(colour));
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor text = scheme.color(group, QPalette::WindowText);
        const QColor window = scheme.color(group, QPalette::Window);
        own.setColor(group, QPalette::WindowText,
                     ColourOf(ModeTextColour(colour, BgrOf(text.red(), text.green(), text.blue()),
                                             BgrOf(window.red(), window.green(), window.blue()))));
    }
    setPalette(own);
}

void ModeLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(event->button());
}

}  // namespace vellumark
