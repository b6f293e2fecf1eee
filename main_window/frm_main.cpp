#include "main_window/frm_main.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QStatusBar>
#include <QToolButton>

#include "engine/code_number.h"
#include "engine/crypt_text.h"
#include "main_window/classic_look.h"
#include "main_window/clipboard.h"
#include "main_window/pictures.h"
#include "main_window/select_all.h"
#include "runtime/generator.h"
#include "ui_frmMain.h"

namespace vellumark {

namespace {

// 8 points at 96 dots per inch.
constexpr int kDialogFontPixels = 11;

void PaintModeLabel(QLabel& label, std::uint32_t colour, bool active) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, ColourOf(colour));
    label.setPalette(palette);
    // The colour alone tells a screen-reader user nothing.
    label.setAccessibleDescription(active ? QStringLiteral("Active mode")
                                          : QStringLiteral("Press to switch to this mode"));
}

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

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent), ui(std::make_unique<Ui::frmMain>()) {
    ui->setupUi(this);
    // A fixed border with no maximize button; the close button stays and ends the program.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(kProgramIcon));
    // The places and sizes are in pixels, laid out for the classic 8-point dialog font, "MS
    // Sans Serif" or a face of its metrics (SubstituteClassicFonts): a desktop's larger
    // default would not fit "Encrypt" into its label or six digits into the code-number box.
    // The menu bar and the status bar keep the desktop's font.
    QFont dialogFont = ui->centralwidget->font();
    dialogFont.setFamily(QStringLiteral("MS Sans Serif"));
    dialogFont.setPixelSize(kDialogFontPixels);
    ui->centralwidget->setFont(dialogFont);
    // Frames with their caption on the top border line, which the controls sit just below.
    auto* frameStyle = new ClassicFrameStyle;
    frameStyle->setParent(this);
    for (QWidget* frame : {ui->Frame1, ui->Frame2, ui->Frame3, ui->fraMode}) {
        frame->setStyle(frameStyle);
    }
    ui->cmdPasteInput->setIcon(PictureIcon(kPastePicture));
    ui->cmdClearInput->setIcon(PictureIcon(kClearPicture));
    ui->cmdCutOutput->setIcon(PictureIcon(kCutPicture));
    ui->cmdCopyOutput->setIcon(PictureIcon(kCopyPicture));

    // The notice must never widen the window, however long it is: its full text is also
    // its tool tip.
    lblNotice = new QLabel(ui->statusbar);
    lblNotice->setObjectName(QStringLiteral("lblNotice"));
    lblNotice->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblNotice->setAccessibleName(QStringLiteral("Notice"));
    ui->statusbar->addWidget(lblNotice, 1);
    // The client area keeps its size; the status bar adds its height below it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(ui->txtCodeNum, &QLineEdit::textChanged, this, &frmMain::txtCodeNum_Change);
    connect(ui->txtIn, &QPlainTextEdit::textChanged, this, &frmMain::txtIn_Change);
    connect(ui->txtOut, &QPlainTextEdit::textChanged, this, &frmMain::txtOut_Change);
    connect(ui->cmdPasteInput, &QToolButton::clicked, this, &frmMain::cmdPasteInput_Click);
    connect(ui->cmdClearInput, &QToolButton::clicked, this, &frmMain::cmdClearInput_Click);
    connect(ui->cmdCopyOutput, &QToolButton::clicked, this, &frmMain::cmdCopyOutput_Click);
    connect(ui->cmdCutOutput, &QToolButton::clicked, this, &frmMain::cmdCutOutput_Click);

    const auto selectCodeNumber = [this] { SelectAll(*ui->txtCodeNum); };
    connect(ui->txtCodeNum, &CodeNumberEdit::pressed, this, selectCodeNumber);
    connect(ui->txtCodeNum, &CodeNumberEdit::clicked, this, selectCodeNumber);
    connect(ui->txtCodeNum, &CodeNumberEdit::gotFocus, this, selectCodeNumber);

    connect(ui->mnuExit, &QAction::triggered, this, &frmMain::exitRequested);
    connect(ui->mnuRandomCode, &QAction::triggered, this, &frmMain::mnuRandomCode_Click);
    connect(ui->mnuChangeMode, &QAction::triggered, this, [this] { ModeSet(kModeToggle); });
    connect(ui->mnuSetEncrypt, &QAction::triggered, this, [this] { ModeSet(kModeEncrypt); });
    connect(ui->mnuSetDecrypt, &QAction::triggered, this, [this] { ModeSet(kModeDecrypt); });
    connect(ui->mnuAbout, &QAction::triggered, this, &frmMain::aboutRequested);

    // Text boxes claim some Ctrl keys for editing (Ctrl+D deletes, Ctrl+E goes to the end of
    // the line); the menu's shortcuts must win from wherever the focus is.
    for (QWidget* box : {static_cast<QWidget*>(ui->txtCodeNum), static_cast<QWidget*>(ui->txtIn),
                         static_cast<QWidget*>(ui->txtOut)}) {
        box->installEventFilter(this);
    }
    ui->lblEncrypt->installEventFilter(this);
    ui->lblDecrypt->installEventFilter(this);
    ui->Frame1->installEventFilter(this);
    ui->Frame2->installEventFilter(this);
    for (QToolButton* button :
         {ui->cmdPasteInput, ui->cmdClearInput, ui->cmdCutOutput, ui->cmdCopyOutput}) {
        button->installEventFilter(this);
    }

    // The first in the tab order: it takes the focus when the window opens.
    ui->txtCodeNum->setFocus(Qt::OtherFocusReason);
}

frmMain::~frmMain() = default;

