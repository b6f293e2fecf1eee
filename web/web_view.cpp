#include "web/web_view.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "web/design_places.h"
#include "window_core/about_core.h"
#include "window_core/text_contrast.h"

// The page's side, in library.js.
extern "C" {
void vm_add_menu(const char* name, const char16_t* caption, int length);
void vm_add_entry(int command, const char* name, const char16_t* caption, int length,
                  const char16_t* shortcut, int shortcutLength, int separatorBefore);
void vm_show_command(int command, int checked, int enabled);
void vm_exit();
int vm_hold_value(int control);
void vm_copy_held(char16_t* to);
int vm_edit(int control, std::int32_t* edit);
void vm_set_value(int control, const char16_t* text, int length);
void vm_bind_output(int control);
void vm_replace_output(int control, int start, int end, const char16_t* text, int length);
void vm_select_all(int control);
int vm_scheme_colour(int text);
void vm_show_mode(int encryptColour, int decryptColour, int encryptText, int decryptText,
                  int encryptChecked, int decryptChecked, int cipherInInput);
void vm_enable(int control, int enabled);
void vm_set_notice(const char16_t* text, int length);
int vm_focused();
void vm_focus(int control);
void vm_read_clipboard();
void vm_write_clipboard(const char16_t* text, int length);
void vm_about_text(const char* id, const char16_t* text, int length);
void vm_about_address(const char16_t* text, int length);
void vm_open_about();
void vm_close_about();
void vm_ready();
}

namespace vellumark {

namespace {

constexpr int kLeftButton = 0;
constexpr int kMiddleButton = 1;
constexpr int kRightButton = 2;

int Number(Control control) {
    return static_cast<int>(control);
}

int Length(std::u16string_view text) {
    return static_cast<int>(text.size());
}

MouseButton MouseOf(int domButton) {
    switch (domButton) {
        case kLeftButton:
            return MouseButton::kLeft;
        case kMiddleButton:
            return MouseButton::kMiddle;
        case kRightButton:
            return MouseButton::kRight;
        default:
            return MouseButton::kOther;
    }
}

// A key by the DOM's KeyboardEvent.code, which names the key whatever the keyboard layout.
Key KeyOf(std::string_view code) {
    if (code == "Enter") {
        return Key::kEnter;
    }
    if (code == "NumpadEnter") {
        return Key::kKeypadEnter;
    }
    if (code == "Space") {
        return Key::kSpace;
    }
    return code == "Escape" ? Key::kEscape : Key::kOther;
}

// The letter of a letter key ("KeyE": 'E'); 0 for any other key.
char16_t LetterOf(std::string_view code) {
    const bool letter = code.size() == 4 && code.substr(0, 3) == "Key";
    return letter ? static_cast<char16_t>(code[3]) : u'\0';
}

// A text box's value holds every line break as LF, whatever it was given.
std::u16string AsBoxHolds(std::u16string_view text) {
    std::u16string held;
    held.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            held += u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
        } else {
            held += text[i];
        }
    }
    return held;
}

std::u16string ValueOf(Control control) {
    std::u16string text(static_cast<std::size_t>(vm_hold_value(Number(control))), u'\0');
    vm_copy_held(text.data());
    return text;
}

void SetValue(Control control, std::u16string_view text) {
    vm_set_value(Number(control), text.data(), Length(text));
}

}  // namespace

WebView::WebView() = default;

void WebView::Start() {
    PlaceDesign();
    vm_bind_output(Number(Control::kTxtOut));
    for (const MenuDesign& menu : kMenus) {
        vm_add_menu(std::string(menu.name).c_str(), menu.caption.data(), Length(menu.caption));
        for (const CommandDesign& entry : kCommands) {
            if (entry.menu == menu.menu) {
                const std::u16string shortcut = ShortcutText(entry);
                vm_add_entry(static_cast<int>(entry.command), std::string(entry.name).c_str(),
                             entry.caption.data(), Length(entry.caption), shortcut.data(),
                             Length(shortcut), entry.separatorBefore ? 1 : 0);
            }
        }
    }
    const std::u16string version = AboutVersionText();
    const std::u16string address = AboutAddress();
    vm_about_text("Label1", kAboutTitle.data(), Length(kAboutTitle));
    vm_about_text("Label2", version.data(), Length(version));
    vm_about_text("Label3", kAboutCredit.data(), Length(kAboutCredit));
    vm_about_text("lblUrl", address.data(), Length(address));
    vm_about_address(address.data(), Length(address));

    // Whatever the browser put back into the input (a form restored on going back), which
    // the core reads as it loads.
    TakeInputEdit(nullptr);
    core_.Load();
    FocusControl(Control::kTxtCodeNum, FocusReason::kFirstShow);
    vm_ready();
}

