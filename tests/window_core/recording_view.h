#pragma once
// A main window view with plain strings for boxes, for the core's tests. Setting a box's text
// reports the change to the core, as a toolkit's control does.

#include <cstddef>
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
    mutable std::size_t inputReads = 0;
    int selections = 0;
    // The mode and code number at every recomputation.
    std::vector<std::pair<CryptMode, float>> recomputations;

    std::u16string CodeNumberText() const override { return codeNumber; }
    std::u16string InputText() const override {
        ++inputReads;
        return input;
    }
    // In pieces of 1,000 units, as a box might hand them out.
    void ReadInput(const std::function<bool(std::u16string_view)>& read) const override {
        const std::u16string_view text(input);
        for (std::size_t at = 0; at < text.size() && read(text.substr(at, 1000)); at += 1000) {
        }
    }
    std::size_t InputLength() const override { return input.size(); }
    bool OutputEmpty() const override { return output.empty(); }
    std::u16string OutputText() const override { return output; }
    void SetCodeNumberText(std::u16string_view text) override {
        codeNumber = text;
        core.OnCodeNumberChange();
    }
    void SetInputText(std::u16string_view text) override {
        input = text;
        core.OnInputChange();
    }
    void SetOutputText(std::u16string_view text) override {
        output = text;
        core.OnOutputChange();
    }
    void Recomputed() override { recomputations.emplace_back(core.mode(), core.code_number()); }
    void ShowMode(const ModeLook& /*look*/) override {}
    void EnableButton(Button /*button*/, bool /*enabled*/) override {}
    void ShowNotice(NoticeKind /*kind*/, std::u16string_view /*text*/) override {}
    void SelectWholeCodeNumber() override { ++selections; }
    std::optional<std::u16string> ClipboardText() const override { return std::u16string(); }
    void PutOnClipboard(std::u16string_view /*text*/, bool /*secret*/) override {}
};

}  // namespace vellumark
