#include "window_core/controls.h"

#include <utility>

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
