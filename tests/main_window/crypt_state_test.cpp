// Start-up and the crypt state: the load, the mode and its display, the code-number rule as
// typed, and the output that follows the input, with the notices where it cannot.

#include <QClipboard>
#include <QSignalSpy>
#include <utility>
#include <vector>

#include "main_window/pictures.h"
#include "window_fixture.h"

using namespace vellumark;
using namespace vellumark::testing;

namespace {

QColor Background(const QLabel* label) {
    return label->palette().color(QPalette::Window);
}

// The display of the mode agrees with the mode, as ModeSet leaves it.
void VerifyModeDisplay(const frmMain& w, CryptMode mode) {
    const Controls c(w);
    const QColor active = ColourOf(kActiveModeColour);
    const QColor inactive = ColourOf(kInactiveModeColour);
    QCOMPARE(w.mode(), mode);
    QCOMPARE(Background(c.lblEncrypt), mode == kModeEncrypt ? active : inactive);
    QCOMPARE(Background(c.lblDecrypt), mode == kModeDecrypt ? active : inactive);
    QCOMPARE(c.mnuSetEncrypt->isChecked(), mode == kModeEncrypt);
    QCOMPARE(c.mnuSetDecrypt->isChecked(), mode == kModeDecrypt);
    // A menu draws a box beside every checkable entry, an empty one while it is off: the
    // inactive entry must show nothing at all.
    QCOMPARE(c.mnuSetEncrypt->isCheckable(), mode == kModeEncrypt);
    QCOMPARE(c.mnuSetDecrypt->isCheckable(), mode == kModeDecrypt);
}

void EmptyCodeNumber(const Controls& c) {
    c.txtCodeNum->setFocus();
    c.txtCodeNum->selectAll();
    QTest::keyClick(c.txtCodeNum, Qt::Key_Delete);
}

}  // namespace

class CryptStateTest : public QObject {
    Q_OBJECT

private slots:
    void loadValidatesTheDefaultCodeThenSetsEncryptMode();
    void startsReadyToReplaceTheDefaultCodeNumber();
    void everyKeyInTheInputRecomputesTheOutput();
    void typedCodeNumbers_data();
    void typedCodeNumbers();
    void firstDigitTypedIntoAnEmptyBox();
    void modeActions_data();
    void modeActions();
    void modeLabelsSwitchOnThePressNotTheRelease_data();
    void modeLabelsSwitchOnThePressNotTheRelease();
    void invalidCodeNumberShowsTheMessageInEveryMode();
    void changingModeOrCodeWithEmptyInputKeepsTheOutputEmpty();
    void inputBeyondTheLimitKeepsThePreviousOutputAndSaysSo_data();
    void inputBeyondTheLimitKeepsThePreviousOutputAndSaysSo();
    void unmappableCharacterKeepsThePreviousOutputAndNamesIt();
    void noBreakSpaceIsEncryptedAsItsOwnByte();
};

void CryptStateTest::loadValidatesTheDefaultCodeThenSetsEncryptMode() {
    frmMain w;
    std::vector<std::pair<int, float>> states;
    connect(&w, &frmMain::outputRecomputed, &w,
            [&] { states.emplace_back(w.mode(), w.code_number()); });
    w.show();
    // First the code number's Change, while the mode is still unset; then ModeSet 1.
    const std::vector<std::pair<int, float>> expected{{0, 408153.0f}, {1, 408153.0f}};
    QCOMPARE(states, expected);
    // Showing it again loads nothing.
    w.hide();
    w.show();
    QCOMPARE(states.size(), 2u);
}

