// The page's events, which app.js forwards, each to the core through the one view of the page,
// and the window's two public methods. Controls come as their Control numbers, mouse buttons as
// the DOM numbers them, keys by KeyboardEvent.code, which names a key whatever the layout.

#include <emscripten/emscripten.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "web/page_calls.h"
#include "web/web_view.h"
#include "window_core/about_core.h"

namespace {

using vellumark::Control;
using vellumark::Key;
using vellumark::MouseButton;

vellumark::WebView& View() {
    static vellumark::WebView view;
    return view;
}

vellumark::MainWindowCore& Core() {
    return View().core();
}

MouseButton MouseOf(int domButton) {
    constexpr MouseButton kButtons[] = {MouseButton::kLeft, MouseButton::kMiddle,
                                        MouseButton::kRight};
    return domButton >= 0 && domButton < 3 ? kButtons[domButton] : MouseButton::kOther;
}

vellumark::KeyPress PressOf(std::string_view code, int shift, int control, int alt, int meta) {
    constexpr std::pair<std::string_view, Key> kKeys[] = {
        {"Enter", Key::kEnter},    {"NumpadEnter", Key::kKeypadEnter},
        {"Space", Key::kSpace},    {"Escape", Key::kEscape},
        {"Tab", Key::kTab},        {"F10", Key::kF10},
        {"ArrowLeft", Key::kLeft}, {"ArrowRight", Key::kRight},
        {"ArrowUp", Key::kUp},     {"ArrowDown", Key::kDown},
        {"Home", Key::kHome},      {"End", Key::kEnd}};
    vellumark::KeyPress press{Key::kOther, shift != 0, control != 0, alt != 0};
    press.meta = meta != 0;
    for (const auto& [name, key] : kKeys) {
        if (code == name) {
            press.key = key;
        }
    }
    // The letter of a letter key ("KeyE": 'E').
    if (code.size() == 4 && code.substr(0, 3) == "Key") {
        press.letter = static_cast<char16_t>(code[3]);
    }
    return press;
}

}  // namespace

// NOLINTBEGIN(readability-identifier-naming): C names, as the page calls them.
extern "C" {

EMSCRIPTEN_KEEPALIVE void web_start() {
    View().Start();
}

EMSCRIPTEN_KEEPALIVE void web_input(int control) {
    if (static_cast<Control>(control) == Control::kTxtCodeNum) {
        Core().OnCodeNumberChange();
    } else if (static_cast<Control>(control) == Control::kTxtIn) {
        View().OnInputEdit();
    }
}

// A key on the page; 1 when the page must leave it alone (preventDefault): so Tab stays in the
// window's tab order, and the browser never presses a button by Enter or Space itself. The
// open about box takes every key.
EMSCRIPTEN_KEEPALIVE int web_key(const char* code, int shift, int control, int alt, int meta,
                                 int aboutOpen) {
    const vellumark::KeyPress press = PressOf(code, shift, control, alt, meta);
    if (aboutOpen != 0) {
        if (vellumark::ClosesAboutBox(press)) {
            vm_close_about();
        }
        return 1;
    }
    if (View().menus().OnKey(press)) {
        View().ShowMenus();
        return 1;
    }
    if (Core().OnWindowKey(press)) {
        return 1;
    }
    // What a read-only text box does by itself: Ctrl+A selects its text alone.
    const bool selectAll = press.control && !press.alt && !press.shift && press.letter == u'A';
    if (selectAll && View().FocusedControl() == Control::kTxtOut) {
        vm_select_all(Control::kTxtOut);
        return 1;
    }
    return 0;
}

// A mouse button pressed on a control; 1 when the page must leave the press alone.
EMSCRIPTEN_KEEPALIVE int web_press(int number, int domButton) {
    const auto control = static_cast<Control>(number);
    const MouseButton mouse = MouseOf(domButton);
    Core().OnMousePress(control, mouse);
    const bool box = control == Control::kTxtCodeNum || control == Control::kTxtIn ||
                     control == Control::kTxtOut;
    // The browser puts the caret where the left button pressed; the others leave it alone.
    return mouse == MouseButton::kLeft && box ? 0 : 1;
}

EMSCRIPTEN_KEEPALIVE void web_click(int control, int domButton) {
    Core().OnMouseClick(static_cast<Control>(control), MouseOf(domButton));
}

EMSCRIPTEN_KEEPALIVE void web_focus(int control) {
    View().OnFocus(static_cast<Control>(control));
}

// A menu entry clicked, by its Command number.
EMSCRIPTEN_KEEPALIVE void web_menu(int command) {
    View().menus().Choose(static_cast<vellumark::Command>(command));
    View().ShowMenus();
}

// A mouse button pressed on the title of the menu `menu` (kMenus' index), or (-1) anywhere but
// in the menus.
EMSCRIPTEN_KEEPALIVE void web_menu_press(int menu) {
    if (menu < 0) {
        View().menus().Leave();
    } else {
        View().menus().OnTitlePress(static_cast<std::size_t>(menu));
    }
    View().ShowMenus();
}

// A copy out of the output box by any path (keys, the box's menu, a drag); 0: copy nothing.
EMSCRIPTEN_KEEPALIVE int web_output_copy() {
    return Core().OnOutputCopy() ? 1 : 0;
}

// The clipboard's text, held by the page, of `length` units; -1: the browser refused.
EMSCRIPTEN_KEEPALIVE void web_clipboard_read(int length) {
    View().OnClipboardRead(length < 0 ? std::nullopt
                                      : std::optional(vellumark::page::Held(length)));
}

EMSCRIPTEN_KEEPALIVE void web_clipboard_write_refused() {
    View().OnClipboardRefused(false);
}

EMSCRIPTEN_KEEPALIVE void web_scheme_change() {
    View().OnSchemeChange();
}

// The window's public methods, for a script that drives the page as a program drives the window.
EMSCRIPTEN_KEEPALIVE void ModeSet(int bytWhat) {
    Core().ModeSet(static_cast<vellumark::CryptMode>(bytWhat));
}

EMSCRIPTEN_KEEPALIVE void DoCrypt() {
    Core().DoCrypt();
}

}  // extern "C"
// NOLINTEND(readability-identifier-naming)