void WebView::OnInput(Control control) {
    if (control == Control::kTxtCodeNum) {
        core_.OnCodeNumberChange();
    } else if (control == Control::kTxtIn) {
        TakeInputEdit([this](std::size_t position, std::size_t removed, std::u16string_view added) {
            core_.OnInputEdit(position, removed, added);
        });
        core_.OnInputChange();
    }
}

void WebView::TakeInputEdit(const EditReport& report) {
    std::array<std::int32_t, 2> edit{};
    std::u16string added(static_cast<std::size_t>(vm_edit(Number(Control::kTxtIn), edit.data())),
                         u'\0');
    vm_copy_held(added.data());
    const auto position = static_cast<std::size_t>(edit[0]);
    const auto removed = static_cast<std::size_t>(edit[1]);
    input_.replace(position, removed, added);
    if (report) {
        report(position, removed, added);
    }
}

bool WebView::OnKey(std::string_view code, bool shift, bool control, bool alt) {
    KeyPress press{KeyOf(code), shift, control, alt};
    press.letter = LetterOf(code);
    if (core_.OnShortcutKey(press)) {
        return true;
    }
    if (alt && !control && !shift && press.letter != u'\0') {
        return core_.OnAccessKey(press.letter);
    }
    if (code == "Tab" && !control && !alt) {
        // The window's own tab order, round its end, rather than on into the browser.
        return core_.OnTabKey(shift) != Control::kNone;
    }
    const Control focused = FocusedControl();
    const std::optional<Button> button = ButtonOf(focused);
    const Key key = press.key;
    if (!button || (key != Key::kEnter && key != Key::kKeypadEnter && key != Key::kSpace)) {
        return false;
    }
    // Only the core presses a button, so the browser's own press by these keys never comes.
    Press(*button, PressesButton(press),
          [this, button = *button, press] { core_.OnButtonKey(button, press); });
    return true;
}

bool WebView::OnPress(Control control, int domButton) {
    const MouseButton mouse = MouseOf(domButton);
    if (control == Control::kLblEncrypt || control == Control::kLblDecrypt) {
        core_.OnModeLabelPress(control, mouse);
        return true;
    }
    if (const std::optional<Button> button = ButtonOf(control)) {
        // A button takes the focus from the left button only, and a disabled one not at all.
        if (mouse == MouseButton::kLeft && core_.enabled(*button)) {
            FocusControl(control, FocusReason::kMouse);
        }
        return true;
    }
    if (mouse == MouseButton::kLeft) {
        // The browser moves the focus and the caret; the focus then comes as the mouse's.
        if (FocusedControl() != control) {
            focusReason_ = FocusReason::kMouse;
        }
        return false;
    }
    // The other buttons bring the focus and leave the caret where it was; the right one
    // comes as the box's menu, which works on the whole code number.
    FocusControl(control,
                 mouse == MouseButton::kRight ? FocusReason::kRightButton : FocusReason::kMouse);
    return true;
}

void WebView::OnClick(Control control, int domButton) {
    if (const std::optional<Button> button = ButtonOf(control)) {
        if (domButton == kLeftButton) {
            Press(*button, *button == Button::kPasteInput,
                  [this, button = *button] { core_.PressButton(button); });
        }
    } else if (control == Control::kTxtCodeNum) {
        core_.OnCodeNumberClick(MouseOf(domButton));
    }
}

void WebView::OnFocus(Control control) {
    const FocusReason reason = focusReason_.value_or(FocusReason::kReturned);
    focusReason_.reset();
    if (control == Control::kTxtCodeNum) {
        core_.OnCodeNumberFocus(reason);
    }
}

void WebView::OnMenu(int entry) {
    for (const CommandDesign& design : kCommands) {
        if (static_cast<int>(design.command) == entry) {
            core_.RunCommand(design.command);
        }
    }
}

void WebView::OnClipboardRead(std::optional<std::u16string> text) {
    clipboard_ = std::move(text);
    const bool refused = !clipboard_;
    if (waitingForClipboard_) {
        const std::function<void()> press = std::move(waitingForClipboard_);
        waitingForClipboard_ = nullptr;
        press();
    }
    clipboard_.reset();
    if (refused) {
        FocusControl(Control::kTxtIn, FocusReason::kReturned);
        vm_select_all(Number(Control::kTxtIn));
        core_.OnClipboardRefused(true);
    }
}

void WebView::OnClipboardWriteRefused() {
    // A Cut whose text the browser did not take gives the input back, so nothing is lost.
    if (cutInput_ && InputLength() == 0) {
        const std::u16string input = std::move(*cutInput_);
        SetInputText(input);
        core_.OnInputChange();
    }
    cutInput_.reset();
    FocusControl(Control::kTxtOut, FocusReason::kReturned);
    vm_select_all(Number(Control::kTxtOut));
    core_.OnClipboardRefused(false);
}

void WebView::OnAboutOk() {
    vm_close_about();
}

