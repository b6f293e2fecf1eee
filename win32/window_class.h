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

// A font or icon that a window makes for itself, freed by `Free` when the window lets it go.
template <typename Handle, auto Free>
struct HandleFreer {
    void operator()(Handle handle) const { Free(handle); }
};
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, HandleFreer<HFONT, DeleteObject>>;
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, HandleFreer<HICON, DestroyIcon>>;

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

// Moves `control` to `place`, in pixels relative to its window's client area.
void PlaceControl(HWND control, const PixelRect& place);

// How a window makes a control of its design: its class and styles.
struct ControlMaker {
    std::string_view name;
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle = 0;
};

// A window's controls, made in the makers' order, which is the design's creation order
// (InCreationOrder). A control's identifier is `firstId` plus its place in that order.
template <std::size_t N>
struct WindowControls {
    const std::array<ControlDesign, N>& designs;
    std::array<ControlMaker, N> makers;
    int firstId;

    // The identifier of the control named `name`; -1, which no control has, for none.
    [[nodiscard]] constexpr int IdOf(std::string_view name) const {
        const std::size_t index = IndexOfName(makers, name);
        return index < N ? firstId + static_cast<int>(index) : -1;
    }

    // The name of the control with the identifier `id`; empty for none.
    [[nodiscard]] constexpr std::string_view NameOf(int id) const {
        const auto index = static_cast<std::size_t>(id - firstId);
        return id < firstId || index >= N ? std::string_view() : makers[index].name;
    }

    // Makes the controls in `window`, each with the text `text(design)`.
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
                         PixelPlace(designs, maker.name, static_cast<int>(dpi)));
        }
    }
};

}  // namespace vellumark::win32
