#pragma once
// The browser's clipboard for the core, which asks it at once: the browser answers a read
// later, so Paste waits for the answer; and a write that the browser refuses after a Cut gives
// the input back.

#include <optional>
#include <string>

#include "window_core/controls.h"

namespace vellumark {

class WebView;

class WebClipboard {
public:
    explicit WebClipboard(WebView& view) : view_(view) {}

    // Presses `button` for the core, once the clipboard has answered when it is Paste.
    void Press(Button button);
    // The answer to a read: nothing when the browser refused it.
    void OnRead(std::optional<std::u16string> text);
    void OnWriteRefused();

    // The answer for the press under way.
    [[nodiscard]] const std::optional<std::u16string>& text() const { return text_; }

private:
    WebView& view_;
    std::optional<std::u16string> text_;
    bool pasting_ = false;
    // The input that a Cut took, until the browser has taken the text onto the clipboard.
    std::optional<std::u16string> cutInput_;
};

}  // namespace vellumark
