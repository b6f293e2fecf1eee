#include "window_core/cursor_file.h"

#include <cstddef>

namespace vellumark {

namespace {

int ReadWord(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

}  // namespace

std::optional<HotSpot> CursorHotSpot(std::string_view file) {
    // The file starts with a 6-byte header (reserved 0, type 2 for cursors, image count),
    // then one 16-byte entry per image; in a cursor's entry the two words that an icon
    // uses for planes and bit count hold the hot spot's x and y.
    constexpr std::size_t kHeader = 6;
    constexpr std::size_t kEntry = 16;
    if (file.size() < kHeader + kEntry || ReadWord(file, 0) != 0 || ReadWord(file, 2) != 2 ||
        ReadWord(file, 4) < 1) {
        return std::nullopt;
    }
    return HotSpot{ReadWord(file, kHeader + 4), ReadWord(file, kHeader + 6)};
}

}  // namespace vellumark
