#pragma once
// What a screen reader hears of the windows' controls beyond what they show, for every front
// end alike.

#include <string>
#include <string_view>

#include "window_core/controls.h"
#include "window_core/design.h"

namespace vellumark {

// The name of a control in a frame with the caption `frameCaption`: a text box is named by the
// frame ("Input"), another control by its own caption or tool tip and the frame ("Paste
// input", "Encrypt mode"), without the access key's "&". Empty for a control in a frame
// without a caption or in none, which a reader names by its own caption.
std::u16string NameInFrame(const ControlDesign& control, std::string_view frameCaption);

// What a screen reader calls a text box of the main window: the caption of the frame that
// holds it, without the access key's "&" ("Code #", "Input", "Output"); empty for the other
// controls.
std::u16string TextBoxName(Control control);

// What a picture button does, said beside its name: its picture alone tells little.
std::u16string_view ButtonDescription(Button button);

// What a reader hears of the mode label `control` beside its caption, while decrypt is the
// mode shown active when `decryptActive`; empty for any other control.
std::u16string_view ModeLabelDescription(Control control, bool decryptActive);

// The code-number box's name, in words rather than its frame's "Code #".
inline constexpr std::u16string_view kCodeNumberName = u"Code number";
// The name of the bar that shows the notices.
inline constexpr std::u16string_view kNoticeName = u"Notice";

}  // namespace vellumark
