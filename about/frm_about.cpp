#include "about/frm_about.h"

#include <qdrawutil.h>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QUrl>

#include "about/cursor_file.h"
#include "about/last_frame.h"
#include "about/qt_key_press.h"
#include "ui_frmAbout.h"
#include "window_core/about_core.h"
#include "window_core/text_contrast.h"

namespace vellumark {

namespace {

// The width of the dialog frame that the box paints around its client area: the window
// manager draws nothing around a window without a title bar.
constexpr int kFrameWidth = 3;

// The point size of the address, which the stored design can only hold in whole points.
constexpr qreal kUrlPointSize = 9.75;

QString QStringOf(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::uint32_t BgrOf(const QColor& colour) {
    return vellumark::BgrOf(colour.red(), colour.green(), colour.blue());
}

// The design's blue where it reads on the dialog, as on every light desktop; else the
// palette's link colour, made readable where it is not.
void ColourAddress(QLabel& address) {
    const QPalette scheme = address.parentWidget()->palette();
    QPalette own = address.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const std::uint32_t colour =
            LinkColour(BgrOf(scheme.color(group, QPalette::Window)), kAddressColour,
                       BgrOf(scheme.color(group, QPalette::Link)));
        own.setColor(group, QPalette::WindowText,
                     QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                            static_cast<int>((colour >> 16) & 0xFFu)));
    }
    address.setPalette(own);
}

void OpenWithDesktop(const QString& address) {
    // The desktop decides which program opens the address; whether it could is not our
    // business, as the box has nothing to say when it fails.
    static_cast<void>(QDesktopServices::openUrl(QUrl::fromUserInput(address)));
}

LinkOpener& CurrentOpener() {
    static LinkOpener opener = OpenWithDesktop;
    return opener;
}

}  // namespace

void SetLinkOpener(LinkOpener opener) {
    CurrentOpener() = opener ? std::move(opener) : LinkOpener(OpenWithDesktop);
}

QString HomepageAddress() {
    return QStringOf(AboutAddress());
}

frmAbout::frmAbout(QWidget* mainWindow)
    // The main window is the parent only so that the window manager treats the box as its
    // dialog and keeps it out of the taskbar; the box places itself.
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint), ui_(new Ui::frmAbout) {
    ui_->setupUi(this);
    ui_->Label1->setText(QStringOf(kAboutTitle));
    ui_->Label2->setText(QStringOf(AboutVersionText()));
    ui_->Label3->setText(QStringOf(kAboutCredit));
    setFixedSize(size());
    setAttribute(Qt::WA_DeleteOnClose, false);

    QFont urlFont = ui_->lblUrl->font();
    urlFont.setPointSizeF(kUrlPointSize);
    ui_->lblUrl->setFont(urlFont);
    ui_->lblUrl->setText(HomepageAddress());
    ColourAddress(*ui_->lblUrl);
    const QRect designed = ui_->lblUrl->geometry();
    const QSize text = ui_->lblUrl->sizeHint();
    const PixelRect place = AddressLabelPlace(
        {designed.x(), designed.y(), designed.width(), designed.height()}, text.width(),
        text.height());
    ui_->lblUrl->setGeometry(place.left, place.top, place.width, place.height);
    ui_->lblUrl->setCursor(LoadCursorFile(QStringLiteral(":/pictures/hand.cur")));
    ui_->lblUrl->installEventFilter(this);

    // The icon is stretched to the image's inside pixel for pixel, so its edges stay crisp
    // rather than smoothed into a blur.
    const QPixmap icon(QStringLiteral(":/pictures/vellumark.ico"));
    ui_->Image1->setScaledContents(false);
    ui_->Image1->setAlignment(Qt::AlignCenter);
    ui_->Image1->setPixmap(icon.scaled(ui_->Image1->contentsRect().size(), Qt::IgnoreAspectRatio,
                                       Qt::FastTransformation));

    connect(ui_->cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    ui_->cmdOk->installEventFilter(this);

    if (mainWindow != nullptr) {
        Centre(*mainWindow);
    }
}

frmAbout::~frmAbout() = default;

void frmAbout::Centre(const QWidget& mainWindow) {
    const QRect main = mainWindow.frameGeometry();
    const PixelPoint place = CentredPlace({main.x(), main.y(), main.width(), main.height()},
                                          frameGeometry().width(), frameGeometry().height());
    move(place.x, place.y);
}

void frmAbout::done(int result) {
    LetFramesSettle(*this);
    QDialog::done(result);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->cmdOk &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        if (AnswerKey(static_cast<const QKeyEvent&>(*event))) {
            return true;
        }
    }
    if (watched == ui_->lblUrl) {
        // A click is a press and a release of the left button, both on the address.
        if (event->type() == QEvent::MouseButtonPress) {
            urlPressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = urlPressed_ && mouse->button() == Qt::LeftButton &&
                               ui_->lblUrl->rect().contains(mouse->position().toPoint());
            urlPressed_ = false;
            if (click) {
                OpenLink();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), false);
    painter.setPen(palette().color(QPalette::Button));
    painter.drawRect(rect().adjusted(kFrameWidth - 1, kFrameWidth - 1, -kFrameWidth, -kFrameWidth));
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    if (!AnswerKey(*event)) {
        QDialog::keyPressEvent(event);
    }
}

bool frmAbout::AnswerKey(const QKeyEvent& event) {
    const KeyPress press = KeyPressOf(event);
    if (press.key == Key::kOther) {
        return false;
    }
    // The core decides which of these keys close the box; the dialog's and the button's own
    // handling of them (Esc rejects, Space presses with any modifier) never runs.
    if (event.type() == QEvent::KeyPress && ClosesAboutBox(press)) {
        accept();
    }
    return true;
}

void frmAbout::OpenLink() {
    // Copied first, so that an opener that replaces itself cannot pull the rug from under
    // its own call.
    const LinkOpener opener = CurrentOpener();
    opener(ui_->lblUrl->text());
}

void OpenAbout(QWidget* mainWindow) {
    // The box keeps nothing between two openings, so each opening loads it anew and
    // closing it throws it away. It lives on the heap because its parent, the main window,
    // would otherwise be entitled to delete it while it is still on this stack.
    const QPointer<frmAbout> box = new frmAbout(mainWindow);
    box->exec();
    delete box.data();
}

}  // namespace vellumark
