#pragma once
// What both windows do alike as Windows windows: their class, the object behind a window, and
// their child controls.

#include <windows.h>

#include <string>

namespace vellumark::win32 {

// Registers this program's window class `name` with the arrow and the dialog face behind the
// controls; and with the program icon when `icon`.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, bool icon);

// The object that CreateWindowEx was handed for `window`, kept with it from its first
// message on; nullptr before.
template <typename Object>
Object* ObjectOf(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(
                              reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    return reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// A child control of `parent`, visible, with its identifier; the layout places it.
HWND MakeChild(HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style,
               DWORD exStyle, int id);

}  // namespace vellumark::win32
