#include "win32/main_window.h"

// The main window's creation, its layout at the monitor's DPI, and its messages: the keys
// before a control sees them, the controls' notifications, their colours, and what the
// subclassed controls report. What the core reads and writes is in main_window_view.cpp.

#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

#include "engine/code_number.h"
#include "engine/overflow_error.h"
#include "win32/accessible.h"
#include "win32/key_press.h"
#include "win32/menus.h"
#include "win32/metrics.h"
#include "win32/pictures.h"
#include "win32/resource_ids.h"
#include "window_core/design.h"
#include "window_core/text_contrast.h"

namespace vellumark::win32 {

namespace {

constexpr wchar_t kClassName[] = L"VellumarkMain";
// A fixed border, no maximize button. No WS_CLIPCHILDREN: the frames leave their inside to
// the window's background.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kFrame = kChild | BS_GROUPBOX;
constexpr DWORD kTextBox =
    kChild | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | ES_NOHIDESEL;
// An icon rather than a bitmap: its mask keeps the pictures' silver background off the face.
constexpr DWORD kPictureButton = kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_ICON;
constexpr DWORD kModeLabel = kChild | SS_CENTER | WS_BORDER;

// The input box's size: the longest cipher text with a line break after every symbol, so it
// refuses nothing that either mode takes but a blank-padded cipher text. A longer paste is cut
// there, and said so; at that size, Wine's box keeps a key's and a paste's time in bounds.
constexpr std::size_t kInputLimit = 3 * kMaxCipherSymbols;
static_assert(kInputLimit > 2 * kMaxTextLength, "a cut input is refused to encrypt");
// Posted by the input box's size limit, read once the cut paste or key has been handled.
constexpr UINT kInputCut = WM_APP + 1;

// How this window makes each control of the design: its class, styles and identifier. The
// design gives the rest.
struct ControlMaker {
    std::string_view name;
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
    int id;
};

constexpr ControlMaker kMakers[] = {
    {"Frame1", WC_BUTTONW, kFrame, 0, IDC_FRAME1},
    {"txtCodeNum", WC_EDITW, kChild | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
     IDC_TXT_CODE_NUM},
    {"Frame2", WC_BUTTONW, kFrame, 0, IDC_FRAME2},
    {"txtIn", WC_EDITW, kTextBox | ES_WANTRETURN, WS_EX_CLIENTEDGE, IDC_TXT_IN},
    {"cmdPasteInput", WC_BUTTONW, kPictureButton, 0, IDC_CMD_PASTE_INPUT},
    {"cmdClearInput", WC_BUTTONW, kPictureButton | WS_DISABLED, 0, IDC_CMD_CLEAR_INPUT},
    {"cmdCutOutput", WC_BUTTONW, kPictureButton | WS_DISABLED, 0, IDC_CMD_CUT_OUTPUT},
    {"cmdCopyOutput", WC_BUTTONW, kPictureButton | WS_DISABLED, 0, IDC_CMD_COPY_OUTPUT},
    {"txtOut", WC_EDITW, kTextBox | ES_READONLY, WS_EX_CLIENTEDGE, IDC_TXT_OUT},
    {"lblEncrypt", WC_STATICW, kModeLabel, 0, IDC_LBL_ENCRYPT},
    {"lblDecrypt", WC_STATICW, kModeLabel, 0, IDC_LBL_DECRYPT},
    {"fraMode", WC_BUTTONW, kFrame, 0, IDC_FRA_MODE},
    {"Frame3", WC_BUTTONW, kFrame, 0, IDC_FRAME3},
};
static_assert(std::size(kMakers) == kFrmMainControls.size());

const ControlMaker& MakerOf(std::string_view name) {
    return *std::find_if(std::begin(kMakers), std::end(kMakers),
                         [name](const ControlMaker& maker) { return maker.name == name; });
}

struct ButtonDesign {
    Button button;
    int id;
    int picture;
};

// In the order of the Button enumeration.
constexpr ButtonDesign kButtons[] = {
    {Button::kPasteInput, IDC_CMD_PASTE_INPUT, IDB_PASTE},
    {Button::kClearInput, IDC_CMD_CLEAR_INPUT, IDB_CLEAR},
    {Button::kCutOutput, IDC_CMD_CUT_OUTPUT, IDB_CUT},
    {Button::kCopyOutput, IDC_CMD_COPY_OUTPUT, IDB_COPY},
};

std::wstring Widened(std::string_view ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

// The caption of the frame that holds the text box `id`, without its access key's "&".
std::wstring NameOfTextBox(int id) {
    const auto design = std::find_if(
        std::begin(kFrmMainControls), std::end(kFrmMainControls),
        [id](const ControlDesign& control) { return MakerOf(control.name).id == id; });
    std::wstring name;
    for (const char letter : FindControl(kFrmMainControls, design->container)->caption) {
        if (letter != '&') {
            name += static_cast<wchar_t>(letter);
        }
    }
    return name;
}

MouseButton MouseButtonOf(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            return MouseButton::kLeft;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return MouseButton::kRight;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            return MouseButton::kMiddle;
        default:
            return MouseButton::kOther;
    }
}

}  // namespace

MainWindow::MainWindow(int showCommand) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadProgramIcon(GetSystemMetrics(SM_CXICON));
    windowClass.hIconSm = LoadProgramIcon(GetSystemMetrics(SM_CXSMICON));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);

    menu_ = BuildMenuBar();
    // The system places the window; the layout gives it its size.
    window_ = CreateWindowExW(0, kClassName, Widened(kFrmMain.caption).c_str(), kStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                              menu_, instance, this);
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
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    for (HICON picture : pictures_) {
        DestroyIcon(picture);
    }
    DeleteObject(font_);
    DeleteObject(encryptBrush_);
    DeleteObject(decryptBrush_);
}

