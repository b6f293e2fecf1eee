// The about box: its centring, its modality, its address, its keys, its cursor, its fonts
// and texts. The box is driven as a user would drive it, through QTest's mouse and keys.

#include <QApplication>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <memory>

#include "about/frm_about.h"
#include "vellumark/version.h"

using vellumark::frmAbout;

namespace {

// The box's outer size: its 346 x 201 pixel client area and a 3 pixel dialog frame.
constexpr int kBoxWidth = 352;
constexpr int kBoxHeight = 207;

// A stand-in for the main window: a plain top-level window with one button that counts the
// clicks that reach it.
class MainWindow : public QWidget {
public:
    MainWindow() {
        button = new QPushButton(QStringLiteral("Press"), this);
        button->setGeometry(10, 10, 80, 25);
        QObject::connect(button, &QPushButton::clicked, this, [this] { ++clicks; });
    }
    QPushButton* button;
    int clicks = 0;
};

// Puts the main window's outer rectangle, frame included, at `frame` and waits until the
// platform has done it.
bool PlaceFrame(QWidget* window, const QRect& frame) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window)) {
        return false;
    }
    const QMargins margins(window->geometry().left() - window->frameGeometry().left(),
                           window->geometry().top() - window->frameGeometry().top(),
                           window->frameGeometry().right() - window->geometry().right(),
                           window->frameGeometry().bottom() - window->geometry().bottom());
    window->setGeometry(frame.marginsRemoved(margins));
    return QTest::qWaitFor([&] { return window->frameGeometry() == frame; });
}

QString HomepageScheme() {
    return QUrl(QString::fromUtf8(vellumark::kHomepage)).scheme();
}

template <typename T>
T* Child(QWidget* box, const char* name) {
    T* child = box->findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) {
        qFatal("the about box has no %s", name);
    }
    return child;
}

// Runs `inspect` on the modal box as soon as the event loop of the modal show runs, then
// makes sure the box goes away, also when `inspect` failed halfway and left it open.
void WhileOpen(std::function<void(QWidget* box)> inspect) {
    QTimer::singleShot(0, qApp, [inspect] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) {
            QFAIL("no modal widget while the about box is open");
            return;
        }
        inspect(box);
        if (QApplication::activeModalWidget() == box) {
            box->close();
        }
    });
}

}  // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

public slots:
    // Where the desktop would open an address that the box hands it, the test keeps it.
    void openUrl(const QUrl& url) { opened_ << url.toString(); }

private slots:
    void init();
    void cleanup();

    void loadCentresOnTheMainWindowBeyondTheScreensEdge();
    void eachOpeningLoadsTheBoxAnewOverTheMainWindow();
    void theMainWindowTakesNoInputWhileTheBoxIsOpen();

    void windowHasNoTitleBarAndAFixedSize();
    void dialogFrameIsRaised();
    void labelFonts_data();
    void labelFonts();
    void addressIsBlueUnderlinedAndFitsItsText();
    void iconFillsTheImage();
    void onlyOkTakesTheFocus();

    void everyClickOnTheAddressOpensItOnce_data();
    void everyClickOnTheAddressOpensItOnce();
    void handCursorOverTheAddressOnly();
    void releaseOffTheAddressOpensNothing();

    void enterInTheModalBoxEndsTheOpening();

private:
    std::unique_ptr<MainWindow> main_;
    QStringList opened_;
};

void AboutBoxTest::init() {
    opened_.clear();
    QDesktopServices::setUrlHandler(HomepageScheme(), this, "openUrl");
    main_ = std::make_unique<MainWindow>();
}

void AboutBoxTest::cleanup() {
    main_.reset();
    QDesktopServices::unsetUrlHandler(HomepageScheme());
}

// ---------------------------------------------------------------------------------------
// Centring

// Placed before it shows, and also off the screen's edge (the arithmetic is about_placement's;
// the box over a window away from the edges is eachOpeningLoadsTheBoxAnewOverTheMainWindow's).
void AboutBoxTest::loadCentresOnTheMainWindowBeyondTheScreensEdge() {
    QVERIFY(PlaceFrame(main_.get(), QRect(0, 0, 300, 150)));
    frmAbout box(main_.get());  // 352 x 207 outside
    QCOMPARE(box.frameGeometry().size(), QSize(kBoxWidth, kBoxHeight));
    QCOMPARE(box.pos(), QPoint(-26, -28));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.frameGeometry().topLeft(), QPoint(-26, -28));
}

