// The behaviour table against the Qt window: a real frmMain, opened, shown and activated as the
// program opens it. Keys go to the focused widget and mouse buttons through the window, as the
// platform delivers them; the state is read back from the widgets. Offscreen, and on X11 under
// a window manager, where focus, activation and the editors' key bindings are the desktop's.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cctype>
#include <csignal>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include <execinfo.h>
#include <unistd.h>

#include "about/design_widgets.h"
#include "about/frm_about.h"
#include "main_window/frm_main.h"
#include "main_window/qt_text.h"
#include "tests/behaviour/table.h"
#include "tests/main_window/window_fixture.h"
#include "window_core/clipboard_formats.h"
#include "window_core/commands.h"
#include "window_core/controls.h"

namespace vellumark::behaviour {
namespace {

// Alt and a menu's access letter: "Alt+N".
bool OpensMenu(std::string_view chord) {
    constexpr std::string_view kAlt = "Alt+";
    return chord.size() == kAlt.size() + 1 && chord.substr(0, kAlt.size()) == kAlt &&
           std::any_of(std::begin(kMenus), std::end(kMenus), [chord](const MenuDesign& menu) {
               return AccessLetter(menu.caption) == static_cast<char16_t>(chord.back());
           });
}

// Why a row cannot run on Qt; empty when it can.
std::string Unreachable(const Row& row) {
    for (const Item& item : row.items) {
        const auto* step = std::get_if<Step>(&item);
        if (step != nullptr && step->kind == StepKind::kClipboard && step->word == "busy") {
            return "Qt reads the clipboard or reports no text; it never tells that another "
                   "program holds it open";
        }
        if (step == nullptr || QGuiApplication::platformName() != QLatin1String("wayland")) {
            continue;
        }
        if (step->kind == StepKind::kFocus && step->word == "none") {
            return "on Wayland only the user activates a window: once another has taken the "
                   "focus, the program cannot bring it back";
        }
        if (step->kind == StepKind::kKey && OpensMenu(step->word)) {
            return "on Wayland a menu opened from the keyboard, and the about box after it, "
                   "take the keyboard from the window, and the compositor gives it back in "
                   "its own time, after the row's next key";
        }
        if (step->kind == StepKind::kClick && step->button == "right" &&
            step->word.rfind("txt", 0) == 0) {
            return "on Wayland the box's own menu takes the keyboard from the window, and the "
                   "compositor gives it back in its own time, after the row's next key";
        }
    }
    return {};
}

template <typename T = QWidget>
T* Named(const QWidget& window, const std::string& name) {
    T* widget = window.findChild<T*>(QString::fromStdString(name));
    if (widget == nullptr) {
        throw std::runtime_error("the window has no " + name);
    }
    return widget;
}

// A chord of the table ("Ctrl+Shift+Tab") as Qt's key and modifiers.
struct Chord {
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
};

Chord ChordOf(std::string_view chord) {
    Chord parsed;
    for (bool more = true; more;) {
        more = false;
        for (const auto& [prefix, modifier] :
             {std::pair{std::string_view("Ctrl+"), Qt::ControlModifier},
              std::pair{std::string_view("Alt+"), Qt::AltModifier},
              std::pair{std::string_view("Shift+"), Qt::ShiftModifier}}) {
            if (chord.size() > prefix.size() && chord.substr(0, prefix.size()) == prefix) {
                parsed.modifiers |= modifier;
                chord.remove_prefix(prefix.size());
                more = true;
            }
        }
    }
    static constexpr std::pair<std::string_view, Qt::Key> kNamed[] = {
        {"Tab", Qt::Key_Tab},       {"Enter", Qt::Key_Return},       {"KeypadEnter", Qt::Key_Enter},
        {"Space", Qt::Key_Space},   {"Esc", Qt::Key_Escape},         {"Backspace", Qt::Key_Backspace},
        {"Delete", Qt::Key_Delete}, {"Home", Qt::Key_Home},          {"End", Qt::Key_End},
        {"Left", Qt::Key_Left},     {"Right", Qt::Key_Right},        {"Up", Qt::Key_Up},
        {"Down", Qt::Key_Down},
    };
    for (const auto& [name, key] : kNamed) {
        if (chord == name) {
            parsed.key = key;
        }
    }
    if (chord.size() == 1 && std::isalnum(static_cast<unsigned char>(chord[0])) != 0) {
        parsed.key = static_cast<Qt::Key>(std::toupper(static_cast<unsigned char>(chord[0])));
    }
    if (parsed.key == Qt::Key_unknown) {
        throw std::runtime_error("no key " + std::string(chord));
    }
    // Qt reports Shift+Tab as a back tab, and a keypad key with its modifier.
    if (parsed.key == Qt::Key_Tab && parsed.modifiers.testFlag(Qt::ShiftModifier)) {
        parsed.key = Qt::Key_Backtab;
    }
    if (parsed.key == Qt::Key_Enter) {
        parsed.modifiers |= Qt::KeypadModifier;
    }
    return parsed;
}

Qt::MouseButton MouseButtonNamed(const std::string& name) {
    if (name == "right") {
        return Qt::RightButton;
    }
    return name == "middle" ? Qt::MiddleButton : Qt::LeftButton;
}

class QtDriver final : public Driver {
public:
    QtDriver() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        if (clipboard->supportsSelection()) {
            // A middle click pastes the primary selection: none is left from another row.
            clipboard->clear(QClipboard::Selection);
        }
        // The program's about box, opened modal without a loop of its own so that the row's
        // keys can reach it.
        QObject::connect(w_.get(), &frmMain::aboutRequested, w_.get(), [this] {
            about_ = new frmAbout(w_.get());
            about_->open();
            static_cast<void>(QTest::qWaitForWindowActive(about_));
        });
        Activate();
        if (!QTest::qWaitFor([this] { return QApplication::focusWidget() == Named(*w_, "txtCodeNum"); })) {
            throw std::runtime_error("the code-number box did not take the focus");
        }
    }

