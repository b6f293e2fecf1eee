#include "win32/about_box.h"

#include <commctrl.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <string_view>

#include "win32/edit_text.h"
#include "win32/key_press.h"
#include "win32/metrics.h"
#include "win32/pictures.h"
#include "win32/window_class.h"
#include "window_core/about_core.h"
#include "window_core/keys.h"
#include "window_core/text_contrast.h"

namespace vellumark::win32 {

namespace {

constexpr const wchar_t* kClassName = L"VellumarkAbout";
// No title bar: a raised dialog border alone, out of the taskbar as the main window's own.
constexpr DWORD kStyle = WS_POPUP | WS_DLGFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

// One opening of the box: its window, and its fonts and icon, which outlive the window.
struct AboutBox {
    HWND window = nullptr;
    HWND lblUrl = nullptr;
    OwnedFont dialogFont;
    OwnedFont titleFont;
    OwnedFont creditFont;
    OwnedFont urlFont;
    OwnedIcon icon;
    bool closed = false;
};

void PlaceAddress(const AboutBox& box, UINT dpi) {
    const HDC dc = GetDC(box.lblUrl);
    const HGDIOBJ old = SelectObject(dc, box.urlFont.get());
    const std::wstring address = WideString(AboutAddress());
    SIZE text{};
    GetTextExtentPoint32W(dc, address.c_str(), static_cast<int>(address.size()), &text);
    SelectObject(dc, old);
    ReleaseDC(box.lblUrl, dc);
    const PixelRect designed =
        PixelsOf(PlaceInWindow(kFrmAboutControls, *FindControl(kFrmAboutControls, "lblUrl")),
                 static_cast<int>(dpi));
    const PixelRect place = AddressLabelPlace(designed, text.cx, text.cy);
    SetWindowPos(box.lblUrl, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// Identifiers from 400; the image, the one control with no place in the tab order, comes last.
constexpr WindowControls<7> kAboutControls{
    kFrmAboutControls,
    {{
        {"cmdOk", WC_BUTTONW, WS_TABSTOP | BS_DEFPUSHBUTTON},
        {"fraTheFrame", WC_BUTTONW, BS_GROUPBOX},
        {"Label3", WC_STATICW, SS_CENTER},
        {"lblUrl", WC_STATICW, SS_CENTER | SS_NOTIFY | SS_NOPREFIX},
        {"Label1", WC_STATICW, SS_CENTER | WS_BORDER},
        {"Label2", WC_STATICW, SS_CENTER | WS_BORDER},
        // The icon stretched to fill the image's inside.
        {"Image1", WC_STATICW, SS_ICON | SS_REALSIZECONTROL | WS_BORDER},
    }},
    400};
static_assert(kAboutControls.InCreationOrder());
constexpr int kOkId = kAboutControls.IdOf("cmdOk");
constexpr int kUrlId = kAboutControls.IdOf("lblUrl");

void CreateControls(AboutBox& box, UINT dpi) {
    kAboutControls.Make(box.window, [](const ControlDesign& design) {
        return WideString(AboutCaption(design.name));
    });
    kAboutControls.Place(box.window, dpi);
    box.dialogFont.reset(MakeDialogFont(dpi));
    box.titleFont.reset(MakeFont(L"MS Sans Serif", 1200, FW_BOLD, false, false, dpi));
    box.creditFont.reset(MakeFont(L"Arial", 1200, FW_BOLD, true, false, dpi));
    box.urlFont.reset(MakeFont(L"Arial", 975, FW_NORMAL, false, true, dpi));
    SetFontOfChildren(box.window, box.dialogFont.get());
    const auto setFont = [&box](std::string_view name, HFONT font) {
        SendMessageW(GetDlgItem(box.window, kAboutControls.IdOf(name)), WM_SETFONT,
                     reinterpret_cast<WPARAM>(font), FALSE);
    };
    setFont("Label1", box.titleFont.get());
    setFont("Label3", box.creditFont.get());
    setFont("lblUrl", box.urlFont.get());
    box.lblUrl = GetDlgItem(box.window, kUrlId);
    box.icon.reset(LoadProgramIcon(32));
    SendMessageW(GetDlgItem(box.window, kAboutControls.IdOf("Image1")), STM_SETICON,
                 reinterpret_cast<WPARAM>(box.icon.get()), 0);
    PlaceAddress(box, dpi);
    // Only "Ok" takes the focus.
    SetFocus(GetDlgItem(box.window, kOkId));
}

LRESULT CALLBACK AboutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = ObjectOf<AboutBox>(window, message, lParam);
    if (box == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kOkId) {
                box->closed = true;
            } else if (LOWORD(wParam) == kUrlId && HIWORD(wParam) == STN_CLICKED) {
                // When no program can open the address, the box has nothing to say.
                ShellExecuteW(nullptr, nullptr, WideString(AboutAddress()).c_str(), nullptr,
                              L"C:\\", SW_SHOWNORMAL);
            }
            return 0;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == box->lblUrl) {
                auto* const dc = reinterpret_cast<HDC>(wParam);
                // Under high contrast the system's link colour, made readable if need be.
                SetTextColor(dc, HighContrastOn() ? ReadableColour(GetSysColor(COLOR_BTNFACE),
                                                                   GetSysColor(COLOR_HOTLIGHT))
                                                  : kAddressColour);
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == box->lblUrl) {
                SetCursor(HandCursor());
                return TRUE;
            }
            break;
        case WM_CLOSE:
            box->closed = true;
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void OpenAbout(HWND mainWindow) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // Registered again at every opening, which fails harmlessly from the second on.
    RegisterWindowClass(kClassName, AboutProc, false);

    // Loaded anew at every opening, and centred before it shows.
    AboutBox box;
    const UINT dpi = DpiOf(mainWindow);
    const SIZE outer = OuterSize(kStyle, kExStyle, false,
                                 TwipsToPixels(kFrmAbout.clientWidth, static_cast<int>(dpi)),
                                 TwipsToPixels(kFrmAbout.clientHeight, static_cast<int>(dpi)), dpi);
    RECT main{};
    GetWindowRect(mainWindow, &main);
    const PixelPoint place = CentredPlace(
        {main.left, main.top, main.right - main.left, main.bottom - main.top}, outer.cx, outer.cy);
    // Owned by the main window: above it, and out of the taskbar.
    box.window = CreateWindowExW(kExStyle, kClassName, L"", kStyle, place.x, place.y, outer.cx,
                                 outer.cy, mainWindow, nullptr, instance, &box);
    if (box.window == nullptr) {
        return;
    }
    CreateControls(box, dpi);

    // Modal: the main window takes no input until the box is closed.
    EnableWindow(mainWindow, FALSE);
    ShowWindow(box.window, SW_SHOW);
    MSG message{};
    bool quit = false;
    while (!box.closed) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            quit = got == 0;
            break;
        }
        if (message.hwnd == box.window || IsChild(box.window, message.hwnd) != 0) {
            // Enter, keypad Enter, Space and Esc mean what the about core says, whichever
            // control has them; the dialog keys and the button do not decide them.
            if (const std::optional<KeyPress> press = KeyPressOf(message);
                press && press->key != Key::kOther && press->key != Key::kTab) {
                box.closed = ClosesAboutBox(*press);
                continue;
            }
        }
        if (!IsDialogMessageW(box.window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // The main window takes input again before the box goes, so that it is the one
    // activated.
    EnableWindow(mainWindow, TRUE);
    SetActiveWindow(mainWindow);
    DestroyWindow(box.window);
    if (quit) {
        PostQuitMessage(static_cast<int>(message.wParam));
    }
}

}  // namespace vellumark::win32
