#pragma once
// The browser's clipboard for the core. The browser answers a read later: Paste's first ask
// starts one and finds the clipboard busy, and the answer presses Paste again. A refused read
// or write leaves the core to say so, over the text to copy or paste by hand.

#include <optional>
#include <string>

namespace vellumark {

class WebView;

class WebClipboard {
public:
    explicit WebClipboard(WebView& view) : view_(view) {}

    // The answer, while it presses Paste; else nothing, and a read starts.
    std::optional<std::u16string> Text();
    // The answer to a read: nothing when the browser refused it.
    void OnRead(std::optional<std::u16string> text);
    void OnWriteRefused() { Refused(false); }

private:
    void Refused(bool reading);

    WebView& view_;
    std::optional<std::u16string> text_;
    bool reading_ = false;
};

}  // namespace vellumark
