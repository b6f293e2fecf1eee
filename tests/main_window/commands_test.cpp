// The editing and clipboard commands: paste, clear, copy and cut, the buttons that follow the
// texts, the random code number, and the Exit and About entries.

#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>

#include "main_window/clipboard.h"
#include "runtime/generator.h"
#include "window_fixture.h"

using namespace vellumark;
using namespace vellumark::testing;

namespace {

QClipboard& Clipboard() {
    return *QGuiApplication::clipboard();
}

void Click(QToolButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void MakeCodeNumberInvalid(const Controls& c) {
    c.txtCodeNum->setFocus();
    c.txtCodeNum->selectAll();
    QTest::keyClicks(c.txtCodeNum, QStringLiteral("12a"));
}

// Something on the clipboard in a format that no command of ours writes.
void FillClipboardWithOtherFormats() {
    auto* data = new QMimeData;
    data->setText(QStringLiteral("old"));
    data->setHtml(QStringLiteral("<b>old</b>"));
    Clipboard().setMimeData(data);
}

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void pasteReplacesTheWholeInput_data();
    void pasteReplacesTheWholeInput();
    void pasteOfNoTextEmptiesTheInput();
    void clearEmptiesInputAndOutput();
    void clearWithInvalidCodeKeepsCopyAndCutEnabled();
    void copyClearsTheClipboardThenPutsTheOutput();
    void copyOfTheMessage();
    void copyInDecryptModeMarksThePlainTextSecret();
    void cutCopiesTheOutputThenClearsTheInput();
    void cutWithInvalidCodeKeepsTheMessage();
    void blanksCountAsInput();
    void disabledButtonsDoNothing();
    void randomCodeTakesTheGeneratorsNextValue();
    void exitAndAboutAreSignalled();
};

void CommandsTest::pasteReplacesTheWholeInput_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("encrypt") << 1 << QStringLiteral("Pasted text\nwith two lines");
    QTest::newRow("encrypt, Latin-1 and euro") << 1 << QStringLiteral("Caf\u00E9 \u20AC5");
    QTest::newRow("decrypt") << 2 << QStringLiteral("w76Yo!56g7s91u?p");
}

void CommandsTest::pasteReplacesTheWholeInput() {
    QFETCH(int, mode);
    QFETCH(QString, pasted);
    const auto w = OpenWindow();
    const Controls c(*w);
    w->ModeSet(static_cast<CryptMode>(mode));
    Type(c.txtIn, QStringLiteral("old input"));
    // A selection and a caret in the middle make no difference.
    QTextCursor cursor = c.txtIn->textCursor();
    cursor.setPosition(2);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    c.txtIn->setTextCursor(cursor);

    Clipboard().setText(pasted);
    QSignalSpy recomputed(w.get(), &frmMain::outputRecomputed);
    Click(c.cmdPasteInput);
    QCOMPARE(TextOf(*c.txtIn), pasted);
    QCOMPARE(recomputed.count(), 1);
    QVERIFY(OutputIsCurrent(*w));
    QVERIFY(c.cmdClearInput->isEnabled());
}

void CommandsTest::pasteOfNoTextEmptiesTheInput() {
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("something"));
    Clipboard().clear();
    Click(c.cmdPasteInput);
    QVERIFY(c.txtIn->document()->isEmpty());
    QVERIFY(c.txtOut->document()->isEmpty());
    QVERIFY(!c.cmdClearInput->isEnabled());
    QVERIFY(!c.cmdCopyOutput->isEnabled());
    QVERIFY(!c.cmdCutOutput->isEnabled());

    MakeCodeNumberInvalid(c);
    Type(c.txtIn, QStringLiteral("again"));
    Click(c.cmdPasteInput);
    QVERIFY(c.txtIn->document()->isEmpty());
    QCOMPARE(TextOf(*c.txtOut), QStringLiteral("Invalid Code Number"));
}

