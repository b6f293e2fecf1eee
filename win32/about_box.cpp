#include "win32/about_box.h"

#include <commctrl.h>
#include <shellapi.h>

#include <initializer_list>
#include <string>

#include "vellumark/version.h"
#include "win32/metrics.h"
#include "win32/pictures.h"
#include "win32/resource_ids.h"
#include "window_core/about_placement.h"

namespace vellumark::win32 {

namespace {

constexpr wchar_t kClassName[] = L"VellumarkAbout";
constexpr const wchar_t* kAddress = kWideHomepage.data();
constexpr wchar_t kCredit[] = L"By the Vellumark authors";
// No title bar: a raised dialog border alone, out of the taskbar as the main window's own.
constexpr DWORD kStyle = WS_POPUP | WS_DLGFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kClientWidth = 5190;
constexpr int kClientHeight = 3015;
constexpr COLORREF kAddressColour = 0x00FF0000;  // pure blue, 0x00BBGGRR
constexpr TwipsRect kWindow{0, 0, kClientWidth, kClientHeight};
constexpr TwipsRect kTheFrame{1440, 1080, 3495, 1215};
constexpr TwipsRect kUrlDesign{1050, 720, 1410, 240};

void OpenWithShell(const wchar_t* address) {
    ShellExecuteW(nullptr, nullptr, address, nullptr, L"C:\\", SW_SHOWNORMAL);
}

LinkOpener& CurrentOpener() {
    static LinkOpener opener = OpenWithShell;
    return opener;
}

// One opening of the box: its window, its fonts and its icon.
struct AboutBox {
    HWND window = nullptr;
    HWND lblUrl = nullptr;
    HWND image = nullptr;
    HFONT dialogFont = nullptr;
    HFONT titleFont = nullptr;
    HFONT creditFont = nullptr;
    HFONT urlFont = nullptr;
    HICON icon = nullptr;
    bool closed = false;

    ~AboutBox() {
        for (HFONT font : {dialogFont, titleFont, creditFont, urlFont}) {
            DeleteObject(font);
        }
        DestroyIcon(icon);
    }
};

HWND MakeControl(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, int id,
                 HFONT font) {
    const HWND control = CreateWindowExW(
        0, windowClass, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

// The address label takes the size of its text, grown about the centre of its design
// place, so that a long address stays over the middle of the frame.
void PlaceAddress(const AboutBox& box, UINT dpi) {
    const HDC dc = GetDC(box.lblUrl);
    const HGDIOBJ old = SelectObject(dc, box.urlFont);
    SIZE text{};
    GetTextExtentPoint32W(dc, kAddress, lstrlenW(kAddress), &text);
    SelectObject(dc, old);
    ReleaseDC(box.lblUrl, dc);
    const int centre = TwipsToPixels(kTheFrame.left + kUrlDesign.left + kUrlDesign.width / 2, dpi);
    const int top = TwipsToPixels(kTheFrame.top + kUrlDesign.top, dpi);
    SetWindowPos(box.lblUrl, nullptr, centre - text.cx / 2, top, text.cx, text.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CreateControls(AboutBox& box, UINT dpi) {
    box.dialogFont = MakeDialogFont(dpi);
    box.titleFont = MakeFont(L"MS Sans Serif", 1200, FW_BOLD, false, false, dpi);
    box.creditFont = MakeFont(L"Arial", 1200, FW_BOLD, true, false, dpi);
    box.urlFont = MakeFont(L"Arial", 975, FW_NORMAL, false, true, dpi);
    const HWND window = box.window;
    // In tab order; only "Ok" takes the focus.
    const HWND cmdOk =
        MakeControl(window, WC_BUTTONW, L"Ok", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, box.dialogFont);
    const HWND frame =
        MakeControl(window, WC_BUTTONW, L"", BS_GROUPBOX, IDC_FRA_THE_FRAME, box.dialogFont);
    const HWND label3 =
        MakeControl(window, WC_STATICW, kCredit, SS_CENTER, IDC_LABEL3, box.creditFont);
    box.lblUrl = MakeControl(window, WC_STATICW, kAddress, SS_CENTER | SS_NOTIFY | SS_NOPREFIX,
                             IDC_LBL_URL, box.urlFont);
    const HWND label1 = MakeControl(window, WC_STATICW, L"Vellumark", SS_CENTER | WS_BORDER,
                                    IDC_LABEL1, box.titleFont);
    const std::wstring version =
        L"Version " + std::wstring(kShortVersion.begin(), kShortVersion.end());
    const HWND label2 = MakeControl(window, WC_STATICW, version.c_str(), SS_CENTER | WS_BORDER,
                                    IDC_LABEL2, box.dialogFont);
    box.image =
        MakeControl(window, WC_STATICW, L"", SS_OWNERDRAW | WS_BORDER, IDC_IMAGE1, box.dialogFont);
    box.icon = LoadProgramIcon(32);

    PlaceControl(cmdOk, {240, 2400, 4695, 375}, kWindow, dpi);
    PlaceControl(frame, kTheFrame, kWindow, dpi);
    PlaceControl(label3, {120, 240, 3255, 255}, kTheFrame, dpi);
    PlaceControl(label1, {240, 240, 4695, 375}, kWindow, dpi);
    PlaceControl(label2, {240, 720, 4695, 255}, kWindow, dpi);
    PlaceControl(box.image, {240, 1200, 1020, 1020}, kWindow, dpi);
    PlaceAddress(box, dpi);
    SetFocus(cmdOk);
}

LRESULT CALLBACK AboutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* box = reinterpret_cast<AboutBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (box == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                box->closed = true;
            } else if (LOWORD(wParam) == IDC_LBL_URL && HIWORD(wParam) == STN_CLICKED) {
                CurrentOpener()(kAddress);
            }
            return 0;
        case DM_GETDEFID:
            // "Ok" answers Enter.
            return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == box->lblUrl) {
                const auto dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, kAddressColour);
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
        case WM_DRAWITEM: {
            // The icon stretched to fill the image's inside.
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->hwndItem == box->image) {
                const RECT& area = item->rcItem;
                FillRect(item->hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
                DrawIconEx(item->hDC, area.left, area.top, box->icon, area.right - area.left,
                           area.bottom - area.top, 0, nullptr, DI_NORMAL);
                return TRUE;
            }
            break;
        }
        case WM_CLOSE:
            box->closed = true;
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void SetLinkOpener(LinkOpener opener) {
    CurrentOpener() = opener != nullptr ? opener : OpenWithShell;
}

void OpenAbout(HWND mainWindow) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    static const ATOM registered = [instance] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = AboutProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass);
    }();
    static_cast<void>(registered);

    // Loaded anew at every opening, and centred before it shows.
    AboutBox box;
    const UINT dpi = DpiOf(mainWindow);
    const SIZE outer = OuterSize(kStyle, kExStyle, false, TwipsToPixels(kClientWidth, dpi),
                                 TwipsToPixels(kClientHeight, dpi), dpi);
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
