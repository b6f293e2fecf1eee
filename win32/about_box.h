#pragma once
// The about box frmAbout: names the tool, shows its version and icon, and opens the
// author's web address. Modal over the main window, and centred over it at every opening.

#include <windows.h>

namespace vellumark::win32 {

// Opens the address with the shell's default program. Its result is never looked at: when
// no program can open the address, the box has nothing to say.
using LinkOpener = void (*)(const wchar_t* address);

// Replaces how the box opens its address (tests record the calls instead of starting a
// browser); nullptr brings back the shell.
void SetLinkOpener(LinkOpener opener);

// Shows the box modally over `mainWindow` and returns once it has been closed.
void OpenAbout(HWND mainWindow);

}  // namespace vellumark::win32