// Each opening centres a new box over where the main window is then; whatever an opening
// leaves in the box is gone at the next one.
void AboutBoxTest::eachOpeningLoadsTheBoxAnewOverTheMainWindow() {
    QVERIFY(PlaceFrame(main_.get(), QRect(100, 100, 440, 260)));
    QPoint first;
    WhileOpen([&first](QWidget* box) {
        first = box->pos();
        Child<QLabel>(box, "Label2")->setText(QStringLiteral("changed"));
        box->move(0, 0);
    });
    vellumark::OpenAbout(main_.get());
    QCOMPARE(first, QPoint(144, 127));  // (440 - 352) / 2 + 100, (260 - 207) / 2 + 100

    // Moving the window moves its frame; the size stays.
    main_->move(500, 20);
    QTRY_COMPARE(main_->frameGeometry(), QRect(500, 20, 440, 260));
    QString text;
    QPoint second;
    WhileOpen([&text, &second](QWidget* box) {
        text = Child<QLabel>(box, "Label2")->text();
        second = box->pos();
    });
    vellumark::OpenAbout(main_.get());
    QCOMPARE(text, QStringLiteral("Version 1.0"));
    QCOMPARE(second, QPoint(544, 47));  // the half pixel of 46.5 goes down the screen
    QVERIFY(main_->findChildren<frmAbout*>().isEmpty());
}

void AboutBoxTest::theMainWindowTakesNoInputWhileTheBoxIsOpen() {
    QVERIFY(PlaceFrame(main_.get(), QRect(100, 100, 440, 260)));
    // Input reaches a window through the platform, so it is sent to the main window's native
    // window, where the blocking of a modal box takes effect.
    QWindow* window = main_->windowHandle();
    const QPoint onButton = main_->button->geometry().center();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, onButton);
    QCOMPARE(main_->clicks, 1);
    main_->button->setFocus();
    QTest::keyClick(window, Qt::Key_Space);
    QCOMPARE(main_->clicks, 2);

    bool inspected = false;
    MainWindow* mainWindow = main_.get();
    WhileOpen([&inspected, mainWindow, window, onButton](QWidget* box) {
        QVERIFY(qobject_cast<frmAbout*>(box) != nullptr);
        QVERIFY(box->isVisible());
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        QCOMPARE(QApplication::activeModalWidget(), box);
        QCOMPARE(QGuiApplication::modalWindow(), box->windowHandle());
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, onButton);
        QTest::keyClick(window, Qt::Key_Space);
        QCOMPARE(mainWindow->clicks, 2);
        inspected = true;
        QTest::mouseClick(Child<QPushButton>(box, "cmdOk"), Qt::LeftButton);
    });
    vellumark::OpenAbout(main_.get());
    QVERIFY(inspected);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, onButton);
    QCOMPARE(main_->clicks, 3);
}

// ---------------------------------------------------------------------------------------
// Design

