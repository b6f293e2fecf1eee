#include "win32/about_box.h"

#include <commctrl.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

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
    std::vector<OwnedFont> fonts;
    OwnedIcon icon;
    bool closed = false;
};

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
static_assert(InCreationOrder(kFrmAboutControls, kAboutControls.makers));
constexpr int kOkId = kAboutControls.IdOf("cmdOk");
constexpr int kUrlId = kAboutControls.IdOf("lblUrl");

// The address label, sized to its text in its own font.
void PlaceAddress(HWND label, UINT dpi) {
    const HDC dc = GetDC(label);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    const std::wstring address = WideString(AboutAddress());
    SIZE text{};
    GetTextExtentPoint32W(dc, address.c_str(), static_cast<int>(address.size()), &text);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    const PixelRect designed = PixelPlace(kFrmAboutControls, "lblUrl", static_cast<int>(dpi));
    PlaceControl(label, AddressLabelPlace(designed, text.cx, text.cy));
}

void CreateControls(AboutBox& box, UINT dpi) {
    kAboutControls.Make(box.window, [](const ControlDesign& design) {
        return WideString(AboutCaption(design.name));
    });
    kAboutControls.Place(box.window, dpi);
    SetFontOfChildren(box.window, box.fonts.emplace_back(MakeFont(kDialogFont, dpi)).get());
    for (const auto& [name, design] : kFrmAboutFonts) {
        const HFONT font = box.fonts.emplace_back(MakeFont(design, dpi)).get();
        SendMessageW(GetDlgItem(box.window, kAboutControls.IdOf(name)), WM_SETFONT,
                     reinterpret_cast<WPARAM>(font), FALSE);
    }
    box.icon.reset(LoadProgramIcon(32));
    SendMessageW(GetDlgItem(box.window, kAboutControls.IdOf("Image1")), STM_SETICON,
                 reinterpret_cast<WPARAM>(box.icon.get()), 0);
    PlaceAddress(GetDlgItem(box.window, kUrlId), dpi);
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
            if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kUrlId) {
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
            if (GetDlgCtrlID(reinterpret_cast<HWND>(wParam)) == kUrlId) {
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
                                 outer.cy, mainWindow, nullptr, GetModuleHandleW(nullptr), &box);
    if (box.window == nullptr) {
        return;
    }
    CreateControls(box, dpi);

    // Modal: the main window takes no input until the box is closed.
    EnableWindow(mainWindow, FALSE);
    ShowWindow(box.window, SW_SHOW);
    MSG message{};
    while (!box.closed && GetMessageW(&message, nullptr, 0, 0) > 0) {
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
    // The main window takes input again before the box goes, so that it is activated.
    EnableWindow(mainWindow, TRUE);
    SetActiveWindow(mainWindow);
    DestroyWindow(box.window);
    // A WM_QUIT that ended the loop is the main loop's too.
    if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
    }
}

}  // namespace vellumark::win32
