#include "window_core/screen_reader.h"

#include "window_core/main_window_view.h"

namespace vellumark {

std::u16string NameInFrame(const ControlDesign& control, std::string_view frameCaption) {
    std::u16string frame;
    for (const char letter : frameCaption) {
        if (letter != '&') {
            frame += static_cast<char16_t>(letter);
        }
    }
    if (frame.empty() || control.kind == ControlKind::kTextBox) {
        return frame;
    }
    const std::string_view own = control.caption.empty() ? control.toolTip : control.caption;
    std::u16string name(own.begin(), own.end());
    name += u' ';
    for (const char16_t letter : frame) {
        name +=
            letter >= u'A' && letter <= u'Z' ? static_cast<char16_t>(letter - u'A' + u'a') : letter;
    }
    return name;
}

std::u16string TextBoxName(Control control) {
    const ControlDesign* box = FindControl(kFrmMainControls, ControlName(control));
    if (box == nullptr || box->kind != ControlKind::kTextBox) {
        return {};
    }
    return NameInFrame(*box, FindControl(kFrmMainControls, box->container)->caption);
}

std::u16string_view ModeLabelDescription(Control control, bool decryptActive) {
    if (control != Control::kLblEncrypt && control != Control::kLblDecrypt) {
        return {};
    }
    return ModeLabelDescription((control == Control::kLblDecrypt) == decryptActive);
}

std::u16string_view ButtonDescription(Button button) {
    switch (button) {
        case Button::kPasteInput:
            return u"Replaces the input with the text on the clipboard";
        case Button::kClearInput:
            return u"Empties the input";
        case Button::kCutOutput:
            return u"Copies the output to the clipboard, then clears the input";
        case Button::kCopyOutput:
            return u"Puts the output on the clipboard";
    }
    return {};
}

}  // namespace vellumark
