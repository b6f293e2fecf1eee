#include "main_window/crypt_view.h"

#include <QLocale>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <string>
#include <string_view>

#include "engine/code_number.h"
#include "engine/crypt_text.h"
#include "engine/overflow_error.h"
#include "runtime/windows1252.h"

namespace vellumark {

namespace {

std::u16string_view Utf16Of(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

QString QStringOf(const std::u16string& text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

QString Grouped(std::size_t count) {
    // Always the same digits and grouping, whatever the desktop's locale: the limits are
    // quoted as the documentation quotes them.
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .toString(static_cast<qulonglong>(count));
}

bool IsBlank(QChar character) {
    switch (character.unicode()) {
        case u' ':
        case u'\t':
        case u'\n':
        case u'\v':
        case u'\f':
        case u'\r':
        case QChar::ParagraphSeparator:  // how the document holds a line break
        case QChar::LineSeparator:
            return true;
        default:
            return false;
    }
}

// Whether the cipher would surely refuse the text of `document` for its length. Only ever
// errs towards "no": the full computation then decides.
bool SurelyTooLong(const QTextDocument& document, std::uint8_t mode, float codeNum) {
    if (codeNum == kInvalidCodeNumber) {
        return false;  // the message, whatever the length
    }
    // Every character is one byte to the cipher, and a character is at most two UTF-16 units.
    const auto units = static_cast<std::size_t>(document.characterCount() - 1);
    if (mode != kModeDecrypt) {
        return units > 2 * kMaxTextLength;
    }
    // Decryption skips blanks and line breaks, so count the rest, and stop at the first symbol
    // over the limit: a huge paste is refused after reading little more than the limit.
    if (units <= kMaxCipherSymbols) {
        return false;
    }
    std::size_t symbols = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (const QChar character : block.text()) {
            // The second half of a surrogate pair belongs to the character before it.
            if (!IsBlank(character) && !character.isLowSurrogate() &&
                ++symbols > kMaxCipherSymbols) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

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

float CodeNumberOf(const QString& text) {
    return ValidateCodeNumber(Utf16ToWindows1252(Utf16Of(text)).bytes);
}

QString RandomCode(float r) {
    return QString::fromStdString(RandomCodeText(r));
}

QString TooLongNotice(std::uint8_t mode) {
    if (mode == kModeDecrypt) {
        return QStringLiteral("Input over %1 symbols: output not updated.")
            .arg(Grouped(kMaxCipherSymbols));
    }
    return QStringLiteral("Input over %1 characters: output not updated.")
        .arg(Grouped(kMaxTextLength));
}

// Short enough for the status bar even at the last position and with a long code point.
QString UnmappableNotice(char32_t character, std::size_t position) {
    return QStringLiteral("Cannot encrypt character %1 (%2): output not updated.")
        .arg(Grouped(position), QString::fromStdString(DescribeCharacter(character)));
}

QString NotDecryptableNotice() {
    return QStringLiteral("This cipher text would not decrypt back to exactly the input.");
}

CryptView ViewOfCrypt(const QString& input, std::uint8_t mode, float codeNum) {
    CryptView view;
    const Windows1252Text text = Utf16ToWindows1252(Utf16Of(input));
    const bool encrypting = mode == kModeEncrypt && codeNum != kInvalidCodeNumber;
    // Over the limit, the length is the notice: no character can be mended to make it fit.
    if (encrypting && text.bytes.size() > kMaxTextLength) {
        view.notice = NoticeKind::kTooLong;
        view.noticeText = TooLongNotice(mode);
        return view;
    }
    // When decrypting, the substitute byte stands for a character outside the alphabet, as
    // any other stray character; only a text to encrypt would lose information.
    if (encrypting && text.unmappable) {
        view.notice = NoticeKind::kUnmappable;
        view.noticeText = UnmappableNotice(text.unmappable->character, text.unmappable->position);
        return view;
    }
    std::string result;
    try {
        result = CryptText(text.bytes, static_cast<CryptMode>(mode), codeNum);
    } catch (const OverflowError&) {
        view.notice = NoticeKind::kTooLong;
        view.noticeText = TooLongNotice(mode);
        return view;
    }
    if (encrypting && !DecryptsBack(text.bytes, codeNum)) {
        view.notice = NoticeKind::kNotDecryptable;
        view.noticeText = NotDecryptableNotice();
    }
    view.output = QStringOf(Windows1252ToUtf16(result));
    return view;
}

CryptView ViewOfCrypt(const QTextDocument& input, std::uint8_t mode, float codeNum) {
    if (SurelyTooLong(input, mode, codeNum)) {
        return {std::nullopt, NoticeKind::kTooLong, TooLongNotice(mode)};
    }
    return ViewOfCrypt(TextOf(input), mode, codeNum);
}

}  // namespace vellumark