void CryptStateTest::startsReadyToReplaceTheDefaultCodeNumber() {
    const auto w = OpenWindow();
    const Controls c(*w);
    QCOMPARE(c.txtCodeNum->text(), QStringLiteral("408153"));
    if (WaylandWithoutKeyboardFocus(*w)) {
        QSKIP(kNoKeyboardFocus);
    }
    QTRY_VERIFY(c.txtCodeNum->hasFocus());
    QCOMPARE(c.txtCodeNum->selectedText(), QStringLiteral("408153"));
    VerifyModeDisplay(*w, kModeEncrypt);
    QCOMPARE(Background(c.lblEncrypt), QColor(0x00, 0xFF, 0x00));
    QCOMPARE(Background(c.lblDecrypt), QColor(0x00, 0x80, 0x00));
    QCOMPARE(w->code_number(), 408153.0f);
    QVERIFY(c.txtIn->document()->isEmpty());
    QVERIFY(c.txtOut->document()->isEmpty());
    QCOMPARE(w->notice(), NoticeKind::kNone);

    // The first key replaces the whole code number.
    QTest::keyClick(c.txtCodeNum, Qt::Key_7);
    QCOMPARE(c.txtCodeNum->text(), QStringLiteral("7"));
    QCOMPARE(w->code_number(), 7.0f);
}

void CryptStateTest::everyKeyInTheInputRecomputesTheOutput() {
    const auto w = OpenWindow();
    const Controls c(*w);
    QSignalSpy recomputed(w.get(), &frmMain::outputRecomputed);
    c.txtIn->setFocus();
    const QString text = QStringLiteral("Meet me at noon!");
    for (const QChar character : text) {
        const qsizetype before = recomputed.count();
        TypeKeys(c.txtIn, QString(character));
        QCOMPARE(recomputed.count(), before + 1);
        QVERIFY(OutputIsCurrent(*w));
    }
    QCOMPARE(TextOf(*c.txtIn), text);
    QCOMPARE(TextOf(*c.txtOut).size(), 4 * ((text.size() + 2) / 3));
    QVERIFY(c.cmdClearInput->isEnabled());
    QVERIFY(c.cmdCopyOutput->isEnabled());
    QVERIFY(c.cmdCutOutput->isEnabled());

    QTest::keyClick(c.txtIn, Qt::Key_Return);
    QTest::keyClicks(c.txtIn, QStringLiteral("Bring the map."));
    QCOMPARE(TextOf(*c.txtIn), text + QStringLiteral("\nBring the map."));
    QVERIFY(OutputIsCurrent(*w));

    // Under another code number the same input gives another output.
    const QString before = TextOf(*c.txtOut);
    EmptyCodeNumber(c);
    QTest::keyClicks(c.txtCodeNum, QStringLiteral("12"));
    QVERIFY(OutputIsCurrent(*w));
    QVERIFY(TextOf(*c.txtOut) != before);
}

void CryptStateTest::typedCodeNumbers_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("value");
    const float invalid = kInvalidCodeNumber;
    QTest::newRow("empty") << QString() << invalid;
    QTest::newRow("0") << "0" << invalid;
    QTest::newRow("000000") << "000000" << invalid;
    QTest::newRow("000001") << "000001" << 1.0f;
    QTest::newRow("999999") << "999999" << 999999.0f;
    QTest::newRow("1") << "1" << 1.0f;
    QTest::newRow("leading zeros") << "0012" << 12.0f;
    QTest::newRow("blank before") << " 12" << invalid;
    QTest::newRow("blank after") << "12 " << invalid;
    QTest::newRow("plus sign") << "+12" << invalid;
    QTest::newRow("minus sign") << "-12" << invalid;
    QTest::newRow("no-break space after") << QStringLiteral("12\u00A0") << invalid;
    QTest::newRow("letter after") << "12a" << invalid;
    QTest::newRow("decimal point") << "1.5" << invalid;
    QTest::newRow("exponent") << "1e3" << invalid;
    QTest::newRow("decimal comma") << "1,5" << invalid;
    QTest::newRow("hexadecimal") << "&H1F" << invalid;
    QTest::newRow("superscript two") << QStringLiteral("\u00B2") << invalid;
    QTest::newRow("Devanagari digits") << QStringLiteral("\u0967\u0968") << invalid;
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662\u0663") << invalid;
    QTest::newRow("full-width digits") << QStringLiteral("\uFF11\uFF12") << invalid;
    QTest::newRow("seventh digit refused") << "1234567" << 123456.0f;
}

