#include "web/web_view.h"

#include <array>
#include <cstdint>
#include <utility>

#include "web/page_calls.h"
#include "web/page_design.h"
#include "window_core/line_breaks.h"
#include "window_core/text_contrast.h"

namespace vellumark {

void WebView::Start() {
    BuildPage();
    // Whatever the browser put back into the input (a form restored on going back), which
    // the core reads as it loads.
    TakeInputEdit(false);
    core_.Load();
    FocusControl(Control::kTxtCodeNum, FocusReason::kFirstShow);
}

void WebView::OnInputEdit() {
    TakeInputEdit(true);
    core_.OnInputChange();
}

void WebView::TakeInputEdit(bool report) {
    std::array<std::int32_t, 2> edit{};
    const std::u16string added = page::Held(vm_edit(Control::kTxtIn, edit.data()));
    const auto position = static_cast<std::size_t>(edit[0]);
    const auto removed = static_cast<std::size_t>(edit[1]);
    input_.replace(position, removed, added);
    if (report) {
        core_.OnInputEdit(position, removed, added);
    }
}

void WebView::OnFocus(Control control) {
    const FocusReason reason = focusReason_.value_or(FocusReason::kReturned);
    focusReason_.reset();
    if (control == Control::kTxtCodeNum) {
        core_.OnCodeNumberFocus(reason);
    }
}

void WebView::OnSchemeChange() {
    // Once the load has set the mode.
    if (core_.mode() != CryptMode{}) {
        ShowMode(MainWindowCore::LookOf(core_.mode()));
    }
}

std::optional<std::u16string> WebView::ClipboardText() const {
    if (!clipboardText_ && !std::exchange(reading_, true)) {
        vm_read_clipboard();
    }
    return clipboardText_;
}

void WebView::OnClipboardRead(std::optional<std::u16string> text) {
    reading_ = false;
    if (!text) {
        OnClipboardRefused(true);
        return;
    }
    clipboardText_ = std::move(text);
    core_.PressButton(Button::kPasteInput);
    clipboardText_.reset();
}

void WebView::OnClipboardRefused(bool reading) {
    core_.OnClipboardRefused(reading);
    const Control box = reading ? Control::kTxtIn : Control::kTxtOut;
    FocusControl(box, FocusReason::kReturned);
    vm_select_all(box);
}

void WebView::ShowMenus() {
    const std::optional<MenuBar::Place> place = menus_.keyboard();
    vm_show_menus(menus_.open() ? static_cast<int>(*menus_.open()) : -1,
                  place ? static_cast<int>(place->menu) : -1,
                  place && place->entry ? static_cast<int>(*place->entry) : -1);
}

void WebView::SetText(Control box, std::u16string_view text) {
    // A text box's value holds every line break as LF, whatever it was given.
    const std::u16string held = WithLineFeedBreaks(text);
    if (box == Control::kTxtIn) {
        input_ = held;
    }
    if (box == Control::kTxtOut) {
        vm_set_output(held.data(), page::Length(held));
    } else {
        vm_set_value(box, held.data(), page::Length(held));
    }
}

void WebView::PutOnClipboard(std::u16string_view text, bool /*secret*/) {
    const std::u16string held = WithLineFeedBreaks(text);
    vm_write_clipboard(held.data(), page::Length(held));
}

void WebView::ShowMode(const ModeLook& look) {
    // The labels' text by the rule the windows follow: the scheme's own under a light one,
    // black or white on the green under a dark one.
    const std::uint32_t text = vm_scheme_colour(true);
    const std::uint32_t face = vm_scheme_colour(false);
    vm_show_label(Control::kLblEncrypt, look.encryptColour,
                  ModeTextColour(look.encryptColour, text, face), look.encryptChecked);
    vm_show_label(Control::kLblDecrypt, look.decryptColour,
                  ModeTextColour(look.decryptColour, text, face), look.decryptChecked);
    vm_show_cipher(look.cipherBox == TextBox::kInput);
}

void WebView::Exit() {
    // A page cannot end its program: it forgets the texts and the code number, as the end of
    // the program would, and closes its tab where the browser lets it.
    for (const Control box : {Control::kTxtCodeNum, Control::kTxtIn, Control::kTxtOut}) {
        SetText(box, u"");
    }
    vm_exit();
}

void WebView::FocusControl(Control control, FocusReason reason) {
    if (control == Control::kNone || control == FocusedControl()) {
        return;
    }
    focusReason_ = reason;
    vm_focus(control);
    // A page without the browser's focus moves its focus silently; the box is entered all the
    // same.
    if (focusReason_ && FocusedControl() == control) {
        OnFocus(control);
    }
    focusReason_.reset();
}

}  // namespace vellumark
