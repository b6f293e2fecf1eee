// The main window's pure pieces, without a window: the random code's text, reading a text
// box exactly, the output and notices for a text, colours and pictures. The code-number rule
// is tested as typed into the window.

#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include "engine/crypt_text.h"
#include "main_window/crypt_view.h"
#include "main_window/pictures.h"
#include "window_fixture.h"

using namespace vellumark;
using vellumark::testing::Expected;
using vellumark::testing::FromBytes;

class PiecesTest : public QObject {
    Q_OBJECT

private slots:
    void randomCode_data();
    void randomCode();
    void textOfKeepsNoBreakSpacesAndTurnsSeparatorsIntoLineFeeds();
    void viewOfCrypt_data();
    void viewOfCrypt();
    void viewOfCryptNamesTheFirstUnmappableCharacter_data();
    void viewOfCryptNamesTheFirstUnmappableCharacter();
    void viewOfCryptWarnsWhenTheCipherTextWouldNotDecryptBack();
    void colourOfReadsTheBlueGreenRedLayout_data();
    void colourOfReadsTheBlueGreenRedLayout();
    void pictureIconOfAMissingFileIsNull();
};

void PiecesTest::randomCode_data() {
    QTest::addColumn<float>("draw");
    QTest::addColumn<QString>("code");
    QTest::newRow("0 gives the smallest") << 0.0f << "000001";
    QTest::newRow("n = 42 keeps its leading zeros")
        << static_cast<float>(41.5 / 999999.0) << "000042";
    QTest::newRow("0.1") << 0.1f << "100000";
    QTest::newRow("0.5") << 0.5f << "500000";
    QTest::newRow("just below 1 gives the largest") << std::nextafter(1.0f, 0.0f) << "999999";
}

void PiecesTest::randomCode() {
    QFETCH(float, draw);
    QFETCH(QString, code);
    QCOMPARE(RandomCode(draw), code);
    QVERIFY(CodeNumberOf(code) > 0.0f);
}

void PiecesTest::textOfKeepsNoBreakSpacesAndTurnsSeparatorsIntoLineFeeds() {
    QTextDocument document;
    document.setPlainText(QStringLiteral("a\u00A0b\nc"));
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QString(QChar::LineSeparator) + QStringLiteral("d"));
    QCOMPARE(TextOf(document), QStringLiteral("a\u00A0b\nc\nd"));
    // The Qt reading that this one replaces would have lost the no-break space.
    QCOMPARE(document.toPlainText(), QStringLiteral("a b\nc\nd"));

    QPlainTextEdit box;
    box.setPlainText(QStringLiteral("\u00A0"));
    QCOMPARE(TextOf(box), QStringLiteral("\u00A0"));
}

void PiecesTest::viewOfCrypt_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("mode");
    QTest::addColumn<float>("codeNum");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("notice");
    QTest::addColumn<QString>("noticeHas");

    const int none = static_cast<int>(NoticeKind::kNone);
    const int tooLong = static_cast<int>(NoticeKind::kTooLong);
    const int unmappable = static_cast<int>(NoticeKind::kUnmappable);
    const QString longest(static_cast<qsizetype>(kMaxTextLength), u'a');
    const QString longestCipher(static_cast<qsizetype>(kMaxCipherSymbols), u'A');

    QTest::newRow("empty, encrypt") << QString() << 1 << 408153.0f << true << none << QString();
    QTest::newRow("empty, decrypt") << QString() << 2 << 408153.0f << true << none << QString();
    QTest::newRow("text, encrypt") << "Hello" << 1 << 408153.0f << true << none << QString();
    QTest::newRow("no-break space, encrypt")
        << QStringLiteral("a\u00A0b") << 1 << 5.0f << true << none << QString();
    QTest::newRow("cipher text, decrypt")
        << "w76Yo!56" << 2 << 408153.0f << true << none << QString();
    QTest::newRow("mode still unset passes the text")
        << "abc" << 0 << 408153.0f << true << none << QString();
    QTest::newRow("invalid code, encrypt")
        << "abc" << 1 << kInvalidCodeNumber << true << none << QString();
    QTest::newRow("invalid code, decrypt")
        << "abc" << 2 << kInvalidCodeNumber << true << none << QString();
    QTest::newRow("longest text encrypts")
        << longest << 1 << 408153.0f << true << none << QString();
    QTest::newRow("one more is refused")
        << longest + u'a' << 1 << 408153.0f << false << tooLong << "32,766 characters";
    QTest::newRow("longest cipher text decrypts")
        << longestCipher << 2 << 408153.0f << true << none << QString();
    QTest::newRow("one more symbol is refused")
        << longestCipher + u'A' << 2 << 408153.0f << false << tooLong << "43,688 symbols";
    QTest::newRow("unmappable, encrypt")
        << QStringLiteral("ab\u4E2D") << 1 << 408153.0f << false << unmappable << "U+4E2D";
    QTest::newRow("unmappable, decrypt: a stray character")
        << QStringLiteral("w76\u4E2DYo!5") << 2 << 408153.0f << true << none << QString();
    QTest::newRow("unmappable, invalid code")
        << QStringLiteral("\u4E2D") << 1 << kInvalidCodeNumber << true << none << QString();

    // Beyond the limits, where the window refuses a text without reading it out.
    const QString cup = QStringLiteral("\U0001F375");  // two UTF-16 units, one character
    const QString blanks = QString(70000, u' ') + QString(30000, u'\n');
    QTest::newRow("too long and unmappable: the length is the notice")
        << longest + cup << 1 << 408153.0f << false << tooLong << "32,766 characters";
    QTest::newRow("twice the limit in units, the limit in characters")
        << cup.repeated(static_cast<qsizetype>(kMaxTextLength)) << 1 << 408153.0f << false
        << unmappable << "U+1F375";
    QTest::newRow("huge text, invalid code")
        << longest.repeated(3) << 1 << kInvalidCodeNumber << true << none << QString();
    QTest::newRow("huge blank text round a cipher text decrypts")
        << blanks + "w76Yo!56" + blanks << 2 << 408153.0f << true << none << QString();
    QTest::newRow("longest cipher text of two-unit characters decrypts")
        << cup.repeated(static_cast<qsizetype>(kMaxCipherSymbols)) << 2 << 408153.0f << true << none
        << QString();
    QTest::newRow("one more symbol after huge blanks is refused")
        << blanks + longestCipher + u'A' << 2 << 408153.0f << false << tooLong << "43,688 symbols";
}

