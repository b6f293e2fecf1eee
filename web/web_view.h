#pragma once
// The browser page as a view of the window core: reads the page's boxes and draws what the
// core tells it on the page's elements (library.js). The page's events come in through
// web_events.cpp, the clipboard's answers through web_clipboard.h.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "web/web_clipboard.h"
#include "window_core/main_window_core.h"
#include "window_core/menu_bar.h"

namespace vellumark {

class WebView final : public MainWindowView {
public:
    MainWindowCore& core() { return core_; }
    WebClipboard& clipboard() { return clipboard_; }
    MenuBar& menus() { return menus_; }

    // The page is built: the core loads, and the code-number box takes the focus as the
    // window's first control.
    void Start();
    // The input box's value changed: the core is told the edit, not the whole text.
    void OnInputEdit();
    // A control took the focus; it came as the last ExpectFocus said, or came back.
    void OnFocus(Control control);
    void ExpectFocus(FocusReason reason) { focusReason_ = reason; }
    // The page's colour scheme changed between light and dark: the mode labels' text follows.
    void OnSchemeChange();
    // Draws the menus as menus() has them, then sends the focus back and runs the entry that
    // `outcome` says.
    void ShowMenus(const MenuBar::Outcome& outcome);

    // MainWindowView
    [[nodiscard]] std::u16string CodeNumberText() const override;
    [[nodiscard]] std::u16string InputText() const override { return input_; }
    void ReadInput(const std::function<bool(std::u16string_view piece)>& read) const override {
        read(input_);
    }
    [[nodiscard]] std::size_t InputLength() const override { return input_.size(); }
    [[nodiscard]] bool OutputEmpty() const override { return output_.empty(); }
    [[nodiscard]] std::u16string OutputText() const override { return output_; }
    void SetCodeNumberText(std::u16string_view text) override;
    void SetInputText(std::u16string_view text) override;
    void SetOutputText(std::u16string_view text) override;
    void ShowOutputStale(bool stale) override;
    void ShowMode(const ModeLook& look) override;
    void EnableButton(Button button, bool enabled) override;
    void ShowNotice(std::u16string_view text) override;
    void ShowCommand(Command command, const CommandState& state) override;
    void OpenAbout() override;
    void Exit() override;
    void SelectWholeCodeNumber() override;
    [[nodiscard]] std::optional<std::u16string> ClipboardText() const override {
        return clipboard_.text();
    }
    void PutOnClipboard(std::u16string_view text, bool /*secret*/) override {
        WebClipboard::Put(text);
    }
    [[nodiscard]] Control FocusedControl() const override;
    void FocusControl(Control control, FocusReason reason) override;

private:
    // Follows the input box's last change; `report` (if any) is told of it.
    using EditReport =
        std::function<void(std::size_t position, std::size_t removed, std::u16string_view added)>;
    void TakeInputEdit(const EditReport& report);

    MainWindowCore core_{*this};
    WebClipboard clipboard_{*this};
    MenuBar menus_{[this](Command command) { return core_.StateOf(command).enabled; }};
    // The boxes' texts as the boxes hold them (line breaks as LF), the input kept by its edits.
    std::u16string input_;
    std::u16string output_;
    // What the mode labels show, to draw again in another colour scheme.
    std::optional<ModeLook> modeLook_;
    // How the focus comes, while the page moves it or a mouse button is down.
    std::optional<FocusReason> focusReason_;
};

}  // namespace vellumark
