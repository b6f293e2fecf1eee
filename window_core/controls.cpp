#include "window_core/controls.h"

#include <utility>

#include "window_core/design.h"

namespace vellumark {

namespace {

constexpr std::pair<Control, std::string_view> kNames[] = {
    {Control::kTxtCodeNum, "txtCodeNum"},       {Control::kTxtIn, "txtIn"},
    {Control::kCmdPasteInput, "cmdPasteInput"}, {Control::kCmdClearInput, "cmdClearInput"},
    {Control::kCmdCutOutput, "cmdCutOutput"},   {Control::kCmdCopyOutput, "cmdCopyOutput"},
    {Control::kTxtOut, "txtOut"},               {Control::kLblEncrypt, "lblEncrypt"},
    {Control::kLblDecrypt, "lblDecrypt"},
};

}  // namespace

std::string_view ControlName(Control control) {
    for (const auto& [named, name] : kNames) {
        if (named == control) {
            return name;
        }
    }
    return {};
}

std::optional<Control> ControlNamed(std::string_view name) {
    for (const auto& [control, named] : kNames) {
        if (named == name) {
            return control;
        }
    }
    return std::nullopt;
}

std::u16string TextBoxName(Control control) {
    const ControlDesign* box = FindControl(kFrmMainControls, ControlName(control));
    if (box == nullptr || box->kind != ControlKind::kTextBox) {
        return {};
    }
    std::u16string name;
    for (const char letter : FindControl(kFrmMainControls, box->container)->caption) {
        if (letter != '&') {
            name += static_cast<char16_t>(letter);
        }
    }
    return name;
}

std::optional<Control> AccessKeyTarget(char16_t letter) {
    switch (letter) {
        case u'C':
        case u'c':
            return Control::kTxtCodeNum;
        case u'I':
        case u'i':
            return Control::kTxtIn;
        default:
            return std::nullopt;
    }
}

}  // namespace vellumark