void AboutBoxTest::windowHasNoTitleBarAndAFixedSize() {
    frmAbout box(main_.get());
    QVERIFY(box.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(box.windowType(), Qt::Dialog);
    QVERIFY(box.windowTitle().isEmpty());
    QCOMPARE(box.minimumSize(), QSize(kBoxWidth, kBoxHeight));
    QCOMPARE(box.maximumSize(), QSize(kBoxWidth, kBoxHeight));
    // The client area inside a 3 pixel dialog frame.
    QCOMPARE(Child<QWidget>(&box, "cmdOk")->parentWidget()->geometry(), QRect(3, 3, 346, 201));

    // The main window is the box's transient parent, which keeps it out of the taskbar.
    main_->show();
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QVERIFY(box.windowHandle() != nullptr);
    QCOMPARE(box.windowHandle()->transientParent(), main_->windowHandle());
}

void AboutBoxTest::dialogFrameIsRaised() {
    frmAbout box(main_.get());
    const QImage shot = box.grab().toImage();
    const QColor light = box.palette().color(QPalette::Light).rgb();
    const QColor shadow = box.palette().color(QPalette::Shadow).rgb();
    const int midX = shot.width() / 2;
    const int midY = shot.height() / 2;
    // Lit above and on the left, shadowed below and on the right; sunken would be the reverse.
    QCOMPARE(QColor(shot.pixel(midX, 0)), light);
    QCOMPARE(QColor(shot.pixel(0, midY)), light);
    QCOMPARE(QColor(shot.pixel(midX, shot.height() - 1)), shadow);
    QCOMPARE(QColor(shot.pixel(shot.width() - 1, midY)), shadow);
}

void AboutBoxTest::labelFonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");  // empty: the default font
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("border");

    // Their texts are the design table's and the build's (layout_test, about_core_test).
    QTest::newRow("Label1") << "Label1"
                            << "MS Sans Serif" << 12.0 << true << false << false << true;
    QTest::newRow("Label2") << "Label2"
                            << "" << 0.0 << false << false << false << true;
    QTest::newRow("Label3") << "Label3"
                            << "Arial" << 12.0 << true << true << false << false;
    QTest::newRow("lblUrl") << "lblUrl"
                            << "Arial" << 9.75 << false << false << true << false;
}

void AboutBoxTest::labelFonts() {
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    QFETCH(bool, border);

    frmAbout box(main_.get());
    auto* label = box.findChild<QLabel*>(name);
    QVERIFY(label != nullptr);
    const QFont font = label->font();
    if (family.isEmpty()) {
        QCOMPARE(font, box.font());
    } else {
        QCOMPARE(font.family(), family);
        QCOMPARE(font.pointSizeF(), pointSize);
    }
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.weight(), bold ? QFont::Bold : QFont::Normal);
    QCOMPARE(font.italic(), italic);
    QCOMPARE(font.underline(), underline);
    QCOMPARE(label->frameShape(), border ? QFrame::Box : QFrame::NoFrame);
    if (border) {
        QCOMPARE(label->lineWidth(), 1);
    }
}

// Blue as drawn is contrast_test's, underlined labelFonts'; blue also while the box is inactive.
void AboutBoxTest::addressIsBlueUnderlinedAndFitsItsText() {
    frmAbout box(main_.get());
    auto* url = Child<QLabel>(&box, "lblUrl");
    QCOMPARE(url->palette().color(QPalette::Inactive, QPalette::WindowText), QColor(0, 0, 255));

    // The label takes its text's size, keeps its top and the centre of its design place
    // (70, 48, 94 x 16), and stays inside the frame.
    QCOMPARE(url->size(), url->sizeHint());
    QCOMPARE(url->y(), 48);
    QCOMPARE(url->geometry().center().x(), QRect(70, 48, 94, 16).center().x());
    QVERIFY(Child<QGroupBox>(&box, "fraTheFrame")->rect().contains(url->geometry()));
}

void AboutBoxTest::iconFillsTheImage() {
    frmAbout box(main_.get());
    auto* image = Child<QLabel>(&box, "Image1");
    const QPixmap shown = image->pixmap();
    QCOMPARE(shown.size(), image->contentsRect().size());
    QCOMPARE(shown.size(), QSize(66, 66));

    // Stretched pixel for pixel from the icon's 32 x 32 image, not smoothed: the middle of
    // every icon pixel's stretched block shows that pixel's colour.
    const QImage icon =
        QImage(QStringLiteral(":/pictures/vellumark.ico")).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(32, 32));
    const QImage stretched = shown.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb want = icon.pixel(x, y);
            const QRgb got = stretched.pixel((2 * x + 1) * 66 / 64, (2 * y + 1) * 66 / 64);
            QCOMPARE(qAlpha(got), qAlpha(want));
            if (qAlpha(want) == 255) {
                QCOMPARE(got, want);
            }
        }
    }
}