    ~QtDriver() override {
        LetFramesSettle(*w_, testing::kLastFrameWaitInTests);
        LetFramesSettle(other_, testing::kLastFrameWaitInTests);
    }

    void Apply(const Step& step) override {
        switch (step.kind) {
            case StepKind::kKey: {
                const Chord chord = ChordOf(step.word);
                const bool overWindow = OverWindow();
                QTest::keyClick(Receiver(), chord.key, chord.modifiers);
                if (overWindow && !OverWindow()) {
                    // The window takes the activation back from the menu or the box that
                    // closed: from the window manager or the compositor, in its own time; the
                    // offscreen platform leaves it with the hidden one.
                    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
                        Activate();
                    }
                    static_cast<void>(QTest::qWaitFor([this] { return w_->isActiveWindow(); }));
                }
                break;
            }
            case StepKind::kType:
                testing::TypeKeys(Receiver(), QStringOf(step.text));
                break;
            case StepKind::kClick:
                Click(*Named(*w_, step.word), MouseButtonNamed(step.button));
                break;
            case StepKind::kFocus:
                if (step.word == "none") {
                    Leave();
                } else {
                    if (!w_->isActiveWindow()) {
                        Activate();
                    }
                    Named(*w_, step.word)->setFocus(Qt::OtherFocusReason);
                }
                break;
            case StepKind::kClipboard:
                if (step.word == "text") {
                    QGuiApplication::clipboard()->setText(QStringOf(step.text));
                } else {
                    // An offer of no format rather than clear(): Qt on Wayland keeps its
                    // own selection when cleared.
                    QGuiApplication::clipboard()->setMimeData(new QMimeData);
                }
                break;
            case StepKind::kMenu:
                ChooseWithTheMouse(*Named<QAction>(*w_, step.word));
                break;
            case StepKind::kModeSet:
                w_->ModeSet(static_cast<CryptMode>(step.number));
                break;
        }
        // What the step queued (a menu bar that lets go, a focus that comes back) is done.
        QCoreApplication::processEvents();
    }

    State Read() override {
        State state;
        state.codeNumber = std::u16string(Utf16Of(Named<QLineEdit>(*w_, "txtCodeNum")->text()));
        state.input = std::u16string(Utf16Of(TextOf(*Named<QPlainTextEdit>(*w_, "txtIn"))));
        state.output = std::u16string(Utf16Of(TextOf(*Named<QPlainTextEdit>(*w_, "txtOut"))));
        state.selection =
            std::u16string(Utf16Of(Named<QLineEdit>(*w_, "txtCodeNum")->selectedText()));
        const QWidget* focused = QApplication::focusWidget();
        state.focus = focused == nullptr || focused->window() != w_.get()
                          ? "none"
                          : focused->objectName().isEmpty()
                                ? std::string("an unnamed ") + focused->metaObject()->className()
                                : focused->objectName().toStdString();
        for (const Control control : kTabOrder) {
            const std::string name(ControlName(control));
            if (ButtonOf(control) && Named(*w_, name)->isEnabled()) {
                state.enabled.push_back(name);
            }
        }
        state.look = Look();
        state.outputLook = OutputLook();
        state.about = AboutOpen() ? "open" : "closed";
        const auto* notice = Named<QLabel>(*w_, "lblNotice");
        state.notice = std::u16string(Utf16Of(notice->text()));
        if (!notice->text().isEmpty() && !notice->isVisible()) {
            state.notice = u"(hidden) " + state.notice;
        }
        if (const QMimeData* data = QGuiApplication::clipboard()->mimeData();
            data != nullptr && data->hasText()) {
            state.clipboard = std::u16string(Utf16Of(data->text()));
            state.secret = data->data(QString::fromLatin1(kPasswordManagerHint)) ==
                           QByteArray(kSecretHint);
        }
        return state;
    }

private:
    void Activate() {
        w_->show();
        w_->activateWindow();
        if (!testing::WaitUntilActive(*w_)) {
            throw std::runtime_error("the window did not become active");
        }
    }

