#pragma once
// The designs' fonts, for every front end alike: a face, a size in points and a style.

#include <array>
#include <string_view>

#include "window_core/design.h"

namespace vellumark {

struct FontDesign {
    std::string_view face;
    double points;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The font of every control that has none of its own.
inline constexpr FontDesign kDialogFont{"MS Sans Serif", 8};

// A font's height in pixels at `dpi`; a point is 1/72 inch.
constexpr int FontPixels(const FontDesign& font, int dpi) {
    return TwipsToPixels(font.points * kTwipsPerInch / 72, dpi);
}

struct ControlFont {
    std::string_view control;
    FontDesign font;
};

// The about box's controls that have fonts of their own.
inline constexpr std::array<ControlFont, 3> kFrmAboutFonts{{
    {"Label1", {"MS Sans Serif", 12, true}},
    {"Label3", {"Arial", 12, true, true}},
    {"lblUrl", {"Arial", 9.75, false, false, true}},
}};

}  // namespace vellumark
