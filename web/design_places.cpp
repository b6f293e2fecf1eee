#include "web/design_places.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "window_core/controls.h"
#include "window_core/design.h"

// In library.js: sets the element's --left, --top, --width and --height, and its Control number
// when it has one.
extern "C" void vm_place(const char* name, int control, int left, int top, int width,
                         int height);

namespace vellumark {

namespace {

void Place(std::string_view name, int control, const TwipsRect& place) {
    const PixelRect pixels = PixelsOf(place);
    vm_place(std::string(name).c_str(), control, pixels.left, pixels.top, pixels.width,
             pixels.height);
}

template <std::size_t N>
void PlaceWindow(const WindowDesign& window, const std::array<ControlDesign, N>& controls) {
    Place(window.name, 0, {0, 0, window.clientWidth, window.clientHeight});
    for (const ControlDesign& design : controls) {
        const Control control = ControlNamed(design.name).value_or(Control::kNone);
        Place(design.name, static_cast<int>(control), design.place);
    }
}

}  // namespace

void PlaceDesign() {
    PlaceWindow(kFrmMain, kFrmMainControls);
    PlaceWindow(kFrmAbout, kFrmAboutControls);
}

}  // namespace vellumark