void PiecesTest::viewOfCrypt() {
    QFETCH(QString, input);
    QFETCH(int, mode);
    QFETCH(float, codeNum);
    QFETCH(bool, shown);
    QFETCH(int, notice);
    QFETCH(QString, noticeHas);

    const auto byteMode = static_cast<std::uint8_t>(mode);
    // The same from the text and from a box holding it, whichever way the box's reading goes.
    QTextDocument box;
    box.setPlainText(input);
    const CryptView fromBox = ViewOfCrypt(box, byteMode, codeNum);
    const CryptView view = ViewOfCrypt(input, byteMode, codeNum);
    QCOMPARE(static_cast<int>(fromBox.notice), static_cast<int>(view.notice));
    QCOMPARE(fromBox.output, view.output);
    QCOMPARE(static_cast<int>(view.notice), notice);
    QCOMPARE(view.noticeText.isEmpty(), notice == static_cast<int>(NoticeKind::kNone));
    if (!noticeHas.isEmpty()) {
        QVERIFY2(view.noticeText.contains(noticeHas), qPrintable(view.noticeText));
    }
    QCOMPARE(view.output.has_value(), shown);
    if (shown) {
        QCOMPARE(*view.output, Expected(input, byteMode, codeNum));
    }
}

void PiecesTest::viewOfCryptNamesTheFirstUnmappableCharacter_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("position");
    QTest::newRow("first") << QStringLiteral("\u4E2Dabc") << "U+4E2D"
                           << "character 1 (";
    QTest::newRow("the first of two") << QStringLiteral("ab\u0394c\u4E2D") << "U+0394"
                                      << "character 3 (";
    // Positions count characters, not UTF-16 units.
    QTest::newRow("after a pair") << QStringLiteral("\U0001F600x") << "U+1F600"
                                  << "character 1 (";
    QTest::newRow("past the thousands")
        << QString(1233, u'a') + QStringLiteral("\u2603") << "U+2603"
        << "character 1,234 (";
}

void PiecesTest::viewOfCryptNamesTheFirstUnmappableCharacter() {
    QFETCH(QString, input);
    QFETCH(QString, named);
    QFETCH(QString, position);
    const CryptView view = ViewOfCrypt(input, kModeEncrypt, 408153.0f);
    QCOMPARE(view.notice, NoticeKind::kUnmappable);
    QVERIFY2(view.noticeText.contains(named), qPrintable(view.noticeText));
    QVERIFY2(view.noticeText.contains(position), qPrintable(view.noticeText));
}

void PiecesTest::viewOfCryptWarnsWhenTheCipherTextWouldNotDecryptBack() {
    // Some byte of 129..255 alone shifts to 256 under this code number and is dropped.
    const float code = 408153.0f;
    QString lost;
    for (int byte = 1; byte < 256 && lost.isEmpty(); ++byte) {
        const std::string text(1, static_cast<char>(byte));
        if (!DecryptsBack(text, code)) {
            lost = FromBytes(text);
        }
    }
    QVERIFY(!lost.isEmpty());
    const CryptView view = ViewOfCrypt(lost, kModeEncrypt, code);
    QCOMPARE(view.notice, NoticeKind::kNotDecryptable);
    QVERIFY(view.output.has_value());
    QCOMPARE(*view.output, Expected(lost, kModeEncrypt, code));
    QVERIFY(Expected(*view.output, kModeDecrypt, code) != lost);

    // The same text as a cipher text to decrypt is no reason for the warning.
    QCOMPARE(ViewOfCrypt(lost, kModeDecrypt, code).notice, NoticeKind::kNone);
}

void PiecesTest::colourOfReadsTheBlueGreenRedLayout_data() {
    QTest::addColumn<uint>("value");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("active mode") << 65280u << QColor(0x00, 0xFF, 0x00);
    QTest::newRow("inactive mode") << 32768u << QColor(0x00, 0x80, 0x00);
    QTest::newRow("red is the low byte") << 0x0000FFu << QColor(0xFF, 0x00, 0x00);
    QTest::newRow("blue is the high byte") << 0xFF0000u << QColor(0x00, 0x00, 0xFF);
    QTest::newRow("silver") << 0xC0C0C0u << QColor(0xC0, 0xC0, 0xC0);
}

void PiecesTest::colourOfReadsTheBlueGreenRedLayout() {
    QFETCH(uint, value);
    QFETCH(QColor, colour);
    QCOMPARE(ColourOf(value), colour);
}

void PiecesTest::pictureIconOfAMissingFileIsNull() {
    QVERIFY(PictureIcon(QStringLiteral(":/no/such/picture.bmp")).isNull());
}

QTEST_MAIN(PiecesTest)
#include "pieces_test.moc"