void CommandsTest::clearEmptiesInputAndOutput() {
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("to be cleared"));
    QVERIFY(c.cmdClearInput->isEnabled());
    Click(c.cmdClearInput);
    QVERIFY(c.txtIn->document()->isEmpty());
    QVERIFY(c.txtOut->document()->isEmpty());
    QVERIFY(!c.cmdClearInput->isEnabled());
    QVERIFY(!c.cmdCopyOutput->isEnabled());
    QVERIFY(!c.cmdCutOutput->isEnabled());
    QVERIFY(c.cmdPasteInput->isEnabled());
}

void CommandsTest::clearWithInvalidCodeKeepsCopyAndCutEnabled() {
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("input"));
    MakeCodeNumberInvalid(c);
    Click(c.cmdClearInput);
    QVERIFY(c.txtIn->document()->isEmpty());
    QCOMPARE(TextOf(*c.txtOut), QStringLiteral("Invalid Code Number"));
    QVERIFY(!c.cmdClearInput->isEnabled());
    QVERIFY(c.cmdCopyOutput->isEnabled());
    QVERIFY(c.cmdCutOutput->isEnabled());
}

void CommandsTest::copyClearsTheClipboardThenPutsTheOutput() {
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("Copy me"));
    FillClipboardWithOtherFormats();
    QSignalSpy changes(&Clipboard(), &QClipboard::dataChanged);
    Click(c.cmdCopyOutput);
    // Two steps: emptied, then given the text.
    QCOMPARE(changes.count(), 2);
    QCOMPARE(Clipboard().text(), TextOf(*c.txtOut));
    QCOMPARE(Clipboard().text(), Expected(QStringLiteral("Copy me"), kModeEncrypt, 408153.0f));
    QVERIFY(!Clipboard().mimeData()->hasHtml());
    QVERIFY(!Clipboard().mimeData()->hasFormat(QString::fromLatin1(kPasswordManagerHint)));
    // Copy leaves the texts alone.
    QCOMPARE(TextOf(*c.txtIn), QStringLiteral("Copy me"));
    QVERIFY(OutputIsCurrent(*w));
}

void CommandsTest::copyOfTheMessage() {
    const auto w = OpenWindow();
    const Controls c(*w);
    MakeCodeNumberInvalid(c);
    Click(c.cmdCopyOutput);
    QCOMPARE(Clipboard().text(), QStringLiteral("Invalid Code Number"));
}

void CommandsTest::copyInDecryptModeMarksThePlainTextSecret() {
    const auto w = OpenWindow();
    const Controls c(*w);
    const QString cipher =
        Expected(QStringLiteral("the key is under the mat"), kModeEncrypt, 408153.0f);
    w->ModeSet(kModeDecrypt);
    Clipboard().setText(cipher);
    Click(c.cmdPasteInput);
    QCOMPARE(TextOf(*c.txtOut), QStringLiteral("the key is under the mat"));
    Click(c.cmdCopyOutput);
    const QMimeData* data = Clipboard().mimeData();
    QCOMPARE(data->text(), QStringLiteral("the key is under the mat"));
    QCOMPARE(data->data(QString::fromLatin1(kPasswordManagerHint)), QByteArray("secret"));

    // Cut as well.
    Clipboard().setText(cipher);
    Click(c.cmdPasteInput);
    Click(c.cmdCutOutput);
    QCOMPARE(Clipboard().mimeData()->data(QString::fromLatin1(kPasswordManagerHint)),
             QByteArray("secret"));
    QCOMPARE(Clipboard().text(), QStringLiteral("the key is under the mat"));
}

