#include "web/web_clipboard.h"

#include <utility>

#include "web/page_calls.h"
#include "web/web_view.h"

namespace vellumark {

std::optional<std::u16string> WebClipboard::Text() {
    if (!text_ && !std::exchange(reading_, true)) {
        vm_read_clipboard();
    }
    return text_;
}

void WebClipboard::OnRead(std::optional<std::u16string> text) {
    reading_ = false;
    if (!text) {
        Refused(true);
        return;
    }
    text_ = std::move(text);
    view_.core().PressButton(Button::kPasteInput);
    text_.reset();
}

void WebClipboard::Refused(bool reading) {
    view_.core().OnClipboardRefused(reading);
    const Control box = reading ? Control::kTxtIn : Control::kTxtOut;
    view_.FocusControl(box, FocusReason::kReturned);
    vm_select_all(box);
}

}  // namespace vellumark
