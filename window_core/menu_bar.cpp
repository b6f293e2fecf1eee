#include "window_core/menu_bar.h"

#include <iterator>
#include <utility>
#include <vector>

namespace vellumark {

namespace {

constexpr std::size_t kMenuCount = std::size(kMenus);

// The menu whose title has `letter` as its access letter.
std::optional<std::size_t> MenuOfLetter(char16_t letter) {
    for (std::size_t menu = 0; letter != u'\0' && menu < kMenuCount; ++menu) {
        if (AccessLetter(kMenus[menu].caption) == letter) {
            return menu;
        }
    }
    return std::nullopt;
}

std::vector<const CommandDesign*> EntriesOf(std::size_t menu) {
    std::vector<const CommandDesign*> entries;
    for (const CommandDesign& entry : kCommands) {
        if (entry.menu == kMenus[menu].menu) {
            entries.push_back(&entry);
        }
    }
    return entries;
}

}  // namespace

bool MenuBar::OnKey(const KeyPress& press) {
    // With Ctrl or Meta, a letter is neither a menu's nor an entry's.
    const char16_t letter = press.control || press.meta ? u'\0' : press.letter;
    if (!open_ && !keyboard_) {
        const bool alone = !press.shift && !press.control && !press.alt && !press.meta;
        const std::optional<std::size_t> menu =
            press.alt && !press.shift ? MenuOfLetter(letter) : std::nullopt;
        if (press.key == Key::kF10 && alone) {
            keyboard_ = Place{};
        } else if (menu) {
            OpenFromKeyboard(*menu, false);
        } else {
            return false;
        }
        back_ = view_.FocusedControl();
        return true;
    }
    if (!back_) {
        // A menu opened by the mouse, with the focus still in the window: keys work it too.
        back_ = view_.FocusedControl();
    }
    const std::size_t menu = open_ ? *open_ : keyboard_->menu;
    const std::vector<const CommandDesign*> entries = EntriesOf(menu);
    const std::optional<std::size_t> entry = keyboard_ ? keyboard_->entry : std::nullopt;
    switch (press.key) {
        case Key::kEscape:
        case Key::kF10:
        case Key::kTab:
            Leave();
            return true;
        case Key::kLeft:
        case Key::kRight:
            Beside(menu, press.key == Key::kRight ? 1 : kMenuCount - 1);
            return true;
        case Key::kUp:
        case Key::kDown:
            if (entry) {
                const std::size_t step = press.key == Key::kDown ? 1 : entries.size() - 1;
                keyboard_->entry = (*entry + step) % entries.size();
            } else {
                OpenFromKeyboard(menu, press.key == Key::kUp);
            }
            return true;
        case Key::kHome:
        case Key::kEnd:
            if (entry) {
                keyboard_->entry = press.key == Key::kHome ? 0 : entries.size() - 1;
            }
            return true;
        case Key::kEnter:
        case Key::kKeypadEnter:
        case Key::kSpace:
            if (entry) {
                Choose(entries[*entry]->command);
                return true;
            }
            OpenFromKeyboard(menu, false);
            return true;
        default:
            break;
    }
    if (open_) {
        for (const CommandDesign* named : entries) {
            if (letter != u'\0' && AccessLetter(named->caption) == letter) {
                Choose(named->command);
                return true;
            }
        }
    } else if (const std::optional<std::size_t> named = MenuOfLetter(letter)) {
        OpenFromKeyboard(*named, false);
    }
    // Every other key stays in the menus, as in a window's menu bar.
    return true;
}

void MenuBar::OnTitlePress(std::size_t menu) {
    open_ = open_ == menu ? std::nullopt : std::optional(menu);
    // Only the open menu's entries can hold the keyboard; else their menu's title holds it.
    if (keyboard_) {
        keyboard_->entry.reset();
    }
}

void MenuBar::Choose(Command command) {
    if (core_.StateOf(command).enabled) {
        Leave();
        core_.RunCommand(command);
    }
}

void MenuBar::Leave() {
    open_.reset();
    keyboard_.reset();
    // With none to go back to, the front end takes the focus out of the bar as it draws it.
    const std::optional<Control> back = std::exchange(back_, std::nullopt);
    if (back && *back != Control::kNone) {
        view_.FocusControl(*back, FocusReason::kReturned);
    }
}

void MenuBar::OpenFromKeyboard(std::size_t menu, bool last) {
    open_ = menu;
    keyboard_ = Place{menu, last ? EntriesOf(menu).size() - 1 : 0};
}

void MenuBar::Beside(std::size_t menu, std::size_t step) {
    const std::size_t next = (menu + step) % kMenuCount;
    if (open_) {
        OpenFromKeyboard(next, false);
    } else {
        keyboard_ = Place{next, std::nullopt};
    }
}

}  // namespace vellumark
