#pragma once
// The main window's menu bar, for a front end that draws its own (the page): which menu is
// open and where the keyboard is, as a window's menu bar answers keys and presses. F10 puts the
// keyboard on the first title, Alt and a menu's access letter opens that menu; then Left and
// Right go to the menu beside, Up, Down, Home and End through the open menu's entries, Enter,
// Space or an entry's letter choose one, and Esc, F10 or Tab leave the menus. While a menu is
// open or the keyboard is in the bar, the bar takes every key. Menus and entries are those of
// the command table (commands.h).

#include <cstddef>
#include <functional>
#include <optional>
#include <utility>

#include "window_core/commands.h"
#include "window_core/controls.h"
#include "window_core/keys.h"

namespace vellumark {

class MenuBar {
public:
    // Where the keyboard is: on the title of a menu (its index in kMenus), or on an entry of
    // the open menu (its index among that menu's entries).
    struct Place {
        std::size_t menu = 0;
        std::optional<std::size_t> entry;
    };

    // What a key or a press did besides what open() and keyboard() now say.
    struct Outcome {
        // The bar took the key, and the toolkit must leave it alone; false for a key that is not
        // the bar's.
        bool taken = true;
        // The keyboard left the bar: the focus goes back to this control (kNone: to none).
        std::optional<Control> back;
        // The entry chosen, to run once the focus is back.
        std::optional<Command> run;
    };

    // `enabled` says whether an entry can be chosen.
    explicit MenuBar(std::function<bool(Command)> enabled) : enabled_(std::move(enabled)) {}

    // A key in the window; `focused` has the focus, to go back to when the keyboard leaves
    // the bar. Letters come in upper case.
    Outcome OnKey(const KeyPress& press, Control focused);
    // A mouse button pressed on a menu's title opens the menu, or closes it if it was open.
    Outcome OnTitlePress(std::size_t menu);
    // An entry chosen by a key or a click: the bar is left and the entry runs, unless it is
    // disabled.
    Outcome Choose(Command command);
    // The menus close and the keyboard leaves them, as on a press outside them.
    Outcome Leave();

    [[nodiscard]] std::optional<std::size_t> open() const { return open_; }
    [[nodiscard]] std::optional<Place> keyboard() const { return keyboard_; }

private:
    // Opens `menu` with the keyboard on its first (or `last`) entry.
    void OpenFromKeyboard(std::size_t menu, bool last);
    // The menu `step` titles on round the bar: opened if a menu is open, else its title.
    void Beside(std::size_t menu, std::size_t step);

    std::function<bool(Command)> enabled_;
    std::optional<std::size_t> open_;
    std::optional<Place> keyboard_;
    // The control that had the focus when the keyboard came into the bar.
    std::optional<Control> back_;
};

}  // namespace vellumark
