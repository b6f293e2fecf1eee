// The keyboard and the mouse around the boxes: shortcuts from wherever the focus is, access
// keys, menus, the tab order, selecting the whole code number, the six-character limit, the
// read-only output and the wrapping of long lines.

#include <QClipboard>
#include <QDialog>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include "runtime/generator.h"
#include "window_fixture.h"

using namespace vellumark;
using namespace vellumark::testing;

namespace {

QWidget* Focused() {
    return QApplication::focusWidget();
}

void PutCaretAtStart(QWidget* box) {
    box->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setCursorPosition(0);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(box)) {
        text->moveCursor(QTextCursor::Start);
    }
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void menuShortcutsWorkFromEveryControl_data();
    void menuShortcutsWorkFromEveryControl();
    void accessKeysLeadToTheBoxAfterTheirFrame_data();
    void accessKeysLeadToTheBoxAfterTheirFrame();
    void altLettersOpenTheMenusAndChooseTheirEntries_data();
    void altLettersOpenTheMenusAndChooseTheirEntries();
    void tabFollowsTheTabOrderAndPassesDisabledButtons_data();
    void tabFollowsTheTabOrderAndPassesDisabledButtons();
    void pictureButtonsTakeTheFocusAndAnswerEnterAndSpace_data();
    void pictureButtonsTakeTheFocusAndAnswerEnterAndSpace();
    void enteringTheCodeNumberSelectsItWhole_data();
    void enteringTheCodeNumberSelectsItWhole();
    void focusComingBackLeavesTheCodeNumberAsItWas_data();
    void focusComingBackLeavesTheCodeNumberAsItWas();
    void pressIntoTheFocusedCodeNumberSelectsItWhole();
    void rightAndMiddleButtonsSelectOnlyARightPressThatEnters_data();
    void rightAndMiddleButtonsSelectOnlyARightPressThatEnters();
    void selectingOnEntryLeavesThePrimarySelectionAlone();
    void codeNumberTakesAtMostSixCharactersPasted();
    void outputTakesNoEditingButCopies();
    void longLinesWrapAndTallTextScrolls();
    void cipherTextWrapsAnywhere_data();
    void cipherTextWrapsAnywhere();
};

void KeyboardTest::menuShortcutsWorkFromEveryControl_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("recomputations");
    for (const char* focus : {"txtCodeNum", "txtIn", "txtOut", "cmdPasteInput"}) {
        const QString name = QString::fromLatin1(focus);
        QTest::addRow("Ctrl+E in %s", focus) << name << int(Qt::Key_E) << 2 << 1 << 1;
        QTest::addRow("Ctrl+D in %s", focus) << name << int(Qt::Key_D) << 1 << 2 << 1;
        QTest::addRow("Ctrl+M in %s from encrypt", focus) << name << int(Qt::Key_M) << 1 << 2 << 2;
        QTest::addRow("Ctrl+M in %s from decrypt", focus) << name << int(Qt::Key_M) << 2 << 1 << 2;
        QTest::addRow("Ctrl+R in %s", focus) << name << int(Qt::Key_R) << 1 << 1 << 1;
    }
}

void KeyboardTest::menuShortcutsWorkFromEveryControl() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, recomputations);
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("abcdef"));
    w->ModeSet(static_cast<CryptMode>(from));
    QWidget* target = Widget<QWidget>(*w, qPrintable(focus));
    // A caret at the start and no selection: where the boxes' own Ctrl keys would act.
    PutCaretAtStart(target);
    QCOMPARE(Focused(), target);

    RandomGenerator ahead = ProcessGenerator();
    const QString randomCode = RandomCode(ahead.NextValue());
    QSignalSpy recomputed(w.get(), &frmMain::outputRecomputed);
    QTest::keyClick(target, static_cast<Qt::Key>(key), Qt::ControlModifier);

    QCOMPARE(recomputed.count(), recomputations);
    QCOMPARE(w->mode(), to);
    QCOMPARE(c.mnuSetEncrypt->isChecked(), to == kModeEncrypt);
    QCOMPARE(c.mnuSetDecrypt->isChecked(), to == kModeDecrypt);
    QCOMPARE(TextOf(*c.txtIn), QStringLiteral("abcdef"));
    QCOMPARE(c.txtCodeNum->text(), key == Qt::Key_R ? randomCode : QStringLiteral("408153"));
    QVERIFY(OutputIsCurrent(*w));
    QCOMPARE(Focused(), target);
}

