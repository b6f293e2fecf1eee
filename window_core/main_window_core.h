#pragma once
// Everything the main window decides, without a toolkit: the crypt state, the recomputation
// of the output, the mode and what shows it, the buttons' enable rules, the clipboard
// commands, the random code number and when the code number is selected. A front end
// forwards its controls' events here and draws what the core tells its MainWindowView.

#include <cstdint>

#include "engine/crypt_text.h"
#include "window_core/crypt_view.h"
#include "window_core/main_window_view.h"

namespace vellumark {

// How the focus came to the code-number box.
enum class FocusReason : std::uint8_t {
    kFirstShow,    // the window opened, the box first in the tab order
    kTab,          // Tab or Shift+Tab
    kAccessKey,    // the access key of its frame
    kMouse,        // the left or middle button pressed into it: the click, if any, decides
    kRightButton,  // the right button pressed into it, or the box's menu that it opens
    kReturned,     // back from a menu, a popup, another window or a closed dialog
};

enum class MouseButton : std::uint8_t { kLeft, kRight, kMiddle, kOther };

// What the window shows for the input that `view` holds. An input that the cipher must refuse
// for its length is refused from its length, or from as much of it as shows that, without
// reading it all, so a key typed into a huge paste costs little more than the box's own work.
CryptView ViewOfInput(const MainWindowView& view, CryptMode mode, float codeNum);

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

    // The boxes' reports that their text changed.
    void OnCodeNumberChange();
    void OnInputChange();
    void OnOutputChange();

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

    [[nodiscard]] CryptMode mode() const { return bytMode; }
    [[nodiscard]] float code_number() const { return sngCodeNum; }
    [[nodiscard]] NoticeKind notice() const { return notice_; }

    // What shows `mode` as the active one.
    static ModeLook LookOf(CryptMode mode);

private:
    void SetMode(CryptMode mode);
    void Show(const CryptView& view);

    MainWindowView& view_;
    // Zero until the load sets them, as at the start of the process.
    CryptMode bytMode = CryptMode{};
    float sngCodeNum = 0.0f;
    NoticeKind notice_ = NoticeKind::kNone;
};

}  // namespace vellumark
