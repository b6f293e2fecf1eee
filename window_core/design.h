#pragma once
// The two windows' design, once for every front end: each control's name, kind, container,
// caption, place in twips, tab index and access key, and each window's client size. The Win32
// and the Qt windows build their controls from it.

#include <array>
#include <cstddef>
#include <string_view>

namespace vellumark {

// Twips are 1/1440 inch: 15 to the pixel at the usual 96 dots per inch.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDesignDpi = 96;
inline constexpr int kTwipsPerPixel = kTwipsPerInch / kDesignDpi;

// The pixel that a place in twips falls on at `dpi`; a place half way between two pixels goes
// to the higher one, also left of or above the origin. For places that are not negative this
// is Windows' MulDiv(twips, dpi, 1440); at 96 DPI the design's places, all multiples of 15,
// give whole pixels.
constexpr int TwipsToPixels(double twips, int dpi = kDesignDpi) {
    const double pixels = twips * dpi / kTwipsPerInch + 0.5;
    const auto whole = static_cast<int>(pixels);  // towards zero
    return static_cast<double>(whole) > pixels ? whole - 1 : whole;
}

// Left and top edges, width and height.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Both edges from twips, so that neighbours meet exactly where the design has them meet.
constexpr PixelRect PixelsOf(const TwipsRect& twips, int dpi = kDesignDpi) {
    const int left = TwipsToPixels(twips.left, dpi);
    const int top = TwipsToPixels(twips.top, dpi);
    return {left, top, TwipsToPixels(twips.left + twips.width, dpi) - left,
            TwipsToPixels(twips.top + twips.height, dpi) - top};
}

enum class ControlKind { kFrame, kTextBox, kCommandButton, kLabel, kImage };

inline constexpr int kNoTabIndex = -1;

struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    // The frame that holds the control; empty for the window itself.
    std::string_view container;
    // With "&" before the access key's letter; empty for the picture buttons.
    std::string_view caption;
    // Relative to the container's client area.
    TwipsRect place;
    int tabIndex;
    // The letter after "&" in the caption, upper case; 0 for none.
    char accessKey;
    std::string_view toolTip = {};
};

struct WindowDesign {
    std::string_view name;
    std::string_view caption;
    int clientWidth;  // twips
    int clientHeight;
};

inline constexpr WindowDesign kFrmMain{"frmMain", "Vellumark", 6510, 2970};

// In the order in which the window creates them. Columns: name, kind, container, caption,
// place, tab index, access key, tool tip.
// clang-format off
inline constexpr std::array<ControlDesign, 13> kFrmMainControls{{
    {"Frame3",        ControlKind::kFrame,         "",        "Output",  {1200, 1440, 5175, 1395}, 12, 0},
    {"cmdCutOutput",  ControlKind::kCommandButton, "Frame3",  "",        {4680, 360, 360, 360},    6,  0,    "Cut"},
    {"cmdCopyOutput", ControlKind::kCommandButton, "Frame3",  "",        {4680, 840, 360, 360},    7,  0,    "Copy"},
    {"txtOut",        ControlKind::kTextBox,       "Frame3",  "",        {120, 240, 4455, 1005},   8,  0},
    {"Frame2",        ControlKind::kFrame,         "",        "&Input",  {1200, 0, 5175, 1395},    2,  'I'},
    {"cmdPasteInput", ControlKind::kCommandButton, "Frame2",  "",        {4680, 360, 360, 360},    4,  0,    "Paste"},
    {"cmdClearInput", ControlKind::kCommandButton, "Frame2",  "",        {4680, 840, 360, 360},    5,  0,    "Clear"},
    {"txtIn",         ControlKind::kTextBox,       "Frame2",  "",        {120, 240, 4455, 1005},   3,  0},
    {"Frame1",        ControlKind::kFrame,         "",        "&Code #", {120, 0, 975, 615},       0,  'C'},
    {"txtCodeNum",    ControlKind::kTextBox,       "Frame1",  "",        {120, 225, 735, 285},     1,  0},
    {"fraMode",       ControlKind::kFrame,         "",        "Mode",    {120, 720, 975, 975},     11, 0},
    {"lblEncrypt",    ControlKind::kLabel,         "fraMode", "Encrypt", {120, 240, 735, 255},     9,  0},
    {"lblDecrypt",    ControlKind::kLabel,         "fraMode", "Decrypt", {120, 600, 735, 255},     10, 0},
}};
// clang-format on