void CommandsTest::cutCopiesTheOutputThenClearsTheInput() {
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("Cut me"));
    const QString output = TextOf(*c.txtOut);
    FillClipboardWithOtherFormats();
    QSignalSpy changes(&Clipboard(), &QClipboard::dataChanged);
    Click(c.cmdCutOutput);
    QCOMPARE(changes.count(), 2);
    QCOMPARE(Clipboard().text(), output);
    QVERIFY(!Clipboard().mimeData()->hasHtml());
    QVERIFY(c.txtIn->document()->isEmpty());
    QVERIFY(c.txtOut->document()->isEmpty());
    QVERIFY(!c.cmdClearInput->isEnabled());
    QVERIFY(!c.cmdCopyOutput->isEnabled());
    QVERIFY(!c.cmdCutOutput->isEnabled());
}

void CommandsTest::cutWithInvalidCodeKeepsTheMessage() {
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("Cut me"));
    MakeCodeNumberInvalid(c);
    Click(c.cmdCutOutput);
    QCOMPARE(Clipboard().text(), QStringLiteral("Invalid Code Number"));
    QVERIFY(c.txtIn->document()->isEmpty());
    QCOMPARE(TextOf(*c.txtOut), QStringLiteral("Invalid Code Number"));
    QVERIFY(c.cmdCopyOutput->isEnabled());
    QVERIFY(c.cmdCutOutput->isEnabled());
    QVERIFY(!c.cmdClearInput->isEnabled());
}

void CommandsTest::blanksCountAsInput() {
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("   "));
    QVERIFY(c.cmdClearInput->isEnabled());
    QVERIFY(c.cmdCopyOutput->isEnabled());
    QCOMPARE(TextOf(*c.txtOut).size(), 4);
    QVERIFY(OutputIsCurrent(*w));
    QTest::keyClick(c.txtIn, Qt::Key_Backspace);
    QTest::keyClick(c.txtIn, Qt::Key_Backspace);
    QVERIFY(c.cmdClearInput->isEnabled());
    QTest::keyClick(c.txtIn, Qt::Key_Backspace);
    QVERIFY(!c.cmdClearInput->isEnabled());
    QVERIFY(!c.cmdCopyOutput->isEnabled());
}

void CommandsTest::disabledButtonsDoNothing() {
    const auto w = OpenWindow();
    const Controls c(*w);
    Clipboard().setText(QStringLiteral("untouched"));
    QSignalSpy recomputed(w.get(), &frmMain::outputRecomputed);
    Click(c.cmdCopyOutput);
    Click(c.cmdCutOutput);
    Click(c.cmdClearInput);
    QCOMPARE(Clipboard().text(), QStringLiteral("untouched"));
    QCOMPARE(recomputed.count(), 0);
}

void CommandsTest::randomCodeTakesTheGeneratorsNextValue() {
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("random"));
    for (int draw = 0; draw < 20; ++draw) {
        RandomGenerator ahead = ProcessGenerator();
        const QString expected = RandomCode(ahead.NextValue());
        c.mnuRandomCode->trigger();
        QCOMPARE(c.txtCodeNum->text(), expected);
        QCOMPARE(ProcessGenerator().state(), ahead.state());
        QCOMPARE(c.txtCodeNum->text().size(), 6);
        QVERIFY(w->code_number() >= 1.0f && w->code_number() <= 999999.0f);
        QCOMPARE(w->code_number(), c.txtCodeNum->text().toFloat());
        QVERIFY(OutputIsCurrent(*w));
    }
    // It also mends an invalid code number.
    MakeCodeNumberInvalid(c);
    c.mnuRandomCode->trigger();
    QVERIFY(w->code_number() > 0.0f);
    QVERIFY(OutputIsCurrent(*w));
}

void CommandsTest::exitAndAboutAreSignalled() {
    const auto w = OpenWindow();
    const Controls c(*w);
    QSignalSpy exits(w.get(), &frmMain::exitRequested);
    QSignalSpy abouts(w.get(), &frmMain::aboutRequested);
    c.mnuAbout->trigger();
    QCOMPARE(abouts.count(), 1);
    QCOMPARE(exits.count(), 0);
    c.mnuExit->trigger();
    QCOMPARE(exits.count(), 1);
}

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
