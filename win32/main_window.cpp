#include "win32/main_window.h"

// The main window's creation, and its layout at the monitor's DPI.

#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>

#include "engine/code_number.h"
#include "win32/accessible.h"
#include "win32/control_makers.h"
#include "win32/edit_text.h"
#include "win32/menus.h"
#include "win32/metrics.h"
#include "win32/pictures.h"
#include "win32/resource_ids.h"
#include "win32/window_class.h"
#include "window_core/design.h"

namespace vellumark::win32 {

namespace {

constexpr const wchar_t* kClassName = L"VellumarkMain";
// A fixed border, no maximize button. No WS_CLIPCHILDREN: the frames leave their inside to
// the window's background.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

}  // namespace

MainWindow::MainWindow(int showCommand) {
    RegisterWindowClass(kClassName, WindowProc, true);
    // The system places the window; the layout gives it its size.
    window_ = CreateWindowExW(0, kClassName, WideString(kFrmMain.caption).c_str(), kStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                              BuildMenuBar(), GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) {
        return;
    }
    CreateControls();
    Layout(DpiOf(window_));
    // The window loads before it shows: default code number, then encrypt mode.
    core_.Load();
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

MainWindow::~MainWindow() {
    // Before the fonts and pictures that its controls use go.
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void MainWindow::CreateControls() {
    // The frames and labels hold their places in the tab order but never take the focus. A
    // picture button's caption is not shown, but names the button to screen readers.
    kMainControls.Make(window_, [](const ControlDesign& design) {
        return WideString(design.caption.empty() ? design.toolTip : design.caption);
    });
    txtCodeNum_ = WindowOf(Control::kTxtCodeNum);
    txtIn_ = WindowOf(Control::kTxtIn);
    txtOut_ = WindowOf(Control::kTxtOut);
    lblEncrypt_ = WindowOf(Control::kLblEncrypt);
    lblDecrypt_ = WindowOf(Control::kLblDecrypt);
    statusBar_ = MakeChild(window_, STATUSCLASSNAMEW, L"", 0, 0, kStatusBarId);

    SendMessageW(txtCodeNum_, EM_SETLIMITTEXT, kCodeNumberMaxLength, 0);
    SendMessageW(txtIn_, EM_SETLIMITTEXT, kInputLimit, 0);
    SendMessageW(txtOut_, EM_SETLIMITTEXT, 0, 0);
    MarkLiveRegion(statusBar_);
    // Each subclass carries the core's name of its control, which its messages then need not
    // look up.
    for (const Control control : {Control::kTxtCodeNum, Control::kTxtIn, Control::kTxtOut,
                                  Control::kLblEncrypt, Control::kLblDecrypt}) {
        SetWindowSubclass(WindowOf(control), ControlProc, static_cast<UINT_PTR>(control),
                          reinterpret_cast<DWORD_PTR>(this));
    }

    const HWND toolTips =
        CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, window_,
                        nullptr, GetModuleHandleW(nullptr), nullptr);
    for (const ControlDesign& design : kFrmMainControls) {
        if (design.toolTip.empty()) {
            continue;
        }
        std::wstring text = WideString(design.toolTip);
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(window_, kMainControls.IdOf(design.name)));
        tool.lpszText = text.data();  // copied by the tool tip control
        SendMessageW(toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void MainWindow::Layout(UINT dpi) {
    // The old font goes once no control uses it.
    const OwnedFont oldFont = std::exchange(font_, OwnedFont(MakeFont(kDialogFont, dpi)));
    SetFontOfChildren(window_, font_.get());
    // The status bar keeps the desktop's font, as the menu bar does.
    SendMessageW(statusBar_, WM_SETFONT, 0, FALSE);

    kMainControls.Place(window_, dpi);
    for (std::size_t index = 0; index < pictures_.size(); ++index) {
        const OwnedIcon oldPicture =
            std::exchange(pictures_.at(index),
                          OwnedIcon(LoadButtonPicture(IDB_PASTE + static_cast<int>(index), dpi)));
        SendMessageW(WindowOf(ControlOf(static_cast<Button>(index))), BM_SETIMAGE, IMAGE_ICON,
                     reinterpret_cast<LPARAM>(pictures_.at(index).get()));
    }

    // The client area keeps the design's size; the status bar adds its height below it.
    SendMessageW(statusBar_, WM_SIZE, 0, 0);
    RECT bar{};
    GetWindowRect(statusBar_, &bar);
    const int width = TwipsToPixels(kFrmMain.clientWidth, static_cast<int>(dpi));
    const int height =
        TwipsToPixels(kFrmMain.clientHeight, static_cast<int>(dpi)) + (bar.bottom - bar.top);
    const SIZE outer = OuterSize(kStyle, 0, true, width, height, dpi);
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A long menu bar can wrap onto a second line: grow by what the client area lacks.
    RECT client{};
    GetClientRect(window_, &client);
    const LONG lacking = std::max(0L, height - (client.bottom - client.top));
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy + lacking,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(statusBar_, WM_SIZE, 0, 0);
}

}  // namespace vellumark::win32
