#include "window_core/line_breaks.h"

#include <cstddef>

namespace vellumark {

std::u16string WithLineFeedBreaks(std::u16string_view text) {
    std::u16string held;
    held.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        held += text[i] == u'\r' ? u'\n' : text[i];
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
        }
    }
    return held;
}

}  // namespace vellumark
