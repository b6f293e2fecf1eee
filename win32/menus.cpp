#include "win32/menus.h"

#include <iterator>
#include <string>

#include "win32/edit_text.h"

namespace vellumark::win32 {

int IdOf(Command command) {
    return kFirstCommandId + static_cast<int>(command);
}

std::optional<Command> CommandOfId(int id) {
    const int index = id - kFirstCommandId;
    if (index < 0 || index >= static_cast<int>(std::size(kCommands))) {
        return std::nullopt;
    }
    return kCommands[index].command;
}

HMENU BuildMenuBar() {
    const HMENU bar = CreateMenu();
    for (const MenuDesign& design : kMenus) {
        const HMENU menu = CreatePopupMenu();
        for (const CommandDesign& entry : kCommands) {
            if (entry.menu != design.menu) {
                continue;
            }
            if (entry.separatorBefore) {
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            }
            std::u16string caption(entry.caption);
            if (const std::u16string shortcut = ShortcutText(entry); !shortcut.empty()) {
                caption += u'\t' + shortcut;
            }
            AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(IdOf(entry.command)),
                        WideString(caption).c_str());
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu),
                    WideString(design.caption).c_str());
    }
    return bar;
}

}  // namespace vellumark::win32
