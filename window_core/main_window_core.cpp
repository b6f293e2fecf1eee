#include "window_core/main_window_core.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "engine/code_number.h"
#include "runtime/generator.h"

namespace vellumark {

namespace {

// Marks the core's own setting of a box's text for as long as it lasts, however it ends: a
// box that faults on a text must not leave the window deaf to every later change.
class OwnChange {
public:
    explicit OwnChange(bool& setting) : setting_(setting), was_(std::exchange(setting, true)) {}
    ~OwnChange() { setting_ = was_; }
    OwnChange(const OwnChange&) = delete;
    OwnChange& operator=(const OwnChange&) = delete;
    OwnChange(OwnChange&&) = delete;
    OwnChange& operator=(OwnChange&&) = delete;

private:
    bool& setting_;
    bool was_;
};

// Whether the cipher text in `view` holds more symbols than decryption takes. Reads only until
// it has seen one symbol too many, so a huge paste is refused after little more than the limit.
bool TooLongToDecrypt(const MainWindowView& view) {
    if (view.InputLength() <= kMaxCipherSymbols) {
        return false;
    }
    std::size_t symbols = 0;
    view.ReadInput([&symbols](std::u16string_view piece) {
        symbols += CipherSymbolsIn(piece);
        return symbols <= kMaxCipherSymbols;
    });
    return symbols > kMaxCipherSymbols;
}

// The whole input, from the pieces that the view hands out.
std::u16string InputOf(const MainWindowView& view) {
    std::u16string input;
    input.reserve(view.InputLength());
    view.ReadInput([&input](std::u16string_view piece) {
        input += piece;
        return true;
    });
    return input;
}

}  // namespace

CryptView ViewOfInput(const MainWindowView& view, CryptMode mode, float codeNum) {
    if (codeNum == kInvalidCodeNumber) {
        return InvalidCodeView();
    }
    if (TooLongToEncrypt(view.InputLength(), mode, codeNum) ||
        (mode == kModeDecrypt && TooLongToDecrypt(view))) {
        return TooLongView(mode);
    }
    return ViewOfCrypt(InputOf(view), mode, codeNum);
}

CryptView ViewOfInput(const InputMirror& input, CryptMode mode, float codeNum) {
    if (codeNum == kInvalidCodeNumber) {
        return InvalidCodeView();
    }
    if (mode != kModeDecrypt) {
        return TooLongToEncrypt(input.size(), mode, codeNum)
                   ? TooLongView(mode)
                   : ViewOfCrypt(input.Text(), mode, codeNum);
    }
    // Each character is a symbol or half a surrogate pair; decryption skips the white space.
    if (input.symbols() > kMaxCipherSymbols || input.non_blank() > 2 * kMaxCipherSymbols) {
        return TooLongView(mode);
    }
    return ViewOfCrypt(input.CipherPart(), mode, codeNum);
}

ModeLook MainWindowCore::LookOf(CryptMode mode) {
    ModeLook look;
    const bool decrypt = mode == kModeDecrypt;
    look.encryptColour = decrypt ? kInactiveModeColour : kActiveModeColour;
    look.decryptColour = decrypt ? kActiveModeColour : kInactiveModeColour;
    look.encryptChecked = mode == kModeEncrypt;
    look.decryptChecked = decrypt;
    look.cipherBox = decrypt ? TextBox::kInput : TextBox::kOutput;
    return look;
}

void MainWindowCore::Load() {
    // The program's start: each run draws another sequence of random code numbers.
    ProcessGenerator().Seed(SecondsSinceMidnight());
    SetCodeNumber(std::u16string(kDefaultCodeNumber.begin(), kDefaultCodeNumber.end()));
    ModeSet(kModeEncrypt);
}

void MainWindowCore::ModeSet(CryptMode bytWhat) {
    switch (bytWhat) {
        case kModeEncrypt:
        case kModeDecrypt:
            RecordAndShowMode(bytWhat);
            break;
        case kModeToggle:
            // ModeSet of the other mode, with its own recomputation, so a toggle recomputes
            // twice.
            RecordAndShowMode(bytMode == kModeEncrypt ? kModeDecrypt : kModeEncrypt);
            DoCrypt();
            break;
        default:
            break;
    }
    DoCrypt();
}

void MainWindowCore::RecordAndShowMode(CryptMode mode) {
    // Recorded before it is drawn: when the front end fails to draw it, the window still works
    // in the mode that was asked for, which the next draw shows.
    bytMode = mode;
    view_.ShowMode(LookOf(mode));
    for (std::size_t i = 0; i < std::size(kCommands); ++i) {
        const CommandState state = StateOf(kCommands[i].command);
        if (shownCommands_[i] != state) {
            shownCommands_[i] = state;
            view_.ShowCommand(kCommands[i].command, state);
        }
    }
}

CommandState MainWindowCore::StateOf(Command command) const {
    CommandState state;
    state.checked = (command == Command::kSetEncrypt && bytMode == kModeEncrypt) ||
                    (command == Command::kSetDecrypt && bytMode == kModeDecrypt);
    return state;
}

void MainWindowCore::RunCommand(Command command) {
    if (!StateOf(command).enabled) {
        return;
    }
    switch (command) {
        case Command::kExit:
            view_.Exit();
            break;
        case Command::kRandomCode:
            PickRandomCode();
            break;
        case Command::kChangeMode:
            ModeSet(kModeToggle);
            break;
        case Command::kSetEncrypt:
            ModeSet(kModeEncrypt);
            break;
        case Command::kSetDecrypt:
            ModeSet(kModeDecrypt);
            break;
        case Command::kAbout:
            view_.OpenAbout();
            break;
    }
}

void MainWindowCore::DoCrypt() {
    Show(inputCurrent_ ? ViewOfInput(input_, bytMode, sngCodeNum)
                       : ViewOfInput(view_, bytMode, sngCodeNum));
    view_.Recomputed();
}

void MainWindowCore::Show(const CryptView& view) {
    // A refused input leaves the output as it was; the notice says that it is stale, and
    // Copy and Cut stay off until the output is that of the input again. Decided here, as
    // setting the text the output already holds need not report a change.
    if (outputStale_ != !view.output) {
        outputStale_ = !view.output;
        view_.ShowOutputStale(outputStale_);
    }
    // The same text again would only lay the box out again, as every key under an invalid
    // code number would.
    if (view.output && *view.output != shownOutput_) {
        shownOutput_ = *view.output;
        view_.SetText(Control::kTxtOut, shownOutput_);
    }
    EnableOutputCommands();
    ShowNotice(view.notice, view.noticeText);
}

void MainWindowCore::ShowNotice(NoticeKind kind, std::u16string_view text) {
    notice_ = kind;
    if (text != noticeText_) {
        noticeText_ = text;
        view_.ShowNotice(noticeText_);
    }
}

void MainWindowCore::OnInputCut(std::size_t limit) {
    if (notice_ == NoticeKind::kNone) {
        ShowNotice(NoticeKind::kInputCut, InputCutNotice(limit));
    }
}

void MainWindowCore::OnClipboardRefused(bool reading) {
    // A Cut whose text the clipboard did not take gives the input back, so nothing is lost.
    if (!reading && cutInput_ && view_.InputLength() == 0) {
        SetInput(*cutInput_);
    }
    cutInput_.reset();
    ShowNotice(NoticeKind::kClipboardRefused,
               reading ? u"The browser did not let this page read the clipboard: paste over the "
                         u"selected input by hand."
                       : u"The browser did not let this page use the clipboard: copy the "
                         u"selected output by hand.");
}

void MainWindowCore::SetCodeNumber(std::u16string_view text) {
    {
        const OwnChange own(settingText_);
        view_.SetText(Control::kTxtCodeNum, text);
    }
    CodeNumberChanged();
}

void MainWindowCore::SetInput(std::u16string_view text) {
    {
        const OwnChange own(settingText_);
        view_.SetText(Control::kTxtIn, text);
    }
    // The box holds a new text, whatever it reported of it: read it afresh.
    editReported_ = false;
    InputChanged();
}

void MainWindowCore::OnCodeNumberChange() {
    if (!settingText_) {
        CodeNumberChanged();
    }
}

void MainWindowCore::CodeNumberChanged() {
    sngCodeNum = CodeNumberOf(view_.CodeNumberText());
    DoCrypt();
}

void MainWindowCore::OnInputEdit(std::size_t position, std::size_t removed,
                                 std::u16string_view added) {
    if (settingText_) {
        return;
    }
    inputCurrent_ = inputCurrent_ && input_.Edit(position, removed, added) &&
                    input_.size() == view_.InputLength();
    if (!inputCurrent_) {
        // Whatever went before, the box holds the edit now: read it once, then follow it.
        input_.Clear();
        view_.ReadInput([this](std::u16string_view piece) {
            input_.Append(piece);
            return true;
        });
        inputCurrent_ = true;
    }
    editReported_ = true;
}

void MainWindowCore::OnInputChange() {
    if (!settingText_) {
        // A Cut's input is given back only to the box that the Cut emptied; nor is it kept
        // once the user has moved on.
        cutInput_.reset();
        InputChanged();
    }
}

void MainWindowCore::InputChanged() {
    inputCurrent_ = inputCurrent_ && editReported_;
    editReported_ = false;
    EnableButton(Button::kClearInput, view_.InputLength() != 0);
    DoCrypt();
}

void MainWindowCore::EnableOutputCommands() {
    const bool handOut = !outputStale_ && !shownOutput_.empty();
    EnableButton(Button::kCopyOutput, handOut);
    EnableButton(Button::kCutOutput, handOut);
}

bool MainWindowCore::OnOutputCopy() {
    if (outputStale_) {
        ShowNotice(NoticeKind::kStaleCopy, StaleCopyNotice());
    }
    return !outputStale_;
}

void MainWindowCore::PasteInput() {
    // A busy clipboard is no text to paste: the input stays as it is.
    if (const std::optional<std::u16string> text = view_.ClipboardText()) {
        SetInput(*text);
    }
}

void MainWindowCore::ClearInput() {
    SetInput(std::u16string_view());
}

void MainWindowCore::CopyOutput() {
    cutInput_.reset();
    // Decrypted text is somebody's secret: keep it out of clipboard histories.
    view_.PutOnClipboard(shownOutput_, bytMode == kModeDecrypt);
}

void MainWindowCore::CutOutput() {
    std::u16string input = InputOf(view_);
    CopyOutput();
    ClearInput();
    cutInput_ = std::move(input);
}

void MainWindowCore::PickRandomCode() {
    const std::string code = RandomCodeText(ProcessGenerator().NextValue());
    SetCodeNumber(std::u16string(code.begin(), code.end()));
}

void MainWindowCore::OnCodeNumberFocus(FocusReason reason) {
    switch (reason) {
        case FocusReason::kFirstShow:
        case FocusReason::kTab:
        case FocusReason::kAccessKey:
        case FocusReason::kRightButton:
            view_.SelectWholeCodeNumber();
            break;
        case FocusReason::kMouse:
        case FocusReason::kReturned:
            break;
    }
}

void MainWindowCore::OnCodeNumberClick(MouseButton button) {
    if (button == MouseButton::kLeft) {
        view_.SelectWholeCodeNumber();
    }
}

}  // namespace vellumark
