// The behaviour table against the window core with a fake view: a toolkit reduced to what the
// core relies on. Its boxes hold a caret and a selection, the code-number box takes at most six
// characters, keys go to the focused control, Tab follows the tab order, and the clipboard may
// be busy. A control that is disabled with the focus drops it, as a Windows control does, so
// that only the core can hand it on.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "runtime/utf16.h"
#include "tests/behaviour/table.h"
#include "window_core/about_core.h"
#include "window_core/main_window_core.h"
#include "window_core/menu_bar.h"

namespace vellumark::behaviour {
namespace {

// A text box: its text, and the selection from `anchor` to `caret` (equal: no selection).
struct Box {
    std::u16string text;
    std::size_t anchor = 0;
    std::size_t caret = 0;
    std::size_t limit = std::u16string::npos;
    bool readOnly = false;

    [[nodiscard]] std::size_t start() const { return std::min(anchor, caret); }
    [[nodiscard]] std::size_t end() const { return std::max(anchor, caret); }
    [[nodiscard]] std::u16string selected() const { return text.substr(start(), end() - start()); }
    void MoveTo(std::size_t at, bool extend) {
        caret = std::min(at, text.size());
        if (!extend) {
            anchor = caret;
        }
    }
};

// A key of the table ("Enter", "Left", "E") as a toolkit reports it; letters in upper case.
KeyPress PressOf(std::string_view name, bool shift, bool ctrl, bool alt) {
    KeyPress press{name == "Enter"         ? Key::kEnter
                   : name == "KeypadEnter" ? Key::kKeypadEnter
                   : name == "Space"       ? Key::kSpace
                   : name == "Esc"         ? Key::kEscape
                   : name == "Tab"         ? Key::kTab
                   : name == "F10"         ? Key::kF10
                   : name == "Left"        ? Key::kLeft
                   : name == "Right"       ? Key::kRight
                   : name == "Up"          ? Key::kUp
                   : name == "Down"        ? Key::kDown
                   : name == "Home"        ? Key::kHome
                   : name == "End"         ? Key::kEnd
                                           : Key::kOther,
                   shift, ctrl, alt};
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') {
        press.letter = static_cast<char16_t>(name[0]);
    }
    return press;
}

class FakeView final : public MainWindowView {
public:
    FakeView() {
        code_.limit = 6;
        out_.readOnly = true;
        core_.Load();
        // The first in the tab order takes the focus when the window opens.
        focus_ = Control::kTxtCodeNum;
        core_.OnCodeNumberFocus(FocusReason::kFirstShow);
    }

    MainWindowCore& core() { return core_; }

    // The toolkit's side of a key on the focused control.
    void Key(std::string_view chord) {
        bool shift = false;
        bool ctrl = false;
        bool alt = false;
        for (;;) {
            if (chord.substr(0, 6) == "Shift+") {
                shift = true;
                chord.remove_prefix(6);
            } else if (chord.substr(0, 5) == "Ctrl+") {
                ctrl = true;
                chord.remove_prefix(5);
            } else if (chord.substr(0, 4) == "Alt+" && chord.size() > 4) {
                alt = true;
                chord.remove_prefix(4);
            } else {
                break;
            }
        }
        const KeyPress press = PressOf(chord, shift, ctrl, alt);
        if (aboutOpen_) {
            // The modal box takes every key; the focus comes back as from any dialog.
            if (ClosesAboutBox(press)) {
                aboutOpen_ = false;
                const Control back = std::exchange(focus_, Control::kNone);
                MoveFocus(back, FocusReason::kReturned);
            }
            return;
        }
        if (menus_.OnKey(press) || core_.OnWindowKey(press)) {
            return;
        }
        if (ctrl && !alt && !shift && chord.size() == 1) {
            BoxShortcut(static_cast<char>(press.letter));
            return;
        }
        if (ButtonOf(focus_) && press.key == vellumark::Key::kEscape) {
            return;
        }
        Box* box = Focused();
        if (box == nullptr || ctrl || alt) {
            throw std::runtime_error("no control here takes " + std::string(chord));
        }
        if (chord == "Enter" || chord == "KeypadEnter") {
            // A line break in the input; the single-line box and the locked output take none.
            if (box == &in_) {
                Insert(*box, u"\n");
            }
        } else if (chord == "Space") {
            Insert(*box, u" ");
        } else if (chord == "Backspace" || chord == "Delete") {
            Delete(*box, chord == "Backspace");
        } else if (chord == "Home") {
            box->MoveTo(0, shift);
        } else if (chord == "End") {
            box->MoveTo(box->text.size(), shift);
        } else if (chord == "Left") {
            box->MoveTo(box->caret == 0 ? 0 : box->caret - 1, shift);
        } else if (chord == "Right") {
            box->MoveTo(box->caret + 1, shift);
        } else if (chord != "Esc") {
            throw std::runtime_error("the fake keyboard has no " + std::string(chord));
        }
    }

