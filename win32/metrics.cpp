#include "win32/metrics.h"

#include "win32/edit_text.h"

namespace vellumark::win32 {

namespace {

// The per-monitor calls came with Windows 10 (1607); older systems have one DPI for all.
template <typename Function>
Function User32Function(const char* name) {
    // The module is loaded in every GUI process, so the handle stays valid.
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

}  // namespace

UINT DpiOf(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) {
            return dpi;
        }
    }
    // Both calls fail harmlessly, with 0, when the screen gives no device context.
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

SIZE OuterSize(DWORD style, DWORD exStyle, bool hasMenu, int clientWidth, int clientHeight,
               UINT dpi) {
    using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi =
        User32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, clientWidth, clientHeight};
    if (adjustForDpi == nullptr || !adjustForDpi(&rect, style, hasMenu, exStyle, dpi)) {
        AdjustWindowRectEx(&rect, style, hasMenu, exStyle);
    }
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

HFONT MakeFont(const FontDesign& font, UINT dpi) {
    return CreateFontW(-FontPixels(font, static_cast<int>(dpi)), 0, 0, 0,
                       font.bold ? FW_BOLD : FW_NORMAL, font.italic ? TRUE : FALSE,
                       font.underline ? TRUE : FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       WideString(font.face).c_str());
}

void SetFontOfChildren(HWND window, HFONT font) {
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

bool HighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) != FALSE &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace vellumark::win32
