// The behaviour table against the real Win32 main window, in this process on Wine's null
// display driver (check-windows.sh chooses it). Keys and clicks are posted to the control that
// would receive them and go through the program's own message loop (MainWindow::PreTranslate,
// then TranslateMessage and DispatchMessage); the clipboard is the system's; the state is read
// back from the controls, the menu and the status bar.
//
// The rows come from the file named by VELLUMARK_BEHAVIOUR_ROWS (a Windows path, such as
// Z:\...\rows.txt), since under Wine the build's path of the source tree means nothing.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "tests/behaviour/table.h"
#include "win32/clipboard.h"
#include "win32/control_makers.h"
#include "win32/edit_text.h"
#include "win32/main_window.h"
#include "win32/menus.h"
#include "window_core/clipboard_formats.h"

namespace vellumark::behaviour {
namespace {

using win32::TextOf;

struct Chord {
    UINT key = 0;
    bool extended = false;
    bool shift = false;
    bool control = false;
    bool alt = false;
};

Chord ChordOf(std::string_view word) {
    Chord chord;
    for (;;) {
        if (word.substr(0, 6) == "Shift+") {
            chord.shift = true;
            word.remove_prefix(6);
        } else if (word.substr(0, 5) == "Ctrl+") {
            chord.control = true;
            word.remove_prefix(5);
        } else if (word.substr(0, 4) == "Alt+" && word.size() > 4) {
            chord.alt = true;
            word.remove_prefix(4);
        } else {
            break;
        }
    }
    constexpr std::pair<std::string_view, UINT> kKeys[] = {
        {"Tab", VK_TAB},         {"Enter", VK_RETURN},   {"KeypadEnter", VK_RETURN},
        {"Space", VK_SPACE},     {"Esc", VK_ESCAPE},     {"Backspace", VK_BACK},
        {"Delete", VK_DELETE},   {"Home", VK_HOME},      {"End", VK_END},
        {"Left", VK_LEFT},       {"Right", VK_RIGHT},    {"Up", VK_UP},
        {"Down", VK_DOWN},
    };
    for (const auto& [name, key] : kKeys) {
        if (word == name) {
            chord.key = key;
            // Keypad Enter, and the arrow block's keys, carry the extended-key bit.
            chord.extended = name == "KeypadEnter" || key == VK_DELETE || key == VK_HOME ||
                             key == VK_END || key == VK_LEFT || key == VK_RIGHT ||
                             key == VK_UP || key == VK_DOWN;
            return chord;
        }
    }
    if (word.size() == 1 && std::isalnum(static_cast<unsigned char>(word[0])) != 0) {
        chord.key = static_cast<UINT>(std::toupper(static_cast<unsigned char>(word[0])));
        return chord;
    }
    throw std::runtime_error("no key " + std::string(word));
}

// Holds the clipboard open from a thread of its own, as another program that is reading it.
class ClipboardHolder {
public:
    ClipboardHolder() {
        opened_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this] {
            const bool open = OpenClipboard(nullptr) != 0;
            SetEvent(opened_);
            if (open) {
                WaitForSingleObject(release_, INFINITE);
                CloseClipboard();
            }
        });
        WaitForSingleObject(opened_, INFINITE);
    }
    ~ClipboardHolder() {
        SetEvent(release_);
        thread_.join();
        CloseHandle(opened_);
        CloseHandle(release_);
    }
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;
    ClipboardHolder(ClipboardHolder&&) = delete;
    ClipboardHolder& operator=(ClipboardHolder&&) = delete;

private:
    HANDLE opened_ = nullptr;
    HANDLE release_ = nullptr;
    std::thread thread_;
};

class Win32Driver final : public Driver {
public:
    Win32Driver() {
        if (window_.handle() == nullptr) {
            throw std::runtime_error("the main window was not created");
        }
        SetForegroundWindow(window_.handle());
        Pump();
    }

    ~Win32Driver() override { SetModifiers({}); }
    Win32Driver(const Win32Driver&) = delete;
    Win32Driver& operator=(const Win32Driver&) = delete;
    Win32Driver(Win32Driver&&) = delete;
    Win32Driver& operator=(Win32Driver&&) = delete;

