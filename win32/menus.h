#pragma once
// The main window's menu bar, built from the core's command table: each entry's identifier in
// WM_COMMAND is its place in the table after kFirstCommandId.

#include <windows.h>

#include <optional>

#include "window_core/commands.h"

namespace vellumark::win32 {

inline constexpr int kFirstCommandId = 200;

int IdOf(Command command);
// The command of a WM_COMMAND identifier; nothing for a control's.
std::optional<Command> CommandOfId(int id);
// The menu bar with its menus, captions and shortcuts' texts ("Pick &Random Code\tCtrl+R").
HMENU BuildMenuBar();

}  // namespace vellumark::win32