    // Types one character (a surrogate pair is one) into the focused control.
    void TypeCharacter(std::u16string_view character) {
        if (character == u"\n") {
            Key("Enter");
        } else if (character == u" ") {
            Key("Space");
        } else if (Box* box = Focused(); box != nullptr) {
            Insert(*box, character);
        } else {
            throw std::runtime_error("typed where no box has the focus");
        }
    }

    void Click(Control control, MouseButton button) {
        core_.OnMousePress(control, button);
        // The press lands past the end of a box's text; the right button leaves the caret alone.
        if (Box* box = Focused();
            box != nullptr && focus_ == control && button != MouseButton::kRight) {
            box->MoveTo(box->text.size(), false);
        }
        core_.OnMouseClick(control, button);
    }

    void FocusOtherwise(Control control) { MoveFocus(control, FocusReason::kReturned); }

    void SetClipboard(std::optional<std::u16string> text, bool busy) {
        clipboard_ = std::move(text);
        clipboardSecret_ = false;
        clipboardBusy_ = busy;
    }

    [[nodiscard]] State Read() const {
        State state;
        state.codeNumber = code_.text;
        state.input = AsShown(in_.text);
        state.output = AsShown(out_.text);
        state.selection = code_.selected();
        state.focus = focus_ == Control::kNone ? "none" : std::string(ControlName(focus_));
        for (const Control control : kTabOrder) {
            if (ButtonOf(control) && Enabled(control)) {
                state.enabled.emplace_back(ControlName(control));
            }
        }
        if (!look_) {
            state.look = "none";
        } else if (*look_ == MainWindowCore::LookOf(kModeEncrypt) && Checks(true, false)) {
            state.look = "encrypt";
        } else if (*look_ == MainWindowCore::LookOf(kModeDecrypt) && Checks(false, true)) {
            state.look = "decrypt";
        } else {
            state.look = "mixed";
        }
        state.outputLook = outputStale_ ? "stale" : "current";
        state.about = aboutOpen_ ? "open" : "closed";
        state.notice = notice_;
        state.clipboard = clipboard_;
        state.secret = clipboardSecret_;
        return state;
    }

    // MainWindowView
    [[nodiscard]] std::u16string CodeNumberText() const override { return code_.text; }
    void ReadInput(const std::function<bool(std::u16string_view)>& read) const override {
        const std::u16string_view text(in_.text);
        for (std::size_t at = 0; at < text.size() && read(text.substr(at, 4096)); at += 4096) {
        }
    }
    [[nodiscard]] std::size_t InputLength() const override { return in_.text.size(); }
    void SetText(Control box, std::u16string_view text) override { SetText(BoxOf(box), text); }
    void ShowOutputStale(bool stale) override { outputStale_ = stale; }
    void ShowMode(const ModeLook& look) override { look_ = look; }
    void ShowCommand(Command command, const CommandState& state) override {
        commands_[static_cast<std::size_t>(command)] = state;
    }
    void OpenAbout() override { aboutOpen_ = true; }
    void Exit() override { throw std::runtime_error("the fake window does not end"); }
    void EnableButton(Button button, bool enabled) override {
        enabled_[static_cast<std::size_t>(button)] = enabled;
        if (!enabled && focus_ == ControlOf(button)) {
            focus_ = Control::kNone;
        }
    }
    void ShowNotice(std::u16string_view text) override { notice_ = text; }
    void SelectWholeCodeNumber() override {
        code_.anchor = 0;
        code_.caret = code_.text.size();
    }
    [[nodiscard]] std::optional<std::u16string> ClipboardText() const override {
        if (clipboardBusy_) {
            return std::nullopt;
        }
        return clipboard_.value_or(std::u16string());
    }
    void PutOnClipboard(std::u16string_view text, bool secret) override {
        if (!clipboardBusy_) {
            clipboard_ = std::u16string(text);
            clipboardSecret_ = secret;
        }
    }
    [[nodiscard]] Control FocusedControl() const override { return focus_; }
    void FocusControl(Control control, FocusReason reason) override { MoveFocus(control, reason); }

private:
    [[nodiscard]] bool Enabled(Control control) const {
        const std::optional<Button> button = ButtonOf(control);
        return !button || enabled_[static_cast<std::size_t>(*button)];
    }

