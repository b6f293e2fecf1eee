// The main window's Qt pieces, without a window: reading a text box exactly, and colours.

#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include "about/design_widgets.h"
#include "main_window/qt_text.h"
#include "window_fixture.h"

using namespace vellumark;

class PiecesTest : public QObject {
    Q_OBJECT

private slots:
    void textOfKeepsNoBreakSpacesAndTurnsSeparatorsIntoLineFeeds();
    void colourOfReadsTheBlueGreenRedLayout_data();
    void colourOfReadsTheBlueGreenRedLayout();
};

void PiecesTest::textOfKeepsNoBreakSpacesAndTurnsSeparatorsIntoLineFeeds() {
    QPlainTextEdit box;
    box.setPlainText(QStringLiteral("a\u00A0b\nc"));
    QTextCursor cursor(box.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QString(QChar::LineSeparator) + QStringLiteral("d"));
    // Qt's own toPlainText() would give a blank for the no-break space.
    QCOMPARE(TextOf(box), QStringLiteral("a\u00A0b\nc\nd"));
}

void PiecesTest::colourOfReadsTheBlueGreenRedLayout_data() {
    QTest::addColumn<uint>("value");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("active mode") << 65280u << QColor(0x00, 0xFF, 0x00);
    QTest::newRow("red is the low byte") << 0x0000FFu << QColor(0xFF, 0x00, 0x00);
    QTest::newRow("blue is the high byte") << 0xFF0000u << QColor(0x00, 0x00, 0xFF);
}

void PiecesTest::colourOfReadsTheBlueGreenRedLayout() {
    QFETCH(uint, value);
    QFETCH(QColor, colour);
    QCOMPARE(ColourOf(value), colour);
}

QTEST_MAIN(PiecesTest)
#include "pieces_test.moc"
