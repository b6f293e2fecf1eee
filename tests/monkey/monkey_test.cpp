// A monkey test of the main window: one seeded generator drives the real frmMain through
// thousands of random actions (keys, mouse presses, buttons, menus, shortcuts and pastes of
// hostile texts), and after every single one the window must still keep its promises:
// the mode display, the code number, the output, the notices, the buttons and the clipboard.
//
// The expectations are worked out here from the cipher engine and from the rules of the code
// number, not from the window's own helpers, so a fault in those helpers shows up too.
//
// VELLUMARK_MONKEY_SEED picks the run and VELLUMARK_MONKEY_ACTIONS its length. A failure names
// the seed and the last actions, so that the run can be replayed exactly.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <array>
#include <cmath>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/crypt_text.h"
#include "engine/overflow_error.h"
#include "main_window/frm_main.h"
#include "random_texts.h"
#include "runtime/generator.h"
#include "runtime/windows1252.h"
#include "tests/main_window/window_fixture.h"

using namespace vellumark;
using namespace vellumark::monkey;
using vellumark::testing::Control;

namespace {

constexpr unsigned long kDefaultSeed = 20240611;
constexpr unsigned long kDefaultActions = 10000;
constexpr std::size_t kLogLength = 40;
constexpr int kMenuTimeoutMs = 5000;

unsigned long EnvironmentNumber(const char* name, unsigned long fallback) {
    bool ok = false;
    const unsigned long value = qEnvironmentVariable(name).toULong(&ok);
    return ok ? value : fallback;
}

// What a text box holds, character for character: the document's own text, with its
// paragraph and line separators read as line feeds. (Its plain-text reading would turn a
// no-break space into a blank, which is another byte to the cipher.)
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

std::u16string_view Utf16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

QString FromBytes(const std::string& bytes) {
    const std::u16string text = Windows1252ToUtf16(bytes);
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

// The code number that a text of the code-number box stands for: one to six ASCII digits, not
// all of them zeros; anything else is the "no valid code" value -1.
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

QtMessageHandler previousHandler = nullptr;

// The offscreen platform cannot raise a menu or let it grab the keyboard, and says so each time
// one opens; a run opens dozens.
void QuietOffscreenMenus(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) {
        return;
    }
    previousHandler(type, context, message);
}

bool SameFloat(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The six-digit text of the random code that the draw `r` gives: floor(r * 999999 + 1).
QString RandomCodeOf(float r) {
    const auto n = static_cast<int>(std::floor(static_cast<double>(r) * 999999.0 + 1.0));
    return QStringLiteral("%1").arg(n, 6, 10, QChar(u'0'));
}

// What the output must be for an input, straight from the cipher engine.
struct Computed {
    // The cipher refused the input: the output must stay as it was, with a notice.
    std::optional<NoticeKind> refused;
    QString output;          // as the output box holds it
    bool roundTrips = true;  // decrypting the cipher text shown gives the input back
};

Computed Compute(const QString& input, std::uint8_t mode, float codeNum) {
    Computed computed;
    const Windows1252Text text = Utf16ToWindows1252(Utf16(input));
    const bool valid = codeNum != kInvalidCodeNumber;
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

// A short, printable picture of a text for the log.
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

QString ModeName(std::uint8_t mode) {
    return mode == kModeEncrypt ? QStringLiteral("encrypt") : QStringLiteral("decrypt");
}

// `now` is `before` with one or more characters deleted just before `position` (backwards) or
// just after it: a key deletes a character, a surrogate pair or a cluster of them.
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

// A caret or a selection never splits a surrogate pair: no key or click can put it there.
qsizetype OffSurrogates(const QString& text, qsizetype position) {
    if (position > 0 && position < text.size() && text.at(position - 1).isHighSurrogate() &&
        text.at(position).isLowSurrogate()) {
        return position - 1;
    }
    return position;
}

void SendKey(QWidget* target, Qt::Key key, const QString& text,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::sendKeyEvent(QTest::Press, target, key, text, modifiers);
    QTest::sendKeyEvent(QTest::Release, target, key, text, modifiers);
}

// Types one character as its key would, also characters that no key of a US keyboard makes.
void TypeCharacter(QWidget* target, const QString& character) {
    const char16_t unit = character.at(0).unicode();
    const Qt::Key key = unit >= 0x20 && unit < 0x7F
                            ? static_cast<Qt::Key>(QChar(unit).toUpper().unicode())
                            : Qt::Key_unknown;
    SendKey(target, key, character);
}

QPoint SomewhereIn(Rng& rng, const QWidget& widget) {
    return {Between(rng, 1, std::max(1, widget.width() - 2)),
            Between(rng, 1, std::max(1, widget.height() - 2))};
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void monkey();

private:
    // The state that an action starts from.
    struct Before {
        QString input;
        QString code;
        QString output;
        bool clearEnabled = false;
        bool copyEnabled = false;
        bool cutEnabled = false;
        QWidget* focus = nullptr;
    };

    // What an action must leave behind, besides what always holds.
    struct Expect {
        std::uint8_t mode = kModeEncrypt;
        std::optional<QString> input;  // exactly this input; nothing when not predictable
        std::function<bool(const QString&)> inputMatches;  // or an input that passes this
        std::optional<QString> code;
        std::optional<QString> clipboard;
        bool codeSelectedWhole = false;
        int exits = 0;
        int abouts = 0;
        QString failure;  // the action itself could not be carried out
    };

    using Action = void (MonkeyTest::*)(const Before&, Expect&);
    struct Weighted {
        int weight;
        Action action;
    };

    void Log(const QString& entry);
    QString Report(const QString& failure) const;
    Before Snapshot() const;
    QString Check(const Before& before, const Expect& expect) const;
    QString CheckModeDisplay() const;

    // Places the caret, or a selection, somewhere in the input box; gives its two ends.
    std::pair<qsizetype, qsizetype> PlaceInputCaret();
    // Places the caret, or a selection, somewhere in the code-number box, or leaves the
    // selection that entering the box made.
    void PlaceCodeCaret();
    // The text of the code-number box after `typed` replaces its selection or goes in at its
    // caret, as far as its six characters allow.
    QString CodeAfterInsert(const QString& typed) const;
    QWidget* RandomFocusTarget();
    void ExpectRandomCode(Expect& expect);
    void Paste(PasteKind kind, Expect& expect);

    void TypeIntoInput(const Before& before, Expect& expect);
    void DeleteInInput(const Before& before, Expect& expect);
    void PasteButton(const Before& before, Expect& expect);
    void ClearButton(const Before& before, Expect& expect);
    void CopyButton(const Before& before, Expect& expect);
    void CutButton(const Before& before, Expect& expect);
    void TypeIntoCode(const Before& before, Expect& expect);
    void DeleteInCode(const Before& before, Expect& expect);
    void PasteIntoCode(const Before& before, Expect& expect);
    void ClickIntoCode(const Before& before, Expect& expect);
    void PressModeLabel(const Before& before, Expect& expect);
    void TriggerMenuEntry(const Before& before, Expect& expect);
    void MenuShortcut(const Before& before, Expect& expect);
    void MenuByKeyboard(const Before& before, Expect& expect);
    void MoveFocus(const Before& before, Expect& expect);
    void ClickIntoInput(const Before& before, Expect& expect);
    void KeysInOutput(const Before& before, Expect& expect);
    void UndoOrRedoInInput(const Before& before, Expect& expect);
    void PasteKeysIntoInput(const Before& before, Expect& expect);

    Rng rng;
    unsigned long seed = kDefaultSeed;
    unsigned long actions = kDefaultActions;
    unsigned long step = 0;
    std::deque<QString> log;

    std::unique_ptr<frmMain> w;
    QLineEdit* txtCodeNum = nullptr;
    QPlainTextEdit* txtIn = nullptr;
    QPlainTextEdit* txtOut = nullptr;
    QToolButton* cmdPasteInput = nullptr;
    QToolButton* cmdClearInput = nullptr;
    QToolButton* cmdCutOutput = nullptr;
    QToolButton* cmdCopyOutput = nullptr;
    QLabel* lblEncrypt = nullptr;
    QLabel* lblDecrypt = nullptr;
    QLabel* lblNotice = nullptr;
    QMenu* mnuFile = nullptr;
    QMenu* mnuMode = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuRandomCode = nullptr;
    QAction* mnuChangeMode = nullptr;
    QAction* mnuSetEncrypt = nullptr;
    QAction* mnuSetDecrypt = nullptr;
    QAction* mnuAbout = nullptr;
    std::unique_ptr<QSignalSpy> exits;
    std::unique_ptr<QSignalSpy> abouts;
    // The mode as the actions so far must have left it.
    std::uint8_t mode = kModeEncrypt;
    // What the run went through, so that a passing run shows that it met the hard cases.
    struct Tally {
        int tooLong = 0;
        int unmappable = 0;
        int notDecryptable = 0;
        int invalidCode = 0;
        int encrypted = 0;
        int decrypted = 0;
        qsizetype longestInput = 0;
    };
    mutable Tally tally;
};

void MonkeyTest::initTestCase() {
    seed = EnvironmentNumber("VELLUMARK_MONKEY_SEED", kDefaultSeed);
    actions = EnvironmentNumber("VELLUMARK_MONKEY_ACTIONS", kDefaultActions);
    rng.seed(static_cast<Rng::result_type>(seed));
    previousHandler = qInstallMessageHandler(QuietOffscreenMenus);
    qInfo("monkey seed %lu, %lu actions (VELLUMARK_MONKEY_SEED, VELLUMARK_MONKEY_ACTIONS)", seed,
          actions);
}

void MonkeyTest::Log(const QString& entry) {
    log.push_back(QStringLiteral("#%1 %2").arg(step).arg(entry));
    if (log.size() > kLogLength) {
        log.pop_front();
    }
}

QString MonkeyTest::Report(const QString& failure) const {
    // The test's own message would be cut short; the log goes out line by line first.
    qWarning("the last actions before the failure:");
    for (const QString& entry : log) {
        qWarning("%s", qPrintable(entry));
    }
    return QStringLiteral(
               "seed %1, action %2 of %3: %4 (replay with VELLUMARK_MONKEY_SEED=%1 "
               "VELLUMARK_MONKEY_ACTIONS=%3)")
        .arg(seed)
        .arg(step)
        .arg(actions)
        .arg(failure);
}

MonkeyTest::Before MonkeyTest::Snapshot() const {
    Before before;
    before.input = Held(*txtIn);
    before.code = txtCodeNum->text();
    before.output = Held(*txtOut);
    before.clearEnabled = cmdClearInput->isEnabled();
    before.copyEnabled = cmdCopyOutput->isEnabled();
    before.cutEnabled = cmdCutOutput->isEnabled();
    before.focus = QApplication::focusWidget();
    return before;
}

QString MonkeyTest::CheckModeDisplay() const {
    // 65280 (0x00FF00) lights the active mode, 32768 (0x008000) the other.
    const QColor active(0x00, 0xFF, 0x00);
    const QColor inactive(0x00, 0x80, 0x00);
    const QColor encrypt = lblEncrypt->palette().color(QPalette::Window);
    const QColor decrypt = lblDecrypt->palette().color(QPalette::Window);
    const bool encrypting = mode == kModeEncrypt;
    if (encrypt != (encrypting ? active : inactive) ||
        decrypt != (encrypting ? inactive : active)) {
        return QStringLiteral("mode %1 but the labels show %2 and %3")
            .arg(ModeName(mode), encrypt.name(), decrypt.name());
    }
    if (!lblEncrypt->autoFillBackground() || !lblDecrypt->autoFillBackground()) {
        return QStringLiteral("a mode label does not paint its colour");
    }
    if (mnuSetEncrypt->isChecked() != encrypting || mnuSetDecrypt->isChecked() == encrypting) {
        return QStringLiteral("mode %1 but the check marks are encrypt %2, decrypt %3")
            .arg(ModeName(mode))
            .arg(mnuSetEncrypt->isChecked())
            .arg(mnuSetDecrypt->isChecked());
    }
    return QString();
}

QString MonkeyTest::Check(const Before& before, const Expect& expect) const {
    if (!expect.failure.isEmpty()) {
        return expect.failure;
    }
    // The crypt state.
    if (w->Mode() != mode) {
        return QStringLiteral("Mode() is %1, expected %2").arg(w->Mode()).arg(mode);
    }
    if (QString error = CheckModeDisplay(); !error.isEmpty()) {
        return error;
    }
    const QString code = txtCodeNum->text();
    if (code.size() > 6 || txtCodeNum->maxLength() != 6) {
        return QStringLiteral("the code-number box holds %1").arg(Describe(code));
    }
    if (expect.code && code != *expect.code) {
        return QStringLiteral("the code-number box holds %1, expected %2")
            .arg(Describe(code), Describe(*expect.code));
    }
    const float codeNum = CodeNumberRule(code);
    if (!SameFloat(w->CodeNumber(), codeNum)) {
        return QStringLiteral("CodeNumber() is %1 for the box's %2, expected %3")
            .arg(static_cast<double>(w->CodeNumber()))
            .arg(Describe(code))
            .arg(static_cast<double>(codeNum));
    }
    if (expect.codeSelectedWhole && !code.isEmpty() && txtCodeNum->selectedText() != code) {
        return QStringLiteral("entering the code-number box selected %1 of %2")
            .arg(Describe(txtCodeNum->selectedText()), Describe(code));
    }

    // The input.
    const QString input = Held(*txtIn);
    if (expect.input && input != *expect.input) {
        return QStringLiteral("the input is %1, expected %2")
            .arg(Describe(input), Describe(*expect.input));
    }
    if (expect.inputMatches && !expect.inputMatches(input)) {
        return QStringLiteral("the input went from %1 to %2")
            .arg(Describe(before.input), Describe(input));
    }

    // The output: what the cipher makes of the input, or, where it refuses, what was there.
    const QString output = Held(*txtOut);
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
        if (w->Notice() != *computed.refused) {
            return QStringLiteral("refused input, but notice kind %1 instead of %2")
                .arg(static_cast<int>(w->Notice()))
                .arg(static_cast<int>(*computed.refused));
        }
        if (lblNotice->text().isEmpty() || !lblNotice->isVisible()) {
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
        if (w->Notice() != notice) {
            return QStringLiteral("notice kind %1, expected %2")
                .arg(static_cast<int>(w->Notice()))
                .arg(static_cast<int>(notice));
        }
        if (lblNotice->text().isEmpty() != (notice == NoticeKind::kNone)) {
            return QStringLiteral("the notice reads \"%1\" for notice kind %2")
                .arg(lblNotice->text())
                .arg(static_cast<int>(notice));
        }
    }

    // The buttons follow the texts.
    if (!cmdPasteInput->isEnabled()) {
        return QStringLiteral("the paste button is disabled");
    }
    if (cmdClearInput->isEnabled() == input.isEmpty()) {
        return QStringLiteral("the clear button is %1 with input %2")
            .arg(
                cmdClearInput->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"),
                Describe(input));
    }
    if (cmdCopyOutput->isEnabled() == output.isEmpty() ||
        cmdCutOutput->isEnabled() == output.isEmpty()) {
        return QStringLiteral("copy %1, cut %2 with output %3")
            .arg(cmdCopyOutput->isEnabled())
            .arg(cmdCutOutput->isEnabled())
            .arg(Describe(output));
    }

    if (expect.clipboard) {
        const QString clipboard = QGuiApplication::clipboard()->text();
        if (clipboard != *expect.clipboard) {
            return QStringLiteral("the clipboard holds %1, expected %2")
                .arg(Describe(clipboard), Describe(*expect.clipboard));
        }
    }
    if (exits->count() != expect.exits || abouts->count() != expect.abouts) {
        return QStringLiteral("%1 exit and %2 about requests, expected %3 and %4")
            .arg(exits->count())
            .arg(abouts->count())
            .arg(expect.exits)
            .arg(expect.abouts);
    }
    if (!w->isActiveWindow()) {
        return QStringLiteral("the window is no longer active");
    }
    return QString();
}

std::pair<qsizetype, qsizetype> MonkeyTest::PlaceInputCaret() {
    txtIn->setFocus(Qt::OtherFocusReason);
    const QString text = Held(*txtIn);
    const auto size = static_cast<int>(text.size());
    // Often at one of the ends, where the edge cases are.
    const auto somewhere = [&] {
        switch (Between(rng, 0, 5)) {
            case 0:
                return qsizetype{0};
            case 1:
                return text.size();
            default:
                return OffSurrogates(text, Between(rng, 0, size));
        }
    };
    const qsizetype anchor = somewhere();
    const qsizetype position = OneIn(rng, 5) ? somewhere() : anchor;
    QTextCursor cursor = txtIn->textCursor();
    cursor.setPosition(static_cast<int>(anchor));
    cursor.setPosition(static_cast<int>(position), QTextCursor::KeepAnchor);
    txtIn->setTextCursor(cursor);
    return {std::min(anchor, position), std::max(anchor, position)};
}

void MonkeyTest::PlaceCodeCaret() {
    txtCodeNum->setFocus(Qt::OtherFocusReason);
    const QString text = txtCodeNum->text();
    const auto size = static_cast<int>(text.size());
    switch (Between(rng, 0, 3)) {
        case 0:
            txtCodeNum->setCursorPosition(
                static_cast<int>(OffSurrogates(text, Between(rng, 0, size))));
            break;
        case 1: {
            const auto start = static_cast<int>(OffSurrogates(text, Between(rng, 0, size)));
            const auto end = static_cast<int>(OffSurrogates(text, Between(rng, start, size)));
            txtCodeNum->setSelection(start, end - start);
            break;
        }
        default:
            break;  // as entering the box left it
    }
}

QString MonkeyTest::CodeAfterInsert(const QString& typed) const {
    QString text = txtCodeNum->text();
    qsizetype at = txtCodeNum->cursorPosition();
    if (txtCodeNum->hasSelectedText()) {
        at = txtCodeNum->selectionStart();
        text.remove(at, txtCodeNum->selectedText().size());
    }
    text.insert(at, typed.left(6 - text.size()));
    return text;
}

QWidget* MonkeyTest::RandomFocusTarget() {
    const std::array<QWidget*, 7> targets = {
        txtCodeNum, txtIn, txtOut, cmdPasteInput, cmdClearInput, cmdCutOutput, cmdCopyOutput};
    QWidget* target = targets.at(static_cast<std::size_t>(Between(rng, 0, 6)));
    // A disabled button cannot take the focus; the input box can.
    return target->isEnabled() ? target : txtIn;
}

void MonkeyTest::ExpectRandomCode(Expect& expect) {
    RandomGenerator ahead = ProcessGenerator();
    expect.code = RandomCodeOf(ahead.NextValue());
}

void MonkeyTest::Paste(PasteKind kind, Expect& expect) {
    const QString text = PasteText(rng, kind, CodeNumberRule(txtCodeNum->text()));
    if (kind == PasteKind::kNothing) {
        QGuiApplication::clipboard()->clear();
    } else {
        QGuiApplication::clipboard()->setText(text);
    }
    Log(QStringLiteral("paste button, %1: %2")
            .arg(QString::fromLatin1(NameOf(kind)), Describe(text)));
    QTest::mouseClick(cmdPasteInput, Qt::LeftButton);
    expect.input = AsHeld(text);
    expect.clipboard = text;
}

void MonkeyTest::TypeIntoInput(const Before& before, Expect& expect) {
    const auto [start, end] = PlaceInputCaret();
    if (OneIn(rng, 12)) {
        Log(QStringLiteral("Return into the input at %1..%2").arg(start).arg(end));
        SendKey(txtIn, Qt::Key_Return, QStringLiteral("\r"));
        expect.input = before.input.left(start) + u'\n' + before.input.mid(end);
        return;
    }
    const QString character = KeyCharacter(rng);
    Log(QStringLiteral("type %1 into the input at %2..%3")
            .arg(Describe(character))
            .arg(start)
            .arg(end));
    TypeCharacter(txtIn, character);
    expect.input = before.input.left(start) + character + before.input.mid(end);
}

void MonkeyTest::DeleteInInput(const Before& before, Expect& expect) {
    const auto [start, end] = PlaceInputCaret();
    const bool backwards = OneIn(rng, 2);
    Log(QStringLiteral("%1 in the input at %2..%3")
            .arg(backwards ? QStringLiteral("Backspace") : QStringLiteral("Delete"))
            .arg(start)
            .arg(end));
    QTest::keyClick(txtIn, backwards ? Qt::Key_Backspace : Qt::Key_Delete);
    if (start != end) {
        expect.input = before.input.left(start) + before.input.mid(end);
    } else {
        expect.input.reset();
        const QString old = before.input;
        expect.inputMatches = [old, start = start, backwards](const QString& now) {
            return IsDeletionAt(old, now, start, backwards);
        };
    }
}

void MonkeyTest::PasteButton(const Before&, Expect& expect) {
    if (OneIn(rng, 3)) {
        RandomFocusTarget()->setFocus(Qt::OtherFocusReason);
    }
    Paste(RandomPasteKind(rng), expect);
}

void MonkeyTest::ClearButton(const Before& before, Expect& expect) {
    Log(QStringLiteral("clear button (%1)")
            .arg(before.clearEnabled ? QStringLiteral("enabled") : QStringLiteral("disabled")));
    QTest::mouseClick(cmdClearInput, Qt::LeftButton);
    if (before.clearEnabled) {
        expect.input = QString();
    }
}

void MonkeyTest::CopyButton(const Before& before, Expect& expect) {
    const QString old = QGuiApplication::clipboard()->text();
    Log(QStringLiteral("copy button (%1)")
            .arg(before.copyEnabled ? QStringLiteral("enabled") : QStringLiteral("disabled")));
    QTest::mouseClick(cmdCopyOutput, Qt::LeftButton);
    expect.clipboard = before.copyEnabled ? before.output : old;
}

void MonkeyTest::CutButton(const Before& before, Expect& expect) {
    const QString old = QGuiApplication::clipboard()->text();
    Log(QStringLiteral("cut button (%1)")
            .arg(before.cutEnabled ? QStringLiteral("enabled") : QStringLiteral("disabled")));
    QTest::mouseClick(cmdCutOutput, Qt::LeftButton);
    expect.clipboard = before.cutEnabled ? before.output : old;
    if (before.cutEnabled) {
        expect.input = QString();
    }
}

void MonkeyTest::TypeIntoCode(const Before&, Expect& expect) {
    PlaceCodeCaret();
    const QString character = CodeCharacter(rng);
    Log(QStringLiteral("type %1 into the code %2 at %3, selected %4")
            .arg(Describe(character), txtCodeNum->text())
            .arg(txtCodeNum->cursorPosition())
            .arg(txtCodeNum->selectedText()));
    expect.code = CodeAfterInsert(character);
    TypeCharacter(txtCodeNum, character);
}

void MonkeyTest::DeleteInCode(const Before&, Expect& expect) {
    PlaceCodeCaret();
    const bool backwards = OneIn(rng, 2);
    const QString old = txtCodeNum->text();
    const qsizetype position = txtCodeNum->cursorPosition();
    const bool selected = txtCodeNum->hasSelectedText();
    const qsizetype start = txtCodeNum->selectionStart();
    const qsizetype length = txtCodeNum->selectedText().size();
    Log(QStringLiteral("%1 in the code %2 at %3, selected %4")
            .arg(backwards ? QStringLiteral("Backspace") : QStringLiteral("Delete"), old)
            .arg(position)
            .arg(txtCodeNum->selectedText()));
    QTest::keyClick(txtCodeNum, backwards ? Qt::Key_Backspace : Qt::Key_Delete);
    if (selected) {
        expect.code = old.left(start) + old.mid(start + length);
        return;
    }
    // One character, a surrogate pair or a cluster goes; the code rule and the output are
    // then checked on what is left.
    expect.code.reset();
    const QString now = txtCodeNum->text();
    if (!IsDeletionAt(old, now, position, backwards)) {
        expect.failure = QStringLiteral("the key took the code number from %1 to %2")
                             .arg(Describe(old), Describe(now));
    }
}

void MonkeyTest::PasteIntoCode(const Before&, Expect& expect) {
    QString clip;
    for (int i = 0; i < 10; ++i) {
        clip += CodeCharacter(rng);
    }
    clip = clip.left(10);
    QGuiApplication::clipboard()->setText(clip);
    PlaceCodeCaret();
    Log(QStringLiteral("Ctrl+V of %1 into the code %2 at %3, selected %4")
            .arg(Describe(clip), txtCodeNum->text())
            .arg(txtCodeNum->cursorPosition())
            .arg(txtCodeNum->selectedText()));
    expect.code = CodeAfterInsert(clip);
    expect.clipboard = clip;
    QTest::keyClick(txtCodeNum, Qt::Key_V, Qt::ControlModifier);
}

void MonkeyTest::ClickIntoCode(const Before&, Expect& expect) {
    const QPoint at = SomewhereIn(rng, *txtCodeNum);
    Log(QStringLiteral("click into the code number at (%1, %2)").arg(at.x()).arg(at.y()));
    QTest::mouseClick(txtCodeNum, Qt::LeftButton, Qt::NoModifier, at);
    expect.codeSelectedWhole = true;
}

void MonkeyTest::PressModeLabel(const Before&, Expect&) {
    const bool encrypt = OneIn(rng, 2);
    QLabel* label = encrypt ? lblEncrypt : lblDecrypt;
    static const std::array<Qt::MouseButton, 3> kButtons = {Qt::LeftButton, Qt::RightButton,
                                                            Qt::MiddleButton};
    const Qt::MouseButton button = kButtons.at(static_cast<std::size_t>(Between(rng, 0, 2)));
    const QPoint at = SomewhereIn(rng, *label);
    Log(QStringLiteral("mouse button %1 on %2").arg(static_cast<int>(button)).arg(label->text()));
    QTest::mousePress(label, button, Qt::NoModifier, at);
    mode = encrypt ? kModeEncrypt : kModeDecrypt;
    QTest::mouseRelease(label, button, Qt::NoModifier, at);
}

void MonkeyTest::TriggerMenuEntry(const Before&, Expect& expect) {
    const int roll = Between(rng, 0, 40);
    QAction* entry = roll < 10   ? mnuSetEncrypt
                     : roll < 20 ? mnuSetDecrypt
                     : roll < 30 ? mnuChangeMode
                     : roll < 39 ? mnuRandomCode
                     : roll < 40 ? mnuAbout
                                 : mnuExit;
    Log(QStringLiteral("menu entry %1").arg(entry->objectName()));
    if (entry == mnuRandomCode) {
        ExpectRandomCode(expect);
    }
    entry->trigger();
    if (entry == mnuSetEncrypt) {
        mode = kModeEncrypt;
    } else if (entry == mnuSetDecrypt) {
        mode = kModeDecrypt;
    } else if (entry == mnuChangeMode) {
        mode = mode == kModeEncrypt ? kModeDecrypt : kModeEncrypt;
    } else if (entry == mnuAbout) {
        ++expect.abouts;
    } else if (entry == mnuExit) {
        ++expect.exits;
    }
}

void MonkeyTest::MenuShortcut(const Before&, Expect& expect) {
    QWidget* target = RandomFocusTarget();
    target->setFocus(Qt::OtherFocusReason);
    // A caret at the start of a box, where its own Ctrl+D would delete.
    if (OneIn(rng, 2)) {
        if (target == txtCodeNum) {
            txtCodeNum->setCursorPosition(0);
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(target)) {
            box->moveCursor(QTextCursor::Start);
        }
    }
    static const std::array<Qt::Key, 4> kKeys = {Qt::Key_E, Qt::Key_D, Qt::Key_M, Qt::Key_R};
    const Qt::Key key = kKeys.at(static_cast<std::size_t>(Between(rng, 0, 3)));
    Log(QStringLiteral("Ctrl+%1 in %2")
            .arg(QChar(static_cast<char16_t>(key)))
            .arg(target->objectName()));
    if (key == Qt::Key_R) {
        ExpectRandomCode(expect);
    }
    QTest::keyClick(target, key, Qt::ControlModifier);
    if (key == Qt::Key_E) {
        mode = kModeEncrypt;
    } else if (key == Qt::Key_D) {
        mode = kModeDecrypt;
    } else if (key == Qt::Key_M) {
        mode = mode == kModeEncrypt ? kModeDecrypt : kModeEncrypt;
    }
    // A button that the new output disables gives the focus away, as any disabled widget.
    if (target->isEnabled() && QApplication::focusWidget() != target) {
        expect.failure =
            QStringLiteral("the shortcut moved the focus from %1 to %2")
                .arg(target->objectName(), QApplication::focusWidget() != nullptr
                                               ? QApplication::focusWidget()->objectName()
                                               : QStringLiteral("nowhere"));
    }
}

void MonkeyTest::MenuByKeyboard(const Before&, Expect& expect) {
    QWidget* from = RandomFocusTarget();
    from->setFocus(Qt::OtherFocusReason);
    struct Entry {
        QMenu* menu;
        Qt::Key title;
        Qt::Key key;
    };
    const std::array<Entry, 8> entries = {{
        {mnuMode, Qt::Key_N, Qt::Key_R},
        {mnuMode, Qt::Key_N, Qt::Key_M},
        {mnuMode, Qt::Key_N, Qt::Key_E},
        {mnuMode, Qt::Key_N, Qt::Key_D},
        {mnuMode, Qt::Key_N, Qt::Key_Escape},
        {mnuFile, Qt::Key_F, Qt::Key_X},
        {mnuHelp, Qt::Key_H, Qt::Key_A},
        {mnuHelp, Qt::Key_H, Qt::Key_Escape},
    }};
    const Entry entry = entries.at(static_cast<std::size_t>(Between(rng, 0, 7)));
    Log(QStringLiteral("Alt+%1 from %2, then key %3")
            .arg(QChar(static_cast<char16_t>(entry.title)))
            .arg(from->objectName())
            .arg(static_cast<int>(entry.key), 0, 16));
    if (entry.key == Qt::Key_R) {
        ExpectRandomCode(expect);
    }
    QTest::keyClick(from, entry.title, Qt::AltModifier);
    if (!QTest::qWaitFor([&] { return entry.menu->isVisible(); }, kMenuTimeoutMs)) {
        expect.failure = QStringLiteral("Alt+%1 did not open %2")
                             .arg(QChar(static_cast<char16_t>(entry.title)))
                             .arg(entry.menu->objectName());
        return;
    }
    QTest::keyClick(entry.menu, entry.key);
    if (!QTest::qWaitFor([&] { return !entry.menu->isVisible(); }, kMenuTimeoutMs)) {
        expect.failure = QStringLiteral("%1 stayed open").arg(entry.menu->objectName());
        return;
    }
    if (entry.key == Qt::Key_Escape) {
        // Escape closes the menu but leaves the menu bar in charge: leave it too.
        QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget()
                                                               : static_cast<QWidget*>(w.get()),
                        Qt::Key_Escape);
    }
    switch (entry.key) {
        case Qt::Key_E:
            mode = kModeEncrypt;
            break;
        case Qt::Key_D:
            mode = kModeDecrypt;
            break;
        case Qt::Key_M:
            mode = mode == kModeEncrypt ? kModeDecrypt : kModeEncrypt;
            break;
        case Qt::Key_X:
            ++expect.exits;
            break;
        case Qt::Key_A:
            ++expect.abouts;
            break;
        default:
            break;
    }
}

void MonkeyTest::MoveFocus(const Before& before, Expect& expect) {
    if (OneIn(rng, 2)) {
        QWidget* target = RandomFocusTarget();
        Log(QStringLiteral("focus to %1").arg(target->objectName()));
        target->setFocus(Qt::OtherFocusReason);
    } else {
        const bool back = OneIn(rng, 3);
        QWidget* from = QApplication::focusWidget() != nullptr ? QApplication::focusWidget()
                                                               : static_cast<QWidget*>(txtIn);
        Log(QStringLiteral("%1 from %2")
                .arg(back ? QStringLiteral("Shift+Tab") : QStringLiteral("Tab"),
                     from->objectName()));
        QTest::keyClick(from, back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
    }
    expect.codeSelectedWhole =
        QApplication::focusWidget() == txtCodeNum && before.focus != txtCodeNum;
}

void MonkeyTest::ClickIntoInput(const Before&, Expect& expect) {
    static const std::array<Qt::MouseButton, 2> kButtons = {Qt::LeftButton, Qt::MiddleButton};
    const Qt::MouseButton button = kButtons.at(static_cast<std::size_t>(Between(rng, 0, 1)));
    QWidget* viewport = OneIn(rng, 2) ? txtIn->viewport() : txtOut->viewport();
    const QPoint at = SomewhereIn(rng, *viewport);
    Log(QStringLiteral("mouse button %1 into %2 at (%3, %4)")
            .arg(static_cast<int>(button))
            .arg(viewport->parentWidget()->objectName())
            .arg(at.x())
            .arg(at.y()));
    QTest::mouseClick(viewport, button, Qt::NoModifier, at);
    // Where the platform has a selection clipboard, the middle button pastes it.
    if (viewport == txtIn->viewport() && button == Qt::MiddleButton &&
        QGuiApplication::clipboard()->supportsSelection()) {
        expect.input.reset();
    }
}

void MonkeyTest::KeysInOutput(const Before&, Expect&) {
    txtOut->setFocus(Qt::OtherFocusReason);
    QTextCursor cursor = txtOut->textCursor();
    cursor.setPosition(Between(rng, 0, static_cast<int>(txtOut->document()->characterCount() - 1)));
    txtOut->setTextCursor(cursor);
    switch (Between(rng, 0, 5)) {
        case 0:
            Log(QStringLiteral("Backspace in the output"));
            QTest::keyClick(txtOut, Qt::Key_Backspace);
            break;
        case 1:
            Log(QStringLiteral("Delete in the output"));
            QTest::keyClick(txtOut, Qt::Key_Delete);
            break;
        case 2:
            Log(QStringLiteral("Ctrl+A, Ctrl+X in the output"));
            QTest::keyClick(txtOut, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(txtOut, Qt::Key_X, Qt::ControlModifier);
            break;
        case 3:
            Log(QStringLiteral("Ctrl+V in the output"));
            QTest::keyClick(txtOut, Qt::Key_V, Qt::ControlModifier);
            break;
        default: {
            const QString character = KeyCharacter(rng);
            Log(QStringLiteral("type %1 into the output").arg(Describe(character)));
            TypeCharacter(txtOut, character);
            break;
        }
    }
    // The read-only output takes none of it; the input and the code stay as they were.
}

void MonkeyTest::UndoOrRedoInInput(const Before&, Expect& expect) {
    txtIn->setFocus(Qt::OtherFocusReason);
    const bool undo = OneIn(rng, 2);
    Log(undo ? QStringLiteral("Ctrl+Z in the input") : QStringLiteral("Ctrl+Shift+Z in the input"));
    QTest::keyClick(txtIn, Qt::Key_Z,
                    undo ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
    // Whatever the history gives back; the output must follow it all the same.
    expect.input.reset();
}

void MonkeyTest::PasteKeysIntoInput(const Before& before, Expect& expect) {
    const PasteKind kind = SmallPasteKind(rng);
    const QString clip = PasteText(rng, kind, CodeNumberRule(txtCodeNum->text()));
    if (kind == PasteKind::kNothing) {
        QGuiApplication::clipboard()->clear();
    } else {
        QGuiApplication::clipboard()->setText(clip);
    }
    const auto [start, end] = PlaceInputCaret();
    Log(QStringLiteral("Ctrl+V of %1 into the input at %2..%3")
            .arg(Describe(clip))
            .arg(start)
            .arg(end));
    QTest::keyClick(txtIn, Qt::Key_V, Qt::ControlModifier);
    expect.input.reset();
    const QString head = before.input.left(start);
    const QString tail = before.input.mid(end);
    const bool nothing = clip.isEmpty();
    const QString old = before.input;
    // The box inserts the text its own way; the rest of the input stays around it.
    expect.inputMatches = [head, tail, nothing, old](const QString& now) {
        if (nothing) {
            return now == old || now == head + tail;
        }
        return now.size() >= head.size() + tail.size() && now.startsWith(head) &&
               now.endsWith(tail);
    };
    expect.clipboard = clip;
}

void MonkeyTest::monkey() {
    w = std::make_unique<frmMain>();
    txtCodeNum = Control<QLineEdit>(*w, "txtCodeNum");
    txtIn = Control<QPlainTextEdit>(*w, "txtIn");
    txtOut = Control<QPlainTextEdit>(*w, "txtOut");
    cmdPasteInput = Control<QToolButton>(*w, "cmdPasteInput");
    cmdClearInput = Control<QToolButton>(*w, "cmdClearInput");
    cmdCutOutput = Control<QToolButton>(*w, "cmdCutOutput");
    cmdCopyOutput = Control<QToolButton>(*w, "cmdCopyOutput");
    lblEncrypt = Control<QLabel>(*w, "lblEncrypt");
    lblDecrypt = Control<QLabel>(*w, "lblDecrypt");
    lblNotice = Control<QLabel>(*w, "lblNotice");
    mnuFile = Control<QMenu>(*w, "mnuFile");
    mnuMode = Control<QMenu>(*w, "mnuMode");
    mnuHelp = Control<QMenu>(*w, "mnuHelp");
    mnuExit = Control<QAction>(*w, "mnuExit");
    mnuRandomCode = Control<QAction>(*w, "mnuRandomCode");
    mnuChangeMode = Control<QAction>(*w, "mnuChangeMode");
    mnuSetEncrypt = Control<QAction>(*w, "mnuSetEncrypt");
    mnuSetDecrypt = Control<QAction>(*w, "mnuSetDecrypt");
    mnuAbout = Control<QAction>(*w, "mnuAbout");
    exits = std::make_unique<QSignalSpy>(w.get(), &frmMain::exitRequested);
    abouts = std::make_unique<QSignalSpy>(w.get(), &frmMain::aboutRequested);

    w->show();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    mode = kModeEncrypt;
    {
        // The window as it opens: the default code, encrypt mode, nothing in or out.
        Before start;
        start.code = QStringLiteral("408153");
        Expect expect;
        expect.mode = mode;
        expect.input = QString();
        expect.code = start.code;
        const QString error = Check(start, expect);
        if (!error.isEmpty()) {
            QFAIL(qPrintable(Report(error)));
        }
    }

    const std::vector<Weighted> table = {
        {22, &MonkeyTest::TypeIntoInput},     {12, &MonkeyTest::DeleteInInput},
        {9, &MonkeyTest::PasteButton},        {3, &MonkeyTest::ClearButton},
        {4, &MonkeyTest::CopyButton},         {3, &MonkeyTest::CutButton},
        {9, &MonkeyTest::TypeIntoCode},       {4, &MonkeyTest::DeleteInCode},
        {3, &MonkeyTest::PasteIntoCode},      {2, &MonkeyTest::ClickIntoCode},
        {5, &MonkeyTest::PressModeLabel},     {5, &MonkeyTest::TriggerMenuEntry},
        {7, &MonkeyTest::MenuShortcut},       {2, &MonkeyTest::MenuByKeyboard},
        {3, &MonkeyTest::MoveFocus},          {2, &MonkeyTest::ClickIntoInput},
        {2, &MonkeyTest::KeysInOutput},       {2, &MonkeyTest::UndoOrRedoInInput},
        {2, &MonkeyTest::PasteKeysIntoInput},
    };
    int totalWeight = 0;
    for (const Weighted& entry : table) {
        totalWeight += entry.weight;
    }

    // Every run meets each of the limits and the megabyte at least once, spread over the run
    // and in the mode where it matters, whatever the generator picks besides.
    struct Forced {
        PasteKind kind;
        std::uint8_t mode;
    };
    const std::array<Forced, 8> forced = {{
        {PasteKind::kLongest, kModeEncrypt},
        {PasteKind::kOneTooLong, kModeEncrypt},
        {PasteKind::kLongestCipher, kModeDecrypt},
        {PasteKind::kCipherTooLong, kModeDecrypt},
        {PasteKind::kMegabyte, kModeEncrypt},
        {PasteKind::kOneTooLong, kModeDecrypt},
        {PasteKind::kLongest, kModeDecrypt},
        {PasteKind::kMegabyte, kModeDecrypt},
    }};
    std::size_t nextForced = 0;

    QElapsedTimer timer;
    timer.start();
    for (step = 1; step <= actions; ++step) {
        const Before before = Snapshot();
        Expect expect;
        expect.input = before.input;
        expect.code = before.code;
        expect.exits = static_cast<int>(exits->count());
        expect.abouts = static_cast<int>(abouts->count());

        if (nextForced < forced.size() &&
            step == (nextForced + 1) * actions / (forced.size() + 1)) {
            const Forced& next = forced.at(nextForced++);
            // A valid code number and the mode, so that the limit is the cipher's to meet.
            if (CodeNumberRule(before.code) == kInvalidCodeNumber) {
                ExpectRandomCode(expect);
                mnuRandomCode->trigger();
            }
            (next.mode == kModeEncrypt ? mnuSetEncrypt : mnuSetDecrypt)->trigger();
            mode = next.mode;
            Log(QStringLiteral("(%1 mode, code %2)").arg(ModeName(mode), txtCodeNum->text()));
            const Before ready = Snapshot();
            Paste(next.kind, expect);
            expect.mode = mode;
            const QString error = Check(ready, expect);
            if (!error.isEmpty()) {
                QFAIL(qPrintable(Report(error)));
            }
            continue;
        }

        int roll = Between(rng, 0, totalWeight - 1);
        std::size_t pick = 0;
        while (roll >= table.at(pick).weight) {
            roll -= table.at(pick).weight;
            ++pick;
        }
        (this->*table.at(pick).action)(before, expect);
        expect.mode = mode;
        const QString error = Check(before, expect);
        if (!error.isEmpty()) {
            QFAIL(qPrintable(Report(error)));
        }
    }
    qInfo("%lu actions in %lld ms", actions, static_cast<long long>(timer.elapsed()));
    qInfo(
        "outputs checked: %d encrypted, %d decrypted, %d under an invalid code; refused: %d "
        "too long, %d unmappable; %d would not decrypt back; longest input %lld",
        tally.encrypted, tally.decrypted, tally.invalidCode, tally.tooLong, tally.unmappable,
        tally.notDecryptable, static_cast<long long>(tally.longestInput));
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
