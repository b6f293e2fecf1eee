// Every text of both windows against what is drawn behind it, read from the pixels: under a
// light palette each keeps the colour of the classic look, under a dark one each reads at a
// contrast ratio of at least 4.5:1. Run under a desktop's dark theme (GTK_THEME=...:dark), the
// desktop's own palette must be dark and read too.

#include <QApplication>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

#include "about/design_widgets.h"
#include "about/frm_about.h"
#include "window_core/text_contrast.h"
#include "window_fixture.h"

using namespace vellumark;
using namespace vellumark::testing;

namespace {

std::uint32_t Bgr(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

bool IsDark(const QPalette& palette) {
    return qGray(palette.color(QPalette::WindowText).rgb()) >
           qGray(palette.color(QPalette::Window).rgb());
}

// The classic light palette, also where the desktop's own is dark.
QPalette LightPalette() {
    QPalette palette(QColor(0xEF, 0xEF, 0xEF));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, Qt::black);
    }
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x30, 0x8C, 0xC6));
    return palette;
}

// A dark desktop's palette: light grey text that misses on the dark green, and a link colour
// that misses on the window.
QPalette DarkPalette() {
    QPalette palette(QColor(0x35, 0x35, 0x35));
    const QColor text(0xEE, 0xEE, 0xEC);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, text);
    }
    palette.setColor(QPalette::Base, QColor(0x2D, 0x2D, 0x2D));
    palette.setColor(QPalette::Link, QColor(0x35, 0x84, 0xE4));
    return palette;
}

// Whether `drawn` is `colour` as antialiasing leaves it: a thin stroke may cover no pixel in
// full, which mixes in a little of the background.
bool Near(const QColor& drawn, const QColor& colour) {
    constexpr int kBlend = 12;
    return std::abs(drawn.red() - colour.red()) <= kBlend &&
           std::abs(drawn.green() - colour.green()) <= kBlend &&
           std::abs(drawn.blue() - colour.blue()) <= kBlend;
}

// One text as drawn: the colour that covers most of its area, and the pixel there that
// stands out most from it, at full coverage the text's own colour.
struct Reading {
    QString what;
    QColor text;
    QColor background;
    QColor classic;  // its colour in the classic look, under a light palette
    [[nodiscard]] double ratio() const { return ContrastRatio(Bgr(text), Bgr(background)); }
};

class Reader {
public:
    Reader(QWidget& window, const QPalette& palette)
        : window_(window), palette_(palette), shot_(window.grab().toImage()) {}

    // `area` in `control`'s coordinates; `classic` the palette role or colour it has in the
    // classic look.
    void Read(const QString& what, const QWidget& control, const QRect& area,
              const QColor& classic) {
        const QRect place(control.mapTo(&window_, area.topLeft()), area.size());
        std::map<QRgb, int> counts;
        for (int y = place.top(); y <= place.bottom(); ++y) {
            for (int x = place.left(); x <= place.right(); ++x) {
                ++counts[shot_.pixel(x, y) | 0xFF000000u];
            }
        }
        const QRgb background =
            std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                return a.second < b.second;
            })->first;
        QRgb text = background;
        for (const auto& [colour, count] : counts) {
            if (ContrastRatio(Bgr(QColor(colour)), Bgr(QColor(background))) >
                ContrastRatio(Bgr(QColor(text)), Bgr(QColor(background)))) {
                text = colour;
            }
        }
        readings_.push_back({what, QColor(text), QColor(background), classic});
    }

    void Read(const QString& what, const QWidget& control, const QRect& area,
              QPalette::ColorRole classic) {
        Read(what, control, area, palette_.color(classic));
    }

    [[nodiscard]] const std::vector<Reading>& readings() const { return readings_; }

private:
    QWidget& window_;
    const QPalette& palette_;
    QImage shot_;
    std::vector<Reading> readings_;
};

// Where a frame's caption stands, as the classic frame style draws it.
QRect CaptionArea(const QGroupBox& frame) {
    const QFontMetrics metrics = frame.fontMetrics();
    return {6, 0, metrics.horizontalAdvance(frame.title().remove(u'&')) + 4, metrics.height()};
}

// The text of a button, centred on its face.
QRect ButtonTextArea(const QPushButton& button) {
    QRect area(QPoint(0, 0), button.fontMetrics().size(0, button.text()) + QSize(4, 2));
    area.moveCenter(button.rect().center());
    return area;
}

