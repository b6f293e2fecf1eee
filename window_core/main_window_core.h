#pragma once
// Everything the main window decides, without a toolkit: the crypt state, the recomputation
// of the output, the mode and what shows it, the buttons' enable rules, the clipboard
// commands, the random code number and when the code number is selected. A front end
// forwards its controls' events here and draws what the core tells its MainWindowView.

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "engine/crypt_text.h"
#include "window_core/commands.h"
#include "window_core/controls.h"
#include "window_core/crypt_view.h"
#include "window_core/input_mirror.h"
#include "window_core/keys.h"
#include "window_core/main_window_view.h"

namespace vellumark {

// What the window shows for the input that `view` holds. An input that the cipher must refuse
// for its length is refused from its length, or from as much of it as shows that, without
// reading it all; under an invalid code number the input is not read at all.
CryptView ViewOfInput(const MainWindowView& view, CryptMode mode, float codeNum);
// The same from the core's copy of the input, which reads no more than the cipher text's
// symbols to decrypt, so a key typed into a huge paste costs little more than the box's work.
CryptView ViewOfInput(const InputMirror& input, CryptMode mode, float codeNum);

class MainWindowCore {
public:
    explicit MainWindowCore(MainWindowView& view) : view_(view) {}

    // The window's load: the default code number (validated and recomputed while the mode
    // is still unset), then encrypt mode.
    void Load();
    // Recomputes the output in full from the input, the mode and the code number.
    void DoCrypt();
    // kModeEncrypt, kModeDecrypt, or kModeToggle; any other value only recomputes.
    void ModeSet(CryptMode bytWhat);

    // The boxes' reports that their text changed. A box that can say what changed in the
    // input reports each edit with OnInputEdit first, and the core follows the edits instead
    // of reading the input again; an OnInputChange with no edit reported since the last one
    // reads it afresh.
    void OnCodeNumberChange();
    void OnInputEdit(std::size_t position, std::size_t removed, std::u16string_view added);
    void OnInputChange();

    // A paste that met the input box's limit of `limit` characters, in a front end whose box
    // has one: the notice says so, unless the core has said something already.
    void OnInputCut(std::size_t limit);
    // A clipboard that refused to hand out its text to Paste (`reading`) or to take Copy's, in
    // a front end whose clipboard can (a browser's): a Cut gives the input back, and the
    // notice says to do it by hand, over the text that the front end then selects.
    void OnClipboardRefused(bool reading);
    // The output box is about to copy its selection, by any path: keys, its own menu, a drag.
    // False while the output is stale: the box copies nothing, and the notice says why.
    [[nodiscard]] bool OnOutputCopy();

    void PasteInput();
    void ClearInput();
    void CopyOutput();
    // Copies the output, then clears the input; the output follows the input.
    void CutOutput();
    void PickRandomCode();

    // The code number is selected whole when the user enters the box: the window's first
    // show, Tab, the access key, a left click, or a right press from another control (so
    // that the box's menu pastes over the number). Focus that comes back from elsewhere, the
    // middle button (its paste goes in where it pressed), and a right click into the box
    // that already has the focus leave text and caret as they were.
    void OnCodeNumberFocus(FocusReason reason);
    void OnCodeNumberClick(MouseButton button);

    // Keys, presses and the focus (main_window_focus.cpp).
    // A mode label pressed with any mouse button chooses its mode, on the press.
    void OnModeLabelPress(Control label, MouseButton button);
    // A mouse button pressed on a control, where the core moves the focus (the page, the core's
    // driver): a mode label chooses its mode; a picture button takes the focus from the left
    // button only, and only while enabled; a box takes it from any button, from the right one
    // as its menu's.
    void OnMousePress(Control control, MouseButton button);
    // A mouse button pressed and released on a control there: the left one presses a picture
    // button, and the code-number box takes its click.
    void OnMouseClick(Control control, MouseButton button);
    // A button's command, by a click or a key; a disabled button does nothing.
    void PressButton(Button button);
    // A key on the focused picture button; true when it pressed the button, and the toolkit
    // must then leave the key alone.
    bool OnButtonKey(Button button, const KeyPress& press);
    // Alt and `letter`; true when it was a frame's access key, which the core has handled.
    bool OnAccessKey(char16_t letter);
    // Any key that could be a menu's shortcut, from anywhere in the window; true when it was
    // one, which the core has run, and the toolkit must then leave the key alone.
    bool OnShortcutKey(const KeyPress& press);
    // Any key in the window before its focused control sees it: a shortcut, Alt and a frame's
    // access letter, Tab, or Enter or Space on a picture button (pressed only without
    // modifiers). True when the core took it, and the toolkit must then leave it alone.
    bool OnWindowKey(const KeyPress& press);
    // Tab or Shift+Tab: the focus moves to the next control that can take it, round the end
    // of the tab order; the control it went to, kNone when the focus was outside the window.
    Control OnTabKey(bool backwards);
    // A menu entry chosen, or its shortcut; a disabled one does nothing.
    void RunCommand(Command command);
    [[nodiscard]] CommandState StateOf(Command command) const;

    [[nodiscard]] bool enabled(Button button) const {
        return enabled_[static_cast<std::size_t>(button)];
    }
    [[nodiscard]] CryptMode mode() const { return bytMode; }
    [[nodiscard]] float code_number() const { return sngCodeNum; }
    [[nodiscard]] NoticeKind notice() const { return notice_; }
    // Whether the output is no longer that of the input, which the cipher refused.
    [[nodiscard]] bool output_stale() const { return outputStale_; }

    // What shows `mode` as the active one.
    static ModeLook LookOf(CryptMode mode);

private:
    // Shows `mode` as the active one, then makes it bytMode; the recomputation is the caller's.
    void RecordAndShowMode(CryptMode mode);
    void Show(const CryptView& view);
    // A button that disables itself while it has the focus hands the focus on, to the next
    // control in tab order that can take it, so that the keyboard still reaches the window.
    void EnableButton(Button button, bool enabled);
    void EnableOutputCommands();
    void ShowNotice(NoticeKind kind, std::u16string_view text);
    // The core's own changes of the boxes: the view sets the text, and the core then takes
    // the change as the box would report it, once; what the toolkit reports meanwhile is
    // ignored.
    void SetCodeNumber(std::u16string_view text);
    void SetInput(std::u16string_view text);
    void CodeNumberChanged();
    void InputChanged();
    [[nodiscard]] bool ButtonCanTakeFocus(Control control) const;

    MainWindowView& view_;
    // While the core itself sets a box's text.
    bool settingText_ = false;
    // Zero until the load sets them, as at the start of the process.
    CryptMode bytMode = CryptMode{};
    float sngCodeNum = 0.0f;
    NoticeKind notice_ = NoticeKind::kNone;
    std::u16string noticeText_;
    // The command states that the view shows; none until the load has set the mode.
    std::array<std::optional<CommandState>, std::size(kCommands)> shownCommands_{};
    // As the design creates them: only Paste enabled.
    std::array<bool, 4> enabled_{true, false, false, false};
    // The output is not that of the input, which the cipher refused: it must not be handed out.
    bool outputStale_ = false;
    // The input that the last Cut took, until a Copy or a refusal of the clipboard.
    std::optional<std::u16string> cutInput_;
    // What the core last gave the output box, which nobody else writes: what Copy hands out.
    std::u16string shownOutput_;
    // The input as the edits reported so far left it; current only while every change since
    // it was read came with its edit.
    InputMirror input_;
    bool inputCurrent_ = false;
    bool editReported_ = false;
};

}  // namespace vellumark
