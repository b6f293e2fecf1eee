// Reads the state of the running vellumark.exe from another process, for the end-to-end
// test under Wine: what xdotool and xclip cannot see from the X side.
//
//   win32_probe text ID       the text of control ID, as UTF-8 (the status bar's is the notice)
//   win32_probe enabled ID    1 when control ID is enabled, else 0
//   win32_probe formats       the clipboard's registered formats, one a line: the name and
//                             the data's bytes in hex (Wine's bridge to X loses them)
//   win32_probe about         the about box's outer rectangle and the main window's, or
//                             "none" when the box is not open
//   win32_probe accessible    what a screen reader reads of each control, one a line in the
//                             z-order: the ID, the name and the description, split by "|"
//                             ("-" where the accessible object has none)
// Exits 2 when the main window is not there.

#include <windows.h>

#include <oleacc.h>

#include <fcntl.h>
#include <io.h>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void PrintUtf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

void PrintRegisteredFormats() {
    if (!OpenClipboard(nullptr)) {
        return;
    }
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        wchar_t name[256];
        if (format < 0xC000 || GetClipboardFormatNameW(format, name, 256) == 0) {
            continue;
        }
        PrintUtf8(name);
        std::printf(" ");
        const HANDLE data = GetClipboardData(format);
        const auto* bytes = static_cast<const unsigned char*>(data ? GlobalLock(data) : nullptr);
        if (bytes != nullptr) {
            for (SIZE_T i = 0; i < GlobalSize(data); ++i) {
                std::printf("%02x", bytes[i]);
            }
            GlobalUnlock(data);
        }
        std::printf("\n");
    }
    CloseClipboard();
}

// One text of a control's accessible object, as a screen reader asks for it.
void PrintAccessibleText(IAccessible* object,
                         HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (object != nullptr && (object->*get)(self, &text) == S_OK && text != nullptr) {
        PrintUtf8(std::wstring(text, SysStringLen(text)));
    } else {
        std::printf("-");
    }
    SysFreeString(text);
}

void PrintAccessibleControls(HWND main) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    for (HWND control = GetWindow(main, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        IAccessible* object = nullptr;
        if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                              __uuidof(IAccessible),
                                              reinterpret_cast<void**>(&object)))) {
            object = nullptr;
        }
        std::printf("%d|", GetDlgCtrlID(control));
        PrintAccessibleText(object, &IAccessible::get_accName);
        std::printf("|");
        PrintAccessibleText(object, &IAccessible::get_accDescription);
        std::printf("\n");
        if (object != nullptr) {
            object->Release();
        }
    }
    CoUninitialize();
}

void PrintRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    std::printf("%ld %ld %ld %ld", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
}

}  // namespace

int main(int argc, char* argv[]) {
    const HWND main = FindWindowW(L"VellumarkMain", L"Vellumark");
    if (main == nullptr || argc < 2) {
        return 2;
    }
    // The texts exactly as the controls hold them, CR LF included.
    _setmode(_fileno(stdout), _O_BINARY);
    const std::string command = argv[1];
    const int id = argc > 2 ? std::atoi(argv[2]) : 0;
    if (command == "text") {
        const HWND control = GetDlgItem(main, id);
        // GetWindowText would read another process's caption, not the control's text.
        const auto length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
        PrintUtf8(text);
    } else if (command == "enabled") {
        std::printf("%d", IsWindowEnabled(GetDlgItem(main, id)) ? 1 : 0);
    } else if (command == "formats") {
        PrintRegisteredFormats();
    } else if (command == "about") {
        const HWND about = FindWindowW(L"VellumarkAbout", nullptr);
        if (about == nullptr || !IsWindowVisible(about)) {
            std::printf("none");
        } else {
            PrintRect(about);
            std::printf(" ");
            PrintRect(main);
        }
    } else if (command == "accessible") {
        PrintAccessibleControls(main);
    } else {
        return 2;
    }
    return 0;
}
