#include "web/page_design.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "engine/code_number.h"
#include "web/page_calls.h"
#include "window_core/about_core.h"
#include "window_core/commands.h"
#include "window_core/controls.h"
#include "window_core/design.h"

namespace vellumark {

namespace {

// The mode labels, which their modes' menu entries' shortcuts work as well.
constexpr std::pair<std::string_view, Command> kModeLabels[] = {
    {"lblEncrypt", Command::kSetEncrypt}, {"lblDecrypt", Command::kSetDecrypt}};

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

void SetAttribute(std::string_view id, const char* name, const std::string& value) {
    vm_set_attribute(std::string(id).c_str(), name, value.c_str());
}

}  // namespace

void BuildPage() {
    PlaceWindow(kFrmMain, kFrmMainControls);
    PlaceWindow(kFrmAbout, kFrmAboutControls);
    for (const ControlDesign& design : kFrmMainControls) {
        if (!design.caption.empty()) {
            vm_set_caption(std::string(design.name).c_str(), std::string(design.caption).c_str());
        }
        if (design.accessKey != 0) {
            SetAttribute(
                ControlName(AccessKeyTarget(static_cast<char16_t>(design.accessKey)).value()),
                "aria-keyshortcuts", std::string("Alt+") + design.accessKey);
        }
        if (!design.toolTip.empty()) {
            SetAttribute(design.name, "title", std::string(design.toolTip));
            SetAttribute(design.name, "aria-label", std::string(design.toolTip));
        }
    }
    SetAttribute(ControlName(Control::kTxtCodeNum), "maxlength",
                 std::to_string(kCodeNumberMaxLength));
    for (const MenuDesign& menu : kMenus) {
        vm_add_menu(std::string(menu.name).c_str(), menu.caption.data(),
                    page::Length(menu.caption));
        for (const CommandDesign& entry : kCommands) {
            if (entry.menu != menu.menu) {
                continue;
            }
            const std::u16string shortcut = ShortcutText(entry);
            vm_add_entry(static_cast<int>(entry.command), std::string(entry.name).c_str(),
                         entry.caption.data(), page::Length(entry.caption), shortcut.data(),
                         page::Length(shortcut), entry.separatorBefore ? 1 : 0);
            if (entry.shortcut == u'\0') {
                continue;
            }
            const std::string keys = std::string("Control+") + static_cast<char>(entry.shortcut);
            SetAttribute(entry.name, "aria-keyshortcuts", keys);
            for (const auto& [label, command] : kModeLabels) {
                if (command == entry.command) {
                    SetAttribute(label, "aria-keyshortcuts", keys);
                }
            }
        }
    }
    for (const ControlDesign& design : kFrmAboutControls) {
        const std::u16string caption = AboutCaption(design.name);
        if (!caption.empty()) {
            vm_set_text(std::string(design.name).c_str(), caption.data(), page::Length(caption));
        }
    }
}

}  // namespace vellumark