void AboutBoxTest::onlyOkTakesTheFocus() {
    frmAbout box(main_.get());
    const auto widgets = box.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (widget->objectName() == QLatin1String("cmdOk")) {
            QVERIFY(widget->focusPolicy() != Qt::NoFocus);
        } else {
            QVERIFY2(widget->focusPolicy() == Qt::NoFocus, qPrintable(widget->objectName()));
        }
    }
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QTRY_COMPARE(QApplication::focusWidget(), Child<QWidget>(&box, "cmdOk"));
    QTest::keyClick(&box, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Child<QWidget>(&box, "cmdOk"));
    QVERIFY(Child<QPushButton>(&box, "cmdOk")->isDefault());
}

// ---------------------------------------------------------------------------------------
// The address

void AboutBoxTest::everyClickOnTheAddressOpensItOnce_data() {
    QTest::addColumn<int>("leftClicks");
    QTest::addColumn<int>("otherClicks");
    QTest::newRow("three clicks") << 3 << 0;
    QTest::newRow("right and middle buttons do nothing") << 0 << 2;
}

void AboutBoxTest::everyClickOnTheAddressOpensItOnce() {
    QFETCH(int, leftClicks);
    QFETCH(int, otherClicks);

    frmAbout box(main_.get());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto* url = Child<QLabel>(&box, "lblUrl");
    QSignalSpy finished(&box, &QDialog::finished);
    for (int i = 0; i < leftClicks; ++i) {
        QTest::mouseClick(url, Qt::LeftButton);
    }
    for (int i = 0; i < otherClicks; ++i) {
        QTest::mouseClick(url, i % 2 ? Qt::MiddleButton : Qt::RightButton);
    }
    QCOMPARE(opened_.size(), leftClicks);
    for (const QString& address : std::as_const(opened_)) {
        QCOMPARE(address, QString::fromUtf8(vellumark::kHomepage));
    }
    // The box stays open.
    QVERIFY(box.isVisible());
    QCOMPARE(finished.count(), 0);

    // A click on another label, the image or the frame opens nothing.
    for (const char* name : {"Label1", "Label2", "Label3", "Image1", "fraTheFrame"}) {
        QTest::mouseClick(Child<QWidget>(&box, name), Qt::LeftButton);
    }
    QCOMPARE(opened_.size(), leftClicks);
}

void AboutBoxTest::handCursorOverTheAddressOnly() {
    frmAbout box(main_.get());
    auto* url = Child<QLabel>(&box, "lblUrl");
    QVERIFY(url->testAttribute(Qt::WA_SetCursor));
    const QCursor hand = url->cursor();
    QCOMPARE(hand.shape(), Qt::BitmapCursor);
    QCOMPARE(hand.hotSpot(), QPoint(5, 0));
    QCOMPARE(hand.pixmap().size(), QSize(32, 32));
    // The finger's tip is drawn, and the corner beside it shows the screen through.
    const QImage image = hand.pixmap().toImage();
    QCOMPARE(qAlpha(image.pixel(5, 0)), 255);
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);

    for (const QWidget* widget : box.findChildren<QWidget*>()) {
        QVERIFY2(widget == url || !widget->testAttribute(Qt::WA_SetCursor),
                 qPrintable(widget->objectName()));
    }
    QVERIFY(!box.testAttribute(Qt::WA_SetCursor));
}

void AboutBoxTest::releaseOffTheAddressOpensNothing() {
    frmAbout box(main_.get());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto* url = Child<QLabel>(&box, "lblUrl");
    // Dragged off before the release: the label, holding the mouse, gets a release outside it.
    QTest::mousePress(url, Qt::LeftButton);
    QTest::mouseRelease(url, Qt::LeftButton, {}, QPoint(url->width() / 2, url->height() + 5));
    QVERIFY(opened_.isEmpty());
}

// ---------------------------------------------------------------------------------------
// Closing

void AboutBoxTest::enterInTheModalBoxEndsTheOpening() {
    QVERIFY(PlaceFrame(main_.get(), QRect(100, 100, 440, 260)));
    bool pressed = false;
    WhileOpen([&pressed](QWidget* box) {
        QVERIFY(QTest::qWaitForWindowActive(box));
        QTRY_COMPARE(QApplication::focusWidget(), Child<QWidget>(box, "cmdOk"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        pressed = true;
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    });
    vellumark::OpenAbout(main_.get());
    QVERIFY(pressed);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
