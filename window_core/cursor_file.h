#pragma once
// The hot spot of a Windows cursor file (.cur): a toolkit that reads a cursor's pixels, as
// Qt's image reader does, may leave out where the cursor points.

#include <optional>
#include <string_view>

namespace vellumark {

struct HotSpot {
    int x = 0;
    int y = 0;
};

// The hot spot of the first image of a cursor file's bytes; nothing when the bytes are not a
// cursor file.
std::optional<HotSpot> CursorHotSpot(std::string_view file);

}  // namespace vellumark
