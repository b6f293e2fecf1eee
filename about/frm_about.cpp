#include "about/frm_about.h"

#include <qdrawutil.h>
#include <QDesktopServices>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

#include "about/design_widgets.h"
#include "about/last_frame.h"
#include "about/qt_key_press.h"
#include "window_core/about_core.h"
#include "window_core/cursor_file.h"
#include "window_core/text_contrast.h"

namespace vellumark {

namespace {

// The width of the dialog frame that the box paints around its client area: the window
// manager draws nothing around a window without a title bar.
constexpr int kFrameWidth = 3;

// The design's blue where it reads on the dialog, as on every light desktop; else the
// palette's link colour, made readable where it is not.
void ColourAddress(QLabel& address) {
    const QPalette scheme = address.parentWidget()->palette();
    QPalette own = address.palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const std::uint32_t colour =
            LinkColour(BgrOf(scheme.color(group, QPalette::Window)), kAddressColour,
                       BgrOf(scheme.color(group, QPalette::Link)));
        own.setColor(group, QPalette::WindowText, ColourOf(colour));
    }
    address.setPalette(own);
}

// The hand over the address, pointing where its file says; the arrow where the file cannot
// be read.
QCursor HandCursor() {
    QFile file(QStringLiteral(":/pictures/hand.cur"));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const std::optional<HotSpot> hotSpot =
        CursorHotSpot(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    QPixmap hand;
    if (!hotSpot || !hand.loadFromData(bytes, "cur")) {
        return QCursor(Qt::ArrowCursor);
    }
    return QCursor(hand, hotSpot->x, hotSpot->y);
}

}  // namespace

frmAbout::frmAbout(QWidget* mainWindow)
    // The main window is the parent only so that the window manager treats the box as its
    // dialog and keeps it out of the taskbar; the box places itself.
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint) {
    // The client area, inside the dialog frame that the box paints itself.
    auto* client = new QWidget(this);
    BuildDesign(*this, *client, kFrmAbout, kFrmAboutControls);
    client->move(kFrameWidth, kFrameWidth);
    setFixedSize(client->size() + 2 * QSize(kFrameWidth, kFrameWidth));
    setModal(true);
    for (const ControlFont& own : kFrmAboutFonts) {
        DesignWidget<QLabel>(*this, own.control)->setFont(FontOf(own.font));
    }
    for (const char* boxed : {"Label1", "Label2", "Image1"}) {
        DesignWidget<QLabel>(*this, boxed)->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    for (const char* label : {"Label1", "Label2", "Label3", "lblUrl"}) {
        DesignWidget<QLabel>(*this, label)->setText(QStringOf(AboutCaption(label)));
    }

    lblUrl_ = DesignWidget<QLabel>(*this, "lblUrl");
    lblUrl_->setTextInteractionFlags(Qt::NoTextInteraction);
    ColourAddress(*lblUrl_);
    const QRect designed = lblUrl_->geometry();
    const QSize text = lblUrl_->sizeHint();
    const PixelRect place =
        AddressLabelPlace({designed.x(), designed.y(), designed.width(), designed.height()},
                          text.width(), text.height());
    lblUrl_->setGeometry(place.left, place.top, place.width, place.height);
    lblUrl_->setCursor(HandCursor());
    lblUrl_->installEventFilter(this);

    // The icon is stretched to the image's inside pixel for pixel, so its edges stay crisp
    // rather than smoothed into a blur.
    auto* image = DesignWidget<QLabel>(*this, "Image1");
    const QPixmap icon(QStringLiteral(":/pictures/vellumark.ico"));
    image->setPixmap(
        icon.scaled(image->contentsRect().size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));

    cmdOk_ = DesignWidget<QPushButton>(*this, "cmdOk");
    cmdOk_->setDefault(true);
    connect(cmdOk_, &QPushButton::clicked, this, &QDialog::accept);
    cmdOk_->installEventFilter(this);

    if (mainWindow != nullptr) {
        const QRect main = mainWindow->frameGeometry();
        const PixelPoint centred = CentredPlace({main.x(), main.y(), main.width(), main.height()},
                                                frameGeometry().width(), frameGeometry().height());
        move(centred.x, centred.y);
    }
}

void frmAbout::done(int result) {
    LetFramesSettle(*this);
    QDialog::done(result);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmdOk_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        AnswerKey(static_cast<const QKeyEvent&>(*event))) {
        return true;
    }
    if (watched == lblUrl_) {
        // A click is a press and a release of the left button, both on the address.
        if (event->type() == QEvent::MouseButtonPress) {
            urlPressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = urlPressed_ && mouse->button() == Qt::LeftButton &&
                               lblUrl_->rect().contains(mouse->position().toPoint());
            urlPressed_ = false;
            if (click) {
                // The desktop decides which program opens the address; whether it could is
                // not our business, as the box has nothing to say when it fails.
                static_cast<void>(QDesktopServices::openUrl(QUrl::fromUserInput(lblUrl_->text())));
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

void OpenAbout(QWidget* mainWindow) {
    // The box keeps nothing between two openings, so each opening loads it anew and
    // closing it throws it away. It lives on the heap because its parent, the main window,
    // would otherwise be entitled to delete it while it is still on this stack.
    const QPointer<frmAbout> box = new frmAbout(mainWindow);
    box->exec();
    delete box.data();
}

}  // namespace vellumark
