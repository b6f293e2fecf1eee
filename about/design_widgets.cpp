#include "about/design_widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <map>
#include <vector>

#include "window_core/screen_reader.h"

namespace vellumark {

namespace {

QWidget* WidgetOfKind(const ControlDesign& control, QWidget* container) {
    switch (control.kind) {
        case ControlKind::kFrame:
            return new QGroupBox(container);
        case ControlKind::kTextBox:
            return new QLineEdit(container);
        case ControlKind::kCommandButton:
            if (control.caption.empty()) {
                return new QToolButton(container);
            }
            return new QPushButton(container);
        case ControlKind::kLabel:
        case ControlKind::kImage:
            break;
    }
    return new QLabel(container);
}

void SetCaption(QWidget& widget, const QString& caption) {
    if (auto* frame = qobject_cast<QGroupBox*>(&widget)) {
        frame->setTitle(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setText(caption);
        // Every label of the designs is centred in its place.
        label->setAlignment(Qt::AlignCenter);
    }
}

}  // namespace

void BuildDesign(QWidget& window, QWidget& client, const WindowDesign& design,
                 const ControlDesign* controls, std::size_t count, const OwnWidget& own) {
    window.setObjectName(Latin1Text(design.name));
    window.setWindowTitle(Latin1Text(design.caption));
    client.setFixedSize(TwipsToPixels(design.clientWidth), TwipsToPixels(design.clientHeight));

    // The table lists each frame before the controls in it.
    std::vector<QWidget*> built;
    // The controls that take the focus, by their tab index.
    std::map<int, QWidget*> tabOrder;
    for (std::size_t i = 0; i < count; ++i) {
        const ControlDesign& control = controls[i];
        QWidget* container = &client;
        std::string_view frameCaption;
        for (std::size_t j = 0; j < i; ++j) {
            if (controls[j].name == control.container) {
                container = built[j];
                frameCaption = controls[j].caption;
            }
        }
        QWidget* widget = own ? own(control, container) : nullptr;
        if (widget == nullptr) {
            widget = WidgetOfKind(control, container);
        }
        widget->setObjectName(Latin1Text(control.name));
        const PixelRect place = PixelsOf(control.place);
        widget->setGeometry(place.left, place.top, place.width, place.height);
        SetCaption(*widget, Latin1Text(control.caption));
        widget->setToolTip(Latin1Text(control.toolTip));
        widget->setAccessibleName(QStringOf(NameInFrame(control, frameCaption)));
        if (control.kind == ControlKind::kCommandButton) {
            // A click gives a button the focus, as a classic button takes it.
            widget->setFocusPolicy(Qt::StrongFocus);
        }
        if (widget->focusPolicy() != Qt::NoFocus) {
            tabOrder[control.tabIndex] = widget;
        }
        built.push_back(widget);
    }

    QWidget* previous = nullptr;
    for (const auto& [index, widget] : tabOrder) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

QFont FontOf(const FontDesign& design) {
    QFont font(Latin1Text(design.face));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    font.setUnderline(design.underline);
    return font;
}

}  // namespace vellumark
