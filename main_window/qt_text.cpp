#include "main_window/qt_text.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace vellumark {

QString WithLineFeeds(QString text) {
    return text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
}

QString TextOf(const QPlainTextEdit& box) {
    return WithLineFeeds(box.document()->toRawText());
}

}  // namespace vellumark
