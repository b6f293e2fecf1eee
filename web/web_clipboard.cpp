#include "web/web_clipboard.h"

#include <utility>

#include "web/page_calls.h"
#include "web/web_view.h"

namespace vellumark {

void WebClipboard::Press(Button button, bool pastes, const std::function<void()>& press) {
    if (pastes && view_.core().enabled(button)) {
        waiting_ = press;
        vm_read_clipboard();
        return;
    }
    if (button == Button::kCutOutput) {
        cutInput_ = view_.InputText();
    } else if (button == Button::kCopyOutput) {
        cutInput_.reset();
    }
    press();
}

void WebClipboard::OnRead(std::optional<std::u16string> text) {
    text_ = std::move(text);
    const bool refused = !text_;
    if (waiting_) {
        const std::function<void()> press = std::move(waiting_);
        waiting_ = nullptr;
        press();
    }
    text_.reset();
    if (refused) {
        view_.FocusControl(Control::kTxtIn, FocusReason::kReturned);
        vm_select_all(static_cast<int>(Control::kTxtIn));
        view_.core().OnClipboardRefused(true);
    }
}

void WebClipboard::OnWriteRefused() {
    // A Cut whose text the browser did not take gives the input back, so nothing is lost.
    if (cutInput_ && view_.InputLength() == 0) {
        const std::u16string input = std::move(*cutInput_);
        view_.SetInputText(input);
        view_.core().OnInputChange();
    }
    cutInput_.reset();
    view_.FocusControl(Control::kTxtOut, FocusReason::kReturned);
    vm_select_all(static_cast<int>(Control::kTxtOut));
    view_.core().OnClipboardRefused(false);
}

void WebClipboard::Put(std::u16string_view text) {
    // Browsers offer no formats that keep a text out of clipboard histories.
    vm_write_clipboard(text.data(), page::Length(text));
}

}  // namespace vellumark
