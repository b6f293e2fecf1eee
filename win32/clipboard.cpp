#include "win32/clipboard.h"

#include <cstring>
#include <cwchar>
#include <string>

#include "window_core/clipboard_formats.h"

namespace vellumark::win32 {

namespace {

// Another program may hold the clipboard open for a moment (a clipboard manager reading
// what was just copied): try for about half a second before giving up.
bool OpenClipboardPatiently(HWND owner) {
    for (int attempt = 0; attempt < 25; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

struct ClipboardCloser {
    ClipboardCloser() = default;
    ClipboardCloser(const ClipboardCloser&) = delete;
    ClipboardCloser& operator=(const ClipboardCloser&) = delete;
    ClipboardCloser(ClipboardCloser&&) = delete;
    ClipboardCloser& operator=(ClipboardCloser&&) = delete;
    ~ClipboardCloser() { CloseClipboard(); }
};

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

}  // namespace

std::optional<std::u16string> ReadClipboardText(HWND owner) {
    if (!OpenClipboardPatiently(owner)) {
        return std::nullopt;
    }
    const ClipboardCloser closer;
    const HANDLE memory = GetClipboardData(CF_UNICODETEXT);
    if (memory == nullptr) {
        return std::u16string();
    }
    const auto* text = static_cast<const wchar_t*>(GlobalLock(memory));
    if (text == nullptr) {
        return std::u16string();
    }
    // The text ends at its terminator, or at the end of the memory when a careless program
    // left it out.
    const std::u16string result(text, text + wcsnlen(text, GlobalSize(memory) / sizeof(wchar_t)));
    GlobalUnlock(memory);
    return result;
}

bool WriteClipboardText(HWND owner, std::u16string_view text, bool secret) {
    if (!OpenClipboardPatiently(owner)) {
        return false;
    }
    const ClipboardCloser closer;
    if (!EmptyClipboard()) {
        return false;
    }
    const std::u16string terminated(text);
    if (!PutData(CF_UNICODETEXT, terminated.c_str(), (terminated.size() + 1) * sizeof(char16_t))) {
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

}  // namespace vellumark::win32
