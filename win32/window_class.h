#pragma once
// What both windows do alike as Windows windows: their class, the object behind a window, and
// the child controls that they make from their designs.

#include <windows.h>

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "window_core/design.h"

namespace vellumark::win32 {

// The fonts and icons that a window makes for itself, freed when it lets them go.
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

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

// Moves `control` to `place`, in twips relative to its window's client area.
void PlaceControl(HWND control, const TwipsRect& place, UINT dpi);

// How a window makes a control of its design: its class and styles. The design gives the
// rest (window_core/design.h).
struct ControlMaker {
    std::string_view name;
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle = 0;
};

// A window's controls, made in the makers' order: the design's tab order, then the controls
// with no place in it. That is the z-order, which screen readers walk. A control's identifier
// is `firstId` plus its place in that order.
template <std::size_t N>
struct WindowControls {
    const std::array<ControlDesign, N>& designs;
    std::array<ControlMaker, N> makers;
    int firstId;

    // The identifier of the control named `name`; -1, which no control has, for none.
    [[nodiscard]] constexpr int IdOf(std::string_view name) const {
        for (std::size_t index = 0; index < N; ++index) {
            if (makers[index].name == name) {
                return firstId + static_cast<int>(index);
            }
        }
        return -1;
    }

    // The name of the control with the identifier `id`; empty for none.
    [[nodiscard]] constexpr std::string_view NameOf(int id) const {
        const int index = id - firstId;
        return index < 0 || index >= static_cast<int>(N)
                   ? std::string_view()
                   : makers[static_cast<std::size_t>(index)].name;
    }

    // Whether the makers are in that order, each for a control of the design.
    [[nodiscard]] constexpr bool InCreationOrder() const {
        const std::array<const ControlDesign*, N> tabOrder = InTabOrder(designs);
        for (std::size_t index = 0; index < N; ++index) {
            const ControlDesign* design = FindControl(designs, makers[index].name);
            if (design == nullptr ||
                (design != tabOrder[index] && design->tabIndex != kNoTabIndex)) {
                return false;
            }
        }
        return true;
    }

    // Makes the controls in `window`, each with the text `text(design)`; Place places them.
    template <typename Text>
    void Make(HWND window, const Text& text) const {
        for (const ControlMaker& maker : makers) {
            MakeChild(window, maker.windowClass, text(*FindControl(designs, maker.name)),
                      maker.style, maker.exStyle, IdOf(maker.name));
        }
    }

    void Place(HWND window, UINT dpi) const {
        for (const ControlMaker& maker : makers) {
            PlaceControl(GetDlgItem(window, IdOf(maker.name)),
                         PlaceInWindow(designs, *FindControl(designs, maker.name)), dpi);
        }
    }
};

}  // namespace vellumark::win32
