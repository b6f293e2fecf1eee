// Opens and closes the about box over and over, as a user does: Help > About on the real main
// window, then Enter on the box once it is on the screen. Closing a window on Wayland while a
// frame of it is on its way once aborted the program every few thousand windows; this runs
// long enough to show that it no longer does. scripts/about-box-soak.sh runs it under Weston.
//
//   about_box_soak [COUNT]    COUNT openings (20,000 unless given), a line every thousand; exit
//                             status 0 when all closed, anything else (an abort's signal) when not

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

#include "about/frm_about.h"
#include "main_window/frm_main.h"
#include "tests/main_window/window_fixture.h"

namespace {

constexpr long kDefaultCount = 20000;
// The box is closed at a random moment up to this long after it first shows, so that the
// close falls on every phase of the compositor's frames.
constexpr int kLatestCloseMs = 40;

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : kDefaultCount;
    vellumark::frmMain mainWindow;
    // As the program connects it (main_window/main.cpp).
    QObject::connect(&mainWindow, &vellumark::frmMain::aboutRequested, &mainWindow,
                     [&mainWindow] { vellumark::OpenAbout(&mainWindow); });
    mainWindow.show();
    if (!QTest::qWaitForWindowExposed(&mainWindow)) {
        std::fputs("the main window was not shown\n", stderr);
        return 1;
    }
    auto* const about = vellumark::testing::Widget<QAction>(mainWindow, "mnuAbout");

    // Closes each box that opens, with Enter, a random while after it is first exposed.
    QTimer closer;
    closer.setInterval(1);
    bool closing = false;
    QObject::connect(&closer, &QTimer::timeout, [&closing] {
        QWidget* const box = QApplication::activeModalWidget();
        if (closing || box == nullptr || box->windowHandle() == nullptr ||
            !box->windowHandle()->isExposed()) {
            return;
        }
        closing = true;
        QTimer::singleShot(
            QRandomGenerator::global()->bounded(kLatestCloseMs + 1), box, [box, &closing] {
                QWidget* const target = box->focusWidget() != nullptr ? box->focusWidget() : box;
                QTest::keyClick(target, Qt::Key_Return);
                closing = false;
            });
    });
    closer.start();

    QElapsedTimer clock;
    clock.start();
    for (long i = 1; i <= count; ++i) {
        about->trigger();  // returns once the box has closed
        if (i % 1000 == 0) {
            std::printf("%ld boxes opened and closed, %.1f s\n", i,
                        static_cast<double>(clock.elapsed()) / 1000.0);
            std::fflush(stdout);
        }
    }
    // And the main window closes as its close button closes it.
    mainWindow.close();
    std::printf("done: %ld boxes opened and closed without an abort in %.1f s\n", count,
                static_cast<double>(clock.elapsed()) / 1000.0);
    return 0;
}
