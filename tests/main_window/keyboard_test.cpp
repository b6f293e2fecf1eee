// What the behaviour table cannot reach of the keyboard and the mouse in the Qt window: the
// focus that comes back from a menu and from a dialog, the press that selects before its
// release, the middle button and the X11 primary selection, and the wrapping of long lines.

#include <QClipboard>
#include <QDialog>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include "window_fixture.h"

using namespace vellumark;
using namespace vellumark::testing;

namespace {

QWidget* Focused() {
    return QApplication::focusWidget();
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void focusComingBackLeavesTheCodeNumberAsItWas_data();
    void focusComingBackLeavesTheCodeNumberAsItWas();
    void pressIntoTheFocusedCodeNumberSelectsItWhole();
    void middleButtonPastesWhereItWentDown_data();
    void middleButtonPastesWhereItWentDown();
    void selectingOnEntryLeavesThePrimarySelectionAlone();
    void longLinesWrapAndTallTextScrolls();
};

void KeyboardTest::focusComingBackLeavesTheCodeNumberAsItWas_data() {
    QTest::addColumn<QString>("how");
    // Whether the code number stays selected as the window opened it (the next key replaces
    // it), or "408" is typed first (the next key goes on after it).
    QTest::addColumn<bool>("selected");
    QTest::newRow("Alt+N, Esc") << "menu" << false;
    QTest::newRow("Alt alone, Esc") << "alt" << false;
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
    } else {  // Alt alone
        QTest::keyClick(c.txtCodeNum, Qt::Key_Alt);
        QTest::keyClick(Focused(), Qt::Key_Escape);
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

void KeyboardTest::middleButtonPastesWhereItWentDown_data() {
    QTest::addColumn<QString>("from");  // the control that has the focus before the press
    QTest::newRow("in the box") << "txtCodeNum";
    QTest::newRow("from the input") << "txtIn";
}

// The primary selection goes in where the button went down, at the end, whether or not the
// press brings the focus: the press selects nothing.
void KeyboardTest::middleButtonPastesWhereItWentDown() {
    QFETCH(QString, from);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection()) {
        QSKIP("this platform has no primary selection to paste with the middle button");
    }
    const auto w = OpenWindow();
    const Controls c(*w);
    c.txtCodeNum->setText(QStringLiteral("408"));
    c.txtCodeNum->setCursorPosition(1);
    Widget<QWidget>(*w, qPrintable(from))->setFocus();
    clipboard->setText(QStringLiteral("7"), QClipboard::Selection);
    // Through the window, as the platform delivers a press.
    const QPoint end =
        c.txtCodeNum->mapTo(w.get(), QPoint(c.txtCodeNum->width() - 3, c.txtCodeNum->height() / 2));
    QTest::mousePress(w->windowHandle(), Qt::MiddleButton, {}, end);
    QVERIFY(!c.txtCodeNum->hasSelectedText());
    QTest::mouseRelease(w->windowHandle(), Qt::MiddleButton, {}, end);
    QCOMPARE(Focused(), c.txtCodeNum);
    QCOMPARE(c.txtCodeNum->text(), QStringLiteral("4087"));
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

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
