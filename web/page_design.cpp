#include "web/page_design.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "web/page_calls.h"
#include "window_core/about_core.h"
#include "window_core/commands.h"
#include "window_core/controls.h"
#include "window_core/design.h"

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

void SetText(const char* id, std::u16string_view text) {
    vm_set_text(id, text.data(), page::Length(text));
}

}  // namespace

void BuildPage() {
    PlaceWindow(kFrmMain, kFrmMainControls);
    PlaceWindow(kFrmAbout, kFrmAboutControls);
    for (const MenuDesign& menu : kMenus) {
        vm_add_menu(std::string(menu.name).c_str(), menu.caption.data(),
                    page::Length(menu.caption));
        for (const CommandDesign& entry : kCommands) {
            if (entry.menu == menu.menu) {
                const std::u16string shortcut = ShortcutText(entry);
                vm_add_entry(static_cast<int>(entry.command), std::string(entry.name).c_str(),
                             entry.caption.data(), page::Length(entry.caption), shortcut.data(),
                             page::Length(shortcut), entry.separatorBefore ? 1 : 0);
            }
        }
    }
    SetText("Label1", kAboutTitle);
    SetText("Label2", AboutVersionText());
    SetText("Label3", kAboutCredit);
    SetText("lblUrl", AboutAddress());
}

}  // namespace vellumark
