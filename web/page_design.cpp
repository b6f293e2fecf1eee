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

void SetAttribute(std::string_view id, const char* name, const std::string& value) {
    vm_set_attribute(std::string(id).c_str(), name, value.c_str());
}

// The window's client size, then each control's place with its Control number, its caption if
// `captions` and its tool tip.
template <std::size_t N>
void PlaceWindow(const WindowDesign& window, const std::array<ControlDesign, N>& controls,
                 bool captions) {
    const PixelRect client = PixelsOf({0, 0, window.clientWidth, window.clientHeight});
    vm_place(std::string(window.name).c_str(), Control::kNone, 0, 0, client.width, client.height,
             "", "");
    for (const ControlDesign& design : controls) {
        const PixelRect place = PixelsOf(design.place);
        const Control control = ControlNamed(design.name).value_or(Control::kNone);
        vm_place(std::string(design.name).c_str(), control, place.left, place.top, place.width,
                 place.height, std::string(captions ? design.caption : "").c_str(),
                 std::string(design.toolTip).c_str());
    }
}

}  // namespace

void BuildPage() {
    PlaceWindow(kFrmMain, kFrmMainControls, true);
    // The about box's texts come from the build (below).
    PlaceWindow(kFrmAbout, kFrmAboutControls, false);
    for (const ControlDesign& design : kFrmMainControls) {
        if (design.accessKey != 0) {
            SetAttribute(
                ControlName(AccessKeyTarget(static_cast<char16_t>(design.accessKey)).value()),
                "aria-keyshortcuts", std::string("Alt+") + design.accessKey);
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
            vm_add_entry(entry.command, std::string(entry.name).c_str(), entry.caption.data(),
                         page::Length(entry.caption), shortcut.data(), page::Length(shortcut),
                         entry.separatorBefore);
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
