#include "main_window/mode_label.h"

#include <QApplication>
#include <QMouseEvent>

#include "about/design_widgets.h"
#include "window_core/main_window_view.h"

namespace vellumark {

ModeLabel::ModeLabel(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
}

void ModeLabel::Show(std::uint32_t colour, bool active) {
    // The label's own palette holds the colours chosen from the application's.
    const QPalette scheme = QApplication::palette(this);
    QPalette own = palette();
    own.setColor(QPalette::Window, ColourOf(colour));
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor text = scheme.color(group, QPalette::WindowText);
        const QColor window = scheme.color(group, QPalette::Window);
        own.setColor(group, QPalette::WindowText,
                     ColourOf(ModeTextColour(colour, BgrOf(text), BgrOf(window))));
    }
    setPalette(own);
    // The colour alone tells a screen-reader user nothing.
    setAccessibleDescription(QStringOf(ModeLabelDescription(active)));
}

void ModeLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(event->button());
}

}  // namespace vellumark
