#include "win32/main_window.h"

#include <commctrl.h>

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "win32/about_box.h"
#include "win32/accessible.h"
#include "win32/clipboard.h"
#include "win32/control_makers.h"
#include "win32/edit_text.h"
#include "win32/menus.h"

// What the core reads and writes of the window: the boxes' texts, the mode's look, the buttons,
// the menu's entries, the notice, the clipboard and the focus.

namespace vellumark::win32 {

namespace {

// A cipher text has no words: its box fills every line to the edge rather than breaking
// after each "!" and "?".
int CALLBACK BreakAnywhere(LPWSTR /*text*/, int position, int /*length*/, int action) {
    return action == WB_ISDELIMITER ? FALSE : position;
}

}  // namespace

Control MainWindow::CoreControlOf(HWND control) const {
    if (control == nullptr || GetParent(control) != window_) {
        return Control::kNone;
    }
    return ControlNamed(kMainControls.NameOf(GetDlgCtrlID(control))).value_or(Control::kNone);
}

HWND MainWindow::WindowOf(Control control) const {
    return GetDlgItem(window_, kMainControls.IdOf(ControlName(control)));
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

void MainWindow::ReadInput(const std::function<bool(std::u16string_view)>& read) const {
    // In one piece: the box holds at most kInputLimit characters, copied in a moment.
    read(TextOf(txtIn_));
}

std::size_t MainWindow::InputLength() const {
    return static_cast<std::size_t>(GetWindowTextLengthW(txtIn_));
}

void MainWindow::SetText(Control box, std::u16string_view text) {
    // The code number and the input hold what they are given, which the cipher reads.
    const std::wstring shown = box == Control::kTxtOut ? ForEditBox(text) : WideString(text);
    SetWindowTextW(WindowOf(box), shown.c_str());
}

void MainWindow::ShowOutputStale(bool /*stale*/) {
    // The box paints its text greyed while the core holds the output stale.
    InvalidateRect(txtOut_, nullptr, TRUE);
}

void MainWindow::ShowMode(const ModeLook& look) {
    const std::optional<ModeLook> shown = std::exchange(look_, look);
    InvalidateRect(lblEncrypt_, nullptr, TRUE);
    InvalidateRect(lblDecrypt_, nullptr, TRUE);
    if (shown.value_or(ModeLook{}).decryptChecked != look.decryptChecked) {
        for (HWND label : {lblEncrypt_, lblDecrypt_}) {
            NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, label, OBJID_CLIENT, CHILDID_SELF);
        }
    }
    if (!shown || shown->cipherBox != look.cipherBox) {
        const bool inputIsCipher = look.cipherBox == TextBox::kInput;
        SendMessageW(txtIn_, EM_SETWORDBREAKPROC, 0,
                     reinterpret_cast<LPARAM>(inputIsCipher ? BreakAnywhere : nullptr));
        SendMessageW(txtOut_, EM_SETWORDBREAKPROC, 0,
                     reinterpret_cast<LPARAM>(inputIsCipher ? nullptr : BreakAnywhere));
    }
}

void MainWindow::EnableButton(Button button, bool enabled) {
    EnableWindow(WindowOf(ControlOf(button)), enabled ? TRUE : FALSE);
}

void MainWindow::ShowCommand(Command command, const CommandState& state) {
    const HMENU menu = GetMenu(window_);
    CheckMenuItem(menu, static_cast<UINT>(IdOf(command)),
                  state.checked ? MF_CHECKED : MF_UNCHECKED);
    EnableMenuItem(menu, static_cast<UINT>(IdOf(command)), state.enabled ? MF_ENABLED : MF_GRAYED);
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
    // As the output box shows the text: line breaks as CR LF, which Windows' programs expect.
    const std::wstring shown = ForEditBox(text);
    if (!WriteClipboardText(window_, std::u16string(shown.begin(), shown.end()), secret)) {
        MessageBeep(MB_ICONWARNING);
    }
}

}  // namespace vellumark::win32
