// The program's entry: answer --help and --version, or show the main window and let its events
// drive everything from there.

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <cstdio>

#include "about/frm_about.h"
#include "about/last_frame.h"
#include "main_window/classic_look.h"
#include "main_window/frm_main.h"
#include "vellumark/version.h"

namespace {

void Main(vellumark::frmMain& mainWindow) {
    // Exit ends the program at once: no window is asked whether it may close. The window is
    // destroyed when main returns, so its last frame must be done before the event loop ends.
    QObject::connect(&mainWindow, &vellumark::frmMain::exitRequested, qApp, [&mainWindow] {
        vellumark::LetFramesSettle(mainWindow);
        QCoreApplication::quit();
    });
    QObject::connect(&mainWindow, &vellumark::frmMain::aboutRequested, &mainWindow,
                     [&mainWindow] { vellumark::OpenAbout(&mainWindow); });
    mainWindow.show();
}

constexpr int kExitUsage = 2;

// A command line is only ever a question about the program, so it is answered without a
// display: a QCoreApplication is enough for the parser. Anything but --help and --version is
// a usage error.
int AnswerCommandLine(int argc, char* argv[]) {
    const QCoreApplication core(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Turns a text into a cipher text of 64 printable symbols under a code number, and back,\n"
        "in a window whose output follows every keystroke. Run it without arguments."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);

    QString problem;
    if (!parser.parse(QCoreApplication::arguments())) {
        problem = parser.errorText();
    } else if (parser.isSet(help)) {
        parser.showHelp();
    } else if (parser.isSet(version)) {
        parser.showVersion();
    } else {
        const QStringList extra = parser.positionalArguments();
        problem = QStringLiteral("Unexpected argument '%1'.")
                      .arg(extra.isEmpty() ? QStringLiteral("--") : extra.constFirst());
    }
    std::fprintf(stderr, "vellumark: %s Try 'vellumark --help'.\n", qPrintable(problem));
    return kExitUsage;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Vellumark"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(vellumark::kVersion));
    if (argc > 1) {
        return AnswerCommandLine(argc, argv);
    }
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/vellumark.ico")));
    vellumark::SubstituteClassicFonts();
    // The program's one main window, for the whole run.
    vellumark::frmMain mainWindow;
    Main(mainWindow);
    return QApplication::exec();
}
