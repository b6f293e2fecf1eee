#include "monkey_actions.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <array>

#include "runtime/generator.h"

namespace vellumark::monkey {

namespace {

constexpr int kMenuTimeoutMs = 5000;

// A caret or a selection never splits a surrogate pair: no key or click can put it there.
qsizetype OffSurrogates(const QString& text, qsizetype position) {
    if (position > 0 && position < text.size() && text.at(position - 1).isHighSurrogate() &&
        text.at(position).isLowSurrogate()) {
        return position - 1;
    }
    return position;
}

QPoint SomewhereIn(Rng& rng, const QWidget& widget) {
    return {Between(rng, 1, std::max(1, widget.width() - 2)),
            Between(rng, 1, std::max(1, widget.height() - 2))};
}

}  // namespace

Actions::Actions(Model& m, Rng& r, Logger logger)
    : model(m), c(m.c), rng(r), log(std::move(logger)) {}

const std::vector<Actions::Weighted>& Actions::Table() {
    static const std::vector<Weighted> table = {
        {22, &Actions::TypeIntoInput},     {12, &Actions::DeleteInInput},
        {9, &Actions::PasteButton},        {3, &Actions::ClearButton},
        {4, &Actions::CopyButton},         {3, &Actions::CutButton},
        {9, &Actions::TypeIntoCode},       {4, &Actions::DeleteInCode},
        {3, &Actions::PasteIntoCode},      {2, &Actions::ClickIntoCode},
        {5, &Actions::PressModeLabel},     {5, &Actions::TriggerMenuEntry},
        {7, &Actions::MenuShortcut},       {2, &Actions::MenuByKeyboard},
        {3, &Actions::MoveFocus},          {2, &Actions::ClickIntoInput},
        {2, &Actions::KeysInOutput},       {2, &Actions::UndoOrRedoInInput},
        {2, &Actions::PasteKeysIntoInput},
    };
    return table;
}

std::pair<qsizetype, qsizetype> Actions::PlaceInputCaret() {
    c.txtIn->setFocus(Qt::OtherFocusReason);
    const QString text = Held(*c.txtIn);
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
    QTextCursor cursor = c.txtIn->textCursor();
    cursor.setPosition(static_cast<int>(anchor));
    cursor.setPosition(static_cast<int>(position), QTextCursor::KeepAnchor);
    c.txtIn->setTextCursor(cursor);
    return {std::min(anchor, position), std::max(anchor, position)};
}

void Actions::PlaceCodeCaret() {
    c.txtCodeNum->setFocus(Qt::OtherFocusReason);
    const QString text = c.txtCodeNum->text();
    const auto size = static_cast<int>(text.size());
    switch (Between(rng, 0, 3)) {
        case 0:
            c.txtCodeNum->setCursorPosition(
                static_cast<int>(OffSurrogates(text, Between(rng, 0, size))));
            break;
        case 1: {
            const auto start = static_cast<int>(OffSurrogates(text, Between(rng, 0, size)));
            const auto end = static_cast<int>(OffSurrogates(text, Between(rng, start, size)));
            c.txtCodeNum->setSelection(start, end - start);
            break;
        }
        default:
            break;  // as entering the box left it
    }
}

QString Actions::CodeAfterInsert(const QString& typed) const {
    QString text = c.txtCodeNum->text();
    qsizetype at = c.txtCodeNum->cursorPosition();
    if (c.txtCodeNum->hasSelectedText()) {
        at = c.txtCodeNum->selectionStart();
        text.remove(at, c.txtCodeNum->selectedText().size());
    }
    text.insert(at, typed.left(6 - text.size()));
    return text;
}

QWidget* Actions::RandomFocusTarget() {
    const std::array<QWidget*, 7> targets = {c.txtCodeNum,    c.txtIn,         c.txtOut,
                                             c.cmdPasteInput, c.cmdClearInput, c.cmdCutOutput,
                                             c.cmdCopyOutput};
    QWidget* target = targets.at(static_cast<std::size_t>(Between(rng, 0, 6)));
    // A disabled button cannot take the focus; the input box can.
    return target->isEnabled() ? target : c.txtIn;
}

void Actions::ExpectRandomCode(Expect& expect) {
    RandomGenerator ahead = ProcessGenerator();
    expect.code = RandomCodeOf(ahead.NextValue());
}

void Actions::Paste(PasteKind kind, Expect& expect) {
    const QString text = PasteText(rng, kind, CodeNumberRule(c.txtCodeNum->text()));
    if (kind == PasteKind::kNothing) {
        QGuiApplication::clipboard()->clear();
    } else {
        QGuiApplication::clipboard()->setText(text);
    }
    Log(QStringLiteral("paste button, %1: %2")
            .arg(QString::fromLatin1(NameOf(kind)), Describe(text)));
    QTest::mouseClick(c.cmdPasteInput, Qt::LeftButton);
    expect.input = AsHeld(text);
    expect.clipboard = text;
}

void Actions::TypeIntoInput(const Before& before, Expect& expect) {
    const auto [start, end] = PlaceInputCaret();
    if (OneIn(rng, 12)) {
        Log(QStringLiteral("Return into the input at %1..%2").arg(start).arg(end));
        testing::TypeKeys(c.txtIn, QStringLiteral("\n"));
        expect.input = before.input.left(start) + u'\n' + before.input.mid(end);
        return;
    }
    const QString character = KeyCharacter(rng);
    Log(QStringLiteral("type %1 into the input at %2..%3")
            .arg(Describe(character))
            .arg(start)
            .arg(end));
    testing::TypeKeys(c.txtIn, character);
    expect.input = before.input.left(start) + character + before.input.mid(end);
}

void Actions::DeleteInInput(const Before& before, Expect& expect) {
    const auto [start, end] = PlaceInputCaret();
    const bool backwards = OneIn(rng, 2);
    Log(QStringLiteral("%1 in the input at %2..%3")
            .arg(backwards ? QStringLiteral("Backspace") : QStringLiteral("Delete"))
            .arg(start)
            .arg(end));
    QTest::keyClick(c.txtIn, backwards ? Qt::Key_Backspace : Qt::Key_Delete);
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

void Actions::PasteButton(const Before&, Expect& expect) {
    if (OneIn(rng, 3)) {
        RandomFocusTarget()->setFocus(Qt::OtherFocusReason);
    }
    Paste(RandomPasteKind(rng), expect);
}

void Actions::ClearButton(const Before& before, Expect& expect) {
    Log(QStringLiteral("clear button (%1)")
            .arg(before.clearEnabled ? QStringLiteral("enabled") : QStringLiteral("disabled")));
    QTest::mouseClick(c.cmdClearInput, Qt::LeftButton);
    if (before.clearEnabled) {
        expect.input = QString();
    }
}

void Actions::CopyButton(const Before& before, Expect& expect) {
    const QString old = QGuiApplication::clipboard()->text();
    Log(QStringLiteral("copy button (%1)")
            .arg(before.copyEnabled ? QStringLiteral("enabled") : QStringLiteral("disabled")));
    QTest::mouseClick(c.cmdCopyOutput, Qt::LeftButton);
    expect.clipboard = before.copyEnabled ? before.output : old;
}

void Actions::CutButton(const Before& before, Expect& expect) {
    const QString old = QGuiApplication::clipboard()->text();
    Log(QStringLiteral("cut button (%1)")
            .arg(before.cutEnabled ? QStringLiteral("enabled") : QStringLiteral("disabled")));
    QTest::mouseClick(c.cmdCutOutput, Qt::LeftButton);
    expect.clipboard = before.cutEnabled ? before.output : old;
    if (before.cutEnabled) {
        expect.input = QString();
    }
}

void Actions::TypeIntoCode(const Before&, Expect& expect) {
    PlaceCodeCaret();
    const QString character = CodeCharacter(rng);
    Log(QStringLiteral("type %1 into the code %2 at %3, selected %4")
            .arg(Describe(character), c.txtCodeNum->text())
            .arg(c.txtCodeNum->cursorPosition())
            .arg(c.txtCodeNum->selectedText()));
    expect.code = CodeAfterInsert(character);
    testing::TypeKeys(c.txtCodeNum, character);
}

void Actions::DeleteInCode(const Before&, Expect& expect) {
    PlaceCodeCaret();
    const bool backwards = OneIn(rng, 2);
    const QString old = c.txtCodeNum->text();
    const qsizetype position = c.txtCodeNum->cursorPosition();
    const bool selected = c.txtCodeNum->hasSelectedText();
    const qsizetype start = c.txtCodeNum->selectionStart();
    const qsizetype length = c.txtCodeNum->selectedText().size();
    Log(QStringLiteral("%1 in the code %2 at %3, selected %4")
            .arg(backwards ? QStringLiteral("Backspace") : QStringLiteral("Delete"), old)
            .arg(position)
            .arg(c.txtCodeNum->selectedText()));
    QTest::keyClick(c.txtCodeNum, backwards ? Qt::Key_Backspace : Qt::Key_Delete);
    if (selected) {
        expect.code = old.left(start) + old.mid(start + length);
        return;
    }
    // One character, a surrogate pair or a cluster goes; the code rule and the output are
    // then checked on what is left.
    expect.code.reset();
    const QString now = c.txtCodeNum->text();
    if (!IsDeletionAt(old, now, position, backwards)) {
        expect.failure = QStringLiteral("the key took the code number from %1 to %2")
                             .arg(Describe(old), Describe(now));
    }
}

void Actions::PasteIntoCode(const Before&, Expect& expect) {
    QString clip;
    for (int i = 0; i < 10; ++i) {
        clip += CodeCharacter(rng);
    }
    clip = clip.left(10);
    QGuiApplication::clipboard()->setText(clip);
    PlaceCodeCaret();
    Log(QStringLiteral("Ctrl+V of %1 into the code %2 at %3, selected %4")
            .arg(Describe(clip), c.txtCodeNum->text())
            .arg(c.txtCodeNum->cursorPosition())
            .arg(c.txtCodeNum->selectedText()));
    expect.code = CodeAfterInsert(clip);
    expect.clipboard = clip;
    QTest::keyClick(c.txtCodeNum, Qt::Key_V, Qt::ControlModifier);
}

void Actions::ClickIntoCode(const Before&, Expect& expect) {
    const QPoint at = SomewhereIn(rng, *c.txtCodeNum);
    Log(QStringLiteral("click into the code number at (%1, %2)").arg(at.x()).arg(at.y()));
    QTest::mouseClick(c.txtCodeNum, Qt::LeftButton, Qt::NoModifier, at);
    expect.codeSelectedWhole = true;
}

void Actions::PressModeLabel(const Before&, Expect&) {
    const bool encrypt = OneIn(rng, 2);
    QLabel* label = encrypt ? c.lblEncrypt : c.lblDecrypt;
    static const std::array<Qt::MouseButton, 3> kButtons = {Qt::LeftButton, Qt::RightButton,
                                                            Qt::MiddleButton};
    const Qt::MouseButton button = kButtons.at(static_cast<std::size_t>(Between(rng, 0, 2)));
    const QPoint at = SomewhereIn(rng, *label);
    Log(QStringLiteral("mouse button %1 on %2").arg(static_cast<int>(button)).arg(label->text()));
    QTest::mousePress(label, button, Qt::NoModifier, at);
    model.mode = encrypt ? kModeEncrypt : kModeDecrypt;
    QTest::mouseRelease(label, button, Qt::NoModifier, at);
}

void Actions::TriggerMenuEntry(const Before&, Expect& expect) {
    const int roll = Between(rng, 0, 40);
    QAction* entry = roll < 10   ? c.mnuSetEncrypt
                     : roll < 20 ? c.mnuSetDecrypt
                     : roll < 30 ? c.mnuChangeMode
                     : roll < 39 ? c.mnuRandomCode
                     : roll < 40 ? c.mnuAbout
                                 : c.mnuExit;
    Log(QStringLiteral("menu entry %1").arg(entry->objectName()));
    if (entry == c.mnuRandomCode) {
        ExpectRandomCode(expect);
    }
    entry->trigger();
    if (entry == c.mnuSetEncrypt) {
        model.mode = kModeEncrypt;
    } else if (entry == c.mnuSetDecrypt) {
        model.mode = kModeDecrypt;
    } else if (entry == c.mnuChangeMode) {
        model.mode = model.mode == kModeEncrypt ? kModeDecrypt : kModeEncrypt;
    } else if (entry == c.mnuAbout) {
        ++expect.abouts;
    } else if (entry == c.mnuExit) {
        ++expect.exits;
    }
}

void Actions::MenuShortcut(const Before&, Expect& expect) {
    QWidget* target = RandomFocusTarget();
    target->setFocus(Qt::OtherFocusReason);
    // A caret at the start of a box, where its own Ctrl+D would delete.
    if (OneIn(rng, 2)) {
        if (target == c.txtCodeNum) {
            c.txtCodeNum->setCursorPosition(0);
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
        model.mode = kModeEncrypt;
    } else if (key == Qt::Key_D) {
        model.mode = kModeDecrypt;
    } else if (key == Qt::Key_M) {
        model.mode = model.mode == kModeEncrypt ? kModeDecrypt : kModeEncrypt;
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

void Actions::MenuByKeyboard(const Before&, Expect& expect) {
    QWidget* from = RandomFocusTarget();
    from->setFocus(Qt::OtherFocusReason);
    struct Entry {
        QMenu* menu;
        Qt::Key title;
        Qt::Key key;
    };
    const std::array<Entry, 8> entries = {{
        {c.mnuMode, Qt::Key_N, Qt::Key_R},
        {c.mnuMode, Qt::Key_N, Qt::Key_M},
        {c.mnuMode, Qt::Key_N, Qt::Key_E},
        {c.mnuMode, Qt::Key_N, Qt::Key_D},
        {c.mnuMode, Qt::Key_N, Qt::Key_Escape},
        {c.mnuFile, Qt::Key_F, Qt::Key_X},
        {c.mnuHelp, Qt::Key_H, Qt::Key_A},
        {c.mnuHelp, Qt::Key_H, Qt::Key_Escape},
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
                                                               : static_cast<QWidget*>(&model.w),
                        Qt::Key_Escape);
    }
    switch (entry.key) {
        case Qt::Key_E:
            model.mode = kModeEncrypt;
            break;
        case Qt::Key_D:
            model.mode = kModeDecrypt;
            break;
        case Qt::Key_M:
            model.mode = model.mode == kModeEncrypt ? kModeDecrypt : kModeEncrypt;
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

void Actions::MoveFocus(const Before& before, Expect& expect) {
    // Only the user's ways in (Tab, Shift+Tab) select the code number; the program's own
    // setFocus leaves it as it was.
    bool entered = false;
    if (OneIn(rng, 2)) {
        QWidget* target = RandomFocusTarget();
        Log(QStringLiteral("focus to %1").arg(target->objectName()));
        target->setFocus(Qt::OtherFocusReason);
    } else {
        const bool back = OneIn(rng, 3);
        QWidget* from = QApplication::focusWidget() != nullptr ? QApplication::focusWidget()
                                                               : static_cast<QWidget*>(c.txtIn);
        Log(QStringLiteral("%1 from %2")
                .arg(back ? QStringLiteral("Shift+Tab") : QStringLiteral("Tab"),
                     from->objectName()));
        QTest::keyClick(from, back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
        entered = true;
    }
    expect.codeSelectedWhole =
        entered && QApplication::focusWidget() == c.txtCodeNum && before.focus != c.txtCodeNum;
}

void Actions::ClickIntoInput(const Before&, Expect& expect) {
    static const std::array<Qt::MouseButton, 2> kButtons = {Qt::LeftButton, Qt::MiddleButton};
    const Qt::MouseButton button = kButtons.at(static_cast<std::size_t>(Between(rng, 0, 1)));
    QWidget* viewport = OneIn(rng, 2) ? c.txtIn->viewport() : c.txtOut->viewport();
    const QPoint at = SomewhereIn(rng, *viewport);
    Log(QStringLiteral("mouse button %1 into %2 at (%3, %4)")
            .arg(static_cast<int>(button))
            .arg(viewport->parentWidget()->objectName())
            .arg(at.x())
            .arg(at.y()));
    QTest::mouseClick(viewport, button, Qt::NoModifier, at);
    // Where the platform has a selection clipboard, the middle button pastes it.
    if (viewport == c.txtIn->viewport() && button == Qt::MiddleButton &&
        QGuiApplication::clipboard()->supportsSelection()) {
        expect.input.reset();
    }
}

void Actions::KeysInOutput(const Before&, Expect&) {
    c.txtOut->setFocus(Qt::OtherFocusReason);
    QTextCursor cursor = c.txtOut->textCursor();
    cursor.setPosition(
        Between(rng, 0, static_cast<int>(c.txtOut->document()->characterCount() - 1)));
    c.txtOut->setTextCursor(cursor);
    switch (Between(rng, 0, 5)) {
        case 0:
            Log(QStringLiteral("Backspace in the output"));
            QTest::keyClick(c.txtOut, Qt::Key_Backspace);
            break;
        case 1:
            Log(QStringLiteral("Delete in the output"));
            QTest::keyClick(c.txtOut, Qt::Key_Delete);
            break;
        case 2:
            Log(QStringLiteral("Ctrl+A, Ctrl+X in the output"));
            QTest::keyClick(c.txtOut, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(c.txtOut, Qt::Key_X, Qt::ControlModifier);
            break;
        case 3:
            Log(QStringLiteral("Ctrl+V in the output"));
            QTest::keyClick(c.txtOut, Qt::Key_V, Qt::ControlModifier);
            break;
        default: {
            const QString character = KeyCharacter(rng);
            Log(QStringLiteral("type %1 into the output").arg(Describe(character)));
            testing::TypeKeys(c.txtOut, character);
            break;
        }
    }
    // The read-only output takes none of it; the input and the code stay as they were.
}

void Actions::UndoOrRedoInInput(const Before&, Expect& expect) {
    c.txtIn->setFocus(Qt::OtherFocusReason);
    const bool undo = OneIn(rng, 2);
    Log(undo ? QStringLiteral("Ctrl+Z in the input") : QStringLiteral("Ctrl+Shift+Z in the input"));
    QTest::keyClick(c.txtIn, Qt::Key_Z,
                    undo ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
    // Whatever the history gives back; the output must follow it all the same.
    expect.input.reset();
}

void Actions::PasteKeysIntoInput(const Before& before, Expect& expect) {
    const PasteKind kind = SmallPasteKind(rng);
    const QString clip = PasteText(rng, kind, CodeNumberRule(c.txtCodeNum->text()));
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
    QTest::keyClick(c.txtIn, Qt::Key_V, Qt::ControlModifier);
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

}  // namespace vellumark::monkey
