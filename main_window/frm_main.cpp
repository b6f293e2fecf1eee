#include "main_window/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QBitmap>
#include <QClipboard>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <algorithm>

#include "about/design_widgets.h"
#include "about/last_frame.h"
#include "about/qt_key_press.h"
#include "main_window/classic_look.h"
#include "main_window/clipboard.h"
#include "main_window/code_number_edit.h"
#include "main_window/mode_label.h"
#include "main_window/output_box.h"
#include "main_window/qt_text.h"
#include "window_core/line_breaks.h"
#include "window_core/screen_reader.h"

namespace vellumark {

namespace {

// Menus draw a box beside every checkable entry, an empty one while it is off; the mode
// entries show a check mark on the active one and nothing beside the other.
void ShowCheck(QAction& entry, bool checked) {
    if (checked) {
        entry.setCheckable(true);
        entry.setChecked(true);
    } else {
        entry.setChecked(false);
        entry.setCheckable(false);
    }
}

// The button pictures are 16-colour bitmaps drawn on silver, named after the buttons' tool
// tips. The silver is left off, so that the picture sits on the button face of any style; a
// build without the pictures shows bare buttons.
QPixmap ButtonPicture(const QString& toolTip) {
    QPixmap picture(QStringLiteral(":/pictures/%1.bmp").arg(toolTip.toLower()));
    if (!picture.isNull()) {
        picture.setMask(picture.createMaskFromColor(QColor(0xC0, 0xC0, 0xC0), Qt::MaskInColor));
    }
    return picture;
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    auto* client = new QWidget(this);
    BuildDesign(*this, *client, kFrmMain, kFrmMainControls,
                [this](const ControlDesign& control, QWidget* container) -> QWidget* {
                    if (control.name == "txtCodeNum") {
                        return new CodeNumberEdit(container);
                    }
                    if (control.name == "txtOut") {
                        return new OutputBox(container, [this] { return core_.OnOutputCopy(); });
                    }
                    if (control.kind == ControlKind::kTextBox) {
                        return new QPlainTextEdit(container);
                    }
                    return control.kind == ControlKind::kLabel ? new ModeLabel(container) : nullptr;
                });
    setCentralWidget(client);
    for (const ControlDesign& design : kFrmMainControls) {
        if (const std::optional<Control> control = ControlNamed(design.name)) {
            controls_[static_cast<std::size_t>(*control)] = DesignWidget(*this, design.name);
        }
    }
    txtCodeNum_ = static_cast<CodeNumberEdit*>(ControlWidget(Control::kTxtCodeNum));
    txtIn_ = static_cast<QPlainTextEdit*>(ControlWidget(Control::kTxtIn));
    txtOut_ = static_cast<OutputBox*>(ControlWidget(Control::kTxtOut));

    // A fixed border with no maximize button; the close button stays and ends the program.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // The design is laid out in pixels for the classic 8-point "MS Sans Serif" or a face of its
    // metrics (SubstituteClassicFonts): a desktop's larger default would not fit "Encrypt" into
    // its label. The menu bar and the status bar keep the desktop's font.
    QFont dialogFont = client->font();
    dialogFont.setFamily(Latin1Text(kDialogFont.face));
    dialogFont.setPixelSize(FontPixels(kDialogFont, kDesignDpi));
    client->setFont(dialogFont);
    // Frames with their caption on the top border line, which the controls sit just below.
    auto* frameStyle = new ClassicFrameStyle;
    frameStyle->setParent(this);
    for (QGroupBox* frame : client->findChildren<QGroupBox*>()) {
        frame->setStyle(frameStyle);
        // For its access key.
        frame->installEventFilter(this);
    }

    txtCodeNum_->setAccessibleName(QStringOf(kCodeNumberName));
    for (QPlainTextEdit* box : {txtIn_, static_cast<QPlainTextEdit*>(txtOut_)}) {
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setTabChangesFocus(true);
    }
    txtOut_->setReadOnly(true);
    txtOut_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    for (const Button button :
         {Button::kPasteInput, Button::kClearInput, Button::kCutOutput, Button::kCopyOutput}) {
        QToolButton* widget = ButtonWidget(button);
        const QPixmap picture = ButtonPicture(widget->toolTip());
        widget->setIcon(picture);
        widget->setIconSize(picture.size());
        widget->setAccessibleDescription(QStringOf(ButtonDescription(button)));
        widget->setEnabled(core_.enabled(button));
        connect(widget, &QToolButton::clicked, this, [this, button] { core_.PressButton(button); });
    }

    // The notice must never widen the window, however long it is: its full text is also
    // its tool tip.
    statusBar()->setSizeGripEnabled(false);
    lblNotice_ = new QLabel(statusBar());
    lblNotice_->setObjectName(QStringLiteral("lblNotice"));
    lblNotice_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblNotice_->setAccessibleName(QStringOf(kNoticeName));
    statusBar()->addWidget(lblNotice_, 1);
    // The client area keeps its size; the status bar adds its height below it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    BuildMenus();
    ConnectControls();

    // Text boxes claim some Ctrl keys for editing (Ctrl+D deletes, Ctrl+E goes to the end of
    // the line); the menu's shortcuts must win from wherever the focus is. The buttons' keys
    // are the core's.
    for (const Control control : kTabOrder) {
        ControlWidget(control)->installEventFilter(this);
    }

    // The first in the tab order: it takes the focus when the window opens.
    txtCodeNum_->setFocus(Qt::OtherFocusReason);
}

namespace {

MouseButton MouseButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::kLeft;
        case Qt::RightButton:
            return MouseButton::kRight;
        case Qt::MiddleButton:
            return MouseButton::kMiddle;
        default:
            return MouseButton::kOther;
    }
}

FocusReason ReasonOf(Qt::FocusReason reason) {
    switch (reason) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
            return FocusReason::kTab;
        case Qt::ShortcutFocusReason:
            return FocusReason::kAccessKey;
        case Qt::MouseFocusReason:
            // The focus moves before the press is delivered; the buttons held tell which.
            return QGuiApplication::mouseButtons().testFlag(Qt::RightButton)
                       ? FocusReason::kRightButton
                       : FocusReason::kMouse;
        default:
            return FocusReason::kReturned;
    }
}

}  // namespace