void CryptStateTest::typedCodeNumbers() {
    QFETCH(QString, typed);
    QFETCH(float, value);
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("Attack at dawn"));
    EmptyCodeNumber(c);
    TypeKeys(c.txtCodeNum, typed);
    QCOMPARE(c.txtCodeNum->text(), typed.left(6));
    QCOMPARE(w->code_number(), value);
    QVERIFY(OutputIsCurrent(*w));
    if (value == kInvalidCodeNumber) {
        QCOMPARE(TextOf(*c.txtOut), QStringLiteral("Invalid Code Number"));
    } else {
        QCOMPARE(TextOf(*c.txtOut).size(), 20);
    }
}

void CryptStateTest::firstDigitTypedIntoAnEmptyBox() {
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("abc"));
    EmptyCodeNumber(c);
    QTest::keyClick(c.txtCodeNum, Qt::Key_0);
    QCOMPARE(w->code_number(), kInvalidCodeNumber);
    QCOMPARE(TextOf(*c.txtOut), QStringLiteral("Invalid Code Number"));
    QTest::keyClick(c.txtCodeNum, Qt::Key_5);
    QCOMPARE(w->code_number(), 5.0f);
    QCOMPARE(TextOf(*c.txtOut), Expected(QStringLiteral("abc"), kModeEncrypt, 5.0f));

    EmptyCodeNumber(c);
    QTest::keyClick(c.txtCodeNum, Qt::Key_5);
    QCOMPARE(w->code_number(), 5.0f);
    QVERIFY(OutputIsCurrent(*w));
}

void CryptStateTest::modeActions_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("recomputations");
    QTest::newRow("ModeSet 1 from encrypt") << 1 << "ModeSet 1" << 1 << 1;
    QTest::newRow("ModeSet 2 from encrypt") << 1 << "ModeSet 2" << 2 << 1;
    QTest::newRow("ModeSet 1 from decrypt") << 2 << "ModeSet 1" << 1 << 1;
    QTest::newRow("ModeSet 2 from decrypt") << 2 << "ModeSet 2" << 2 << 1;
    QTest::newRow("toggle from encrypt") << 1 << "ModeSet 3" << 2 << 2;
    QTest::newRow("toggle from decrypt") << 2 << "ModeSet 3" << 1 << 2;
    QTest::newRow("0 only recomputes") << 2 << "ModeSet 0" << 2 << 1;
    QTest::newRow("4 only recomputes") << 1 << "ModeSet 4" << 1 << 1;
    QTest::newRow("255 only recomputes") << 2 << "ModeSet 255" << 2 << 1;
    QTest::newRow("menu encrypt, already active") << 1 << "mnuSetEncrypt" << 1 << 1;
    QTest::newRow("menu decrypt") << 1 << "mnuSetDecrypt" << 2 << 1;
    QTest::newRow("menu decrypt, already active") << 2 << "mnuSetDecrypt" << 2 << 1;
    QTest::newRow("menu encrypt") << 2 << "mnuSetEncrypt" << 1 << 1;
    QTest::newRow("menu toggle from encrypt") << 1 << "mnuChangeMode" << 2 << 2;
    QTest::newRow("menu toggle from decrypt") << 2 << "mnuChangeMode" << 1 << 2;
}

