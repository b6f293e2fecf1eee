// The crypt state's wiring in the Qt window: the load on the first show, and one
// recomputation for each edit, paste and mode-label press. What the window then shows is the
// behaviour table's (tests/behaviour).

#include <QClipboard>
#include <QSignalSpy>

#include "window_fixture.h"

using namespace vellumark;
using namespace vellumark::testing;

class CryptStateTest : public QObject {
    Q_OBJECT

private slots:
    void loadsOnTheFirstShowOnly();
    void everyEditRecomputesOnce();
    void modeLabelsSwitchOnThePressNotTheRelease();
};

void CryptStateTest::loadsOnTheFirstShowOnly() {
    frmMain w;
    QSignalSpy recomputed(&w, &frmMain::outputRecomputed);
    // The load recomputes twice: for the default code number, then for encrypt mode.
    w.show();
    QCOMPARE(recomputed.count(), 2);
    w.hide();
    w.show();
    QCOMPARE(recomputed.count(), 2);
}

void CryptStateTest::everyEditRecomputesOnce() {
    const auto w = OpenWindow();
    const Controls c(*w);
    QSignalSpy recomputed(w.get(), &frmMain::outputRecomputed);
    Type(c.txtIn, QStringLiteral("M"));
    QCOMPARE(recomputed.count(), 1);
    QTest::keyClick(c.txtIn, Qt::Key_Return);
    QCOMPARE(recomputed.count(), 2);
    QTest::keyClick(c.txtCodeNum, Qt::Key_Backspace);
    QCOMPARE(recomputed.count(), 3);
    if (WaylandWithoutKeyboardFocus(*w)) {
        QSKIP(kNoKeyboardFocus);
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::mouseClick(c.cmdPasteInput, Qt::LeftButton);
    QCOMPARE(recomputed.count(), 4);
}

void CryptStateTest::modeLabelsSwitchOnThePressNotTheRelease() {
    const auto w = OpenWindow();
    const Controls c(*w);
    QSignalSpy recomputed(w.get(), &frmMain::outputRecomputed);
    QTest::mousePress(c.lblDecrypt, Qt::RightButton);
    QCOMPARE(recomputed.count(), 1);
    QCOMPARE(w->mode(), kModeDecrypt);
    QTest::mouseRelease(c.lblDecrypt, Qt::RightButton);
    QCOMPARE(recomputed.count(), 1);
}

QTEST_MAIN(CryptStateTest)
#include "crypt_state_test.moc"
