#include "monkey_model.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <cmath>
#include <cstring>
#include <string>

#include "engine/overflow_error.h"
#include "runtime/windows1252.h"
#include "window_core/crypt_view.h"

namespace vellumark::monkey {

using vellumark::testing::FromBytes;

namespace {

bool SameFloat(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// What the output must be for an input, straight from the cipher engine.
struct Computed {
    // The cipher refused the input: the output must stay as it was, with a notice.
    std::optional<NoticeKind> refused;
    QString output;          // as the output box holds it
    bool roundTrips = true;  // decrypting the cipher text shown gives the input back
};

Computed Compute(const QString& input, CryptMode mode, float codeNum) {
    Computed computed;
    const bool valid = codeNum != kInvalidCodeNumber;
    // The box holds a line break as LF; every window encrypts it as CR LF.
    QString crypted = input;
    if (mode == kModeEncrypt && valid) {
        crypted.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    }
    const Windows1252Text text = Utf16ToWindows1252(Utf16Of(crypted));
    if (mode == kModeEncrypt && valid && text.bytes.size() > kMaxTextLength) {
        computed.refused = NoticeKind::kTooLong;
        return computed;
    }
    if (mode == kModeEncrypt && valid && text.unmappable) {
        computed.refused = NoticeKind::kUnmappable;
        return computed;
    }
    std::string result;
    try {
        result = CryptText(text.bytes, static_cast<CryptMode>(mode), codeNum);
    } catch (const OverflowError&) {
        computed.refused = NoticeKind::kTooLong;
        return computed;
    }
    if (mode == kModeEncrypt && valid) {
        computed.roundTrips = CryptText(result, kModeDecrypt, codeNum) == text.bytes;
    }
    computed.output = AsHeld(FromBytes(result));
    return computed;
}

}  // namespace

QString Held(const QPlainTextEdit& box) {
    QString text = box.document()->toRawText();
    for (QChar& character : text) {
        if (character == QChar::ParagraphSeparator || character == QChar::LineSeparator) {
            character = u'\n';
        }
    }
    return text;
}

// What a text box holds after it was given `text`: every kind of line break becomes one line
// feed, a carriage return before a line feed included, and so do the two characters that a
// rich-text document reserves for the edges of its frames.
QString AsHeld(const QString& text) {
    QString held;
    held.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (unit == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            continue;
        }
        const bool lineBreak = unit == u'\r' || unit == u'\n' || unit == 0x2028 || unit == 0x2029 ||
                               unit == 0xFDD0 || unit == 0xFDD1;
        held += lineBreak ? QChar(u'\n') : text.at(i);
    }
    return held;
}

float CodeNumberRule(const QString& text) {
    if (text.isEmpty() || text.size() > 6) {
        return -1.0f;
    }
    int value = 0;
    for (const QChar character : text) {
        if (character.unicode() < u'0' || character.unicode() > u'9') {
            return -1.0f;
        }
        value = value * 10 + (character.unicode() - u'0');
    }
    return value > 0 ? static_cast<float>(value) : -1.0f;
}

QString RandomCodeOf(float r) {
    const auto n = static_cast<int>(std::floor(static_cast<double>(r) * 999999.0 + 1.0));
    return QStringLiteral("%1").arg(n, 6, 10, QChar(u'0'));
}

QString Describe(const QString& text) {
    constexpr qsizetype kShown = 24;
    QString shown;
    for (qsizetype i = 0; i < std::min(text.size(), kShown); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (unit < 0x20 || unit > 0x7E) {
            shown += QStringLiteral("\\u%1").arg(static_cast<int>(unit), 4, 16, QChar(u'0'));
        } else {
            shown += QChar(unit);
        }
    }
    return QStringLiteral("%1 chars \"%2%3\"")
        .arg(text.size())
        .arg(shown, text.size() > kShown ? QStringLiteral("...") : QString());
}

QString ModeName(CryptMode mode) {
    return mode == kModeEncrypt ? QStringLiteral("encrypt") : QStringLiteral("decrypt");
}

bool IsDeletionAt(const QString& before, const QString& now, qsizetype position, bool backwards) {
    const qsizetype removed = before.size() - now.size();
    if (backwards) {
        if (position == 0) {
            return now == before;
        }
        return removed >= 1 && removed <= position &&
               now == before.left(position - removed) + before.mid(position);
    }
    if (position == before.size()) {
        return now == before;
    }
    return removed >= 1 && position + removed <= before.size() &&
           now == before.left(position) + before.mid(position + removed);
}

Model::Model(frmMain& window)
    : w(window),
      c(window),
      exits(&window, &frmMain::exitRequested),
      abouts(&window, &frmMain::aboutRequested) {}

Before Model::Snapshot() const {
    Before before;
    before.input = Held(*c.txtIn);
    before.code = c.txtCodeNum->text();
    before.output = Held(*c.txtOut);
    before.clearEnabled = c.cmdClearInput->isEnabled();
    before.copyEnabled = c.cmdCopyOutput->isEnabled();
    before.cutEnabled = c.cmdCutOutput->isEnabled();
    before.focus = QApplication::focusWidget();
    return before;
}

QString Model::CheckModeDisplay() const {
    // 65280 (0x00FF00) lights the active mode, 32768 (0x008000) the other.
    const QColor active(0x00, 0xFF, 0x00);
    const QColor inactive(0x00, 0x80, 0x00);
    const QColor encrypt = c.lblEncrypt->palette().color(QPalette::Window);
    const QColor decrypt = c.lblDecrypt->palette().color(QPalette::Window);
    const bool encrypting = mode == kModeEncrypt;
    if (encrypt != (encrypting ? active : inactive) ||
        decrypt != (encrypting ? inactive : active)) {
        return QStringLiteral("mode %1 but the labels show %2 and %3")
            .arg(ModeName(mode), encrypt.name(), decrypt.name());
    }
    if (!c.lblEncrypt->autoFillBackground() || !c.lblDecrypt->autoFillBackground()) {
        return QStringLiteral("a mode label does not paint its colour");
    }
    if (c.mnuSetEncrypt->isChecked() != encrypting || c.mnuSetDecrypt->isChecked() == encrypting) {
        return QStringLiteral("mode %1 but the check marks are encrypt %2, decrypt %3")
            .arg(ModeName(mode))
            .arg(c.mnuSetEncrypt->isChecked())
            .arg(c.mnuSetDecrypt->isChecked());
    }
    return QString();
}

QString Model::Check(const Before& before, const Expect& expect) const {
    if (!expect.failure.isEmpty()) {
        return expect.failure;
    }
    // The crypt state.
    if (w.mode() != mode) {
        return QStringLiteral("Mode() is %1, expected %2").arg(w.mode()).arg(mode);
    }
    if (QString error = CheckModeDisplay(); !error.isEmpty()) {
        return error;
    }
    const QString code = c.txtCodeNum->text();
    if (code.size() > 6 || c.txtCodeNum->maxLength() != 6) {
        return QStringLiteral("the code-number box holds %1").arg(Describe(code));
    }
    if (expect.code && code != *expect.code) {
        return QStringLiteral("the code-number box holds %1, expected %2")
            .arg(Describe(code), Describe(*expect.code));
    }
    const float codeNum = CodeNumberRule(code);
    if (!SameFloat(w.code_number(), codeNum)) {
        return QStringLiteral("CodeNumber() is %1 for the box's %2, expected %3")
            .arg(static_cast<double>(w.code_number()))
            .arg(Describe(code))
            .arg(static_cast<double>(codeNum));
    }
    if (expect.codeSelectedWhole && !code.isEmpty() && c.txtCodeNum->selectedText() != code) {
        return QStringLiteral("entering the code-number box selected %1 of %2")
            .arg(Describe(c.txtCodeNum->selectedText()), Describe(code));
    }

    // The input.
    const QString input = Held(*c.txtIn);
    if (expect.input && input != *expect.input) {
        return QStringLiteral("the input is %1, expected %2")
            .arg(Describe(input), Describe(*expect.input));
    }
    if (expect.inputMatches && !expect.inputMatches(input)) {
        return QStringLiteral("the input went from %1 to %2")
            .arg(Describe(before.input), Describe(input));
    }

    // The output: what the cipher makes of the input, or, where it refuses, what was there.
    const QString output = Held(*c.txtOut);
    const Computed computed = Compute(input, mode, codeNum);
    tally.longestInput = std::max(tally.longestInput, input.size());
    if (codeNum == kInvalidCodeNumber) {
        ++tally.invalidCode;
    } else if (computed.refused) {
        ++(*computed.refused == NoticeKind::kTooLong ? tally.tooLong : tally.unmappable);
    } else if (!computed.roundTrips) {
        ++tally.notDecryptable;
    } else if (!input.isEmpty()) {
        ++(mode == kModeEncrypt ? tally.encrypted : tally.decrypted);
    }
    if (computed.refused) {
        if (output != before.output) {
            return QStringLiteral(
                       "the cipher refuses the input (%1), but the output went from "
                       "%2 to %3")
                .arg(Describe(input), Describe(before.output), Describe(output));
        }
        if (w.notice() != *computed.refused) {
            return QStringLiteral("refused input, but notice kind %1 instead of %2")
                .arg(static_cast<int>(w.notice()))
                .arg(static_cast<int>(*computed.refused));
        }
        if (c.lblNotice->text().isEmpty() || !c.lblNotice->isVisible()) {
            return QStringLiteral("refused input, but no notice shows");
        }
    } else {
        if (output != computed.output) {
            return QStringLiteral("the output is %1, expected %2 (%3, code %4, input %5)")
                .arg(Describe(output), Describe(computed.output), ModeName(mode), code,
                     Describe(input));
        }
        const NoticeKind notice =
            computed.roundTrips ? NoticeKind::kNone : NoticeKind::kNotDecryptable;
        if (w.notice() != notice) {
            return QStringLiteral("notice kind %1, expected %2")
                .arg(static_cast<int>(w.notice()))
                .arg(static_cast<int>(notice));
        }
        if (c.lblNotice->text().isEmpty() != (notice == NoticeKind::kNone)) {
            return QStringLiteral("the notice reads \"%1\" for notice kind %2")
                .arg(c.lblNotice->text())
                .arg(static_cast<int>(notice));
        }
    }

    // The buttons follow the texts.
    if (!c.cmdPasteInput->isEnabled()) {
        return QStringLiteral("the paste button is disabled");
    }
    if (c.cmdClearInput->isEnabled() == input.isEmpty()) {
        return QStringLiteral("the clear button is %1 with input %2")
            .arg(c.cmdClearInput->isEnabled() ? QStringLiteral("enabled")
                                              : QStringLiteral("disabled"),
                 Describe(input));
    }
    // An output that is not that of the input, refused, is not handed out.
    const bool handOut = !output.isEmpty() && !computed.refused;
    if (c.cmdCopyOutput->isEnabled() != handOut || c.cmdCutOutput->isEnabled() != handOut) {
        return QStringLiteral("copy %1, cut %2 with output %3%4")
            .arg(c.cmdCopyOutput->isEnabled())
            .arg(c.cmdCutOutput->isEnabled())
            .arg(Describe(output),
                 computed.refused ? QStringLiteral(" of a refused input") : QString());
    }

    if (expect.clipboard) {
        const QString clipboard = QGuiApplication::clipboard()->text();
        if (clipboard != *expect.clipboard) {
            return QStringLiteral("the clipboard holds %1, expected %2")
                .arg(Describe(clipboard), Describe(*expect.clipboard));
        }
    }
    if (exits.count() != expect.exits || abouts.count() != expect.abouts) {
        return QStringLiteral("%1 exit and %2 about requests, expected %3 and %4")
            .arg(exits.count())
            .arg(abouts.count())
            .arg(expect.exits)
            .arg(expect.abouts);
    }
    if (!w.isActiveWindow()) {
        return QStringLiteral("the window is no longer active");
    }
    return QString();
}

}  // namespace vellumark::monkey