void CryptStateTest::modeActions() {
    QFETCH(int, from);
    QFETCH(QString, action);
    QFETCH(int, to);
    QFETCH(int, recomputations);
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("w76Yo!56g7s9"));
    w->ModeSet(static_cast<CryptMode>(from));
    VerifyModeDisplay(*w, static_cast<CryptMode>(from));

    QSignalSpy recomputed(w.get(), &frmMain::outputRecomputed);
    if (action.startsWith(QStringLiteral("ModeSet "))) {
        w->ModeSet(static_cast<CryptMode>(action.mid(8).toInt()));
    } else {
        Widget<QAction>(*w, qPrintable(action))->trigger();
    }
    QCOMPARE(recomputed.count(), recomputations);
    VerifyModeDisplay(*w, static_cast<CryptMode>(to));
    QVERIFY(OutputIsCurrent(*w));
}

void CryptStateTest::modeLabelsSwitchOnThePressNotTheRelease_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("left on Decrypt") << "lblDecrypt" << Qt::LeftButton << 1 << 2;
    QTest::newRow("right on Decrypt") << "lblDecrypt" << Qt::RightButton << 1 << 2;
    QTest::newRow("middle on Decrypt") << "lblDecrypt" << Qt::MiddleButton << 1 << 2;
    QTest::newRow("left on Encrypt") << "lblEncrypt" << Qt::LeftButton << 2 << 1;
    QTest::newRow("right on Encrypt") << "lblEncrypt" << Qt::RightButton << 2 << 1;
    QTest::newRow("middle on Encrypt") << "lblEncrypt" << Qt::MiddleButton << 2 << 1;
    QTest::newRow("left on the active Encrypt") << "lblEncrypt" << Qt::LeftButton << 1 << 1;
}

void CryptStateTest::modeLabelsSwitchOnThePressNotTheRelease() {
    QFETCH(QString, label);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, from);
    QFETCH(int, to);
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("Hello"));
    w->ModeSet(static_cast<CryptMode>(from));
    QSignalSpy recomputed(w.get(), &frmMain::outputRecomputed);
    auto* target = Widget<QLabel>(*w, qPrintable(label));
    QTest::mousePress(target, button);
    QCOMPARE(recomputed.count(), 1);
    VerifyModeDisplay(*w, static_cast<CryptMode>(to));
    QVERIFY(OutputIsCurrent(*w));
    QTest::mouseRelease(target, button);
    QCOMPARE(recomputed.count(), 1);
}

void CryptStateTest::invalidCodeNumberShowsTheMessageInEveryMode() {
    const auto w = OpenWindow();
    const Controls c(*w);
    EmptyCodeNumber(c);
    QCOMPARE(w->code_number(), kInvalidCodeNumber);
    // Also for the empty input.
    QCOMPARE(TextOf(*c.txtOut), QStringLiteral("Invalid Code Number"));
    Type(c.txtIn, QStringLiteral("xyz"));
    for (const CryptMode mode : {kModeDecrypt, kModeToggle, kModeEncrypt}) {
        w->ModeSet(mode);
        QCOMPARE(TextOf(*c.txtOut), QStringLiteral("Invalid Code Number"));
        QVERIFY(c.cmdCopyOutput->isEnabled());
        QCOMPARE(w->notice(), NoticeKind::kNone);
    }
}

void CryptStateTest::changingModeOrCodeWithEmptyInputKeepsTheOutputEmpty() {
    const auto w = OpenWindow();
    const Controls c(*w);
    w->ModeSet(kModeToggle);
    QVERIFY(c.txtOut->document()->isEmpty());
    c.mnuRandomCode->trigger();
    QVERIFY(c.txtOut->document()->isEmpty());
    QVERIFY(!c.cmdCopyOutput->isEnabled());
    QVERIFY(!c.cmdCutOutput->isEnabled());
}

void CryptStateTest::inputBeyondTheLimitKeepsThePreviousOutputAndSaysSo_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("tooLong");
    QTest::addColumn<QString>("limit");
    QTest::newRow("encrypt") << 1 << QString(static_cast<qsizetype>(kMaxTextLength) + 1, u'q')
                             << "32,766 characters";
    QTest::newRow("decrypt") << 2 << QString(static_cast<qsizetype>(kMaxCipherSymbols) + 1, u'Q')
                             << "43,688 symbols";
}

