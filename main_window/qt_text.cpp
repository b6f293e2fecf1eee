#include "main_window/qt_text.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace vellumark {

QString WithLineFeeds(QString text) {
    for (QChar& character : text) {
        if (character == QChar::ParagraphSeparator || character == QChar::LineSeparator) {
            character = u'\n';
        }
    }
    return text;
}

QString TextOf(const QTextDocument& document) {
    return WithLineFeeds(document.toRawText());
}

QString TextOf(const QPlainTextEdit& box) {
    return TextOf(*box.document());
}

}  // namespace vellumark
