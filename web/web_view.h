#pragma once
// The browser page as a view of the window core: reads the page's boxes and draws what the
// core tells it on the page's elements (library.js); the page's events and the clipboard's
// answers come in through web_events.cpp.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "web/page_calls.h"
#include "window_core/main_window_core.h"
#include "window_core/menu_bar.h"

namespace vellumark {

class WebView final : public MainWindowView {
public:
    MainWindowCore& core() { return core_; }
    MenuBar& menus() { return menus_; }

    // The page is built: the core loads, and the code-number box takes the focus as the
    // window's first control.
    void Start();
    // The input box's value changed: the core is told the edit, not the whole text.
    void OnInputEdit();
    // A control took the focus: as FocusControl moves it, or else it came back.
    void OnFocus(Control control);
    // The page's colour scheme changed between light and dark: the mode labels' text follows.
    void OnSchemeChange();
    // The answer to a read of the clipboard: nothing when the browser refused it.
    void OnClipboardRead(std::optional<std::u16string> text);
    // The browser refused a read (`reading`) or Copy's text: the core says so, and the page
    // selects the text to paste over or to copy by hand.
    void OnClipboardRefused(bool reading);
    // Draws the menus as menus() has them.
    void ShowMenus();

    // MainWindowView
    [[nodiscard]] std::u16string CodeNumberText() const override {
        return page::Held(vm_hold_value(Control::kTxtCodeNum));
    }
    void ReadInput(const std::function<bool(std::u16string_view piece)>& read) const override {
        read(input_);
    }
    [[nodiscard]] std::size_t InputLength() const override { return input_.size(); }
    void SetText(Control box, std::u16string_view text) override;
    void ShowOutputStale(bool stale) override { vm_show_stale(stale); }
    void ShowMode(const ModeLook& look) override;
    void EnableButton(Button button, bool enabled) override {
        vm_enable(ControlOf(button), enabled);
    }
    void ShowNotice(std::u16string_view text) override {
        vm_set_text("notice", text.data(), page::Length(text));
    }
    void ShowCommand(Command command, const CommandState& state) override {
        vm_show_command(command, state.checked, state.enabled);
    }
    void OpenAbout() override { vm_open_about(); }
    void Exit() override;
    void SelectWholeCodeNumber() override { vm_select_all(Control::kTxtCodeNum); }
    // The browser answers a read later: Paste's first ask starts one and finds the clipboard
    // busy, and the answer presses Paste again.
    [[nodiscard]] std::optional<std::u16string> ClipboardText() const override;
    // Browsers offer no formats that keep a text out of clipboard histories.
    void PutOnClipboard(std::u16string_view text, bool /*secret*/) override;
    [[nodiscard]] Control FocusedControl() const override { return vm_focused(); }
    void FocusControl(Control control, FocusReason reason) override;

private:
    // Follows the input box's last change, which the core is told of if `report`.
    void TakeInputEdit(bool report);

    MainWindowCore core_{*this};
    MenuBar menus_{core_, *this};
    // The input as the box holds it (line breaks as LF), kept by its edits.
    std::u16string input_;
    // The clipboard's answer while it presses Paste again, and whether a read is under way.
    std::optional<std::u16string> clipboardText_;
    mutable bool reading_ = false;
    // How the focus comes, while FocusControl moves it.
    std::optional<FocusReason> focusReason_;
};

}  // namespace vellumark
