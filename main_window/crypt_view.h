#pragma once
// The pure pieces of the main window: what a box's text means to the cipher, what the window
// shows for it, and the texts of its notices. No widget is touched here, so tests can call
// them without a window.

#include <QString>
#include <cstdint>
#include <optional>

class QTextDocument;
class QPlainTextEdit;

namespace vellumark {

// The text of a plain-text box exactly as it holds it. QPlainTextEdit::toPlainText() turns a
// no-break space into a blank, which would change the byte 0xA0 of a text, so this reads the
// raw text and only turns the document's paragraph and line separators into line feeds.
QString TextOf(const QTextDocument& document);
QString TextOf(const QPlainTextEdit& box);

// The code number that the text of the code-number box stands for, or kInvalidCodeNumber.
// The text is taken byte for byte in Windows-1252; a character without a byte there cannot
// be a digit, so it makes the code number invalid.
float CodeNumberOf(const QString& text);

// The six-digit text of the random code number that the draw `r` in [0, 1) picks.
QString RandomCode(float r);

enum class NoticeKind : std::uint8_t {
    kNone,
    kTooLong,         // the cipher refused the input for its length
    kUnmappable,      // the input holds a character that has no Windows-1252 byte
    kNotDecryptable,  // the cipher text shown would not decrypt back to exactly the input
};

struct CryptView {
    // The new text of the output box, or nothing when it must keep the text it has.
    std::optional<QString> output;
    NoticeKind notice = NoticeKind::kNone;
    QString noticeText;
};

// What the window shows for `input` under `mode` and `codeNum`: the text of CryptText, read
// and written through Windows-1252, and a notice where the output is refused or suspect.
// Computes the cipher once, and the round trip only for a cipher text that is shown.
CryptView ViewOfCrypt(const QString& input, std::uint8_t mode, float codeNum);
// The same for the text of a box. An input the cipher must refuse for its length is refused
// from the box's counts, without reading it out, so a key typed into a huge paste costs little
// more than the box's own work; every other input goes through the function above.
CryptView ViewOfCrypt(const QTextDocument& input, std::uint8_t mode, float codeNum);

QString TooLongNotice(std::uint8_t mode);
QString UnmappableNotice(char32_t character, std::size_t position);
QString NotDecryptableNotice();

}  // namespace vellumark
