// The page's entry points: the events that app.js forwards, and the window's two public
// methods. One window a page.

#include <emscripten/emscripten.h>

#include <optional>
#include <string>

#include "web/web_view.h"

namespace {

vellumark::WebView& View() {
    static vellumark::WebView view;
    return view;
}

vellumark::Control ControlOf(int control) {
    return static_cast<vellumark::Control>(control);
}

}  // namespace

// NOLINTBEGIN(readability-identifier-naming): C names, as the page calls them.
EM_JS(void, vm_copy_held_text, (char16_t* to), { vmCopyHeld(to); });

extern "C" {

EMSCRIPTEN_KEEPALIVE void web_start() {
    View().Start();
}

EMSCRIPTEN_KEEPALIVE void web_input(int control) {
    View().OnInput(ControlOf(control));
}

EMSCRIPTEN_KEEPALIVE int web_key(const char* code, int shift, int control, int alt) {
    return View().OnKey(code, shift != 0, control != 0, alt != 0) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int web_press(int control, int button) {
    return View().OnPress(ControlOf(control), button) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void web_click(int control, int button) {
    View().OnClick(ControlOf(control), button);
}

EMSCRIPTEN_KEEPALIVE void web_focus(int control) {
    View().OnFocus(ControlOf(control));
}

EMSCRIPTEN_KEEPALIVE void web_menu(int entry) {
    View().OnMenu(entry);
}

// The clipboard's text, held by the page, of `length` units; -1: the browser refused.
EMSCRIPTEN_KEEPALIVE void web_clipboard_read(int length) {
    if (length < 0) {
        View().OnClipboardRead(std::nullopt);
        return;
    }
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    vm_copy_held_text(text.data());
    View().OnClipboardRead(std::move(text));
}

EMSCRIPTEN_KEEPALIVE void web_clipboard_write_refused() {
    View().OnClipboardWriteRefused();
}

EMSCRIPTEN_KEEPALIVE void web_about_key(const char* code, int shift, int control, int alt) {
    View().OnAboutKey(code, shift != 0, control != 0, alt != 0);
}

EMSCRIPTEN_KEEPALIVE void web_about_ok() {
    View().OnAboutOk();
}

EMSCRIPTEN_KEEPALIVE void web_scheme_change() {
    View().OnSchemeChange();
}

// The window's public methods, for a script that drives the page as a program drives the window.
EMSCRIPTEN_KEEPALIVE void ModeSet(int bytWhat) {
    View().core().ModeSet(static_cast<vellumark::CryptMode>(bytWhat));
}

EMSCRIPTEN_KEEPALIVE void DoCrypt() {
    View().core().DoCrypt();
}

}  // extern "C"
// NOLINTEND(readability-identifier-naming)