    // Another window takes the focus.
    void Leave() {
        other_.show();
        other_.activateWindow();
        if (!testing::WaitUntilActive(other_)) {
            throw std::runtime_error("another window did not become active");
        }
    }

    // An open menu, else the modal box, else the focused widget takes the keys.
    QWidget* Receiver() const {
        for (QWidget* widget : {QApplication::activePopupWidget(), QApplication::activeModalWidget(),
                                QApplication::focusWidget()}) {
            if (widget != nullptr) {
                return widget;
            }
        }
        return w_.get();
    }

    // Greyed as a disabled text, or in the text colour that the box inherits.
    std::string OutputLook() const {
        const auto* box = Named<QPlainTextEdit>(*w_, "txtOut");
        const QColor drawn = box->palette().color(QPalette::Active, QPalette::Text);
        const QPalette inherited = QApplication::palette(box);
        if (drawn == inherited.color(QPalette::Active, QPalette::Text)) {
            return "current";
        }
        const bool greyed = drawn == inherited.color(QPalette::Disabled, QPalette::Text);
        return greyed ? "stale" : "in " + drawn.name().toStdString();
    }

    bool AboutOpen() const { return about_ != nullptr && about_->isVisible(); }
    static bool OverWindow() {
        return QApplication::activePopupWidget() != nullptr ||
               QApplication::activeModalWidget() != nullptr;
    }


    // Through the window, as the platform delivers a press: the application then knows which
    // button is down when the press moves the focus, and opens a box's menu for it.
    void Click(QWidget& target, Qt::MouseButton button) {
        QPoint at = target.rect().center();
        if (qobject_cast<QLineEdit*>(&target) != nullptr) {
            at = QPoint(target.width() - 3, target.height() / 2);
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(&target); box != nullptr) {
            at = box->viewport()->mapTo(&target, QPoint(box->viewport()->width() - 3,
                                                         box->viewport()->height() - 3));
        }
        const QPoint inWindow = target.mapTo(w_.get(), at);
        QTest::mousePress(w_->windowHandle(), button, {}, inWindow);
        QTest::mouseRelease(w_->windowHandle(), button, {}, inWindow);
        // The box's own menu that the right button opened: the row goes on as if it were
        // closed again (its Paste is Ctrl+V).
        if (QWidget* popup = QApplication::activePopupWidget(); popup != nullptr) {
            popup->close();
            // On Wayland the window has the keyboard, and may own the clipboard, again only
            // once the compositor says so.
            static_cast<void>(testing::WaitUntilActive(*w_));
        }
    }

