#pragma once
// The system clipboard in its Unicode text format.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace vellumark::win32 {

// The clipboard's text: empty when it holds no text, nothing when another program keeps
// the clipboard open for longer than a moment.
std::optional<std::u16string> ReadClipboardText(HWND owner);

// Clears the clipboard in every format and puts `text` on it. A secret text also carries
// the formats that keep it out of Windows' clipboard history, its cloud clipboard and the
// clipboard monitors that honour them. False when the clipboard stayed busy.
bool WriteClipboardText(HWND owner, std::u16string_view text, bool secret);

}  // namespace vellumark::win32
