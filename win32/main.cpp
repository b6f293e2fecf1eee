// The Windows edition's entry: the main window, whose messages drive everything from there.

#include <windows.h>

#include <commctrl.h>

#include "win32/main_window.h"

// The last parameter by the system header's name for it.
int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int nShowCmd) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    vellumark::win32::MainWindow mainWindow(nShowCmd);
    if (mainWindow.handle() == nullptr) {
        return 1;
    }
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!mainWindow.PreTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // Exit ends the program at once: no window is asked whether it may close.
    return static_cast<int>(message.wParam);
}
