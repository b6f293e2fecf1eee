#include "win32/edit_text.h"

#include <cstddef>

namespace vellumark::win32 {

std::u16string TextOf(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), length + 1);
    return {text.begin(), text.begin() + copied};
}

std::wstring ForEditBox(std::u16string_view text) {
    std::wstring result;
    result.reserve(text.size());
    char16_t previous = u'\0';
    for (const char16_t unit : text) {
        if (unit == u'\n' && previous != u'\r') {
            result += L'\r';
        }
        result += unit == u'\0' ? L'\xFFFD' : static_cast<wchar_t>(unit);
        previous = unit;
    }
    return result;
}

}  // namespace vellumark::win32
