#pragma once
// The Qt windows' controls, built from the design table (window_core/design.h) as the Win32
// window builds its own: each control of its kind, named, placed and captioned as the design
// says, and the focus passed on in its tab order.

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "window_core/design.h"
#include "window_core/fonts.h"
#include "window_core/text_contrast.h"

namespace vellumark {

// A window's own widget for a control of its design, made as a child of `container`; nullptr
// for the kind's: a frame is a QGroupBox, a text box a QLineEdit, a button a QPushButton, or a
// QToolButton when it shows a picture instead of a caption, a label or an image a QLabel.
using OwnWidget = std::function<QWidget*(const ControlDesign& control, QWidget* container)>;

// Names `window` and gives it the design's title; gives `client`, its client area, the design's
// fixed size, and builds the `count` controls on it.
void BuildDesign(QWidget& window, QWidget& client, const WindowDesign& design,
                 const ControlDesign* controls, std::size_t count, const OwnWidget& own);

template <std::size_t N>
void BuildDesign(QWidget& window, QWidget& client, const WindowDesign& design,
                 const std::array<ControlDesign, N>& controls, const OwnWidget& own = {}) {
    BuildDesign(window, client, design, controls.data(), N, own);
}

// The design's texts are ASCII.
inline QString Latin1Text(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The core's texts are UTF-16, as Qt's are: the conversions only reinterpret.
inline std::u16string_view Utf16Of(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}
inline QString QStringOf(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

// A design's font, at its size in points.
QFont FontOf(const FontDesign& design);

// The designs' colours are 0x00BBGGRR.
inline QColor ColourOf(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}
inline std::uint32_t BgrOf(const QColor& colour) {
    return BgrOf(colour.red(), colour.green(), colour.blue());
}

// The widget that BuildDesign made for the control `name` under `window`, as a T.
template <typename T = QWidget>
T* DesignWidget(const QWidget& window, std::string_view name) {
    return window.findChild<T*>(Latin1Text(name));
}

}  // namespace vellumark