void KeyboardTest::accessKeysLeadToTheBoxAfterTheirFrame_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    QTest::newRow("Alt+C from the input") << "txtIn" << int(Qt::Key_C) << "txtCodeNum";
    QTest::newRow("Alt+C from the output") << "txtOut" << int(Qt::Key_C) << "txtCodeNum";
    QTest::newRow("Alt+I from the code") << "txtCodeNum" << int(Qt::Key_I) << "txtIn";
    QTest::newRow("Alt+I from the output") << "txtOut" << int(Qt::Key_I) << "txtIn";
    // The frame's own last focus would be this button; the access key still means the box.
    QTest::newRow("Alt+I from the paste button") << "cmdPasteInput" << int(Qt::Key_I) << "txtIn";
}

void KeyboardTest::accessKeysLeadToTheBoxAfterTheirFrame() {
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("text"));
    QWidget* start = Widget<QWidget>(*w, qPrintable(from));
    start->setFocus();
    QTest::keyClick(start, static_cast<Qt::Key>(key), Qt::AltModifier);
    QCOMPARE(Focused(), Widget<QWidget>(*w, qPrintable(to)));
    QCOMPARE(TextOf(*c.txtIn), QStringLiteral("text"));
    if (to == QStringLiteral("txtCodeNum")) {
        QCOMPARE(c.txtCodeNum->selectedText(), QStringLiteral("408153"));
    }
}

void KeyboardTest::altLettersOpenTheMenusAndChooseTheirEntries_data() {
    QTest::addColumn<int>("menuKey");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("entryKey");
    QTest::addColumn<QString>("effect");
    QTest::newRow("Alt+F, x") << int(Qt::Key_F) << "mnuFile" << int(Qt::Key_X) << "exit";
    QTest::newRow("Alt+N, m") << int(Qt::Key_N) << "mnuMode" << int(Qt::Key_M) << "decrypt";
    QTest::newRow("Alt+N, d") << int(Qt::Key_N) << "mnuMode" << int(Qt::Key_D) << "decrypt";
    QTest::newRow("Alt+N, e") << int(Qt::Key_N) << "mnuMode" << int(Qt::Key_E) << "encrypt";
    QTest::newRow("Alt+N, r") << int(Qt::Key_N) << "mnuMode" << int(Qt::Key_R) << "random";
    QTest::newRow("Alt+H, a") << int(Qt::Key_H) << "mnuHelp" << int(Qt::Key_A) << "about";
}

void KeyboardTest::altLettersOpenTheMenusAndChooseTheirEntries() {
    QFETCH(int, menuKey);
    QFETCH(QString, menu);
    QFETCH(int, entryKey);
    QFETCH(QString, effect);
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("abc"));
    QSignalSpy exits(w.get(), &frmMain::exitRequested);
    QSignalSpy abouts(w.get(), &frmMain::aboutRequested);
    RandomGenerator ahead = ProcessGenerator();
    const QString randomCode = RandomCode(ahead.NextValue());

    // From inside the input box, which must not take the keys for itself.
    QTest::keyClick(c.txtIn, static_cast<Qt::Key>(menuKey), Qt::AltModifier);
    auto* opened = Widget<QMenu>(*w, qPrintable(menu));
    QTRY_VERIFY(opened->isVisible());
    QCOMPARE(TextOf(*c.txtIn), QStringLiteral("abc"));
    QTest::keyClick(opened, static_cast<Qt::Key>(entryKey));
    QTRY_VERIFY(!opened->isVisible());

    QCOMPARE(exits.count(), effect == QStringLiteral("exit") ? 1 : 0);
    QCOMPARE(abouts.count(), effect == QStringLiteral("about") ? 1 : 0);
    QCOMPARE(w->mode(), effect == QStringLiteral("decrypt") ? kModeDecrypt : kModeEncrypt);
    QCOMPARE(c.txtCodeNum->text(),
             effect == QStringLiteral("random") ? randomCode : QStringLiteral("408153"));
    QCOMPARE(TextOf(*c.txtIn), QStringLiteral("abc"));
    QVERIFY(OutputIsCurrent(*w));
}

