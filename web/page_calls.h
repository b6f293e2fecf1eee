#pragma once
// The page's side of the view, in library.js (--js-library): what the C++ does to the page's
// elements. Controls go by their Control numbers, which page_design.cpp gives the elements;
// texts go as UTF-16 units with their lengths, NULs included.

#include <cstdint>
#include <string>
#include <string_view>

#include "window_core/commands.h"
#include "window_core/controls.h"

// NOLINTBEGIN(readability-identifier-naming): C names, as library.js defines them.
extern "C" {
// A design control's place, its caption ("&" before the access key's letter; in a frame's
// caption element for a frame) and tool tip, each "" for none.
void vm_place(const char* name, vellumark::Control control, int left, int top, int width,
              int height, const char* caption, const char* toolTip);
void vm_add_menu(const char* name, const char16_t* caption, int length);
void vm_add_entry(vellumark::Command command, const char* name, const char16_t* caption, int length,
                  const char16_t* shortcut, int shortcutLength, bool separatorBefore);
void vm_show_command(vellumark::Command command, bool checked, bool enabled);
// The open menu and the menu and entry that the keyboard is on, each -1 for none (MenuBar).
void vm_show_menus(int open, int menu, int entry);
// The text of the element with that id: the notice, the about box's labels.
void vm_set_text(const char* id, const char16_t* text, int length);
void vm_set_attribute(const char* id, const char* name, const char* value);
// A text that the page hands over in two steps: its length from these, its units by
// vm_copy_held. vm_edit writes the box's last edit's position and removed units at `edit`.
int vm_hold_value(vellumark::Control control);
int vm_edit(vellumark::Control control, std::int32_t* edit);
void vm_copy_held(char16_t* to);
void vm_set_value(vellumark::Control control, const char16_t* text, int length);
void vm_set_output(const char16_t* text, int length);
void vm_show_stale(bool stale);
void vm_select_all(vellumark::Control control);
// The page's colour scheme's text colour (`text`) or face; colours as 0x00BBGGRR.
std::uint32_t vm_scheme_colour(bool text);
void vm_show_label(vellumark::Control label, std::uint32_t background, std::uint32_t text,
                   bool checked);
// The box that holds a cipher text, which wraps anywhere: the input or the output.
void vm_show_cipher(bool inInput);
void vm_enable(vellumark::Control control, bool enabled);
vellumark::Control vm_focused();
void vm_focus(vellumark::Control control);
// Asks the browser for the clipboard's text, which comes later to web_clipboard_read.
void vm_read_clipboard();
void vm_write_clipboard(const char16_t* text, int length);
void vm_open_about();
void vm_close_about();
void vm_exit();
}
// NOLINTEND(readability-identifier-naming)

namespace vellumark::page {

inline int Length(std::u16string_view text) {
    return static_cast<int>(text.size());
}

// The text that the page holds, of `length` units.
inline std::u16string Held(int length) {
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    vm_copy_held(text.data());
    return text;
}

}  // namespace vellumark::page