void frmMain::ConnectControls() {
    connect(txtCodeNum_, &QLineEdit::textChanged, this, [this] { core_.OnCodeNumberChange(); });
    connect(txtIn_->document(), &QTextDocument::contentsChange, this, &frmMain::ReportInputEdit);
    connect(txtIn_, &QPlainTextEdit::textChanged, this, [this] { core_.OnInputChange(); });

    // A line edit places its caret on the press and again on the release, so a click is told
    // to the core at both, each time after Qt's own handling.
    const auto click = [this](Qt::MouseButton button) {
        core_.OnCodeNumberClick(MouseButtonOf(button));
    };
    connect(txtCodeNum_, &CodeNumberEdit::pressed, this, click);
    connect(txtCodeNum_, &CodeNumberEdit::clicked, this, click);
    // A focus that the core gave says why itself; any other is told by Qt's reason.
    connect(txtCodeNum_, &CodeNumberEdit::focusEntered, this, [this](Qt::FocusReason reason) {
        core_.OnCodeNumberFocus(focusGiven_.value_or(ReasonOf(reason)));
    });
    for (const Control label : {Control::kLblEncrypt, Control::kLblDecrypt}) {
        connect(static_cast<ModeLabel*>(ControlWidget(label)), &ModeLabel::pressed, this,
                [this, label](Qt::MouseButton button) {
                    core_.OnModeLabelPress(label, MouseButtonOf(button));
                });
    }
}

