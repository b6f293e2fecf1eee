// The program's entry: seed the generator from the clock, show the main window, and let its
// events drive everything from there.

#include <QApplication>
#include <QIcon>
#include <memory>

#include "about/frm_about.h"
#include "main_window/frm_main.h"
#include "main_window/pictures.h"
#include "runtime/generator.h"
#include "vellumark/version.h"

namespace {

// The program's one main window, for the whole run.
std::unique_ptr<vellumark::frmMain> mainWindow;

void Main() {
    vellumark::ProcessGenerator().Seed(vellumark::SecondsSinceMidnight());
    mainWindow = std::make_unique<vellumark::frmMain>();
    // Exit ends the program at once: no window is asked whether it may close.
    QObject::connect(mainWindow.get(), &vellumark::frmMain::exitRequested, qApp,
                     [] { QCoreApplication::exit(0); });
    QObject::connect(mainWindow.get(), &vellumark::frmMain::aboutRequested, mainWindow.get(),
                     [] { vellumark::OpenAbout(mainWindow.get()); });
    mainWindow->show();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellumark"));
    QApplication::setApplicationVersion(QString::fromLatin1(vellumark::kVersion));
    QApplication::setWindowIcon(QIcon(vellumark::kProgramIcon));
    Main();
    const int status = QApplication::exec();
    mainWindow.reset();
    return status;
}
