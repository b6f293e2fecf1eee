#pragma once
// Text as a Windows edit box holds it. The box breaks lines only at CR LF, and its text
// ends at the first U+0000.

#include <string>
#include <string_view>

namespace vellumark::win32 {

// The window core's UTF-16 as Windows' wide text, which is the same on Windows.
inline std::wstring WideString(std::u16string_view text) {
    return {text.begin(), text.end()};
}

// `text` ready for an edit box: a line feed without its carriage return gets one, so that
// a text decrypted from another system shows its line breaks; U+0000, which a wrong code
// number can decrypt to, becomes U+FFFD, so that the box shows the whole text.
std::wstring ForEditBox(std::u16string_view text);

}  // namespace vellumark::win32