    Box& BoxOf(Control control) {
        switch (control) {
            case Control::kTxtCodeNum:
                return code_;
            case Control::kTxtIn:
                return in_;
            case Control::kTxtOut:
                return out_;
            default:
                throw std::runtime_error(std::string(ControlName(control)) + " is no box");
        }
    }

    Box* Focused() {
        const bool box = focus_ == Control::kTxtCodeNum || focus_ == Control::kTxtIn ||
                         focus_ == Control::kTxtOut;
        return box ? &BoxOf(focus_) : nullptr;
    }

    // Focus that arrives reports itself; focus already there does not.
    void MoveFocus(Control control, FocusReason reason) {
        if (control == focus_) {
            return;
        }
        focus_ = control;
        if (control == Control::kTxtCodeNum) {
            core_.OnCodeNumberFocus(reason);
        }
    }

    // The menu's check marks on the two mode entries.
    [[nodiscard]] bool Checks(bool encrypt, bool decrypt) const {
        return commands_[static_cast<std::size_t>(Command::kSetEncrypt)].checked == encrypt &&
               commands_[static_cast<std::size_t>(Command::kSetDecrypt)].checked == decrypt;
    }

    // The boxes' own keys with Ctrl.
    void BoxShortcut(char letter) {
        switch (letter) {
            case 'A':
                if (Box* box = Focused()) {
                    box->anchor = 0;
                    box->caret = box->text.size();
                }
                break;
            case 'C':
            case 'X':
                // The box's own copy: plain text, whatever the mode. The locked output has no cut.
                if (Box* box = Focused(); box != nullptr && box->start() != box->end() &&
                                          (letter == 'C' || !box->readOnly) &&
                                          (box != &out_ || core_.OnOutputCopy())) {
                    PutOnClipboard(box->selected(), false);
                    Insert(*box, u"");
                }
                break;
            case 'V':
                if (Box* box = Focused(); box != nullptr && !clipboardBusy_) {
                    Insert(*box, clipboard_.value_or(std::u16string()));
                }
                break;
            default:
                throw std::runtime_error(std::string("no shortcut Ctrl+") + letter);
        }
    }

    static void SetText(Box& box, std::u16string_view text) {
        box.text = std::u16string(text.substr(0, box.limit));
        box.MoveTo(box.text.size(), false);
    }

    // `text` replaces the selection or goes in at the caret, as far as the box has room.
    void Insert(Box& box, std::u16string_view text) {
        if (box.readOnly) {
            return;
        }
        const std::size_t kept = box.text.size() - (box.end() - box.start());
        const std::size_t room = box.limit == std::u16string::npos ? text.size() : box.limit - kept;
        std::u16string_view fitting = text.substr(0, std::min(room, text.size()));
        // A character is never cut in half.
        if (!fitting.empty() && fitting.size() < text.size() &&
            IsLowSurrogate(text[fitting.size()])) {
            fitting.remove_suffix(1);
        }
        if (fitting.empty() && box.start() == box.end()) {
            return;
        }
        const std::size_t at = box.start();
        box.text.replace(at, box.end() - at, fitting);
        box.MoveTo(at + fitting.size(), false);
        Changed(box);
    }