inline constexpr WindowDesign kFrmAbout{"frmAbout", "", 5190, 3015};

// Label2's caption is followed by the version, lblUrl shows the web-site address: both come
// from the build. lblUrl sizes itself to its text about the centre of its place here.
// clang-format off
inline constexpr std::array<ControlDesign, 7> kFrmAboutControls{{
    {"cmdOk",       ControlKind::kCommandButton, "",            "Ok",                       {240, 2400, 4695, 375},   0,           0},
    {"fraTheFrame", ControlKind::kFrame,         "",            "",                         {1440, 1080, 3495, 1215}, 1,           0},
    {"lblUrl",      ControlKind::kLabel,         "fraTheFrame", "",                         {1050, 720, 1410, 240},   3,           0},
    {"Label3",      ControlKind::kLabel,         "fraTheFrame", "By the Vellumark authors", {120, 240, 3255, 255},    2,           0},
    {"Image1",      ControlKind::kImage,         "",            "",                         {240, 1200, 1020, 1020},  kNoTabIndex, 0},
    {"Label2",      ControlKind::kLabel,         "",            "Version",                  {240, 720, 4695, 255},    5,           0},
    {"Label1",      ControlKind::kLabel,         "",            "Vellumark",                {240, 240, 4695, 375},    4,           0},
}};
// clang-format on

// The control named `name` among `controls`; nullptr if there is none.
template <std::size_t N>
constexpr const ControlDesign* FindControl(const std::array<ControlDesign, N>& controls,
                                           std::string_view name) {
    for (const ControlDesign& control : controls) {
        if (control.name == name) {
            return &control;
        }
    }
    return nullptr;
}

// Where the entry named `name` stands in `named` (each with a `name`); N for none.
template <std::size_t N, typename Named>
constexpr std::size_t IndexOfName(const std::array<Named, N>& named, std::string_view name) {
    std::size_t index = 0;
    while (index < N && named[index].name != name) {
        ++index;
    }
    return index;
}

// `control`'s place relative to the window's client area: its own place, moved by its
// container's.
template <std::size_t N>
constexpr TwipsRect PlaceInWindow(const std::array<ControlDesign, N>& controls,
                                  const ControlDesign& control) {
    TwipsRect place = control.place;
    if (const ControlDesign* container = FindControl(controls, control.container)) {
        place.left += container->place.left;
        place.top += container->place.top;
    }
    return place;
}

// The place of the control named `name` in pixels at `dpi`, relative to the window's client area.
template <std::size_t N>
constexpr PixelRect PixelPlace(const std::array<ControlDesign, N>& controls, std::string_view name,
                               int dpi) {
    return PixelsOf(PlaceInWindow(controls, *FindControl(controls, name)), dpi);
}

// The controls that hold a tab index, in tab order.
template <std::size_t N>
constexpr std::array<const ControlDesign*, N> InTabOrder(
    const std::array<ControlDesign, N>& controls) {
    std::array<const ControlDesign*, N> order{};
    std::size_t count = 0;
    for (int index = 0; count < N && index <= static_cast<int>(N); ++index) {
        for (const ControlDesign& control : controls) {
            if (control.tabIndex == index) {
                order[count++] = &control;
            }
        }
    }
    return order;
}

// Whether `named` (each with a `name`) holds the controls of `controls` in the order in which a
// window creates them: the tab order, then the controls with no place in it. That is the
// z-order, which screen readers walk.
template <std::size_t N, typename Named>
constexpr bool InCreationOrder(const std::array<ControlDesign, N>& controls,
                               const std::array<Named, N>& named) {
    const std::array<const ControlDesign*, N> tabOrder = InTabOrder(controls);
    for (std::size_t index = 0; index < N; ++index) {
        const ControlDesign* control = FindControl(controls, named[index].name);
        if (control == nullptr ||
            (control != tabOrder[index] && control->tabIndex != kNoTabIndex)) {
            return false;
        }
    }
    return true;
}

}  // namespace vellumark
