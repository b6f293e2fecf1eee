#include "about/last_frame.h"

#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace vellumark {

namespace {

// Ends the wait at the window's next update, which Qt delivers only once the compositor has
// said that the frame on its way is done (at once when none is).
class UpdateSeen final : public QObject {
public:
    explicit UpdateSeen(QEventLoop& wait) : wait_(wait) {}

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::UpdateRequest) {
            wait_.quit();
        }
        return false;
    }

private:
    QEventLoop& wait_;
};

}  // namespace

void LetFramesSettle(QWidget& window, std::chrono::milliseconds bound) {
    const QPointer<QWindow> handle = window.windowHandle();
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
        handle == nullptr || !window.isVisible()) {
        return;
    }
    QEventLoop wait;
    UpdateSeen seen(wait);
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &wait, &QEventLoop::quit);
    handle->installEventFilter(&seen);
    handle->requestUpdate();
    giveUp.start(bound);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (handle != nullptr) {
        handle->removeEventFilter(&seen);
    }
}

}  // namespace vellumark
