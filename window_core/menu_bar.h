#pragma once
// The main window's menu bar, for a front end that draws its own (the page): which menu is
// open and where the keyboard is, as a window's menu bar answers keys and presses. F10 puts the
// keyboard on the first title, Alt and a menu's access letter opens that menu; then Left and
// Right go to the menu beside, Up, Down, Home and End through the open menu's entries, Enter,
// Space or an entry's letter choose one, and Esc, F10 or Tab leave the menus. While a menu is
// open or the keyboard is in the bar, the bar takes every key. Menus and entries are those of
// the command table (commands.h).

#include <cstddef>
#include <optional>

#include "window_core/commands.h"
#include "window_core/controls.h"
#include "window_core/keys.h"
#include "window_core/main_window_core.h"
#include "window_core/main_window_view.h"

namespace vellumark {

class MenuBar {
public:
    // Where the keyboard is: on the title of a menu (its index in kMenus), or on an entry of
    // the open menu (its index among that menu's entries).
    struct Place {
        std::size_t menu = 0;
        std::optional<std::size_t> entry;
    };

    // The bar runs `core`'s commands and moves `view`'s focus.
    MenuBar(MainWindowCore& core, MainWindowView& view) : core_(core), view_(view) {}

    // A key in the window, letters in upper case; true when the bar took it, and the toolkit
    // must then leave it alone.
    bool OnKey(const KeyPress& press);
    // A mouse button pressed on a menu's title opens the menu, or closes it if it was open.
    void OnTitlePress(std::size_t menu);
    // An entry chosen by a key or a click: the bar is left and the entry runs, unless it is
    // disabled.
    void Choose(Command command);
    // The menus close, and the focus goes back where it was when the keyboard came into the
    // bar: on a press outside the menus, or Esc, F10 or Tab.
    void Leave();

    [[nodiscard]] std::optional<std::size_t> open() const { return open_; }
    [[nodiscard]] std::optional<Place> keyboard() const { return keyboard_; }

private:
    // Opens `menu` with the keyboard on its first (or `last`) entry.
    void OpenFromKeyboard(std::size_t menu, bool last);
    // The menu `step` titles on round the bar: opened if a menu is open, else its title.
    void Beside(std::size_t menu, std::size_t step);

    MainWindowCore& core_;
    MainWindowView& view_;
    std::optional<std::size_t> open_;
    std::optional<Place> keyboard_;
    // The control that had the focus when the keyboard came into the bar (kNone: none).
    std::optional<Control> back_;
};

}  // namespace vellumark
