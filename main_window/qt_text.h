#pragma once
// Qt's text and the window core's: both are UTF-16, so the conversions only reinterpret.

#include <QString>
#include <string>
#include <string_view>

class QTextDocument;
class QPlainTextEdit;

namespace vellumark {

inline std::u16string_view Utf16Of(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

inline QString QStringOf(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

// A document's text with its paragraph and line separators as line feeds.
QString WithLineFeeds(QString text);

// The text of a plain-text box exactly as it holds it. QPlainTextEdit::toPlainText() turns a
// no-break space into a blank, which would change the byte 0xA0 of a text, so this reads the
// raw text and only turns the document's paragraph and line separators into line feeds.
QString TextOf(const QTextDocument& document);
QString TextOf(const QPlainTextEdit& box);

}  // namespace vellumark
