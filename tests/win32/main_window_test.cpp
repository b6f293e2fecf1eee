// The real main window in this process, on Wine's null display driver (check-windows.sh
// chooses it): what the window core cannot see, the focus, the keys that move it and a box
// that fails.

#include "win32/main_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "win32/control_makers.h"
#include "win32/edit_text.h"
#include "win32/menus.h"

namespace vellumark::win32 {
namespace {

// The live-region events raised in this process, as a screen reader hears them (0x8019, which the
// headers declare only for Windows 8).
constexpr DWORD kLiveRegionChanged = 0x8019;
int announcements = 0;
void CALLBACK CountAnnouncement(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND /*window*/,
                                LONG /*object*/, LONG /*child*/, DWORD /*thread*/, DWORD /*time*/) {
    ++announcements;
}

// A box that throws on one kind of message while it lives, as an edit box that faults on a
// text does.
class FailingBox {
public:
    FailingBox(HWND box, UINT message) : box_(box) {
        failing_ = message;
        original_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(box_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    }
    ~FailingBox() { SetWindowLongPtrW(box_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_)); }
    FailingBox(const FailingBox&) = delete;
    FailingBox& operator=(const FailingBox&) = delete;

private:
    static LRESULT CALLBACK Proc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == failing_) {
            throw std::runtime_error("the box failed");
        }
        return CallWindowProcW(original_, box, message, wParam, lParam);
    }

    HWND box_;
    static inline UINT failing_ = 0;
    static inline WNDPROC original_ = nullptr;
};

class MainWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const INITCOMMONCONTROLSEX controls{sizeof controls,
                                            ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
    }

    [[nodiscard]] HWND Control(std::string_view name) const {
        return GetDlgItem(window_.handle(), kMainControls.IdOf(name));
    }

    [[nodiscard]] std::wstring StatusText() const {
        const HWND bar = GetDlgItem(window_.handle(), kStatusBarId);
        std::wstring text(LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0)) + 1U, L'\0');
        text.resize(
            LOWORD(SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()))));
        return text;
    }

    // As typed: the box reports the change.
    void Type(std::string_view box, const wchar_t* text) {
        SendMessageW(Control(box), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    }

    // Through the message loop's first look, as the loop hands every key.
    void PressShiftTab(std::string_view from) {
        std::array<BYTE, 256> keys{};
        GetKeyboardState(keys.data());
        keys[VK_SHIFT] = 0x80;
        SetKeyboardState(keys.data());
        MSG message{Control(from), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        window_.PreTranslate(message);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys.data());
    }

    static void DispatchPending() {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
            DispatchMessageW(&message);
        }
    }

    MainWindow window_{SW_SHOWNORMAL};
};

TEST_F(MainWindowTest, ShiftTabSelectsTheCodeNumberForSixNewDigits) {
    SendMessageW(Control("txtCodeNum"), EM_SETSEL, 6, 6);
    SetFocus(Control("txtIn"));
    PressShiftTab("txtIn");
    ASSERT_EQ(GetFocus(), Control("txtCodeNum"));
    for (const wchar_t digit : std::wstring(L"1234567")) {
        SendMessageW(Control("txtCodeNum"), WM_CHAR, digit, 0);
    }
    EXPECT_EQ(TextOf(Control("txtCodeNum")), u"123456");
}

TEST_F(MainWindowTest, AButtonThatDisablesItselfHandsTheFocusOn) {
    for (const std::string_view button : {"cmdClearInput", "cmdCutOutput"}) {
        Type("txtIn", L"Hello");
        SetFocus(Control(button));
        SendMessageW(Control(button), WM_KEYDOWN, VK_SPACE, 0);
        SendMessageW(Control(button), WM_KEYUP, VK_SPACE, 0);
        EXPECT_EQ(TextOf(Control("txtIn")), u"") << button;
        EXPECT_EQ(GetFocus(), Control("txtOut")) << button;
    }
}

TEST_F(MainWindowTest, ABoxThatFailsTheProgramsTextStillReportsTheUsersChanges) {
    {
        const FailingBox failing(Control("txtIn"), WM_SETTEXT);
        EXPECT_THROW(window_.core().ClearInput(), std::runtime_error);
    }
    Type("txtIn", L"Hello");
    EXPECT_NE(TextOf(Control("txtOut")), u"");
}

TEST_F(MainWindowTest, AModeThatFailsToShowIsTheModeThatWorks) {
    {
        // Showing a mode sets the boxes' line breaking.
        const FailingBox failing(Control("txtIn"), EM_SETWORDBREAKPROC);
        EXPECT_THROW(SendMessageW(window_.handle(), WM_COMMAND, IdOf(Command::kSetDecrypt), 0),
                     std::runtime_error);
    }
    Type("txtIn", L"1VuV0AAA");
    EXPECT_EQ(TextOf(Control("txtOut")), u"caf\u00e9");
}

TEST_F(MainWindowTest, AnInputCutAtTheBoxsLimitSaysSo) {
    const HWND input = Control("txtIn");
    EXPECT_EQ(SendMessageW(input, EM_GETLIMITTEXT, 0, 0), 131064);
    // A lower limit cuts the same way, in a fraction of the time Wine's box takes to hold 131,064.
    SendMessageW(input, EM_SETLIMITTEXT, 5, 0);
    Type("txtIn", L"Hello, world");
    // The notice comes once the cut text has been handled, by a message to the window.
    DispatchPending();
    EXPECT_EQ(TextOf(input), u"Hello");
    EXPECT_EQ(StatusText(), L"Input over 131,064 characters: the rest was not taken.");
}

TEST_F(MainWindowTest, EachNoticeShownIsAnnouncedAndNoneCleared) {
    const HWINEVENTHOOK hook =
        SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, nullptr, CountAnnouncement,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    std::vector<int> heard;
    for (const char16_t* text : {u"shown", u"", u"shown again", u""}) {
        const int before = announcements;
        window_.ShowNotice(text);
        DispatchPending();
        heard.push_back(announcements - before);
    }
    UnhookWinEvent(hook);
    EXPECT_EQ(heard, (std::vector<int>{1, 0, 1, 0}));
}

}  // namespace
}  // namespace vellumark::win32
