#pragma once
// The main window frmMain as native Windows controls. It only creates the controls, forwards
// their notifications to the window core and draws what the core says. Its jobs, a file each:
// creation and the layout at the monitor's DPI (main_window.cpp), the keys and the window's
// messages and colours (main_window_messages.cpp), the subclassed controls' messages
// (main_window_controls.cpp), and what the core reads and writes (main_window_view.cpp).

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "win32/window_class.h"
#include "window_core/main_window_core.h"
#include "window_core/main_window_view.h"

namespace vellumark::win32 {

class MainWindow final : public MainWindowView {
public:
    // Creates the window and its controls, runs the load and shows it.
    explicit MainWindow(int showCommand);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    MainWindow(MainWindow&&) = delete;
    MainWindow& operator=(MainWindow&&) = delete;

    [[nodiscard]] HWND handle() const { return window_; }
    // The core behind the window, for a caller that acts as the program's own code does.
    MainWindowCore& core() { return core_; }
    // The core's name of a control of this window; kNone for any other window.
    [[nodiscard]] Control CoreControlOf(HWND control) const;
    // The window of a control that the core names; nullptr for kNone.
    [[nodiscard]] HWND WindowOf(Control control) const;

    // The message loop's first look at a message: the keys that the core decides, from
    // anywhere in the window, then the dialog keys. True when it was handled.
    bool PreTranslate(MSG& message);

    // MainWindowView
    [[nodiscard]] std::u16string CodeNumberText() const override;
    void ReadInput(const std::function<bool(std::u16string_view)>& read) const override;
    [[nodiscard]] std::size_t InputLength() const override;
    void SetText(Control box, std::u16string_view text) override;
    void ShowOutputStale(bool stale) override;
    void ShowMode(const ModeLook& look) override;
    void EnableButton(Button button, bool enabled) override;
    void ShowNotice(std::u16string_view text) override;
    void ShowCommand(Command command, const CommandState& state) override;
    void OpenAbout() override;
    void Exit() override;
    void SelectWholeCodeNumber() override;
    [[nodiscard]] std::optional<std::u16string> ClipboardText() const override;
    void PutOnClipboard(std::u16string_view text, bool secret) override;
    [[nodiscard]] Control FocusedControl() const override;
    void FocusControl(Control control, FocusReason reason) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR named, DWORD_PTR self);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleControl(HWND control, Control named, UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void Layout(UINT dpi);
    void OnCommand(int id, int code);
    LRESULT ColourStatic(HDC dc, HWND control);

    HWND window_ = nullptr;
    HWND txtCodeNum_ = nullptr;
    HWND txtIn_ = nullptr;
    HWND txtOut_ = nullptr;
    HWND lblEncrypt_ = nullptr;
    HWND lblDecrypt_ = nullptr;
    HWND statusBar_ = nullptr;
    // The picture buttons' pictures, made for the monitor's DPI.
    std::array<OwnedIcon, 4> pictures_;
    OwnedFont font_;
    // The control that had the focus when the window was deactivated.
    HWND lastFocus_ = nullptr;
    // How the focus is about to reach the code-number box, while a key or a click moves it.
    std::optional<FocusReason> focusReason_;
    // The mode's look, once the load has set the mode: the labels keep the default background
    // until then, and a box's break procedure is set only when it changes, since setting it
    // wraps the box's whole text again.
    std::optional<ModeLook> look_;
    MainWindowCore core_{*this};
};

}  // namespace vellumark::win32
