#include "main_window/qt_text.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace vellumark {

QString TextOf(const QTextDocument& document) {
    QString text = document.toRawText();
    for (QChar& character : text) {
        if (character == QChar::ParagraphSeparator || character == QChar::LineSeparator) {
            character = u'\n';
        }
    }
    return text;
}

QString TextOf(const QPlainTextEdit& box) {
    return TextOf(*box.document());
}

}  // namespace vellumark
