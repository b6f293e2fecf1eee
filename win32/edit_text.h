#pragma once
// Text as a Windows control holds it. An edit box breaks lines only at CR LF, and its text
// ends at the first U+0000.

#include <windows.h>

#include <string>
#include <string_view>

namespace vellumark::win32 {

// The window core's UTF-16 as Windows' wide text, which is the same on Windows.
inline std::wstring WideString(std::u16string_view text) {
    return {text.begin(), text.end()};
}

// The designs' ASCII texts (captions, tool tips) as wide text.
inline std::wstring WideString(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

// The text of a control of this process (a box's text, the status bar's notice).
std::u16string TextOf(HWND control);

// `text` ready for an edit box: a line feed without its carriage return gets one, so that
// a text decrypted from another system shows its line breaks; U+0000, which a wrong code
// number can decrypt to, becomes U+FFFD, so that the box shows the whole text.
std::wstring ForEditBox(std::u16string_view text);

}  // namespace vellumark::win32
