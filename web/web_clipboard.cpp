#include "web/web_clipboard.h"

#include <utility>

#include "web/page_calls.h"
#include "web/web_view.h"

namespace vellumark {

void WebClipboard::Press(Button button) {
    MainWindowCore& core = view_.core();
    if (button == Button::kPasteInput && core.enabled(button)) {
        pasting_ = true;
        vm_read_clipboard();
        return;
    }
    if (button == Button::kCutOutput) {
        cutInput_ = view_.InputText();
    } else if (button == Button::kCopyOutput) {
        cutInput_.reset();
    }
    core.PressButton(button);
}

void WebClipboard::OnRead(std::optional<std::u16string> text) {
    text_ = std::move(text);
    const bool refused = !text_;
    if (std::exchange(pasting_, false)) {
        view_.core().PressButton(Button::kPasteInput);
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

}  // namespace vellumark
