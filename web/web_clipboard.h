#pragma once
// The browser's clipboard for the core, which asks it at once: the browser answers a read
// later, so a press that pastes waits for the answer; and a write that the browser refuses
// after a Cut gives the input back.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "window_core/controls.h"

namespace vellumark {

class WebView;

class WebClipboard {
public:
    explicit WebClipboard(WebView& view) : view_(view) {}

    // Runs `press` of `button`, once the clipboard has answered when the press would paste.
    void Press(Button button, bool pastes, const std::function<void()>& press);
    // The answer to a read: nothing when the browser refused it.
    void OnRead(std::optional<std::u16string> text);
    void OnWriteRefused();

    // The answer for the press under way.
    [[nodiscard]] const std::optional<std::u16string>& text() const { return text_; }
    static void Put(std::u16string_view text);

private:
    WebView& view_;
    std::optional<std::u16string> text_;
    std::function<void()> waiting_;
    // The input that a Cut took, until the browser has taken the text onto the clipboard.
    std::optional<std::u16string> cutInput_;
};

}  // namespace vellumark