void frmMain::BuildMenus() {
    for (const MenuDesign& design : kMenus) {
        QMenu* menu = menuBar()->addMenu(QStringOf(design.caption));
        menu->setObjectName(Latin1Text(design.name));
        connect(menu, &QMenu::aboutToHide, this, &frmMain::LeaveMenuBarAfterMenu,
                Qt::QueuedConnection);
        for (std::size_t i = 0; i < std::size(kCommands); ++i) {
            const CommandDesign& entry = kCommands[i];
            if (entry.menu != design.menu) {
                continue;
            }
            if (entry.separatorBefore) {
                menu->addSeparator();
            }
            QAction* action = menu->addAction(QStringOf(entry.caption));
            action->setObjectName(Latin1Text(entry.name));
            action->setShortcut(QKeySequence(QStringOf(ShortcutText(entry))));
            // A checkable entry turns its own check mark over as it is chosen: draw the
            // core's again.
            connect(action, &QAction::triggered, this, [this, command = entry.command] {
                core_.RunCommand(command);
                ShowCommand(command, core_.StateOf(command));
            });
            entries_[i] = action;
        }
    }
}

void frmMain::LeaveMenuBarAfterMenu() {
    // Esc closes a menu opened from the keyboard but leaves the menu bar holding the keys,
    // which would swallow the next one typed. Once no menu is open any more (this runs queued,
    // after the menu has gone), the bar lets go, and the focus goes back where it was, text
    // and caret untouched.
    if (QApplication::activePopupWidget() == nullptr && menuBar()->hasFocus()) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(menuBar(), &escape);
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    LetFramesSettle(*this);
    QMainWindow::closeEvent(event);
}

void frmMain::showEvent(QShowEvent* event) {
    // A window loads on its first show, and becomes visible once the load has returned.
    if (!loaded_) {
        loaded_ = true;
        core_.Load();
        core_.OnCodeNumberFocus(FocusReason::kFirstShow);
    }
    QMainWindow::showEvent(event);
}

std::u16string frmMain::CodeNumberText() const {
    return std::u16string(Utf16Of(txtCodeNum_->text()));
}

void frmMain::ReadInput(const std::function<bool(std::u16string_view)>& read) const {
    // A paragraph at a time, each followed by its line break, as TextOf reads them.
    for (QTextBlock block = txtIn_->document()->begin(); block.isValid(); block = block.next()) {
        if (!read(Utf16Of(WithLineFeeds(block.text()))) ||
            (block.next().isValid() && !read(u"\n"))) {
            return;
        }
    }
}

void frmMain::ReportInputEdit(int position, int removed, int added) {
    // The document counts the separator after its last paragraph, which the input does not
    // hold: an edit that reaches the end reports it among the removed and the added (the
    // core stops a removal at the end of the text it holds).
    const int length = txtIn_->document()->characterCount() - 1;
    added = std::max(0, std::min(added, length - position));
    QString text;
    if (added > 0) {
        QTextCursor cursor(txtIn_->document());
        cursor.setPosition(position);
        cursor.setPosition(position + added, QTextCursor::KeepAnchor);
        text = WithLineFeeds(cursor.selectedText());
    }
    core_.OnInputEdit(static_cast<std::size_t>(position), static_cast<std::size_t>(removed),
                      Utf16Of(text));
}

std::size_t frmMain::InputLength() const {
    // The document's count holds the end of its last paragraph too.
    return static_cast<std::size_t>(txtIn_->document()->characterCount() - 1);
}

void frmMain::SetText(Control box, std::u16string_view text) {
    if (box == Control::kTxtCodeNum) {
        txtCodeNum_->setText(QStringOf(text));
    } else {
        static_cast<QPlainTextEdit*>(ControlWidget(box))->setPlainText(QStringOf(text));
    }
}

void frmMain::ShowOutputStale(bool stale) {
    txtOut_->ShowStale(stale);
}

