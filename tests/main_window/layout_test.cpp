// The window as it stands when it is created: its controls where the design table puts them,
// at 15 twips to the pixel, with its captions and keyboard order; initial states and the menus.

#include <QFontInfo>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>

#include "about/frm_about.h"
#include "main_window/classic_look.h"
#include "main_window/qt_text.h"
#include "window_core/commands.h"
#include "window_core/design.h"
#include "window_fixture.h"

using namespace vellumark;
using namespace vellumark::testing;

namespace {

QString Text(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

const QSize kClientSize(TwipsToPixels(kFrmMain.clientWidth), TwipsToPixels(kFrmMain.clientHeight));

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void controlsStandWhereTheDesignPutsThem_data();
    void controlsStandWhereTheDesignPutsThem();
    void framesAndLabelsHaveTheirCaptions_data();
    void framesAndLabelsHaveTheirCaptions();
    void pictureButtonsHaveToolTipsAccessibleNamesAndIcons_data();
    void pictureButtonsHaveToolTipsAccessibleNamesAndIcons();
    void beforeTheLoadEverythingIsEmptyAndOnlyPasteIsEnabled();
    void textBoxesAreSetUpAsDesigned();
    void windowIsFixedWithoutMaximizeButtonAndKeepsItsClientArea();
    void longNoticeNeverResizesTheWindow();
    void menusDrawTheCommandTable();
    void focusChainFollowsTheTabIndexes();
    void captionsFitTheirControlsInTheFontsAsResolved();
    void noControlOverlapsTheBorderOfItsFrame_data();
    void noControlOverlapsTheBorderOfItsFrame();
};

void LayoutTest::controlsStandWhereTheDesignPutsThem_data() {
    QTest::addColumn<int>("index");
    for (std::size_t index = 0; index < kFrmMainControls.size(); ++index) {
        QTest::newRow(kFrmMainControls[index].name.data()) << static_cast<int>(index);
    }
}

void LayoutTest::controlsStandWhereTheDesignPutsThem() {
    QFETCH(int, index);
    const ControlDesign& design = kFrmMainControls[static_cast<std::size_t>(index)];
    frmMain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QWidget* control = Widget<QWidget>(w, QTest::currentDataTag());
    QCOMPARE(control->parentWidget()->objectName(),
             design.container.empty() ? QStringLiteral("centralwidget") : Text(design.container));
    const PixelRect pixels = PixelsOf(design.place);
    QCOMPARE(control->geometry(), QRect(pixels.left, pixels.top, pixels.width, pixels.height));
    QVERIFY(control->isVisible());
}

void LayoutTest::framesAndLabelsHaveTheirCaptions_data() {
    QTest::addColumn<QString>("caption");
    for (const ControlDesign& design : kFrmMainControls) {
        if (design.kind == ControlKind::kFrame || design.kind == ControlKind::kLabel) {
            QTest::newRow(design.name.data()) << Text(design.caption);
        }
    }
}

void LayoutTest::framesAndLabelsHaveTheirCaptions() {
    QFETCH(QString, caption);
    frmMain w;
    const QWidget* control = Widget<QWidget>(w, QTest::currentDataTag());
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        QCOMPARE(frame->title(), caption);
        return;
    }
    const auto* label = qobject_cast<const QLabel*>(control);
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->alignment(), Qt::AlignCenter);
    QCOMPARE(label->frameShape(), QFrame::Box);
    QCOMPARE(label->lineWidth(), 1);
    QVERIFY(label->autoFillBackground());
    QVERIFY(!label->accessibleName().isEmpty());
}

void LayoutTest::pictureButtonsHaveToolTipsAccessibleNamesAndIcons_data() {
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("cmdPasteInput") << "Paste input";
    QTest::newRow("cmdClearInput") << "Clear input";
    QTest::newRow("cmdCutOutput") << "Cut output";
    QTest::newRow("cmdCopyOutput") << "Copy output";
}

void LayoutTest::pictureButtonsHaveToolTipsAccessibleNamesAndIcons() {
    QFETCH(QString, accessibleName);
    const QString toolTip = Text(FindControl(kFrmMainControls, QTest::currentDataTag())->toolTip);
    QVERIFY(!toolTip.isEmpty());
    frmMain w;
    const auto* button = Widget<QToolButton>(w, QTest::currentDataTag());
    QCOMPARE(button->toolTip(), toolTip);
    QCOMPARE(button->accessibleName(), accessibleName);
    QVERIFY(button->text().isEmpty());
    QCOMPARE(button->iconSize(), QSize(16, 16));
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
    QCOMPARE(w.windowTitle(), QStringLiteral("Vellumark"));
}

void LayoutTest::textBoxesAreSetUpAsDesigned() {
    frmMain w;
    const Controls c(w);
    for (const QPlainTextEdit* box : {c.txtIn, c.txtOut}) {
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(box->tabChangesFocus());
    }
    QVERIFY(!c.txtIn->isReadOnly());
    QVERIFY(c.txtOut->isReadOnly());
    QVERIFY(c.txtOut->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
    QVERIFY(c.txtOut->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    QVERIFY(!c.txtOut->textInteractionFlags().testFlag(Qt::TextEditable));
    QCOMPARE(c.txtCodeNum->maxLength(), 6);
    QCOMPARE(c.txtCodeNum->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
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
    const auto* client = Widget<QWidget>(w, "centralwidget");
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
    QCOMPARE(Widget<QWidget>(*w, "centralwidget")->size(), kClientSize);
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

void LayoutTest::focusChainFollowsTheTabIndexes() {
    frmMain w;
    const Controls c(w);
    QList<QWidget*> order;
    QWidget* widget = c.txtCodeNum;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && w.isAncestorOf(widget) &&
            !qobject_cast<QScrollBar*>(widget)) {
            order << widget;
        }
        widget = widget->nextInFocusChain();
    } while (widget != c.txtCodeNum);
    QList<QWidget*> expected;
    for (const ControlDesign* design : InTabOrder(kFrmMainControls)) {
        if (design->kind == ControlKind::kTextBox || design->kind == ControlKind::kCommandButton) {
            expected << Widget<QWidget>(w, design->name.data());
        }
    }
    QCOMPARE(order, expected);
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
