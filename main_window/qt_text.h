#pragma once
// The text of a plain-text box exactly as it holds it. QPlainTextEdit::toPlainText() turns a
// no-break space into a blank, which would change the byte 0xA0 of a text, so the raw text is
// read and only the document's paragraph and line separators become line feeds.

#include <QPlainTextEdit>
#include <QString>
#include <QTextDocument>

namespace vellumark {

// A document's text with its paragraph and line separators as line feeds.
inline QString WithLineFeeds(QString text) {
    return text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
}

inline QString TextOf(const QPlainTextEdit& box) {
    return WithLineFeeds(box.document()->toRawText());
}

}  // namespace vellumark
