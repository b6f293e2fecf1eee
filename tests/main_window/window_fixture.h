#pragma once
// What the window tests share: finding controls by their names, typing into them, and opening
// the window as the program does.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QString>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <chrono>
#include <memory>
#include <string>

#include "about/design_widgets.h"
#include "about/last_frame.h"
#include "engine/crypt_text.h"
#include "main_window/frm_main.h"
#include "main_window/qt_text.h"
#include "runtime/windows1252.h"

namespace vellumark::testing {

template <typename T>
T* Widget(const QWidget& window, const char* name) {
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) {
        qFatal("no control named %s", name);
    }
    return control;
}

// The window's controls by the names of its design.
struct Controls {
    explicit Controls(const frmMain& w)
        : txtCodeNum(Widget<QLineEdit>(w, "txtCodeNum")),
          txtIn(Widget<QPlainTextEdit>(w, "txtIn")),
          txtOut(Widget<QPlainTextEdit>(w, "txtOut")),
          cmdPasteInput(Widget<QToolButton>(w, "cmdPasteInput")),
          cmdClearInput(Widget<QToolButton>(w, "cmdClearInput")),
          cmdCutOutput(Widget<QToolButton>(w, "cmdCutOutput")),
          cmdCopyOutput(Widget<QToolButton>(w, "cmdCopyOutput")),
          lblEncrypt(Widget<QLabel>(w, "lblEncrypt")),
          lblDecrypt(Widget<QLabel>(w, "lblDecrypt")),
          lblNotice(Widget<QLabel>(w, "lblNotice")),
          mnuFile(Widget<QMenu>(w, "mnuFile")),
          mnuMode(Widget<QMenu>(w, "mnuMode")),
          mnuHelp(Widget<QMenu>(w, "mnuHelp")),
          mnuExit(Widget<QAction>(w, "mnuExit")),
          mnuRandomCode(Widget<QAction>(w, "mnuRandomCode")),
          mnuChangeMode(Widget<QAction>(w, "mnuChangeMode")),
          mnuSetEncrypt(Widget<QAction>(w, "mnuSetEncrypt")),
          mnuSetDecrypt(Widget<QAction>(w, "mnuSetDecrypt")),
          mnuAbout(Widget<QAction>(w, "mnuAbout")) {}

    QLineEdit* txtCodeNum;
    QPlainTextEdit* txtIn;
    QPlainTextEdit* txtOut;
    QToolButton* cmdPasteInput;
    QToolButton* cmdClearInput;
    QToolButton* cmdCutOutput;
    QToolButton* cmdCopyOutput;
    QLabel* lblEncrypt;
    QLabel* lblDecrypt;
    QLabel* lblNotice;
    QMenu* mnuFile;
    QMenu* mnuMode;
    QMenu* mnuHelp;
    QAction* mnuExit;
    QAction* mnuRandomCode;
    QAction* mnuChangeMode;
    QAction* mnuSetEncrypt;
    QAction* mnuSetDecrypt;
    QAction* mnuAbout;
};

inline QString FromBytes(const std::string& bytes) {
    return QStringOf(Windows1252ToUtf16(bytes));
}

// How long a test lets a closing window wait for its last frame (about/last_frame.h): as long
// as Qt Test's own waits, as the compositor answers slowly on a loaded machine.
inline constexpr std::chrono::seconds kLastFrameWaitInTests{5};

// Deletes a window that a test opened, once its frames are done (above).
struct ClosingWindow {
    void operator()(frmMain* window) const {
        LetFramesSettle(*window, kLastFrameWaitInTests);
        delete window;
    }
};
using OpenedWindow = std::unique_ptr<frmMain, ClosingWindow>;

// Waits for the window to be active. On Wayland the compositor activates it when it sees fit,
// where it has a keyboard, and Qt's qWaitForWindowActive waits there only for it to be shown.
inline bool WaitUntilActive(QWidget& window) {
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        return QTest::qWaitFor([&window] { return window.isActiveWindow(); });
    }
    return QTest::qWaitForWindowActive(&window);
}

// Shown and active, as the program opens it, so keys and shortcuts reach it. A compositor
// may keep the activation to itself: WaylandWithoutKeyboardFocus (below) tells the tests.
inline OpenedWindow OpenWindow() {
    OpenedWindow w(new frmMain);
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get())) {
        qFatal("the window was not shown");
    }
    w->activateWindow();
    if (!WaitUntilActive(*w) && QGuiApplication::platformName() != QLatin1String("wayland")) {
        qFatal("the window did not become active");
    }
    return w;
}

// On Wayland only the compositor gives a window the keyboard focus (a client cannot activate
// itself), and a client may own the clipboard only while it has that focus; a compositor
// without a keyboard gives it to none. Checks of the focus or of the clipboard skip there,
// with this reason.
inline bool WaylandWithoutKeyboardFocus(const QWidget& w) {
    return QGuiApplication::platformName() == QLatin1String("wayland") && !w.isActiveWindow();
}
inline constexpr char kNoKeyboardFocus[] =
    "on Wayland the compositor gave the window no keyboard focus, and without it a client can "
    "neither take the focus nor own the clipboard";

// Types `text` into `box` as the keyboard would, one key at a time, also characters that no
// key of a US keyboard makes (QTest::keyClicks takes Latin-1 only).
inline void TypeKeys(QWidget* box, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        i += length - 1;
        const char16_t unit = character.at(0).unicode();
        Qt::Key key = Qt::Key_unknown;
        if (unit == u'\n') {
            key = Qt::Key_Return;
        } else if (unit >= 0x20 && unit < 0x7F) {
            key = static_cast<Qt::Key>(QChar(unit).toUpper().unicode());
        }
        const QString typed = unit == u'\n' ? QStringLiteral("\r") : character;
        QTest::sendKeyEvent(QTest::Press, box, key, typed, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, box, key, typed, Qt::NoModifier);
    }
}

inline void Type(QWidget* box, const QString& text) {
    box->setFocus(Qt::OtherFocusReason);
    TypeKeys(box, text);
}

}  // namespace vellumark::testing
