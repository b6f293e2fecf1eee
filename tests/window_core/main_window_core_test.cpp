// The main window's core against a view that records what it is told: what only the core
// can show, as the real windows' tests prove the wiring and the behaviour through it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window_core/main_window_core.h"

namespace vellumark {
namespace {

// A view with plain strings for boxes; setting a box's text reports the change, as a
// toolkit's control does.
class RecordingView : public MainWindowView {
public:
    MainWindowCore core{*this};
    std::u16string codeNumber, input, output;
    mutable std::size_t inputReads = 0;
    int selections = 0;

    std::u16string CodeNumberText() const override { return codeNumber; }
    std::u16string InputText() const override {
        ++inputReads;
        return input;
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
    void ShowMode(const ModeLook& /*look*/) override {}
    void EnableButton(Button /*button*/, bool /*enabled*/) override {}
    void ShowNotice(NoticeKind /*kind*/, std::u16string_view /*text*/) override {}
    void SelectWholeCodeNumber() override { ++selections; }
    std::u16string ClipboardText() const override { return {}; }
    void PutOnClipboard(std::u16string_view /*text*/, bool /*secret*/) override {}
};

TEST(MainWindowCoreTest, SelectsTheCodeNumberOnlyWhenTheUserEntersIt) {
    RecordingView view;
    for (const FocusReason reason :
         {FocusReason::kFirstShow, FocusReason::kTab, FocusReason::kAccessKey}) {
        view.core.OnCodeNumberFocus(reason);
    }
    view.core.OnCodeNumberClick(MouseButton::kLeft);
    EXPECT_EQ(view.selections, 4);

    view.core.OnCodeNumberFocus(FocusReason::kMouse);
    view.core.OnCodeNumberFocus(FocusReason::kReturned);
    view.core.OnCodeNumberClick(MouseButton::kRight);
    view.core.OnCodeNumberClick(MouseButton::kMiddle);
    EXPECT_EQ(view.selections, 4);
}

TEST(MainWindowCoreTest, RefusesAHugeInputToEncryptWithoutReadingIt) {
    RecordingView view;
    view.core.Load();
    view.input.assign(10'000'000, u'a');
    view.inputReads = 0;
    view.core.OnInputChange();
    EXPECT_EQ(view.inputReads, 0U);
    EXPECT_EQ(view.core.notice(), NoticeKind::kTooLong);
    EXPECT_TRUE(view.output.empty());
}

TEST(MainWindowCoreTest, TheCipherTextBoxFollowsTheMode) {
    EXPECT_EQ(MainWindowCore::LookOf(kModeEncrypt).cipherBox, TextBox::kOutput);
    EXPECT_EQ(MainWindowCore::LookOf(kModeDecrypt).cipherBox, TextBox::kInput);
}

}  // namespace
}  // namespace vellumark