void KeyboardTest::tabFollowsTheTabOrderAndPassesDisabledButtons_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("at start: clear, cut and copy disabled")
        << QString() << QStringList{"txtCodeNum", "txtIn", "cmdPasteInput", "txtOut", "txtCodeNum"};
    QTest::newRow("with input: every button")
        << QStringLiteral("x")
        << QStringList{"txtCodeNum",   "txtIn",         "cmdPasteInput", "cmdClearInput",
                       "cmdCutOutput", "cmdCopyOutput", "txtOut",        "txtCodeNum"};
}

void KeyboardTest::tabFollowsTheTabOrderAndPassesDisabledButtons() {
    QFETCH(QString, input);
    QFETCH(QStringList, order);
    const auto w = OpenWindow();
    const Controls c(*w);
    c.txtIn->setPlainText(input);
    c.txtCodeNum->setFocus();
    QStringList visited{Focused()->objectName()};
    for (int step = 1; step < order.size(); ++step) {
        QTest::keyClick(Focused(), Qt::Key_Tab);
        visited << Focused()->objectName();
    }
    QCOMPARE(visited, order);
    // The input takes no tab character: Tab moves on.
    QCOMPARE(TextOf(*c.txtIn), input);

    QStringList back{Focused()->objectName()};
    for (int step = 1; step < order.size(); ++step) {
        QTest::keyClick(Focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        back << Focused()->objectName();
    }
    std::reverse(back.begin(), back.end());
    QCOMPARE(back, order);
}

void KeyboardTest::pictureButtonsTakeTheFocusAndAnswerEnterAndSpace_data() {
    QTest::addColumn<int>("key");  // 0: a click with the mouse
    QTest::addColumn<int>("modifiers");
    QTest::newRow("click") << 0 << int(Qt::NoModifier);
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void KeyboardTest::pictureButtonsTakeTheFocusAndAnswerEnterAndSpace() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    const auto w = OpenWindow();
    const Controls c(*w);
    QGuiApplication::clipboard()->setText(QStringLiteral("from the keyboard"));
    if (key == 0) {
        c.txtIn->setFocus();
        QTest::mouseClick(c.cmdPasteInput, Qt::LeftButton);
        QCOMPARE(Focused(), c.cmdPasteInput);
    } else {
        c.cmdPasteInput->setFocus();
        QTest::keyClick(c.cmdPasteInput, static_cast<Qt::Key>(key),
                        static_cast<Qt::KeyboardModifiers>(modifiers));
    }
    QCOMPARE(TextOf(*c.txtIn), QStringLiteral("from the keyboard"));
}

void KeyboardTest::enteringTheCodeNumberSelectsItWhole_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Tab from the output") << "tab";
    QTest::newRow("Shift+Tab from the input") << "backtab";
    QTest::newRow("Alt+C") << "alt";
    QTest::newRow("Alt+C in the code box itself") << "altInside";
    QTest::newRow("left click") << "click";
}

void KeyboardTest::enteringTheCodeNumberSelectsItWhole() {
    QFETCH(QString, how);
    const auto w = OpenWindow();
    const Controls c(*w);
    c.txtCodeNum->setText(QStringLiteral("123456"));
    c.txtCodeNum->deselect();
    if (how == QStringLiteral("tab")) {
        c.txtOut->setFocus();
        QTest::keyClick(c.txtOut, Qt::Key_Tab);
    } else if (how == QStringLiteral("backtab")) {
        c.txtIn->setFocus();
        QTest::keyClick(c.txtIn, Qt::Key_Backtab, Qt::ShiftModifier);
    } else if (how.startsWith(QStringLiteral("alt"))) {
        QWidget* from =
            how == QStringLiteral("alt") ? static_cast<QWidget*>(c.txtIn) : c.txtCodeNum;
        from->setFocus();
        c.txtCodeNum->deselect();
        QTest::keyClick(from, Qt::Key_C, Qt::AltModifier);
    } else {
        c.txtIn->setFocus();
        QTest::mouseClick(c.txtCodeNum, Qt::LeftButton, {}, QPoint(4, 9));
    }
    QCOMPARE(Focused(), c.txtCodeNum);
    QCOMPARE(c.txtCodeNum->selectedText(), QStringLiteral("123456"));
    // The next key replaces the whole code number.
    QTest::keyClick(c.txtCodeNum, Qt::Key_9);
    QCOMPARE(c.txtCodeNum->text(), QStringLiteral("9"));
    QCOMPARE(w->code_number(), 9.0f);
}

