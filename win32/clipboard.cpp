#include "win32/clipboard.h"

#include <cstring>
#include <cwchar>
#include <string>
#include <type_traits>

#include "window_core/clipboard_formats.h"

namespace vellumark::win32 {

namespace {

// What `use` returns, run with the clipboard open, which it closes after. Another program may
// hold the clipboard open for a moment (a clipboard manager reading what was just copied):
// tries for about half a second before giving up with nothing.
template <typename Use>
std::optional<std::invoke_result_t<Use>> WithClipboard(HWND owner, const Use& use) {
    for (int attempt = 0; attempt < 25; ++attempt) {
        if (OpenClipboard(owner)) {
            auto result = use();
            CloseClipboard();
            return result;
        }
        Sleep(20);
    }
    return std::nullopt;
}

// Puts `size` bytes from `data` on the open clipboard in `format`.
bool PutData(UINT format, const void* data, std::size_t size) {
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    void* target = memory == nullptr ? nullptr : GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, data, size);
    GlobalUnlock(memory);
    // On success the clipboard owns the memory.
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

// The open clipboard's text; empty when it holds none.
std::u16string OpenClipboardText() {
    const HANDLE memory = GetClipboardData(CF_UNICODETEXT);
    const auto* text =
        static_cast<const wchar_t*>(memory == nullptr ? nullptr : GlobalLock(memory));
    if (text == nullptr) {
        return {};
    }
    // The text ends at its terminator, or at the end of the memory when a careless program
    // left it out.
    std::u16string result(text, text + wcsnlen(text, GlobalSize(memory) / sizeof(wchar_t)));
    GlobalUnlock(memory);
    return result;
}

// Puts `text` on the open clipboard, with the secret formats when `secret`.
bool PutText(std::u16string_view text, bool secret) {
    const std::u16string terminated(text);
    if (!EmptyClipboard() ||
        !PutData(CF_UNICODETEXT, terminated.c_str(), (terminated.size() + 1) * sizeof(char16_t))) {
        return false;
    }
    if (secret) {
        for (const SecretClipboardFormat& format : kSecretClipboardFormats) {
            if (format.windows) {
                const std::wstring name(format.name.begin(), format.name.end());
                PutData(RegisterClipboardFormatW(name.c_str()), format.data.data(),
                        format.data.size());
            }
        }
    }
    return true;
}

}  // namespace

std::optional<std::u16string> ReadClipboardText(HWND owner) {
    return WithClipboard(owner, OpenClipboardText);
}

bool WriteClipboardText(HWND owner, std::u16string_view text, bool secret) {
    return WithClipboard(owner, [text, secret] { return PutText(text, secret); }).value_or(false);
}

}  // namespace vellumark::win32
