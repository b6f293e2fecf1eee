// The Qt windows' designs, frmMain.ui and frmAbout.ui, against the design table that the
// other front ends draw from: every control's container, place, caption and tool tip, the
// client size, the title and the tab order.

#include <QFile>
#include <QHash>
#include <QRect>
#include <QStringList>
#include <QTest>
#include <QXmlStreamReader>
#include <string_view>

#include "window_core/design.h"

using namespace vellumark;

namespace {

struct UiWidget {
    QString parent;
    QRect geometry;
    QSize minimumSize;
    QString title;
    QString text;
    QString toolTip;
};

struct UiFile {
    QHash<QString, UiWidget> widgets;
    QStringList tabStops;
};

QString Text(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

UiFile Parse(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(path));
    }
    UiFile ui;
    QXmlStreamReader xml(&file);
    QStringList open;  // the widgets that enclose the reader's place
    QString property;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView element = xml.name();
        if (xml.isEndElement()) {
            if (element == u"widget") {
                open.removeLast();
            } else if (element == u"property") {
                property.clear();
            }
            continue;
        }
        if (!xml.isStartElement()) {
            continue;
        }
        if (element == u"widget") {
            const QString name = xml.attributes().value(QStringLiteral("name")).toString();
            ui.widgets[name].parent = open.isEmpty() ? QString() : open.last();
            open << name;
        } else if (element == u"property" && !open.isEmpty()) {
            property = xml.attributes().value(QStringLiteral("name")).toString();
        } else if (element == u"tabstop") {
            ui.tabStops << xml.readElementText();
        } else if (!open.isEmpty() && !property.isEmpty()) {
            UiWidget& widget = ui.widgets[open.last()];
            if (element == u"string") {
                QString* target = property == u"title" || property == u"windowTitle" ? &widget.title
                                  : property == u"text"                              ? &widget.text
                                  : property == u"toolTip" ? &widget.toolTip
                                                           : nullptr;
                const QString value = xml.readElementText();
                if (target != nullptr) {
                    *target = value;
                }
            } else if (property == u"geometry" || property == u"minimumSize") {
                const QString measure = element.toString();
                if (measure != u"x" && measure != u"y" && measure != u"width" &&
                    measure != u"height") {
                    continue;
                }
                const int value = xml.readElementText().toInt();
                if (property == u"minimumSize") {
                    measure == u"width" ? widget.minimumSize.setWidth(value)
                                        : widget.minimumSize.setHeight(value);
                } else if (measure == u"x") {
                    widget.geometry.moveLeft(value);
                } else if (measure == u"y") {
                    widget.geometry.moveTop(value);
                } else if (measure == u"width") {
                    widget.geometry.setWidth(value);
                } else {
                    widget.geometry.setHeight(value);
                }
            }
        }
    }
    if (xml.hasError()) {
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    }
    return ui;
}

template <std::size_t N>
void CheckAgainstTable(const QString& file, const QString& clientWidget, const WindowDesign& window,
                       const std::array<ControlDesign, N>& controls) {
    const UiFile ui = Parse(QStringLiteral(VELLUMARK_SOURCE_DIR "/") + file);
    const QString windowName = Text(window.name);
    QVERIFY(ui.widgets.contains(windowName));
    QCOMPARE(ui.widgets[windowName].title, Text(window.caption));

    QVERIFY(ui.widgets.contains(clientWidget));
    const UiWidget& client = ui.widgets[clientWidget];
    const QSize clientSize =
        client.geometry.isValid() ? client.geometry.size() : client.minimumSize;
    QCOMPARE(clientSize,
             QSize(TwipsToPixels(window.clientWidth), TwipsToPixels(window.clientHeight)));

    for (const ControlDesign& control : controls) {
        const QString name = Text(control.name);
        QVERIFY2(ui.widgets.contains(name), qPrintable(name));
        const UiWidget& widget = ui.widgets[name];
        QCOMPARE(widget.parent, control.container.empty() ? clientWidget : Text(control.container));
        const PixelRect pixels = PixelsOf(control.place);
        QCOMPARE(widget.geometry, QRect(pixels.left, pixels.top, pixels.width, pixels.height));
        QCOMPARE(control.kind == ControlKind::kFrame ? widget.title : widget.text,
                 Text(control.caption));
        QCOMPARE(widget.toolTip, Text(control.toolTip));
    }

    // The design's tab stops, in the table's tab order; all that take the focus among them.
    QStringList order;
    for (const ControlDesign* control : InTabOrder(controls)) {
        if (control == nullptr) {
            continue;
        }
        const bool takesFocus =
            control->kind == ControlKind::kTextBox || control->kind == ControlKind::kCommandButton;
        if (takesFocus || ui.tabStops.contains(Text(control->name))) {
            order << Text(control->name);
        }
    }
    QCOMPARE(ui.tabStops, order);
}

}  // namespace

class DesignFileTest : public QObject {
    Q_OBJECT

private slots:
    void mainWindowFollowsTheTable() {
        CheckAgainstTable(QStringLiteral("main_window/frmMain.ui"), QStringLiteral("centralwidget"),
                          kFrmMain, kFrmMainControls);
    }
    void aboutBoxFollowsTheTable() {
        CheckAgainstTable(QStringLiteral("about/frmAbout.ui"), QStringLiteral("clientArea"),
                          kFrmAbout, kFrmAboutControls);
    }
};

QTEST_GUILESS_MAIN(DesignFileTest)
#include "design_file_test.moc"
