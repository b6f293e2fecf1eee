// The clipboard commands' wiring in the Qt window that the behaviour table cannot see: how the
// text reaches the platform's clipboard. (About is the table's; Exit, which ends the program,
// the end-to-end tests'.)

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMimeData>
#include <QSignalSpy>

#include "window_fixture.h"

using namespace vellumark;
using namespace vellumark::testing;

namespace {

QClipboard& Clipboard() {
    return *QGuiApplication::clipboard();
}

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void copyClearsTheClipboardThenPutsTheOutput();
    void theOutputBoxsMenuCopiesNoStaleOutput();
};

void CommandsTest::copyClearsTheClipboardThenPutsTheOutput() {
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("Copy me"));
    // Something on the clipboard in a format that no command of ours writes.
    auto* data = new QMimeData;
    data->setText(QStringLiteral("old"));
    data->setHtml(QStringLiteral("<b>old</b>"));
    Clipboard().setMimeData(data);
    QSignalSpy changes(&Clipboard(), &QClipboard::dataChanged);
    QTest::mouseClick(c.cmdCopyOutput, Qt::LeftButton);
    // Two steps: emptied, then given the text.
    QCOMPARE(changes.count(), 2);
    QCOMPARE(Clipboard().text(), TextOf(*c.txtOut));
    QVERIFY(!Clipboard().mimeData()->hasHtml());
}

// The row stale_output_is_not_handed_out copies with Ctrl+C; the box's own menu copies too.
void CommandsTest::theOutputBoxsMenuCopiesNoStaleOutput() {
    const auto w = OpenWindow();
    const Controls c(*w);
    Type(c.txtIn, QStringLiteral("Hello\u2615"));
    Clipboard().setText(QStringLiteral("kept"));
    c.txtOut->selectAll();
    QContextMenuEvent open(QContextMenuEvent::Keyboard, QPoint(), c.txtOut->mapToGlobal(QPoint()));
    QApplication::sendEvent(c.txtOut, &open);
    QWidget* menu = QApplication::activePopupWidget();
    QVERIFY(menu != nullptr);
    menu->findChild<QAction*>(QStringLiteral("edit-copy"))->trigger();
    menu->close();
    QCOMPARE(Clipboard().text(), QStringLiteral("kept"));
    QCOMPARE(w->notice(), NoticeKind::kStaleCopy);
}

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