void WebView::OnAboutKey(std::string_view code, bool shift, bool control, bool alt) {
    if (ClosesAboutBox(KeyPress{KeyOf(code), shift, control, alt})) {
        vm_close_about();
    }
}

void WebView::Press(Button button, bool pastes, const std::function<void()>& press) {
    if (pastes && core_.enabled(button)) {
        waitingForClipboard_ = press;
        vm_read_clipboard();
        return;
    }
    if (button == Button::kCutOutput) {
        cutInput_ = input_;
    } else if (button == Button::kCopyOutput) {
        cutInput_.reset();
    }
    press();
}

std::u16string WebView::CodeNumberText() const {
    return ValueOf(Control::kTxtCodeNum);
}

std::u16string WebView::InputText() const {
    return input_;
}

void WebView::ReadInput(const std::function<bool(std::u16string_view piece)>& read) const {
    read(input_);
}

std::size_t WebView::InputLength() const {
    return input_.size();
}

bool WebView::OutputEmpty() const {
    return output_.empty();
}

std::u16string WebView::OutputText() const {
    return output_;
}

void WebView::SetCodeNumberText(std::u16string_view text) {
    SetValue(Control::kTxtCodeNum, text);
}

void WebView::SetInputText(std::u16string_view text) {
    input_ = AsBoxHolds(text);
    SetValue(Control::kTxtIn, input_);
}

void WebView::SetOutputText(std::u16string_view text) {
    std::u16string output = AsBoxHolds(text);
    // Only the part that changed goes to the box: a key at the end of a long input changes
    // only the end of its cipher text, and the box then lays out less anew.
    const std::size_t common = std::min(output.size(), output_.size());
    std::size_t start = 0;
    while (start < common && output[start] == output_[start]) {
        ++start;
    }
    std::size_t same = 0;
    while (same < common - start &&
           output[output.size() - 1 - same] == output_[output_.size() - 1 - same]) {
        ++same;
    }
    const std::u16string_view changed =
        std::u16string_view(output).substr(start, output.size() - same - start);
    vm_replace_output(Number(Control::kTxtOut), static_cast<int>(start),
                      static_cast<int>(output_.size() - same), changed.data(), Length(changed));
    output_ = std::move(output);
}

void WebView::ShowMode(const ModeLook& look) {
    modeLook_ = look;
    // The labels' text by the rule the windows follow: the scheme's own under a light one,
    // black or white on the green under a dark one.
    const auto text = static_cast<std::uint32_t>(vm_scheme_colour(1));
    const auto face = static_cast<std::uint32_t>(vm_scheme_colour(0));
    vm_show_mode(static_cast<int>(look.encryptColour), static_cast<int>(look.decryptColour),
                 static_cast<int>(ModeTextColour(look.encryptColour, text, face)),
                 static_cast<int>(ModeTextColour(look.decryptColour, text, face)),
                 look.encryptChecked ? 1 : 0, look.decryptChecked ? 1 : 0,
                 look.cipherBox == TextBox::kInput ? 1 : 0);
}

void WebView::OnSchemeChange() {
    if (modeLook_) {
        ShowMode(*modeLook_);
    }
}

void WebView::EnableButton(Button button, bool enabled) {
    vm_enable(Number(ControlOf(button)), enabled ? 1 : 0);
}

void WebView::ShowCommand(Command command, const CommandState& state) {
    vm_show_command(static_cast<int>(command), state.checked ? 1 : 0, state.enabled ? 1 : 0);
}

void WebView::OpenAbout() {
    vm_open_about();
}

void WebView::Exit() {
    // A page cannot end its program: it forgets the texts and the code number, as the end of
    // the program would, and closes its tab where the browser lets it.
    input_.clear();
    output_.clear();
    vm_exit();
}

void WebView::ShowNotice(std::u16string_view text) {
    vm_set_notice(text.data(), Length(text));
}

void WebView::SelectWholeCodeNumber() {
    vm_select_all(Number(Control::kTxtCodeNum));
}

std::optional<std::u16string> WebView::ClipboardText() const {
    return clipboard_;
}

void WebView::PutOnClipboard(std::u16string_view text, bool /*secret*/) {
    // Browsers offer no formats that keep a text out of clipboard histories.
    vm_write_clipboard(text.data(), Length(text));
}

Control WebView::FocusedControl() const {
    return static_cast<Control>(vm_focused());
}

void WebView::FocusControl(Control control, FocusReason reason) {
    if (control == Control::kNone || control == FocusedControl()) {
        return;
    }
    focusReason_ = reason;
    vm_focus(Number(control));
    // A page without the browser's focus moves its focus silently; the box is entered all the
    // same.
    if (focusReason_ && FocusedControl() == control) {
        OnFocus(control);
    }
    focusReason_.reset();
}

}  // namespace vellumark