void frmMain::showEvent(QShowEvent* event) {
    // A window loads on its first show, and becomes visible once the load has returned.
    if (!loaded) {
        loaded = true;
        Form_Load();
        // The first control in the tab order starts with its whole text selected.
        SelectAll(*ui->txtCodeNum);
    }
    QMainWindow::showEvent(event);
}

void frmMain::Form_Load() {
    // Validates and recomputes while the mode is still unset; ModeSet recomputes again.
    ui->txtCodeNum->setText(QString::fromLatin1(kDefaultCodeNumber.data(),
                                                static_cast<qsizetype>(kDefaultCodeNumber.size())));
    ModeSet(kModeEncrypt);
}

void frmMain::ModeSet(std::uint8_t bytWhat) {
    switch (bytWhat) {
        case kModeEncrypt:
            PaintModeLabel(*ui->lblEncrypt, kActiveModeColour, true);
            PaintModeLabel(*ui->lblDecrypt, kInactiveModeColour, false);
            ShowCheck(*ui->mnuSetEncrypt, true);
            ShowCheck(*ui->mnuSetDecrypt, false);
            bytMode = kModeEncrypt;
            // A cipher text has no words: fill every line to the edge rather than breaking
            // after each "!" and "?".
            ui->txtIn->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            ui->txtOut->setWordWrapMode(QTextOption::WrapAnywhere);
            break;
        case kModeDecrypt:
            PaintModeLabel(*ui->lblEncrypt, kInactiveModeColour, false);
            PaintModeLabel(*ui->lblDecrypt, kActiveModeColour, true);
            ShowCheck(*ui->mnuSetEncrypt, false);
            ShowCheck(*ui->mnuSetDecrypt, true);
            bytMode = kModeDecrypt;
            ui->txtIn->setWordWrapMode(QTextOption::WrapAnywhere);
            ui->txtOut->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            break;
        case kModeToggle:
            // The nested call recomputes too, so a toggle recomputes twice.
            ModeSet(bytMode == kModeEncrypt ? kModeDecrypt : kModeEncrypt);
            break;
        default:
            break;
    }
    DoCrypt();
}

void frmMain::DoCrypt() {
    const CryptView view = ViewOfCrypt(*ui->txtIn->document(), bytMode, sngCodeNum);
    // A refused input leaves the output as it was; the notice says that it is stale.
    if (view.output) {
        ui->txtOut->setPlainText(*view.output);
    }
    ShowNotice(view);
    emit outputRecomputed();
}

void frmMain::ShowNotice(const CryptView& view) {
    notice = view.notice;
    lblNotice->setText(view.noticeText);
    lblNotice->setToolTip(view.noticeText);
}

void frmMain::txtCodeNum_Change() {
    sngCodeNum = CodeNumberOf(ui->txtCodeNum->text());
    DoCrypt();
}

void frmMain::txtIn_Change() {
    ui->cmdClearInput->setEnabled(!ui->txtIn->document()->isEmpty());
    DoCrypt();
}

void frmMain::txtOut_Change() {
    const bool hasOutput = !ui->txtOut->document()->isEmpty();
    ui->cmdCopyOutput->setEnabled(hasOutput);
    ui->cmdCutOutput->setEnabled(hasOutput);
}

void frmMain::cmdPasteInput_Click() {
    ui->txtIn->setPlainText(QGuiApplication::clipboard()->text());
}

void frmMain::cmdClearInput_Click() {
    ui->txtIn->setPlainText(QString());
}

void frmMain::cmdCopyOutput_Click() {
    // Decrypted text is somebody's secret: keep it out of clipboard histories.
    PutOnClipboard(*QGuiApplication::clipboard(), TextOf(*ui->txtOut), bytMode == kModeDecrypt);
}

void frmMain::cmdCutOutput_Click() {
    cmdCopyOutput_Click();
    cmdClearInput_Click();
}

void frmMain::mnuRandomCode_Click() {
    ui->txtCodeNum->setText(RandomCode(ProcessGenerator().NextValue()));
}

bool frmMain::IsMenuShortcut(const QEvent& event) const {
    const auto& key = static_cast<const QKeyEvent&>(event);
    const QKeySequence pressed(
        QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
    for (const QAction* action :
         {ui->mnuRandomCode, ui->mnuChangeMode, ui->mnuSetEncrypt, ui->mnuSetDecrypt}) {
        if (action->isEnabled() && action->shortcut() == pressed) {
            return true;
        }
    }
    return false;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Left unaccepted, the key goes on to the window's shortcuts.
            if (IsMenuShortcut(*event)) {
                event->ignore();
                return true;
            }
            break;
        case QEvent::KeyPress:
            // Like a command button, a focused picture button is pressed by Enter as well
            // as by Space.
            if (auto* button = qobject_cast<QToolButton*>(watched); button != nullptr) {
                const auto& key = static_cast<const QKeyEvent&>(*event);
                if ((key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
                    (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                    button->click();
                    return true;
                }
            }
            break;
        case QEvent::MouseButtonPress:
            // Any mouse button, on the press rather than the release.
            if (watched == ui->lblEncrypt) {
                ModeSet(kModeEncrypt);
                return true;
            }
            if (watched == ui->lblDecrypt) {
                ModeSet(kModeDecrypt);
                return true;
            }
            break;
        case QEvent::Shortcut:
            // A frame's access key leads to the control after it in the tab order, not to
            // whichever of its controls last had the focus.
            if (watched == ui->Frame1) {
                ui->txtCodeNum->setFocus(Qt::ShortcutFocusReason);
                return true;
            }
            if (watched == ui->Frame2) {
                ui->txtIn->setFocus(Qt::ShortcutFocusReason);
                return true;
            }
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace vellumark
