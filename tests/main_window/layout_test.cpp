// The windows as they stand when they are created: the controls that the design table gives,
// at 15 twips to the pixel, with their captions and keyboard order; initial states and the menus.

#include <QFontInfo>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include "about/design_widgets.h"
#include "about/frm_about.h"
#include "main_window/classic_look.h"
#include "main_window/qt_text.h"
#include "window_core/commands.h"
#include "window_core/design.h"
#include "window_fixture.h"

using namespace vellumark;
using namespace vellumark::testing;

namespace {

const QSize kClientSize(TwipsToPixels(kFrmMain.clientWidth), TwipsToPixels(kFrmMain.clientHeight));

// Every control of the table on `window`, in its frame or on the client area, at its place and
// with its caption and tool tip. (The order that Tab follows is the behaviour table's.)
template <std::size_t N>
void CheckDrawsTheTable(QWidget& window, const WindowDesign& design,
                        const std::array<ControlDesign, N>& controls) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QWidget* client = nullptr;
    for (const ControlDesign& control : controls) {
        const auto* widget = Widget<QWidget>(window, control.name.data());
        const QWidget* container = widget->parentWidget();
        if (control.container.empty()) {
            QVERIFY(client == nullptr || container == client);
            client = container;
        } else {
            QCOMPARE(container->objectName(), Latin1Text(control.container));
        }
        const PixelRect pixels = PixelsOf(control.place);
        // The address sizes itself to its text about the centre of its place.
        if (control.name != "lblUrl") {
            QCOMPARE(widget->geometry(),
                     QRect(pixels.left, pixels.top, pixels.width, pixels.height));
        }
        QVERIFY(widget->isVisible());
        // A label's caption may go on with what the program adds ("Version 1.0").
        QString caption;
        if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
            caption = frame->title();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            caption = button->text();
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            caption = label->text().left(static_cast<qsizetype>(control.caption.size()));
        }
        QCOMPARE(caption, Latin1Text(control.caption));
        QCOMPARE(widget->toolTip(), Latin1Text(control.toolTip));
    }
    QCOMPARE(client->size(),
             QSize(TwipsToPixels(design.clientWidth), TwipsToPixels(design.clientHeight)));
    QCOMPARE(window.windowTitle(), Latin1Text(design.caption));
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void bothWindowsDrawTheDesignTable();
    void pictureButtonsHaveAccessibleNamesAndIcons_data();
    void pictureButtonsHaveAccessibleNamesAndIcons();
    void beforeTheLoadEverythingIsEmptyAndOnlyPasteIsEnabled();
    void controlsLookAsDesigned();
    void windowIsFixedWithoutMaximizeButtonAndKeepsItsClientArea();
    void longNoticeNeverResizesTheWindow();
    void menusDrawTheCommandTable();
    void captionsFitTheirControlsInTheFontsAsResolved();
    void noControlOverlapsTheBorderOfItsFrame_data();
    void noControlOverlapsTheBorderOfItsFrame();
};

void LayoutTest::bothWindowsDrawTheDesignTable() {
    frmMain w;
    CheckDrawsTheTable(w, kFrmMain, kFrmMainControls);
    frmAbout box(&w);
    CheckDrawsTheTable(box, kFrmAbout, kFrmAboutControls);
}

void LayoutTest::pictureButtonsHaveAccessibleNamesAndIcons_data() {
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("cmdPasteInput") << "Paste input";
    QTest::newRow("cmdClearInput") << "Clear input";
    QTest::newRow("cmdCutOutput") << "Cut output";
    QTest::newRow("cmdCopyOutput") << "Copy output";
}

void LayoutTest::pictureButtonsHaveAccessibleNamesAndIcons() {
    QFETCH(QString, accessibleName);
    frmMain w;
    const auto* button = Widget<QToolButton>(w, QTest::currentDataTag());
    QCOMPARE(button->accessibleName(), accessibleName);
    QVERIFY(!button->accessibleDescription().isEmpty());
    QCOMPARE(button->iconSize(), QSize(16, 16));
    const QString toolTip = button->toolTip();
    QVERIFY(!button->icon().isNull());
    // Exactly the silver pixels of the bitmap are left off the button face.
    const QImage picture = button->icon().pixmap(QSize(16, 16)).toImage();
    const QImage bitmap(QStringLiteral(":/pictures/%1.bmp").arg(toolTip.toLower()));
    QCOMPARE(bitmap.size(), QSize(16, 16));
    int silver = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool isSilver = bitmap.pixelColor(x, y) == QColor(0xC0, 0xC0, 0xC0);
            silver += isSilver ? 1 : 0;
            QCOMPARE(qAlpha(picture.pixel(x, y)), isSilver ? 0 : 255);
        }
    }
    QVERIFY(silver > 0);
}

