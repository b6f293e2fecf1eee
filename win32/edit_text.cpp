#include "win32/edit_text.h"

namespace vellumark::win32 {

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
