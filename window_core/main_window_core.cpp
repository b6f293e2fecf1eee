#include "window_core/main_window_core.h"

#include <cstddef>
#include <string>

#include "engine/code_number.h"
#include "runtime/generator.h"

namespace vellumark {

namespace {

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

}  // namespace

CryptView ViewOfInput(const MainWindowView& view, CryptMode mode, float codeNum) {
    const bool valid = codeNum != kInvalidCodeNumber;
    if (TooLongToEncrypt(view.InputLength(), mode, codeNum) ||
        (valid && mode == kModeDecrypt && TooLongToDecrypt(view))) {
        return TooLongView(mode);
    }
    return ViewOfCrypt(view.InputText(), mode, codeNum);
}

ModeLook MainWindowCore::LookOf(CryptMode mode) {
    ModeLook look;
    const bool decrypt = mode == kModeDecrypt;
    look.encryptColour = decrypt ? kInactiveModeColour : kActiveModeColour;
    look.decryptColour = decrypt ? kActiveModeColour : kInactiveModeColour;
    look.encryptChecked = !decrypt;
    look.decryptChecked = decrypt;
    look.cipherBox = decrypt ? TextBox::kInput : TextBox::kOutput;
    return look;
}

void MainWindowCore::Load() {
    view_.SetCodeNumberText(std::u16string(kDefaultCodeNumber.begin(), kDefaultCodeNumber.end()));
    ModeSet(kModeEncrypt);
}

void MainWindowCore::ModeSet(CryptMode bytWhat) {
    switch (bytWhat) {
        case kModeEncrypt:
        case kModeDecrypt:
            SetMode(bytWhat);
            break;
        case kModeToggle:
            // ModeSet of the other mode, with its own recomputation, so a toggle recomputes
            // twice.
            SetMode(bytMode == kModeEncrypt ? kModeDecrypt : kModeEncrypt);
            DoCrypt();
            break;
        default:
            break;
    }
    DoCrypt();
}

void MainWindowCore::SetMode(CryptMode mode) {
    // Recorded before it is drawn: when the front end fails to draw it, the window still works
    // in the mode that was asked for, which the next draw shows.
    bytMode = mode;
    view_.ShowMode(LookOf(mode));
}

void MainWindowCore::DoCrypt() {
    Show(ViewOfInput(view_, bytMode, sngCodeNum));
    view_.Recomputed();
}

void MainWindowCore::Show(const CryptView& view) {
    // A refused input leaves the output as it was; the notice says that it is stale.
    if (view.output) {
        view_.SetOutputText(*view.output);
    }
    notice_ = view.notice;
    view_.ShowNotice(view.notice, view.noticeText);
}

void MainWindowCore::OnCodeNumberChange() {
    sngCodeNum = CodeNumberOf(view_.CodeNumberText());
    DoCrypt();
}

void MainWindowCore::OnInputChange() {
    view_.EnableButton(Button::kClearInput, view_.InputLength() != 0);
    DoCrypt();
}

void MainWindowCore::OnOutputChange() {
    const bool hasOutput = !view_.OutputEmpty();
    view_.EnableButton(Button::kCopyOutput, hasOutput);
    view_.EnableButton(Button::kCutOutput, hasOutput);
}

void MainWindowCore::PasteInput() {
    view_.SetInputText(view_.ClipboardText());
}

void MainWindowCore::ClearInput() {
    view_.SetInputText(std::u16string_view());
}

void MainWindowCore::CopyOutput() {
    // Decrypted text is somebody's secret: keep it out of clipboard histories.
    view_.PutOnClipboard(view_.OutputText(), bytMode == kModeDecrypt);
}

void MainWindowCore::CutOutput() {
    CopyOutput();
    ClearInput();
}

void MainWindowCore::PickRandomCode() {
    const std::string code = RandomCodeText(ProcessGenerator().NextValue());
    view_.SetCodeNumberText(std::u16string(code.begin(), code.end()));
}

void MainWindowCore::OnCodeNumberFocus(FocusReason reason) {
    switch (reason) {
        case FocusReason::kFirstShow:
        case FocusReason::kTab:
        case FocusReason::kAccessKey:
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
