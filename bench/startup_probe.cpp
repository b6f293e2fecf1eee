// Starts the main window, or a bare Qt window, and reports how long after the given launch
// moment (CLOCK_MONOTONIC nanoseconds) its first paint came, and the resident memory then.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>

#include "main_window/frm_main.h"

namespace {

long long NowNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

class FirstPaint : public QObject {
public:
    explicit FirstPaint(long long launched) : launched_(launched) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            const double milliseconds = static_cast<double>(NowNanoseconds() - launched_) / 1e6;
            // Reported once the paint has finished.
            QTimer::singleShot(0, [milliseconds] {
                std::printf("%.3f %ld\n", milliseconds, ResidentKilobytes());
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    long long launched_;
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "window") != 0 && std::strcmp(argv[1], "bare") != 0)) {
        std::fprintf(stderr, "usage: startup_probe window|bare LAUNCH_NS\n");
        return 2;
    }
    const long long launched = std::stoll(argv[2]);
    QApplication application(argc, argv);
    FirstPaint firstPaint(launched);
    std::unique_ptr<QMainWindow> window;
    if (std::strcmp(argv[1], "window") == 0) {
        window = std::make_unique<vellumark::frmMain>();
    } else {
        window = std::make_unique<QMainWindow>();
        window->setCentralWidget(new QPlainTextEdit);
        window->resize(434, 198);
    }
    window->installEventFilter(&firstPaint);
    window->show();
    return QApplication::exec();
}