void ReadMainWindow(frmMain& w, const QPalette& palette, std::vector<Reading>& readings) {
    const Controls c(w);
    c.txtIn->setPlainText(QStringLiteral("Dark desktops, light desktops"));
    // The selection has the palette's own colours; the text is what is read here.
    c.txtCodeNum->deselect();
    // Encrypt mode first, as the load sets it.
    for (CryptMode mode : {kModeEncrypt, kModeDecrypt}) {
        if (w.mode() != mode) {
            w.ModeSet(mode);
        }
        const bool encrypt = mode == kModeEncrypt;
        Reader reader(w, palette);
        reader.Read(encrypt ? QStringLiteral("Encrypt, active") : QStringLiteral("Encrypt"),
                    *c.lblEncrypt, c.lblEncrypt->contentsRect(), QPalette::WindowText);
        reader.Read(encrypt ? QStringLiteral("Decrypt") : QStringLiteral("Decrypt, active"),
                    *c.lblDecrypt, c.lblDecrypt->contentsRect(), QPalette::WindowText);
        if (encrypt) {
            for (const char* name : {"Frame1", "Frame2", "Frame3", "fraMode"}) {
                const auto* frame = Widget<QGroupBox>(w, name);
                reader.Read(frame->title(), *frame, CaptionArea(*frame), QPalette::WindowText);
            }
            for (const auto& [name, box] : {std::pair<const char*, QWidget*>{"txtCodeNum", c.txtCodeNum},
                                            {"txtIn", c.txtIn->viewport()},
                                            {"txtOut", c.txtOut->viewport()}}) {
                reader.Read(QString::fromLatin1(name), *box, box->rect().adjusted(3, 3, -3, -3),
                            QPalette::Text);
            }
            reader.Read(QStringLiteral("menu bar"), *w.menuBar(),
                        w.menuBar()->actionGeometry(c.mnuFile->menuAction()),
                        QPalette::ButtonText);
        }
        readings.insert(readings.end(), reader.readings().begin(), reader.readings().end());
    }
}

void ReadAboutBox(frmAbout& box, const QPalette& palette, std::vector<Reading>& readings) {
    Reader reader(box, palette);
    for (const char* name : {"Label1", "Label2", "Label3"}) {
        const auto* label = Widget<QLabel>(box, name);
        reader.Read(label->text(), *label, label->contentsRect(), QPalette::WindowText);
    }
    const auto* url = Widget<QLabel>(box, "lblUrl");
    reader.Read(QStringLiteral("address"), *url, url->rect(), ColourOf(kAddressColour));
    const auto* ok = Widget<QPushButton>(box, "cmdOk");
    reader.Read(ok->text(), *ok, ButtonTextArea(*ok), QPalette::ButtonText);
    readings.insert(readings.end(), reader.readings().begin(), reader.readings().end());
}

}  // namespace

class ContrastTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextReads_data();
    void everyTextReads();
    void cleanup();

private:
    QPalette desktop_;
};

void ContrastTest::initTestCase() {
    desktop_ = QApplication::palette();
    if (qEnvironmentVariable("GTK_THEME").endsWith(QLatin1String(":dark"))) {
        QVERIFY2(IsDark(desktop_),
                 "the desktop's dark theme did not reach Qt: is qt6-gtk-platformtheme installed, "
                 "and QT_QPA_PLATFORMTHEME=gtk3 set?");
    }
}

void ContrastTest::everyTextReads_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << LightPalette();
    QTest::newRow("dark") << DarkPalette();
    QTest::newRow("desktop") << desktop_;
}

void ContrastTest::everyTextReads() {
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    const bool dark = IsDark(palette);

    std::vector<Reading> readings;
    const auto w = OpenWindow();
    ReadMainWindow(*w, palette, readings);
    frmAbout box(w.get());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    ReadAboutBox(box, palette, readings);

    QStringList faults;
    for (const Reading& reading : readings) {
        const QString line = QStringLiteral("%1: %2 on %3, %4:1")
                                 .arg(reading.what, reading.text.name(), reading.background.name())
                                 .arg(reading.ratio(), 0, 'f', 2);
        qInfo("%s", qPrintable(line));
        if (dark ? reading.ratio() < kReadableContrast : !Near(reading.text, reading.classic)) {
            faults << line + (dark ? QString() : QStringLiteral(", not ") + reading.classic.name());
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

void ContrastTest::cleanup() {
    QApplication::setPalette(desktop_);
}

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
