#pragma once
// What the main window's core asks of a front end: read the code number and the input, set the
// boxes' texts, draw the mode, enable the buttons, show the notice and use the clipboard. A
// front end implements it with its toolkit's controls and decides nothing itself.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "window_core/commands.h"
#include "window_core/controls.h"
#include "window_core/crypt_view.h"

namespace vellumark {

// Which text box holds a cipher text, which has no words: it wraps anywhere, the other at
// word boundaries.
enum class TextBox : std::uint8_t { kInput, kOutput };

// Mode label backgrounds, in the 0x00BBGGRR layout of the window's design.
inline constexpr std::uint32_t kActiveModeColour = 65280;    // pure green
inline constexpr std::uint32_t kInactiveModeColour = 32768;  // dark green

// What a screen reader says of a mode label beside its caption: the colour alone tells nothing.
constexpr std::u16string_view ModeLabelDescription(bool active) {
    return active ? u"Active mode" : u"Press to switch to this mode";
}

// Everything that shows which mode is active; the menu's check marks come as command states.
struct ModeLook {
    std::uint32_t encryptColour = kInactiveModeColour;
    std::uint32_t decryptColour = kInactiveModeColour;
    bool encryptChecked = false;
    bool decryptChecked = false;
    TextBox cipherBox = TextBox::kOutput;

    friend bool operator==(const ModeLook& a, const ModeLook& b) {
        return a.encryptColour == b.encryptColour && a.decryptColour == b.decryptColour &&
               a.encryptChecked == b.encryptChecked && a.decryptChecked == b.decryptChecked &&
               a.cipherBox == b.cipherBox;
    }
};

// Texts are UTF-16, the native text of Qt and of Windows. The view only draws: a setter never
// calls back into the core, and a toolkit that reports the program's own change of a box's
// text passes it on as any other; the core ignores what comes while it sets a text itself.
class MainWindowView {
public:
    MainWindowView() = default;
    MainWindowView(const MainWindowView&) = delete;
    MainWindowView& operator=(const MainWindowView&) = delete;
    MainWindowView(MainWindowView&&) = delete;
    MainWindowView& operator=(MainWindowView&&) = delete;
    virtual ~MainWindowView() = default;

    [[nodiscard]] virtual std::u16string CodeNumberText() const = 0;
    // Hands the input to `read` from its start, a piece at a time, until `read` returns false
    // or the input ends; so the core can stop reading a huge input once it knows enough.
    virtual void ReadInput(const std::function<bool(std::u16string_view piece)>& read) const = 0;
    // The input's length in UTF-16 units, without reading it: a huge input is refused by its
    // length alone, however many keys are typed into it.
    [[nodiscard]] virtual std::size_t InputLength() const = 0;
    // The text of a box: kTxtCodeNum, kTxtIn or kTxtOut. Nobody but the core writes the
    // read-only output, so the core keeps its text and never asks the view for it.
    virtual void SetText(Control box, std::u16string_view text) = 0;
    // While stale, the output is no longer that of the input (which was refused): it is drawn
    // greyed, as a disabled text, so that nobody takes it for the input's cipher text.
    virtual void ShowOutputStale(bool /*stale*/) {}

    virtual void ShowMode(const ModeLook& look) = 0;
    virtual void EnableButton(Button button, bool enabled) = 0;
    // The notice under the frames; an empty text takes it away. Told when it changes.
    virtual void ShowNotice(std::u16string_view text) = 0;
    // The whole code number selected, caret at its end, so that the next key replaces it.
    virtual void SelectWholeCodeNumber() = 0;
    // A menu entry's check mark and whether it can be chosen; told when it changes.
    virtual void ShowCommand(Command command, const CommandState& state) = 0;
    // Help > About: the about box, centred on the main window.
    virtual void OpenAbout() = 0;
    // File > Exit, and the window's close button: the program ends.
    virtual void Exit() = 0;

    // The clipboard's plain text: empty when it holds no text, nothing when it cannot be read
    // (another program keeps it open), which is not the same: Paste of no text empties the
    // input, Paste from a busy clipboard leaves it as it is.
    [[nodiscard]] virtual std::optional<std::u16string> ClipboardText() const = 0;
    // Clears the clipboard in every format, then puts the output's text on it as the output
    // box shows it; a secret text also carries the formats that keep it out of clipboard
    // histories.
    virtual void PutOnClipboard(std::u16string_view text, bool secret) = 0;

    // After every recomputation, whether or not the output took a new text.
    virtual void Recomputed() {}

    // The control that has the keyboard focus; kNone when it is elsewhere.
    [[nodiscard]] virtual Control FocusedControl() const = 0;
    // Gives `control` the focus; the code-number box then reports it to OnCodeNumberFocus
    // with `reason`, as any focus that it receives.
    virtual void FocusControl(Control control, FocusReason reason) = 0;
};

}  // namespace vellumark