    void Delete(Box& box, bool backwards) {
        if (box.readOnly) {
            return;
        }
        if (box.start() == box.end()) {
            if (backwards ? box.caret == 0 : box.caret == box.text.size()) {
                return;
            }
            std::size_t from = backwards ? box.caret - 1 : box.caret;
            std::size_t to = from + 1;
            if (backwards && from > 0 && IsLowSurrogate(box.text[from])) {
                --from;
            } else if (!backwards && to < box.text.size() && IsLowSurrogate(box.text[to])) {
                ++to;
            }
            box.anchor = from;
            box.caret = to;
        }
        Insert(box, u"");
    }

    void Changed(const Box& box) {
        if (&box == &code_) {
            core_.OnCodeNumberChange();
        } else if (&box == &in_) {
            core_.OnInputChange();
        }
    }

    MainWindowCore core_{*this};
    Box code_;
    Box in_;
    Box out_;
    Control focus_ = Control::kNone;
    bool enabled_[4] = {true, false, false, false};
    std::optional<ModeLook> look_;
    bool outputStale_ = false;
    bool aboutOpen_ = false;
    MenuBar menus_{core_, *this};
    CommandState commands_[std::size(kCommands)] = {};
    std::u16string notice_;
    std::optional<std::u16string> clipboard_;
    bool clipboardSecret_ = false;
    bool clipboardBusy_ = false;
};

MouseButton MouseButtonNamed(const std::string& name) {
    if (name == "right") {
        return MouseButton::kRight;
    }
    return name == "middle" ? MouseButton::kMiddle : MouseButton::kLeft;
}

class CoreDriver final : public Driver {
public:
    void Apply(const Step& step) override {
        switch (step.kind) {
            case StepKind::kKey:
                view_.Key(step.word);
                break;
            case StepKind::kType:
                for (std::size_t i = 0; i < step.text.size(); ++i) {
                    const std::size_t length =
                        i + 1 < step.text.size() && IsLowSurrogate(step.text[i + 1]) ? 2 : 1;
                    view_.TypeCharacter(std::u16string_view(step.text).substr(i, length));
                    i += length - 1;
                }
                break;
            case StepKind::kClick:
                view_.Click(*ControlNamed(step.word), MouseButtonNamed(step.button));
                break;
            case StepKind::kFocus:
                view_.FocusOtherwise(step.word == "none" ? Control::kNone
                                                         : *ControlNamed(step.word));
                break;
            case StepKind::kClipboard:
                view_.SetClipboard(step.word == "text" ? std::optional(step.text) : std::nullopt,
                                   step.word == "busy");
                break;
            case StepKind::kMenu:
                view_.core().RunCommand(CommandNamed(step.word).value());
                break;
            case StepKind::kModeSet:
                view_.core().ModeSet(static_cast<CryptMode>(step.number));
                break;
        }
    }

    State Read() override { return view_.Read(); }

private:
    FakeView view_;
};

// The GoogleTest suite "behaviour", one test per row: ctest names them behaviour.core/<row>.
class BehaviourTest : public ::testing::TestWithParam<Row> {};
using behaviour = BehaviourTest;  // NOLINT(readability-identifier-naming): the ctest prefix

TEST_P(behaviour, core) {
    const Row& row = GetParam();
    if (!row.pending.empty()) {
        GTEST_SKIP() << row.pending;
    }
    CoreDriver driver;
    const std::string failures = ::vellumark::behaviour::Run(row, driver);
    EXPECT_TRUE(failures.empty()) << "row " << row.name << " (rows.txt:" << row.line << ")\n"
                                  << failures;
}

INSTANTIATE_TEST_SUITE_P(, behaviour, ::testing::ValuesIn(LoadRows(VELLUMARK_BEHAVIOUR_ROWS)),
                         [](const ::testing::TestParamInfo<Row>& row) { return row.param.name; });

}  // namespace
}  // namespace vellumark::behaviour
