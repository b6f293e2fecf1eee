#pragma once
// The text of a plain-text box exactly as it holds it. QPlainTextEdit::toPlainText() turns a
// no-break space into a blank, which would change the byte 0xA0 of a text, so the raw text is
// read and only the document's paragraph and line separators become line feeds.

#include <QString>

class QPlainTextEdit;

namespace vellumark {

// A document's text with its paragraph and line separators as line feeds.
QString WithLineFeeds(QString text);

QString TextOf(const QPlainTextEdit& box);

}  // namespace vellumark