void LayoutTest::beforeTheLoadEverythingIsEmptyAndOnlyPasteIsEnabled() {
    frmMain w;
    const Controls c(w);
    QVERIFY(c.txtCodeNum->text().isEmpty());
    QVERIFY(c.txtIn->document()->isEmpty());
    QVERIFY(c.txtOut->document()->isEmpty());
    QVERIFY(c.cmdPasteInput->isEnabled());
    QVERIFY(!c.cmdClearInput->isEnabled());
    QVERIFY(!c.cmdCutOutput->isEnabled());
    QVERIFY(!c.cmdCopyOutput->isEnabled());
    QVERIFY(!c.mnuSetEncrypt->isChecked());
    QVERIFY(!c.mnuSetDecrypt->isChecked());
    QCOMPARE(w.mode(), 0);
    QCOMPARE(w.code_number(), 0.0f);
    for (const QAction* entry : {c.mnuExit, c.mnuRandomCode, c.mnuChangeMode, c.mnuSetEncrypt,
                                 c.mnuSetDecrypt, c.mnuAbout}) {
        QVERIFY(entry->isEnabled());
        QVERIFY(entry->isVisible());
    }
}

// What only the look shows: the boxes' scroll bars, the code number centred, the mode labels
// boxed, filled and named. (How the boxes wrap and what they take is the behaviour table's.)
void LayoutTest::controlsLookAsDesigned() {
    frmMain w;
    const Controls c(w);
    for (const QPlainTextEdit* box : {c.txtIn, c.txtOut}) {
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
    QCOMPARE(c.txtCodeNum->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(c.txtCodeNum->accessibleName(), QStringLiteral("Code number"));
    for (const QLabel* label : {c.lblEncrypt, c.lblDecrypt}) {
        QCOMPARE(label->frameShape(), QFrame::Box);
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->accessibleName(), label->text() + QStringLiteral(" mode"));
    }
}

void LayoutTest::windowIsFixedWithoutMaximizeButtonAndKeepsItsClientArea() {
    frmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(w.size(), w.minimumSize());
    const QWidget* client = w.centralWidget();
    QCOMPARE(client->size(), kClientSize);
    // The menu bar above the client area, the notices below it.
    QCOMPARE(client->y(), w.menuBar()->geometry().bottom() + 1);
    QVERIFY(w.statusBar()->isVisible());
    QCOMPARE(w.statusBar()->y(), client->geometry().bottom() + 1);
    QCOMPARE(w.height(), w.menuBar()->height() + kClientSize.height() + w.statusBar()->height());
    QCOMPARE(w.width(), kClientSize.width());
}

void LayoutTest::longNoticeNeverResizesTheWindow() {
    const auto w = OpenWindow();
    const QSize before = w->size();
    const Controls c(*w);
    // An unmappable character far into the text makes the longest notice the window shows.
    c.txtIn->setPlainText(QString(32000, u'a') + QStringLiteral("\U0001F600"));
    QCOMPARE(w->notice(), NoticeKind::kUnmappable);
    QVERIFY(c.lblNotice->isVisible());
    QVERIFY(!c.lblNotice->text().isEmpty());
    QCOMPARE(c.lblNotice->toolTip(), c.lblNotice->text());
    QCoreApplication::processEvents();
    QVERIFY2(c.lblNotice->fontMetrics().horizontalAdvance(c.lblNotice->text()) <=
                 c.lblNotice->contentsRect().width(),
             qPrintable(c.lblNotice->text()));
    QCOMPARE(w->size(), before);
    QCOMPARE(w->centralWidget()->size(), kClientSize);
}

// The menu bar draws the command table: its menus, entries, separators and shortcuts.
void LayoutTest::menusDrawTheCommandTable() {
    frmMain w;
    QStringList drawn;
    for (const QAction* title : w.menuBar()->actions()) {
        drawn << title->menu()->objectName() + " " + title->text();
        for (const QAction* entry : title->menu()->actions()) {
            drawn << (entry->isSeparator() ? QStringLiteral("-")
                                           : entry->objectName() + " " + entry->text() + " " +
                                                 entry->shortcut().toString());
            QCOMPARE(entry->shortcutContext(), Qt::WindowShortcut);
        }
    }
    QStringList table;
    for (const MenuDesign& menu : kMenus) {
        table << QString::fromLatin1(menu.name.data()) + " " + QStringOf(menu.caption);
        for (const CommandDesign& entry : kCommands) {
            if (entry.menu == menu.menu) {
                if (entry.separatorBefore) {
                    table << QStringLiteral("-");
                }
                table << QString::fromLatin1(entry.name.data()) + " " + QStringOf(entry.caption) +
                             " " + QStringOf(ShortcutText(entry));
            }
        }
    }
    QCOMPARE(drawn, table);
    // Unchecked, and without an empty check box beside them until the load sets the mode.
    const Controls c(w);
    QVERIFY(!c.mnuSetEncrypt->isCheckable());
    QVERIFY(!c.mnuSetDecrypt->isCheckable());
}

void LayoutTest::captionsFitTheirControlsInTheFontsAsResolved() {
    SubstituteClassicFonts();  // as the program does at start-up
    // The faces that the designs name, and those that have their metrics.
    const QHash<QString, QStringList> sameMetrics{
        {QStringLiteral("Arial"), {"Arial", "Liberation Sans", "Arimo"}},
        {QStringLiteral("MS Sans Serif"),
         {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo"}}};
    frmMain w;
    QList<QWidget*> windows{&w};
    frmAbout box(&w);
    windows << &box;
    int measured = 0;
    for (const QWidget* window : windows) {
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            QString text;
            QRect room;
            if (const auto* label = qobject_cast<const QLabel*>(control)) {
                text = label->text();
                room = label->contentsRect();
            } else if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
                text = frame->title().remove(u'&');
                room = frame->rect().adjusted(8, 0, -8, 0);  // the caption's indent
            } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
                text = button->text();
                room = button->rect().adjusted(4, 4, -4, -4);
            }
            if (text.isEmpty()) {
                continue;
            }
            const QFont font = control->font();
            const QString resolved = QFontInfo(font).family();
            const QString what = control->objectName() + QStringLiteral(" in ") + resolved;
            if (sameMetrics.contains(font.family())) {
                QVERIFY2(sameMetrics[font.family()].contains(resolved), qPrintable(what));
            }
            const QFontMetrics metrics(font);
            QVERIFY2(metrics.horizontalAdvance(text) <= room.width(), qPrintable(what));
            QVERIFY2(metrics.height() <= room.height(), qPrintable(what));
            ++measured;
        }
    }
    QVERIFY(measured >= 6);
}

void LayoutTest::noControlOverlapsTheBorderOfItsFrame_data() {
    QTest::addColumn<int>("unused");
    for (const char* frame : {"Frame1", "Frame2", "Frame3", "fraMode"}) {
        QTest::newRow(frame) << 0;
    }
}

void LayoutTest::noControlOverlapsTheBorderOfItsFrame() {
    frmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* frame = Widget<QGroupBox>(w, QTest::currentDataTag());
    // The frame as it is drawn without its controls, read down a column right of its caption:
    // the first pixel that differs from the window's background above it is the border.
    const QList<QWidget*> controls = frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        control->hide();
    }
    const QImage drawn = frame->grab().toImage();
    const int x = drawn.width() - 6;
    const QRgb background = drawn.pixel(x, 0);
    int border = 0;
    while (border < drawn.height() / 2 && drawn.pixel(x, border) == background) {
        ++border;
    }
    QVERIFY(border < drawn.height() / 2);
    for (QWidget* control : controls) {
        QVERIFY2(control->y() > border,
                 qPrintable(control->objectName() + QStringLiteral(" at ") +
                            QString::number(control->y()) + QStringLiteral(", border at ") +
                            QString::number(border)));
    }
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