void KeyboardTest::focusComingBackLeavesTheCodeNumberAsItWas_data() {
    QTest::addColumn<QString>("how");
    // Whether the code number stays selected as the window opened it (the next key replaces
    // it), or "408" is typed first (the next key goes on after it).
    QTest::addColumn<bool>("selected");
    QTest::newRow("Alt+N, Esc") << "menu" << false;
    QTest::newRow("Alt alone, Esc") << "alt" << false;
    QTest::newRow("Toggle Mode by mouse") << "mouse" << false;
    QTest::newRow("another window and back") << "window" << false;
    QTest::newRow("a dialog closes") << "dialog" << false;
    QTest::newRow("selected, Alt+N, Esc") << "menu" << true;
    QTest::newRow("selected, Alt+N, D") << "decrypt" << true;
    QTest::newRow("selected, Alt+H, A, the box closes") << "about" << true;
}

void KeyboardTest::focusComingBackLeavesTheCodeNumberAsItWas() {
    QFETCH(QString, how);
    QFETCH(bool, selected);
    const auto w = OpenWindow();
    const Controls c(*w);
    if (selected) {
        QTRY_COMPARE(c.txtCodeNum->selectedText(), QStringLiteral("408153"));
    } else {
        TypeKeys(c.txtCodeNum, QStringLiteral("408"));
    }
    // A modal box over the window, opened from the menu as the about box is.
    const auto openDialog = [&w] {
        QDialog dialog(w.get());
        QTimer::singleShot(0, &dialog, [&dialog] {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            dialog.accept();
        });
        dialog.exec();
        // As the window manager does; the offscreen platform leaves no window active.
        w->activateWindow();
    };
    if (how == QStringLiteral("menu")) {
        QTest::keyClick(c.txtCodeNum, Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(c.mnuMode->isVisible());
        // The first Esc closes the menu, the second leaves the menu bar.
        QTest::keyClick(c.mnuMode, Qt::Key_Escape);
        QTest::keyClick(Focused(), Qt::Key_Escape);
    } else if (how == QStringLiteral("decrypt")) {
        QTest::keyClick(c.txtCodeNum, Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(c.mnuMode->isVisible());
        QTest::keyClick(c.mnuMode, Qt::Key_D);
        QCOMPARE(w->mode(), kModeDecrypt);
    } else if (how == QStringLiteral("about")) {
        connect(w.get(), &frmMain::aboutRequested, w.get(), openDialog);
        QTest::keyClick(c.txtCodeNum, Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(c.mnuHelp->isVisible());
        QTest::keyClick(c.mnuHelp, Qt::Key_A);
        QTRY_VERIFY(!c.mnuHelp->isVisible());
    } else if (how == QStringLiteral("alt")) {
        QTest::keyClick(c.txtCodeNum, Qt::Key_Alt);
        QTest::keyClick(Focused(), Qt::Key_Escape);
    } else if (how == QStringLiteral("mouse")) {
        auto* bar = w->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(c.mnuMode->menuAction()).center());
        QTRY_VERIFY(c.mnuMode->isVisible());
        QTest::mouseClick(c.mnuMode, Qt::LeftButton, {},
                          c.mnuMode->actionGeometry(c.mnuChangeMode).center());
        QCOMPARE(w->mode(), kModeDecrypt);
    } else if (how == QStringLiteral("window")) {
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    } else {
        openDialog();
    }
    QTRY_COMPARE(Focused(), c.txtCodeNum);
    TypeKeys(c.txtCodeNum, selected ? QStringLiteral("123456") : QStringLiteral("2"));
    QCOMPARE(c.txtCodeNum->text(), selected ? QStringLiteral("123456") : QStringLiteral("4082"));
}

void KeyboardTest::pressIntoTheFocusedCodeNumberSelectsItWhole() {
    const auto w = OpenWindow();
    const Controls c(*w);
    c.txtCodeNum->setFocus();
    c.txtCodeNum->setCursorPosition(3);
    QVERIFY(!c.txtCodeNum->hasSelectedText());
    // A press alone: a plain line edit would drop the selection and place the caret here.
    QTest::mousePress(c.txtCodeNum, Qt::LeftButton, {}, QPoint(20, 9));
    QCOMPARE(c.txtCodeNum->selectedText(), QStringLiteral("408153"));
    QTest::mouseRelease(c.txtCodeNum, Qt::LeftButton, {}, QPoint(20, 9));
    QCOMPARE(c.txtCodeNum->selectedText(), QStringLiteral("408153"));
}

void KeyboardTest::rightAndMiddleButtonsSelectOnlyARightPressThatEnters_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("from");  // the control that has the focus before the press
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("expected");
    // Right: Paste from the box's menu goes in at the caret, after the 4.
    QTest::newRow("right in the box, Paste")
        << int(Qt::RightButton) << "txtCodeNum" << "" << "4708";
    // Right from another control: the press enters the box, and Paste replaces the number.
    QTest::newRow("right from the input, Paste")
        << int(Qt::RightButton) << "txtIn" << "408" << "7";
    // Middle: the primary selection goes in where the button went down, at the end.
    QTest::newRow("middle paste in the box")
        << int(Qt::MiddleButton) << "txtCodeNum" << "" << "4087";
    QTest::newRow("middle paste from the input")
        << int(Qt::MiddleButton) << "txtIn" << "" << "4087";
}

void KeyboardTest::rightAndMiddleButtonsSelectOnlyARightPressThatEnters() {
    QFETCH(int, button);
    QFETCH(QString, from);
    QFETCH(QString, selected);
    QFETCH(QString, expected);
    const bool middle = button == Qt::MiddleButton;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (middle && !clipboard->supportsSelection()) {
        QSKIP("this platform has no primary selection to paste with the middle button");
    }
    const auto w = OpenWindow();
    const Controls c(*w);
    c.txtCodeNum->setText(QStringLiteral("408"));
    c.txtCodeNum->setCursorPosition(1);
    Widget<QWidget>(*w, qPrintable(from))->setFocus();
    clipboard->setText(QStringLiteral("7"), middle ? QClipboard::Selection : QClipboard::Clipboard);
    // Through the window, as the platform delivers a press: the application knows which
    // button is down when the press moves the focus, and opens the box's menu for it.
    const QPoint end =
        c.txtCodeNum->mapTo(w.get(), QPoint(c.txtCodeNum->width() - 3, c.txtCodeNum->height() / 2));
    QTest::mousePress(w->windowHandle(), Qt::MouseButton(button), {}, end);
    QCOMPARE(c.txtCodeNum->selectedText(), selected);
    QTest::mouseRelease(w->windowHandle(), Qt::MouseButton(button), {}, end);
    if (!middle) {
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        const QList<QAction*> entries = menu->actions();
        const auto paste = std::find_if(entries.begin(), entries.end(), [](const QAction* a) {
            return a->text().remove(u'&').startsWith(QStringLiteral("Paste"));
        });
        QVERIFY(paste != entries.end());
        (*paste)->trigger();
        menu->close();
    }
    QCOMPARE(Focused(), c.txtCodeNum);
    QCOMPARE(c.txtCodeNum->text(), expected);
    QVERIFY(!c.txtCodeNum->hasSelectedText());
}

void KeyboardTest::selectingOnEntryLeavesThePrimarySelectionAlone() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection()) {
        QSKIP("this platform has no primary selection (run on X11)");
    }
    const QString elsewhere = QStringLiteral("selected elsewhere");
    clipboard->setText(elsewhere, QClipboard::Selection);
    // The first show, Tab, a left click and the access key each select the whole code number,
    // and the menu bar that takes the keys for a moment keeps it selected.
    const auto w = OpenWindow();
    const Controls c(*w);
    QTRY_COMPARE(c.txtCodeNum->selectedText(), QStringLiteral("408153"));
    c.txtOut->setFocus();
    QTest::keyClick(c.txtOut, Qt::Key_Tab);
    QTest::mouseClick(c.txtCodeNum, Qt::LeftButton, {}, QPoint(20, 9));
    QTest::keyClick(c.txtIn, Qt::Key_C, Qt::AltModifier);
    QTest::keyClick(c.txtCodeNum, Qt::Key_Alt);
    QTest::keyClick(Focused(), Qt::Key_Escape);
    QCOMPARE(Focused(), c.txtCodeNum);
    QCOMPARE(c.txtCodeNum->selectedText(), QStringLiteral("408153"));
    QCOMPARE(clipboard->text(QClipboard::Selection), elsewhere);

    // What the user selects by hand goes to the primary selection as ever.
    c.txtCodeNum->setCursorPosition(6);
    QTest::keyClick(c.txtCodeNum, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(c.txtCodeNum, Qt::Key_Left, Qt::ShiftModifier);
    QTRY_COMPARE(clipboard->text(QClipboard::Selection), QStringLiteral("53"));
}

