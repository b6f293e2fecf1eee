#pragma once
// Line breaks as a text box of Qt or of a browser holds them.

#include <string>
#include <string_view>

namespace vellumark {

// `text` with every line break, CR LF or CR alone, as LF.
std::u16string WithLineFeedBreaks(std::u16string_view text);

}  // namespace vellumark
