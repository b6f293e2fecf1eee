#pragma once
// The window designs' places, turned into pixels for the DPI of the monitor that a window
// stands on; and the fonts of the designs at that DPI.

#include <windows.h>

#include "window_core/fonts.h"

namespace vellumark::win32 {

// The DPI of the monitor that `window` stands on (96 where the system cannot tell).
UINT DpiOf(HWND window);

// The outer size of a window whose client area is `clientWidth` by `clientHeight` pixels.
SIZE OuterSize(DWORD style, DWORD exStyle, bool hasMenu, int clientWidth, int clientHeight,
               UINT dpi);

// A font of the designs at `dpi`. The caller owns it.
HFONT MakeFont(const FontDesign& font, UINT dpi);

// Gives every child of `window` the font `font`.
void SetFontOfChildren(HWND window, HFONT font);

// Whether Windows' high-contrast colours are on, which the designs' texts then follow; the
// classic controls are light otherwise, whatever the desktop's theme.
bool HighContrastOn();

}  // namespace vellumark::win32
