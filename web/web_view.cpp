#include "web/web_view.h"

#include <array>
#include <cstdint>
#include <utility>

#include "web/page_calls.h"
#include "web/page_design.h"
#include "window_core/text_contrast.h"

namespace vellumark {

namespace {

int Number(Control control) {
    return static_cast<int>(control);
}

// A text box's value holds every line break as LF, whatever it was given.
std::u16string AsBoxHolds(std::u16string_view text) {
    std::u16string held;
    held.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        held += text[i] == u'\r' ? u'\n' : text[i];
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
        }
    }
    return held;
}

}  // namespace

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
    const std::u16string added = page::Held(vm_edit(Number(Control::kTxtIn), edit.data()));
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
    if (modeLook_) {
        ShowMode(*modeLook_);
    }
}

void WebView::ShowMenus(const MenuBar::Outcome& outcome) {
    const std::optional<MenuBar::Place> place = menus_.keyboard();
    const auto index = [](std::optional<std::size_t> at) {
        return at ? static_cast<int>(*at) : -1;
    };
    vm_show_menus(index(menus_.open()), index(place ? std::optional(place->menu) : std::nullopt),
                  index(place ? place->entry : std::nullopt));
    if (outcome.back) {
        FocusControl(*outcome.back, FocusReason::kReturned);
    }
    if (outcome.run) {
        core_.RunCommand(*outcome.run);
    }
}

void WebView::SetInputText(std::u16string_view text) {
    input_ = AsBoxHolds(text);
    vm_set_value(Number(Control::kTxtIn), input_.data(), page::Length(input_));
}

void WebView::SetOutputText(std::u16string_view text) {
    output_ = AsBoxHolds(text);
    vm_set_output(output_.data(), page::Length(output_));
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
                 look.encryptChecked, look.decryptChecked, look.cipherBox == TextBox::kInput);
}

void WebView::Exit() {
    // A page cannot end its program: it forgets the texts and the code number, as the end of
    // the program would, and closes its tab where the browser lets it.
    SetCodeNumberText(u"");
    SetInputText(u"");
    SetOutputText(u"");
    vm_exit();
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