void MainWindow::CreateControls() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // Created in tab order; the frames and labels hold their places in it but never take
    // the focus.
    for (const ControlDesign* design : InTabOrder(kFrmMainControls)) {
        const ControlMaker& maker = MakerOf(design->name);
        // A picture button's caption is not shown, but names the button to screen readers.
        const std::wstring text =
            Widened(design->caption.empty() ? design->toolTip : design->caption);
        CreateWindowExW(maker.exStyle, maker.windowClass, text.c_str(), maker.style, 0, 0, 0, 0,
                        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(maker.id)), instance,
                        nullptr);
    }
    const auto byId = [this](int id) { return GetDlgItem(window_, id); };
    txtCodeNum_ = byId(IDC_TXT_CODE_NUM);
    txtIn_ = byId(IDC_TXT_IN);
    txtOut_ = byId(IDC_TXT_OUT);
    lblEncrypt_ = byId(IDC_LBL_ENCRYPT);
    lblDecrypt_ = byId(IDC_LBL_DECRYPT);
    for (const ButtonDesign& design : kButtons) {
        buttons_[static_cast<std::size_t>(design.button)] = byId(design.id);
    }
    statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", kChild, 0, 0, 0, 0, window_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_BAR)),
                                 instance, nullptr);

    SendMessageW(txtCodeNum_, EM_SETLIMITTEXT, kCodeNumberMaxLength, 0);
    SendMessageW(txtIn_, EM_SETLIMITTEXT, kInputLimit, 0);
    SendMessageW(txtOut_, EM_SETLIMITTEXT, 0, 0);
    MarkLiveRegion(statusBar_);
    for (HWND control : {txtCodeNum_, txtIn_, txtOut_, lblEncrypt_, lblDecrypt_}) {
        SetWindowSubclass(control, ControlProc, 0, reinterpret_cast<DWORD_PTR>(this));
    }

    toolTips_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                window_, nullptr, instance, nullptr);
    for (const ControlDesign& design : kFrmMainControls) {
        if (design.toolTip.empty()) {
            continue;
        }
        std::wstring text = Widened(design.toolTip);
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(byId(MakerOf(design.name).id));
        tool.lpszText = text.data();  // copied by the tool tip control
        SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void MainWindow::Layout(UINT dpi) {
    const HFONT oldFont = font_;
    font_ = MakeDialogFont(dpi);
    SetFontOfChildren(window_, font_);
    // The status bar keeps the desktop's font, as the menu bar does.
    SendMessageW(statusBar_, WM_SETFONT, 0, FALSE);
    DeleteObject(oldFont);

    for (const ControlDesign& design : kFrmMainControls) {
        PlaceControl(GetDlgItem(window_, MakerOf(design.name).id),
                     PlaceInWindow(kFrmMainControls, design), dpi);
    }
    for (const ButtonDesign& design : kButtons) {
        const auto index = static_cast<std::size_t>(design.button);
        const HICON oldPicture = pictures_[index];
        pictures_[index] = LoadButtonPicture(design.picture, dpi);
        SendMessageW(buttons_[index], BM_SETIMAGE, IMAGE_ICON,
                     reinterpret_cast<LPARAM>(pictures_[index]));
        DestroyIcon(oldPicture);
    }

    // The client area keeps the design's size; the status bar adds its height below it.
    const int width = TwipsToPixels(kFrmMain.clientWidth, static_cast<int>(dpi));
    const int height = TwipsToPixels(kFrmMain.clientHeight, static_cast<int>(dpi));
    SendMessageW(statusBar_, WM_SIZE, 0, 0);
    RECT bar{};
    GetWindowRect(statusBar_, &bar);
    const SIZE outer = OuterSize(kStyle, 0, true, width, height + (bar.bottom - bar.top), dpi);
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A long menu bar can wrap onto a second line: grow by what the client area lacks.
    RECT client{};
    GetClientRect(window_, &client);
    const int lacking = height + (bar.bottom - bar.top) - (client.bottom - client.top);
    if (lacking > 0) {
        SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy + lacking,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SendMessageW(statusBar_, WM_SIZE, 0, 0);
}

bool MainWindow::PreTranslate(MSG& message) {
    if (window_ == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) {
        return false;
    }
    if (const std::optional<KeyPress> press = ShortcutPressOf(message);
        press && core_.OnShortcutKey(*press)) {
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
        // Tab always moves the focus, also out of the multi-line boxes.
        core_.OnTabKey(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    if (message.message == WM_SYSCHAR && GetKeyState(VK_CONTROL) >= 0 &&
        GetKeyState(VK_SHIFT) >= 0 && core_.OnAccessKey(static_cast<char16_t>(message.wParam))) {
        return true;
    }
    if (const std::optional<Button> button = ButtonOf(CoreControlOf(message.hwnd));
        button && (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN)) {
        const std::optional<KeyPress> press = KeyPressOf(message);
        if (press && core_.OnButtonKey(*button, *press)) {
            return true;
        }
        // Whatever the core leaves alone of these keys, the button does not press itself by.
        if (press) {
            return true;
        }
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        // A multi-line box in a dialog would close the window on Esc.
        return true;
    }
    return IsDialogMessageW(window_, &message) != 0;
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = static_cast<MainWindow*>(create->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self == nullptr ? DefWindowProcW(window, message, wParam, lParam)
                           : self->Handle(message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            return ColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus != nullptr && IsChild(window_, focus)) {
                    lastFocus_ = focus;
                }
            } else if (HIWORD(wParam) == 0) {
                // The first activation is the first show: the code number takes the focus.
                if (lastFocus_ == nullptr) {
                    FocusControl(Control::kTxtCodeNum, FocusReason::kFirstShow);
                } else {
                    SetFocus(lastFocus_);
                }
            }
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            Layout(HIWORD(wParam));
            return 0;
        }
        case kInputCut:
            // The core has seen the cut text by now.
            core_.OnInputCut(kInputLimit);
            return 0;
        case WM_CLOSE:
            // The close button ends the program at once, as Exit does.
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void MainWindow::OnCommand(int id, int code) {
    if (const std::optional<Command> command = CommandOfId(id)) {
        core_.RunCommand(*command);
        return;
    }
    switch (id) {
        case IDC_TXT_CODE_NUM:
            if (code == EN_CHANGE) {
                core_.OnCodeNumberChange();
            } else if (code == EN_SETFOCUS) {
                core_.OnCodeNumberFocus(focusReason_.value_or(FocusReason::kReturned));
            }
            break;
        case IDC_TXT_IN:
            if (code == EN_CHANGE) {
                core_.OnInputChange();
            } else if (code == EN_MAXTEXT) {
                PostMessageW(window_, kInputCut, 0, 0);
            }
            break;
        case IDC_CMD_PASTE_INPUT:
            core_.PasteInput();
            break;
        case IDC_CMD_CLEAR_INPUT:
            core_.ClearInput();
            break;
        case IDC_CMD_CUT_OUTPUT:
            core_.CutOutput();
            break;
        case IDC_CMD_COPY_OUTPUT:
            core_.CopyOutput();
            break;
        default:
            break;
    }
}

LRESULT MainWindow::ColourStatic(HDC dc, HWND control) {
    // The labels keep the default background until the load has set the mode.
    if ((control == lblEncrypt_ || control == lblDecrypt_) && encryptBrush_ != nullptr) {
        const bool encrypt = control == lblEncrypt_;
        const COLORREF background = encrypt ? encryptColour_ : decryptColour_;
        SetBkColor(dc, background);
        if (HighContrastOn()) {
            // The system's text where the scheme is light, else black or white on the green.
            SetTextColor(dc, ModeTextColour(background, GetSysColor(COLOR_WINDOWTEXT),
                                            GetSysColor(COLOR_BTNFACE)));
        }
        return reinterpret_cast<LRESULT>(encrypt ? encryptBrush_ : decryptBrush_);
    }
    if (control == txtOut_) {
        // Locked, not disabled: the output keeps the look of a text box.
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
}

LRESULT CALLBACK MainWindow::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR /*id*/, DWORD_PTR self) {
    return reinterpret_cast<MainWindow*>(self)->HandleControl(control, message, wParam, lParam);
}

LRESULT MainWindow::HandleControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT) {
        // A text box is named after its frame: the output box follows a button, not a label,
        // in the z-order, and the others say the same as their labels. The lit label says in
        // words that its mode is the active one.
        AccessibleTexts texts;
        if (control == txtCodeNum_ || control == txtIn_ || control == txtOut_) {
            texts.name = NameOfTextBox(GetDlgCtrlID(control));
        } else if (control == lblEncrypt_ || control == lblDecrypt_) {
            const std::u16string_view words =
                ModeLabelDescription((control == lblDecrypt_) == decryptActive_);
            texts.description.assign(words.begin(), words.end());
        }
        if (const LRESULT object = AnnotatedObject(control, wParam, lParam, texts); object != 0) {
            return object;
        }
    }
    if (control == lblEncrypt_ || control == lblDecrypt_) {
        if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
            message == WM_XBUTTONDOWN) {
            core_.OnModeLabelPress(CoreControlOf(control), MouseButtonOf(message));
            return 0;
        }
        if (message == WM_NCHITTEST) {
            // A static control is transparent to the mouse unless it says otherwise.
            return HTCLIENT;
        }
    } else if (control == txtCodeNum_) {
        switch (message) {
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
                // Every button brings the focus, also those that the edit box itself leaves
                // alone; the click then decides what to select.
                FocusControl(Control::kTxtCodeNum, message == WM_RBUTTONDOWN
                                                       ? FocusReason::kRightButton
                                                       : FocusReason::kMouse);
                break;
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
            case WM_MBUTTONUP: {
                const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
                core_.OnCodeNumberClick(MouseButtonOf(message));
                return result;
            }
            case WM_CONTEXTMENU:
                // The box's menu, opened by a right click from another control, focuses the
                // box first; it is focused here for the right button, so that the number is
                // selected and the menu's Paste replaces it.
                FocusControl(Control::kTxtCodeNum, FocusReason::kRightButton);
                break;
            default:
                break;
        }
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace vellumark::win32