void KeyboardTest::codeNumberTakesAtMostSixCharactersPasted() {
    const auto w = OpenWindow();
    const Controls c(*w);
    QGuiApplication::clipboard()->setText(QStringLiteral("1234567"));
    c.txtCodeNum->setFocus();
    c.txtCodeNum->selectAll();
    QTest::keyClick(c.txtCodeNum, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(c.txtCodeNum->text(), QStringLiteral("123456"));
    QCOMPARE(w->code_number(), 123456.0f);

    // No room left: nothing of the pasted text goes in.
    c.txtCodeNum->setCursorPosition(6);
    QTest::keyClick(c.txtCodeNum, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(c.txtCodeNum, Qt::Key_8);
    QCOMPARE(c.txtCodeNum->text(), QStringLiteral("123456"));
}

void KeyboardTest::outputTakesNoEditingButCopies() {
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("Read only"));
    const QString output = TextOf(*c.txtOut);
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    c.txtOut->setFocus();
    QCOMPARE(Focused(), c.txtOut);
    c.txtOut->moveCursor(QTextCursor::End);
    QTest::keyClicks(c.txtOut, QStringLiteral("xyz"));
    QTest::keyClick(c.txtOut, Qt::Key_Backspace);
    QTest::keyClick(c.txtOut, Qt::Key_Return);
    QTest::keyClick(c.txtOut, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(c.txtOut, Qt::Key_X, Qt::ControlModifier);
    c.txtOut->moveCursor(QTextCursor::Start);
    QTest::keyClick(c.txtOut, Qt::Key_Delete);
    QCOMPARE(TextOf(*c.txtOut), output);
    QVERIFY(OutputIsCurrent(*w));

    // Selecting with the keyboard and copying works.
    QTest::keyClick(c.txtOut, Qt::Key_End, Qt::ShiftModifier);
    QVERIFY(c.txtOut->textCursor().hasSelection());
    QTest::keyClick(c.txtOut, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(c.txtOut, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), output);
}

void KeyboardTest::longLinesWrapAndTallTextScrolls() {
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QString(120, u'w') + QStringLiteral(" a few more words at the end"));
    QCoreApplication::processEvents();
    for (QPlainTextEdit* box : {c.txtIn, c.txtOut}) {
        QCOMPARE(box->document()->blockCount(), 1);
        QVERIFY(box->document()->firstBlock().layout()->lineCount() > 1);
        QCOMPARE(box->horizontalScrollBar()->maximum(), 0);
    }
    for (int line = 0; line < 12; ++line) {
        QTest::keyClick(c.txtIn, Qt::Key_Return);
        QTest::keyClicks(c.txtIn, QStringLiteral("line"));
    }
    QCoreApplication::processEvents();
    QVERIFY(c.txtIn->verticalScrollBar()->maximum() > 0);
    QCOMPARE(c.txtIn->horizontalScrollBar()->maximum(), 0);
}

void KeyboardTest::cipherTextWrapsAnywhere_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("anywhere");  // whether txtIn holds a cipher text
    QTest::newRow("encrypt") << int(kModeEncrypt) << false;
    QTest::newRow("decrypt") << int(kModeDecrypt) << true;
}

void KeyboardTest::cipherTextWrapsAnywhere() {
    QFETCH(int, mode);
    QFETCH(bool, anywhere);
    const auto w = OpenWindow();
    const Controls c(*w);
    w->ModeSet(static_cast<CryptMode>(mode));
    // Word wrapping would end the first line after the "!"; a cipher text fills it.
    c.txtIn->setPlainText(QStringLiteral("ab!") + QString(200, u'c'));
    QCoreApplication::processEvents();
    const QTextLayout* layout = c.txtIn->document()->firstBlock().layout();
    QVERIFY(layout->lineCount() > 1);
    QCOMPARE(layout->lineAt(0).textLength() > 3, anywhere);
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