    void Apply(const Step& step) override {
        if (step.kind != StepKind::kKey) {
            RunWaitingKeys();
        }
        switch (step.kind) {
            case StepKind::kKey:
                Key(ChordOf(step.word));
                break;
            case StepKind::kType:
                for (const char16_t unit : step.text) {
                    if (unit == u'\n') {
                        Key(ChordOf("Enter"));
                    } else if (unit == u' ') {
                        Key(ChordOf("Space"));
                    } else {
                        Post(Focus(), WM_CHAR, unit, 1);
                    }
                }
                break;
            case StepKind::kClick:
                Click(Named(step.word), step.button);
                break;
            case StepKind::kFocus:
                // Back from a menu, a popup or another window: the focus arrives by no key
                // and no mouse. "none": it leaves the window's controls.
                SetFocus(step.word == "none" ? nullptr : Named(step.word));
                Pump();
                break;
            case StepKind::kClipboard:
                Clipboard(step);
                break;
            case StepKind::kMenu:
                SendMessageW(window_.handle(), WM_COMMAND, MenuCommand(step.word), 0);
                Pump();
                break;
            case StepKind::kModeSet:
                window_.core().ModeSet(static_cast<CryptMode>(step.number));
                Pump();
                break;
        }
    }

    State Read() override {
        RunWaitingKeys();
        State state;
        state.codeNumber = TextOf(Named("txtCodeNum"));
        state.input = AsShown(TextOf(Named("txtIn")));
        state.output = AsShown(TextOf(Named("txtOut")));
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(Named("txtCodeNum"), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        state.selection = state.codeNumber.substr(start, end - start);
        const vellumark::Control focus = window_.FocusedControl();
        state.focus = focus == vellumark::Control::kNone ? "none" : std::string(ControlName(focus));
        for (const vellumark::Control button :
             {vellumark::Control::kCmdPasteInput, vellumark::Control::kCmdClearInput,
              vellumark::Control::kCmdCutOutput, vellumark::Control::kCmdCopyOutput}) {
            if (IsWindowEnabled(window_.WindowOf(button)) != 0) {
                state.enabled.emplace_back(ControlName(button));
            }
        }
        state.look = Look();
        state.outputLook = OutputLook();
        state.notice = TextOf(GetDlgItem(window_.handle(), win32::kStatusBarId));
        ReadClipboard(state);
        return state;
    }

private:
    [[nodiscard]] HWND Named(const std::string& name) const {
        const std::optional<vellumark::Control> control = ControlNamed(name);
        if (!control) {
            throw std::runtime_error("no control " + name);
        }
        return window_.WindowOf(*control);
    }

    static WPARAM MenuCommand(const std::string& entry) {
        const std::optional<Command> command = CommandNamed(entry);
        if (!command) {
            throw std::runtime_error("no menu entry " + entry);
        }
        return static_cast<WPARAM>(win32::IdOf(*command));
    }

    // Where the keys go: the focused control, or the window when none of its controls has it.
    [[nodiscard]] HWND Focus() const {
        const HWND focus = GetFocus();
        return focus != nullptr ? focus : window_.handle();
    }

    // Hands every waiting message to the program's own loop, as main.cpp does.
    void Pump() {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
            if (!window_.PreTranslate(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }

    void Post(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
        PostMessageW(target, message, wParam, lParam);
        Pump();
    }

    static void SetModifiers(const Chord& chord) {
        std::array<BYTE, 256> keys{};
        GetKeyboardState(keys.data());
        keys[VK_SHIFT] = keys[VK_LSHIFT] = chord.shift ? 0x80 : 0;
        keys[VK_CONTROL] = keys[VK_LCONTROL] = chord.control ? 0x80 : 0;
        keys[VK_MENU] = keys[VK_LMENU] = chord.alt ? 0x80 : 0;
        SetKeyboardState(keys.data());
    }

    // A menu opened from the keyboard runs a loop of its own until it closes. So from any Alt
    // key on, the keys wait until the next other step or read, and then go in one at a time,
    // each once the last is done: the first from here, the rest from a timer, which fires only
    // when the queue is empty, inside the menu's loop too. The timer also ends a loop that the
    // keys left open, so that a faulty row fails rather than hangs.
    bool PostNextWaitingKey() {
        if (waitingKeys_.empty()) {
            return false;
        }
        SetModifiers(waitingKeys_.front());
        PostKey(Focus(), waitingKeys_.front());
        waitingKeys_.erase(waitingKeys_.begin());
        return true;
    }

    static void CALLBACK OnKeyTimer(HWND /*window*/, UINT /*message*/, UINT_PTR /*id*/,
                                    DWORD /*time*/) {
        if (!feeder_->PostNextWaitingKey() && ++feeder_->idleTicks_ > 300) {
            EndMenu();
        }
    }

    void RunWaitingKeys() {
        feeder_ = this;
        idleTicks_ = 0;
        const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, OnKeyTimer);
        while (PostNextWaitingKey()) {
            Pump();
        }
        KillTimer(nullptr, timer);
        SetModifiers({});
    }

    void Key(const Chord& chord) {
        waitingKeys_.push_back(chord);
        if (!chord.alt && waitingKeys_.size() == 1) {
            RunWaitingKeys();
        }
    }

    static void PostKey(HWND target, const Chord& chord) {
        const UINT scan = MapVirtualKeyW(chord.key, MAPVK_VK_TO_VSC);
        LPARAM flags = 1 | static_cast<LPARAM>(scan) << 16;
        if (chord.extended) {
            flags |= LPARAM{1} << 24;
        }
        // Alt makes it a system key, with the context bit.
        const bool system = chord.alt && !chord.control;
        if (system) {
            flags |= LPARAM{1} << 29;
        }
        PostMessageW(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, chord.key, flags);
        PostMessageW(target, system ? WM_SYSKEYUP : WM_KEYUP, chord.key,
                     flags | LPARAM{1} << 30 | LPARAM{1} << 31);
    }

    void Click(HWND target, const std::string& button) {
        // A disabled control takes no click: the mouse's messages go past it.
        if (IsWindowEnabled(target) == 0) {
            return;
        }
        RECT client{};
        GetClientRect(target, &client);
        // A box is clicked past the end of its text, anything else in its middle.
        const vellumark::Control control = window_.CoreControlOf(target);
        const bool box = control == vellumark::Control::kTxtCodeNum ||
                         control == vellumark::Control::kTxtIn ||
                         control == vellumark::Control::kTxtOut;
        const LPARAM at = box ? MAKELPARAM(client.right - 2, client.bottom - 2)
                              : MAKELPARAM(client.right / 2, client.bottom / 2);
        UINT down = WM_LBUTTONDOWN;
        UINT up = WM_LBUTTONUP;
        WPARAM held = MK_LBUTTON;
        if (button == "right") {
            down = WM_RBUTTONDOWN;
            up = WM_RBUTTONUP;
            held = MK_RBUTTON;
        } else if (button == "middle") {
            down = WM_MBUTTONDOWN;
            up = WM_MBUTTONUP;
            held = MK_MBUTTON;
        }
        PostMessageW(target, down, held, at);
        PostMessageW(target, up, 0, at);
        if (button == "right" && box) {
            // The box's own menu opens on the release and runs a loop of its own until a key
            // or a click closes it: Esc, waiting behind the click, closes it unused.
            PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 1);
            PostMessageW(target, WM_KEYUP, VK_ESCAPE, 1 | LPARAM{3} << 30);
        }
        Pump();
    }

    void Clipboard(const Step& step) {
        holder_.reset();
        if (step.word == "busy") {
            holder_.emplace();
            return;
        }
        if (step.word == "text" ? !win32::WriteClipboardText(nullptr, step.text, false)
                                : OpenClipboard(nullptr) == 0) {
            throw std::runtime_error("the clipboard does not open");
        }
        if (step.word != "text") {
            EmptyClipboard();
            CloseClipboard();
        }
    }

    void ReadClipboard(State& state) {
        if (holder_ || OpenClipboard(nullptr) == 0) {
            return;
        }
        if (const HANDLE memory = GetClipboardData(CF_UNICODETEXT); memory != nullptr) {
            if (const auto* text = static_cast<const char16_t*>(GlobalLock(memory))) {
                state.clipboard = std::u16string(text);
                GlobalUnlock(memory);
            }
        }
        state.secret = true;
        for (const SecretClipboardFormat& format : kSecretClipboardFormats) {
            if (format.windows) {
                const std::wstring name(format.name.begin(), format.name.end());
                state.secret = state.secret &&
                               IsClipboardFormatAvailable(RegisterClipboardFormatW(name.c_str())) != 0;
            }
        }
        CloseClipboard();
    }

    // The colours that the window gives a static control or the read-only output, as it would
    // paint it: its background and its text.
    [[nodiscard]] std::pair<COLORREF, COLORREF> Colours(HWND control) const {
        const HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(window_.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(control));
        const std::pair<COLORREF, COLORREF> colours{GetBkColor(dc), GetTextColor(dc)};
        DeleteDC(dc);
        return colours;
    }

    // "stale" in the system's grey text, "current" in its window text.
    [[nodiscard]] std::string OutputLook() const {
        const COLORREF text = Colours(Named("txtOut")).second;
        if (text == GetSysColor(COLOR_GRAYTEXT)) {
            return "stale";
        }
        return text == GetSysColor(COLOR_WINDOWTEXT) ? "current" : "drawn in another colour";
    }

    // "encrypt" or "decrypt" when the lit label, the menu's check mark and the box that wraps
    // anywhere agree on it; else what each shows.
    [[nodiscard]] std::string Look() const {
        const auto lit = [this](const char* name) {
            return Colours(Named(name)).first == kActiveModeColour;
        };
        const HMENU menu = GetMenu(window_.handle());
        const auto checked = [menu](UINT id) {
            MENUITEMINFOW item{};
            item.cbSize = sizeof item;
            item.fMask = MIIM_STATE;
            return GetMenuItemInfoW(menu, id, FALSE, &item) != 0 && (item.fState & MFS_CHECKED) != 0;
        };
        const auto Id = [](Command command) { return static_cast<UINT>(win32::IdOf(command)); };
        const auto wrapsAnywhere = [this](const char* name) {
            return SendMessageW(Named(name), EM_GETWORDBREAKPROC, 0, 0) != 0;
        };
        const std::array<bool, 6> shown{lit("lblEncrypt"),
                                        lit("lblDecrypt"),
                                        checked(Id(Command::kSetEncrypt)),
                                        checked(Id(Command::kSetDecrypt)),
                                        wrapsAnywhere("txtOut"),
                                        wrapsAnywhere("txtIn")};
        if (shown == std::array<bool, 6>{true, false, true, false, true, false}) {
            return "encrypt";
        }
        if (shown == std::array<bool, 6>{false, true, false, true, false, true}) {
            return "decrypt";
        }
        std::string what = "labels/checks/wrapping" ;
        for (const bool part : shown) {
            what += part ? " 1" : " 0";
        }
        return what;
    }

    win32::MainWindow window_{SW_SHOWNORMAL};
    std::optional<ClipboardHolder> holder_;
    std::vector<Chord> waitingKeys_;  // for a menu's loop
    int idleTicks_ = 0;
    static inline Win32Driver* feeder_ = nullptr;  // the timer's
};

// Rows that this window under Wine cannot run, and why.
constexpr std::pair<std::string_view, std::string_view> kUnreachable[] = {
    {"too_long_to_encrypt_keeps_the_previous_output",
     "Wine's edit box takes over a minute to lay out a 32,767-character line"},
    {"too_long_to_decrypt_keeps_the_previous_output",
     "Wine's edit box takes over a minute to lay out a 43,689-character line"},
    {"a_character_beyond_u_ffff_is_refused_and_deleted_whole",
     "Wine's edit box deletes one half of a surrogate pair on Backspace"},
    {"the_about_box_opens_and_closes_by_keyboard",
     "the about box runs a loop of its own until it closes, which holds the driver's thread; "
     "the end-to-end test under Wine (tests/e2e/wine.sh) opens it with Alt+H, A and closes it "
     "with Enter"},
};

std::vector<Row> RowsOfEnvironment() {
    const char* path = std::getenv("VELLUMARK_BEHAVIOUR_ROWS");
    if (path == nullptr || *path == '\0') {
        // One failing row says what is missing, rather than an empty suite that passes.
        Row missing;
        missing.name = "rows_file_not_given";
        return {missing};
    }
    return LoadRows(path);
}

// The GoogleTest suite "behaviour", one test per row: behaviour.win32/<row>.
class BehaviourTest : public ::testing::TestWithParam<Row> {
protected:
    static void SetUpTestSuite() {
        const INITCOMMONCONTROLSEX controls{sizeof controls,
                                            ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
    }
};
using behaviour = BehaviourTest;  // NOLINT(readability-identifier-naming): the ctest prefix

TEST_P(behaviour, win32) {
    const Row& row = GetParam();
    ASSERT_NE(row.name, "rows_file_not_given")
        << "VELLUMARK_BEHAVIOUR_ROWS must name tests/behaviour/rows.txt";
    if (!row.pending.empty()) {
        GTEST_SKIP() << row.pending;
    }
    for (const auto& [name, reason] : kUnreachable) {
        if (row.name == name) {
            GTEST_SKIP() << reason;
        }
    }
    Win32Driver driver;
    const std::string failures = ::vellumark::behaviour::Run(row, driver);
    EXPECT_TRUE(failures.empty()) << "row " << row.name << " (rows.txt:" << row.line << ")\n"
                                  << failures;
}

INSTANTIATE_TEST_SUITE_P(, behaviour, ::testing::ValuesIn(RowsOfEnvironment()),
                         [](const ::testing::TestParamInfo<Row>& row) { return row.param.name; });

}  // namespace
}  // namespace vellumark::behaviour
