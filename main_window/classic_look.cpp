#include "main_window/classic_look.h"

#include <qdrawutil.h>
#include <QFont>
#include <QPainter>
#include <QStyleOptionGroupBox>

namespace vellumark {

void SubstituteClassicFonts() {
    // Liberation Sans (Debian's fonts-liberation2) and Arimo share Arial's metrics; the bitmap
    // "MS Sans Serif" is closest to them at the same pixel size. A face that is installed
    // under its own name always wins over its substitutes.
    const QStringList arialMetrics{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
    QFont::insertSubstitutions(QStringLiteral("Arial"), arialMetrics);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList{QStringLiteral("Microsoft Sans Serif")} + arialMetrics);
}

void ClassicFrameStyle::drawComplexControl(ComplexControl control,
                                           const QStyleOptionComplex* option, QPainter* painter,
                                           const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || frame == nullptr || frame->text.isEmpty()) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    constexpr int kCaptionIndent = 6;
    constexpr int kCaptionPadding = 2;
    const QFontMetrics& metrics = frame->fontMetrics;
    const QRect caption(
        kCaptionIndent, 0,
        metrics.horizontalAdvance(QString(frame->text).remove(u'&')) + 2 * kCaptionPadding,
        metrics.height());
    // The border, broken where the caption stands.
    painter->save();
    painter->setClipRegion(QRegion(frame->rect).subtracted(caption));
    qDrawShadeRect(painter, frame->rect.adjusted(0, metrics.height() / 2, 0, 0), frame->palette,
                   true, 1, 0);
    painter->restore();
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (styleHint(SH_UnderlineShortcut, option, widget) == 0) {
        flags |= Qt::TextHideMnemonic;
    }
    drawItemText(painter, caption, flags, frame->palette, frame->state.testFlag(State_Enabled),
                 frame->text, QPalette::WindowText);
}

}  // namespace vellumark
