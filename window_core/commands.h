#pragma once
// The main window's menus and their commands, once for every front end: each menu's caption,
// each entry's design name, caption and shortcut, and where separators stand. A front end
// builds its menus from these tables and hands every key that could be a shortcut to the
// core, which decides (MainWindowCore::OnShortcutKey).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "window_core/keys.h"

namespace vellumark {

enum class Menu : std::uint8_t { kFile, kEncryption, kHelp };

enum class Command : std::uint8_t {
    kExit,
    kRandomCode,
    kChangeMode,
    kSetEncrypt,
    kSetDecrypt,
    kAbout,
};

struct MenuDesign {
    Menu menu = Menu::kFile;
    std::string_view name;        // the design name, "mnuFile"
    std::u16string_view caption;  // with "&" before the access key's letter
};

struct CommandDesign {
    std::string_view name;        // the design name, "mnuRandomCode"
    std::u16string_view caption;  // with "&" before the access key's letter
    Command command = Command::kExit;
    Menu menu = Menu::kFile;
    // Ctrl and this letter run the command from anywhere in the window; u'\0' for none.
    char16_t shortcut = u'\0';
    // A separator line stands above the entry in its menu.
    bool separatorBefore = false;
};

// In the menu bar's order.
inline constexpr MenuDesign kMenus[] = {
    {Menu::kFile, "mnuFile", u"&File"},
    {Menu::kEncryption, "mnuMode", u"E&ncryption"},
    {Menu::kHelp, "mnuHelp", u"&Help"},
};

// In menu order, each menu's entries from the top.
inline constexpr CommandDesign kCommands[] = {
    {"mnuExit", u"E&xit", Command::kExit, Menu::kFile, u'\0', false},
    {"mnuRandomCode", u"Pick &Random Code", Command::kRandomCode, Menu::kEncryption, u'R', false},
    {"mnuChangeMode", u"Toggle &Mode", Command::kChangeMode, Menu::kEncryption, u'M', true},
    {"mnuSetEncrypt", u"Set Mode To &Encrypt", Command::kSetEncrypt, Menu::kEncryption, u'E', true},
    {"mnuSetDecrypt", u"Set Mode To &Decrypt", Command::kSetDecrypt, Menu::kEncryption, u'D',
     false},
    {"mnuAbout", u"&About", Command::kAbout, Menu::kHelp, u'\0', false},
};

// The command of a design name; nothing for a name that is not one.
std::optional<Command> CommandNamed(std::string_view name);
// The command that `press` is the shortcut of; nothing for any other key.
std::optional<Command> CommandOfShortcut(const KeyPress& press);
// The letter after "&" in a caption, upper case; u'\0' for none.
char16_t AccessLetter(std::u16string_view caption);
// "Ctrl+R"; empty for a command without a shortcut.
std::u16string ShortcutText(const CommandDesign& design);

// What a menu entry shows: its check mark and whether it can be chosen.
struct CommandState {
    bool checked = false;
    bool enabled = true;

    friend bool operator==(const CommandState& a, const CommandState& b) {
        return a.checked == b.checked && a.enabled == b.enabled;
    }
    friend bool operator!=(const CommandState& a, const CommandState& b) { return !(a == b); }
};

}  // namespace vellumark