    void ChooseWithTheMouse(QAction& entry) {
        QMenu* menu = nullptr;
        for (const char* name : {"mnuFile", "mnuMode", "mnuHelp"}) {
            if (Named<QMenu>(*w_, name)->actions().contains(&entry)) {
                menu = Named<QMenu>(*w_, name);
            }
        }
        if (menu == nullptr) {
            throw std::runtime_error("no menu holds " + entry.objectName().toStdString());
        }
        QMenuBar* bar = w_->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); })) {
            throw std::runtime_error("the menu did not open");
        }
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(&entry).center());
        if (!QTest::qWaitFor([menu] { return !menu->isVisible(); })) {
            throw std::runtime_error("the menu did not close");
        }
        // The window takes the activation back from the menu that has gone: from the window
        // manager on a desktop; the offscreen platform leaves it with the hidden menu.
        QCoreApplication::processEvents();
        if (QGuiApplication::platformName() == QLatin1String("offscreen") &&
            QApplication::activeWindow() != w_.get()) {
            Activate();
        }
        static_cast<void>(QTest::qWaitFor([this] { return w_->isActiveWindow(); }));
    }

    // "encrypt" or "decrypt" when the labels' colours, the menu's check mark (and no empty
    // box beside the other entry) and the wrapping of the cipher text's box all show it.
    std::string Look() const {
        const auto background = [this](const char* name) {
            return Named<QLabel>(*w_, name)->palette().color(QPalette::Window);
        };
        const auto checked = [this](const char* name) {
            const auto* entry = Named<QAction>(*w_, name);
            return entry->isCheckable() ? entry->isChecked() ? 1 : 0 : -1;
        };
        const auto wrap = [this](const char* name) {
            return Named<QPlainTextEdit>(*w_, name)->wordWrapMode();
        };
        const QColor active = ColourOf(kActiveModeColour);
        const QColor inactive = ColourOf(kInactiveModeColour);
        const bool encrypt = background("lblEncrypt") == active &&
                             background("lblDecrypt") == inactive &&
                             checked("mnuSetEncrypt") == 1 && checked("mnuSetDecrypt") == -1 &&
                             wrap("txtOut") == QTextOption::WrapAnywhere &&
                             wrap("txtIn") == QTextOption::WrapAtWordBoundaryOrAnywhere;
        const bool decrypt = background("lblDecrypt") == active &&
                             background("lblEncrypt") == inactive &&
                             checked("mnuSetDecrypt") == 1 && checked("mnuSetEncrypt") == -1 &&
                             wrap("txtIn") == QTextOption::WrapAnywhere &&
                             wrap("txtOut") == QTextOption::WrapAtWordBoundaryOrAnywhere;
        if (encrypt != decrypt) {
            return encrypt ? "encrypt" : "decrypt";
        }
        return "mixed: labels " + background("lblEncrypt").name().toStdString() + "/" +
               background("lblDecrypt").name().toStdString() + ", checks " +
               std::to_string(checked("mnuSetEncrypt")) + "/" +
               std::to_string(checked("mnuSetDecrypt")) + ", wrap in/out " +
               std::to_string(wrap("txtIn")) + "/" + std::to_string(wrap("txtOut"));
    }

    std::unique_ptr<frmMain> w_ = std::make_unique<frmMain>();
    QPointer<frmAbout> about_;
    QWidget other_;
};

// The GoogleTest suite "behaviour", one test per row: ctest names them behaviour.qt/<row>.
class BehaviourTest : public ::testing::TestWithParam<Row> {};
using behaviour = BehaviourTest;  // NOLINT(readability-identifier-naming): the ctest prefix

TEST_P(behaviour, qt) {
    const Row& row = GetParam();
    if (!row.pending.empty()) {
        GTEST_SKIP() << row.pending;
    }
    if (const std::string reason = Unreachable(row); !reason.empty()) {
        GTEST_SKIP() << reason;
    }
    std::string failures;
    try {
        QtDriver driver;
        failures = ::vellumark::behaviour::Run(row, driver);
    } catch (const std::exception& error) {
        failures = std::string("the window did not open: ") + error.what();
    }
    EXPECT_TRUE(failures.empty()) << "row " << row.name << " (rows.txt:" << row.line << ")\n"
                                  << failures;
}

INSTANTIATE_TEST_SUITE_P(, behaviour, ::testing::ValuesIn(LoadRows(VELLUMARK_BEHAVIOUR_ROWS)),
                         [](const ::testing::TestParamInfo<Row>& row) { return row.param.name; });

}  // namespace
}  // namespace vellumark::behaviour

namespace {

// An abort amid the rows says where it came from: all rows run in one process, which would
// otherwise end with no more than a signal number.
void PrintWhereAndAbort(int signalNumber) {
    constexpr std::string_view kHeader = "aborted; the stack:\n";
    static_cast<void>(write(STDERR_FILENO, kHeader.data(), kHeader.size()));
    std::array<void*, 64> frames{};
    backtrace_symbols_fd(frames.data(), backtrace(frames.data(), static_cast<int>(frames.size())),
                         STDERR_FILENO);
    static_cast<void>(std::signal(signalNumber, SIG_DFL));
    static_cast<void>(std::raise(signalNumber));
}

}  // namespace

int main(int argc, char** argv) {
    // The first backtrace loads the unwinder, which a signal handler must not do.
    std::array<void*, 1> warm{};
    static_cast<void>(backtrace(warm.data(), 1));
    static_cast<void>(std::signal(SIGABRT, PrintWhereAndAbort));
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the rows needs no display.
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
