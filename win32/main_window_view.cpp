#include "win32/main_window.h"

#include <commctrl.h>

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "win32/about_box.h"
#include "win32/accessible.h"
#include "win32/clipboard.h"
#include "win32/edit_text.h"
#include "win32/menus.h"
#include "win32/resource_ids.h"

// What the core reads and writes of the window: the boxes' texts, the mode's look, the buttons,
// the menu's entries, the notice, the clipboard and the focus.

namespace vellumark::win32 {

namespace {

std::u16string TextOf(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), length + 1);
    return std::u16string(text.begin(), text.begin() + copied);
}

// A cipher text has no words: its box fills every line to the edge rather than breaking
// after each "!" and "?".
int CALLBACK BreakAnywhere(LPWSTR /*text*/, int position, int /*length*/, int action) {
    return action == WB_ISDELIMITER ? FALSE : position;
}

// The controls that the core speaks of, by their identifiers.
constexpr std::pair<Control, int> kControlIds[] = {
    {Control::kTxtCodeNum, IDC_TXT_CODE_NUM},       {Control::kTxtIn, IDC_TXT_IN},
    {Control::kCmdPasteInput, IDC_CMD_PASTE_INPUT}, {Control::kCmdClearInput, IDC_CMD_CLEAR_INPUT},
    {Control::kCmdCutOutput, IDC_CMD_CUT_OUTPUT},   {Control::kCmdCopyOutput, IDC_CMD_COPY_OUTPUT},
    {Control::kTxtOut, IDC_TXT_OUT},                {Control::kLblEncrypt, IDC_LBL_ENCRYPT},
    {Control::kLblDecrypt, IDC_LBL_DECRYPT},
};

}  // namespace

Control MainWindow::CoreControlOf(HWND control) const {
    if (control == nullptr || GetParent(control) != window_) {
        return Control::kNone;
    }
    const int id = GetDlgCtrlID(control);
    for (const auto& [named, controlId] : kControlIds) {
        if (controlId == id) {
            return named;
        }
    }
    return Control::kNone;
}

HWND MainWindow::WindowOf(Control control) const {
    for (const auto& [named, id] : kControlIds) {
        if (named == control) {
            return GetDlgItem(window_, id);
        }
    }
    return nullptr;
}

Control MainWindow::FocusedControl() const {
    return CoreControlOf(GetFocus());
}

void MainWindow::FocusControl(Control control, FocusReason reason) {
    const HWND target = WindowOf(control);
    if (target == nullptr || GetFocus() == target) {
        return;
    }
    // The code-number box reports the focus with the reason, while it arrives.
    focusReason_ = reason;
    SetFocus(target);
    focusReason_.reset();
}

std::u16string MainWindow::CodeNumberText() const {
    return TextOf(txtCodeNum_);
}

std::u16string MainWindow::InputText() const {
    return TextOf(txtIn_);
}

void MainWindow::ReadInput(const std::function<bool(std::u16string_view)>& read) const {
    // An edit box hands out its text from the start only: ever longer heads, each passing on
    // what the last did not hold.
    const std::size_t length = InputLength();
    std::size_t passed = 0;
    for (std::size_t units = 65536; passed < length; units *= 2) {
        std::wstring head(std::min(units, length) + 1, L'\0');
        const int copied = GetWindowTextW(txtIn_, head.data(), static_cast<int>(head.size()));
        const std::u16string text(head.begin(), head.begin() + copied);
        if (text.size() <= passed || !read(std::u16string_view(text).substr(passed))) {
            return;
        }
        passed = text.size();
    }
}

std::size_t MainWindow::InputLength() const {
    return static_cast<std::size_t>(GetWindowTextLengthW(txtIn_));
}

bool MainWindow::OutputEmpty() const {
    return GetWindowTextLengthW(txtOut_) == 0;
}

std::u16string MainWindow::OutputText() const {
    return TextOf(txtOut_);
}

void MainWindow::SetCodeNumberText(std::u16string_view text) {
    SetWindowTextW(txtCodeNum_, WideString(text).c_str());
}

void MainWindow::SetInputText(std::u16string_view text) {
    SetWindowTextW(txtIn_, WideString(text).c_str());
}

void MainWindow::SetOutputText(std::u16string_view text) {
    SetWindowTextW(txtOut_, ForEditBox(text).c_str());
}

void MainWindow::ShowMode(const ModeLook& look) {
    encryptColour_ = look.encryptColour;
    decryptColour_ = look.decryptColour;
    for (HBRUSH* brush : {&encryptBrush_, &decryptBrush_}) {
        DeleteObject(*brush);
    }
    encryptBrush_ = CreateSolidBrush(encryptColour_);
    decryptBrush_ = CreateSolidBrush(decryptColour_);
    InvalidateRect(lblEncrypt_, nullptr, TRUE);
    InvalidateRect(lblDecrypt_, nullptr, TRUE);
    if (decryptActive_ != look.decryptChecked) {
        decryptActive_ = look.decryptChecked;
        for (HWND label : {lblEncrypt_, lblDecrypt_}) {
            NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, label, OBJID_CLIENT, CHILDID_SELF);
        }
    }
    if (cipherBox_ != look.cipherBox) {
        cipherBox_ = look.cipherBox;
        const bool inputIsCipher = look.cipherBox == TextBox::kInput;
        SendMessageW(txtIn_, EM_SETWORDBREAKPROC, 0,
                     reinterpret_cast<LPARAM>(inputIsCipher ? BreakAnywhere : nullptr));
        SendMessageW(txtOut_, EM_SETWORDBREAKPROC, 0,
                     reinterpret_cast<LPARAM>(inputIsCipher ? nullptr : BreakAnywhere));
    }
}

void MainWindow::EnableButton(Button button, bool enabled) {
    EnableWindow(buttons_[static_cast<std::size_t>(button)], enabled ? TRUE : FALSE);
}

void MainWindow::ShowCommand(Command command, const CommandState& state) {
    CheckMenuItem(menu_, static_cast<UINT>(IdOf(command)), state.checked ? MF_CHECKED : MF_UNCHECKED);
    EnableMenuItem(menu_, static_cast<UINT>(IdOf(command)), state.enabled ? MF_ENABLED : MF_GRAYED);
}

void MainWindow::OpenAbout() {
    win32::OpenAbout(window_);
}

void MainWindow::Exit() {
    PostQuitMessage(0);
}

void MainWindow::ShowNotice(std::u16string_view text) {
    SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(WideString(text).c_str()));
    if (!text.empty()) {
        AnnounceChange(statusBar_);
    }
}

void MainWindow::SelectWholeCodeNumber() {
    SendMessageW(txtCodeNum_, EM_SETSEL, 0, -1);
}

std::optional<std::u16string> MainWindow::ClipboardText() const {
    std::optional<std::u16string> text = ReadClipboardText(window_);
    if (!text) {
        // Another program holds the clipboard: the core leaves the input as it is.
        MessageBeep(MB_ICONWARNING);
    }
    return text;
}

void MainWindow::PutOnClipboard(std::u16string_view text, bool secret) {
    if (!WriteClipboardText(window_, text, secret)) {
        MessageBeep(MB_ICONWARNING);
    }
}

}  // namespace vellumark::win32
