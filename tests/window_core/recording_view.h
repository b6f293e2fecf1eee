#pragma once
// A main window view with plain strings for boxes, for the core's tests. Setting a box's text
// reports the change to the core, as a toolkit's control does.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "window_core/main_window_core.h"

namespace vellumark {

class RecordingView : public MainWindowView {
public:
    MainWindowCore core{*this};
    std::u16string codeNumber, input, output;
    // Whether the box tells the core what each edit changed, as Qt's can and Win32's cannot.
    bool reportsEdits = false;
    // The input's units handed out to the core.
    mutable std::size_t unitsRead = 0;
    int selections = 0;
    Control focused = Control::kNone;
    bool copyEnabled = false;
    bool cutEnabled = false;

    // Typed or pasted into the box: `removed` units from `position` replaced by `added`.
    void Edit(std::size_t position, std::size_t removed, std::u16string_view added) {
        input.replace(position, removed, added);
        if (reportsEdits) {
            core.OnInputEdit(position, removed, added);
        }
        core.OnInputChange();
    }
    // The mode and code number at every recomputation.
    std::vector<std::pair<CryptMode, float>> recomputations;

    std::u16string CodeNumberText() const override { return codeNumber; }
    // In pieces of 1,000 units, as a box might hand them out.
    void ReadInput(const std::function<bool(std::u16string_view)>& read) const override {
        const std::u16string_view text(input);
        bool more = true;
        for (std::size_t at = 0; more && at < text.size(); at += 1000) {
            const std::u16string_view piece = text.substr(at, 1000);
            unitsRead += piece.size();
            more = read(piece);
        }
    }
    std::size_t InputLength() const override { return input.size(); }
    void SetText(Control box, std::u16string_view text) override {
        if (box == Control::kTxtCodeNum) {
            codeNumber = text;
            core.OnCodeNumberChange();
        } else if (box == Control::kTxtIn) {
            Edit(0, input.size(), text);
        } else {
            output = text;
        }
    }
    void Recomputed() override { recomputations.emplace_back(core.mode(), core.code_number()); }
    void ShowMode(const ModeLook& /*look*/) override {}
    void EnableButton(Button button, bool enabled) override {
        if (button == Button::kCopyOutput) {
            copyEnabled = enabled;
        } else if (button == Button::kCutOutput) {
            cutEnabled = enabled;
        }
    }
    void ShowNotice(std::u16string_view /*text*/) override {}
    void ShowCommand(Command /*command*/, const CommandState& /*state*/) override {}
    void OpenAbout() override {}
    void Exit() override {}
    void SelectWholeCodeNumber() override { ++selections; }
    std::optional<std::u16string> ClipboardText() const override { return std::u16string(); }
    void PutOnClipboard(std::u16string_view /*text*/, bool /*secret*/) override {}
    Control FocusedControl() const override { return focused; }
    void FocusControl(Control control, FocusReason /*reason*/) override { focused = control; }
};

}  // namespace vellumark
