#include "window_core/about_core.h"

#include "vellumark/version.h"

namespace vellumark {

std::u16string AboutVersionText() {
    return u"Version " + std::u16string(kShortVersion.begin(), kShortVersion.end());
}

std::u16string AboutAddress() {
    return {kHomepage.begin(), kHomepage.end()};
}

std::u16string AboutCaption(std::string_view name) {
    if (name == "Label1") {
        return std::u16string(kAboutTitle);
    }
    if (name == "Label2") {
        return AboutVersionText();
    }
    if (name == "Label3") {
        return std::u16string(kAboutCredit);
    }
    if (name == "lblUrl") {
        return AboutAddress();
    }
    const ControlDesign* design = FindControl(kFrmAboutControls, name);
    return design == nullptr ? std::u16string()
                             : std::u16string(design->caption.begin(), design->caption.end());
}

PixelRect AddressLabelPlace(const PixelRect& designed, int textWidth, int textHeight) {
    // The centre pixel of an even width is the left one of the middle two, for the design's
    // place and for the text alike.
    const int centre = designed.left + (designed.width - 1) / 2;
    return {centre - (textWidth - 1) / 2, designed.top, textWidth, textHeight};
}

}  // namespace vellumark
