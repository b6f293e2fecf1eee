#pragma once
// The browser page as a view of the window core: the page's elements stand for the design's
// controls, and every event that the page forwards (web_view.cpp's exports) goes to the core,
// which decides. The page's script only forwards events and draws what it is told.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "window_core/main_window_core.h"

namespace vellumark {

class WebView final : public MainWindowView {
public:
    WebView();

    MainWindowCore& core() { return core_; }

    // The page is ready: the core loads, and the code-number box takes the focus as the
    // window's first control.
    void Start();

    // Forwarded events. Controls are the Control values; mouse buttons as the DOM numbers them.
    void OnInput(Control control);
    // A key on the page; true when the page must leave it alone (preventDefault).
    bool OnKey(std::string_view code, bool shift, bool control, bool alt);
    // A mouse button pressed on a control; true when the page must leave the press alone.
    bool OnPress(Control control, int domButton);
    void OnClick(Control control, int domButton);
    void OnFocus(Control control);
    void OnMenu(int entry);
    // The clipboard's answer to a read that a press of Paste started: nothing when refused.
    void OnClipboardRead(std::optional<std::u16string> text);
    void OnClipboardWriteRefused();
    void OnAboutOk();
    // A key in the about box, which takes every key.
    void OnAboutKey(std::string_view code, bool shift, bool control, bool alt);
    // The page's colour scheme changed between light and dark: the mode labels' text follows.
    void OnSchemeChange();

    // MainWindowView
    [[nodiscard]] std::u16string CodeNumberText() const override;
    [[nodiscard]] std::u16string InputText() const override;
    void ReadInput(const std::function<bool(std::u16string_view piece)>& read) const override;
    [[nodiscard]] std::size_t InputLength() const override;
    [[nodiscard]] bool OutputEmpty() const override;
    [[nodiscard]] std::u16string OutputText() const override;
    void SetCodeNumberText(std::u16string_view text) override;
    void SetInputText(std::u16string_view text) override;
    void SetOutputText(std::u16string_view text) override;
    void ShowMode(const ModeLook& look) override;
    void EnableButton(Button button, bool enabled) override;
    void ShowNotice(std::u16string_view text) override;
    void ShowCommand(Command command, const CommandState& state) override;
    void OpenAbout() override;
    void Exit() override;
    void SelectWholeCodeNumber() override;
    [[nodiscard]] std::optional<std::u16string> ClipboardText() const override;
    void PutOnClipboard(std::u16string_view text, bool secret) override;
    [[nodiscard]] Control FocusedControl() const override;
    void FocusControl(Control control, FocusReason reason) override;

private:
    // Presses `button` once the clipboard has answered, when the press would paste: the
    // browser's clipboard answers later, the core asks at once.
    void Press(Button button, bool pastes, const std::function<void()>& press);
    // Follows the input box's last change as an edit, which `report` is told of (the core,
    // on a key: it gets what was typed, not the box's whole text).
    using EditReport = std::function<void(std::size_t position, std::size_t removed,
                                          std::u16string_view added)>;
    void TakeInputEdit(const EditReport& report);

    MainWindowCore core_{*this};
    // The input box's text, kept by its edits.
    std::u16string input_;
    std::u16string output_;
    // The clipboard's answer for the press under way.
    std::optional<std::u16string> clipboard_;
    std::function<void()> waitingForClipboard_;
    // The input that a Cut took, until the browser has taken the text onto the clipboard.
    std::optional<std::u16string> cutInput_;
    // What the mode labels show, to draw again in another colour scheme.
    std::optional<ModeLook> modeLook_;
    // How the focus comes, while the page moves it or a mouse button is down.
    std::optional<FocusReason> focusReason_;
};

}  // namespace vellumark