void CryptStateTest::inputBeyondTheLimitKeepsThePreviousOutputAndSaysSo() {
    QFETCH(int, mode);
    QFETCH(QString, tooLong);
    QFETCH(QString, limit);
    const auto w = OpenWindow();
    const Controls c(*w);
    w->ModeSet(static_cast<CryptMode>(mode));
    Type(c.txtIn, QStringLiteral("Hello"));
    const QString previous = TextOf(*c.txtOut);
    QVERIFY(!previous.isEmpty());

    if (WaylandWithoutKeyboardFocus(*w)) {
        QSKIP(kNoKeyboardFocus);
    }
    QGuiApplication::clipboard()->setText(tooLong);
    QTest::mouseClick(c.cmdPasteInput, Qt::LeftButton);
    QCOMPARE(TextOf(*c.txtIn), tooLong);
    QCOMPARE(TextOf(*c.txtOut), previous);
    QCOMPARE(w->notice(), NoticeKind::kTooLong);
    QVERIFY2(c.lblNotice->text().contains(limit), qPrintable(c.lblNotice->text()));
    QVERIFY(c.lblNotice->isVisible());

    // Another code number recomputes; still too long, still the old output.
    c.mnuRandomCode->trigger();
    QCOMPARE(TextOf(*c.txtOut), previous);
    QCOMPARE(w->notice(), NoticeKind::kTooLong);

    // One character less is within the limit: the notice goes with the recomputation.
    c.txtIn->setFocus();
    c.txtIn->moveCursor(QTextCursor::End);
    QTest::keyClick(c.txtIn, Qt::Key_Backspace);
    QCOMPARE(w->notice(), NoticeKind::kNone);
    QVERIFY(c.lblNotice->text().isEmpty());
    QVERIFY(OutputIsCurrent(*w));
}

void CryptStateTest::unmappableCharacterKeepsThePreviousOutputAndNamesIt() {
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("tea"));
    const QString previous = TextOf(*c.txtOut);
    TypeKeys(c.txtIn, QStringLiteral("\u2615"));
    QCOMPARE(TextOf(*c.txtOut), previous);
    QCOMPARE(w->notice(), NoticeKind::kUnmappable);
    QVERIFY2(c.lblNotice->text().contains(QStringLiteral("U+2615")),
             qPrintable(c.lblNotice->text()));
    QVERIFY2(c.lblNotice->text().contains(QStringLiteral("character 4")),
             qPrintable(c.lblNotice->text()));

    // In decrypt mode the same character is one more stray character of a cipher text.
    w->ModeSet(kModeDecrypt);
    QCOMPARE(w->notice(), NoticeKind::kNone);
    QVERIFY(OutputIsCurrent(*w));

    w->ModeSet(kModeEncrypt);
    QCOMPARE(w->notice(), NoticeKind::kUnmappable);
    QTest::keyClick(c.txtIn, Qt::Key_Backspace);
    QCOMPARE(w->notice(), NoticeKind::kNone);
    QCOMPARE(TextOf(*c.txtOut), previous);
}

void CryptStateTest::noBreakSpaceIsEncryptedAsItsOwnByte() {
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("a\u00A0b"));
    QCOMPARE(TextOf(*c.txtOut), Expected(QStringLiteral("a\u00A0b"), kModeEncrypt, 408153.0f));
    QVERIFY(TextOf(*c.txtOut) != Expected(QStringLiteral("a b"), kModeEncrypt, 408153.0f));

    // And back: decrypting that cipher text gives the no-break space again.
    const QString cipher = TextOf(*c.txtOut);
    w->ModeSet(kModeDecrypt);
    c.txtIn->setPlainText(cipher);
    QCOMPARE(TextOf(*c.txtOut), QStringLiteral("a\u00A0b"));
}

QTEST_MAIN(CryptStateTest)
#include "crypt_state_test.moc"
