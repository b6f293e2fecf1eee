#include "win32/window_class.h"

#include "win32/pictures.h"

namespace vellumark::win32 {

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, bool icon) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    if (icon) {
        windowClass.hIcon = LoadProgramIcon(GetSystemMetrics(SM_CXICON));
        windowClass.hIconSm = LoadProgramIcon(GetSystemMetrics(SM_CXSMICON));
    }
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

HWND MakeChild(HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style,
               DWORD exStyle, int id) {
    return CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0,
                           0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

void PlaceControl(HWND control, const PixelRect& place) {
    SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vellumark::win32
