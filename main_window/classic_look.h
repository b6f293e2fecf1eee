#pragma once
// The classic look of the window designs on today's desktops: the faces that they name, and
// frames whose caption stands on their top border line.

#include <QProxyStyle>

namespace vellumark {

// Makes "Arial" and "MS Sans Serif" resolve, where the desktop lacks them, to free faces of the
// same metrics, so that every caption keeps the room that the designs give it. Call once at
// start-up, before the first window is built.
void SubstituteClassicFonts();

// Draws a captioned frame as classic frames are drawn: an etched border whose top line runs
// through the middle of the caption, rather than below it as some styles have it. The
// controls of the designs sit just below that line.
class ClassicFrameStyle : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};

}  // namespace vellumark