void frmMain::ShowMode(const ModeLook& look) {
    static_cast<ModeLabel*>(ControlWidget(Control::kLblEncrypt))
        ->Show(look.encryptColour, look.encryptChecked);
    static_cast<ModeLabel*>(ControlWidget(Control::kLblDecrypt))
        ->Show(look.decryptColour, look.decryptChecked);
    // A cipher text has no words: fill every line to the edge rather than breaking after
    // each "!" and "?".
    const bool cipherIn = look.cipherBox == TextBox::kInput;
    txtIn_->setWordWrapMode(cipherIn ? QTextOption::WrapAnywhere
                                     : QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtOut_->setWordWrapMode(cipherIn ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                      : QTextOption::WrapAnywhere);
}

QToolButton* frmMain::ButtonWidget(Button button) const {
    return static_cast<QToolButton*>(ControlWidget(ControlOf(button)));
}

Control frmMain::ControlAt(const QObject* widget) const {
    const auto at = std::find(controls_.begin(), controls_.end(), widget);
    return at == controls_.end() ? Control::kNone
                                 : static_cast<Control>(std::distance(controls_.begin(), at));
}

void frmMain::EnableButton(Button button, bool enabled) {
    ButtonWidget(button)->setEnabled(enabled);
}

void frmMain::ShowCommand(Command command, const CommandState& state) {
    QAction& entry = *entries_[static_cast<std::size_t>(command)];
    ShowCheck(entry, state.checked);
    entry.setEnabled(state.enabled);
}

void frmMain::ShowNotice(std::u16string_view text) {
    lblNotice_->setText(QStringOf(text));
    lblNotice_->setToolTip(QStringOf(text));
}

void frmMain::SelectWholeCodeNumber() {
    txtCodeNum_->selectAll();
}

Control frmMain::FocusedControl() const {
    return ControlAt(QApplication::focusWidget());
}

void frmMain::FocusControl(Control control, FocusReason reason) {
    QWidget* widget = ControlWidget(control);
    if (widget == nullptr) {
        return;
    }
    focusGiven_ = reason;
    widget->setFocus(reason == FocusReason::kTab         ? Qt::TabFocusReason
                     : reason == FocusReason::kAccessKey ? Qt::ShortcutFocusReason
                                                         : Qt::OtherFocusReason);
    focusGiven_.reset();
}

std::optional<std::u16string> frmMain::ClipboardText() const {
    // Qt reads the clipboard or reports no text; it never says that the clipboard was busy.
    return std::u16string(Utf16Of(QGuiApplication::clipboard()->text()));
}

void frmMain::PutOnClipboard(std::u16string_view text, bool secret) {
    // As the output box holds the text: every line break as LF.
    vellumark::PutOnClipboard(*QGuiApplication::clipboard(), QStringOf(WithLineFeedBreaks(text)),
                              secret);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride: {
            // Left unaccepted, the key goes on to the window's shortcuts.
            const std::optional<Command> command =
                CommandOfShortcut(KeyPressOf(static_cast<const QKeyEvent&>(*event)));
            if (command && core_.StateOf(*command).enabled) {
                event->ignore();
                return true;
            }
            break;
        }
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (const std::optional<Button> button = ButtonOf(ControlAt(watched))) {
                const KeyPress press = KeyPressOf(static_cast<const QKeyEvent&>(*event));
                if (event->type() == QEvent::KeyPress && core_.OnButtonKey(*button, press)) {
                    return true;
                }
                // A button would press itself on Space, with any modifier, on its own.
                return press.key == Key::kSpace;
            }
            break;
        case QEvent::Shortcut:
            // A frame's access key: the core moves the focus.
            if (qobject_cast<QGroupBox*>(watched) != nullptr) {
                const QKeySequence keys = static_cast<const QShortcutEvent&>(*event).key();
                if (!keys.isEmpty() &&
                    core_.OnAccessKey(static_cast<char16_t>(keys[0].key() & 0xFFFF))) {
                    return true;
                }
            }
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace vellumark
