#pragma once
// The about box frmAbout: names the tool, shows its version and icon, and opens the
// author's web address. Modal over the main window, and centred over it at every opening.

#include <windows.h>

namespace vellumark::win32 {

// Shows the box modally over `mainWindow` and returns once it has been closed.
void OpenAbout(HWND mainWindow);

}  // namespace vellumark::win32
