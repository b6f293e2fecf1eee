// The main window's core against a view that records what it is told: what only the core
// can show, as the real windows' tests prove the wiring and the behaviour through it.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/code_number.h"
#include "runtime/generator.h"
#include "tests/window_core/recording_view.h"

namespace vellumark {
namespace {

TEST(MainWindowCoreTest, SelectsTheCodeNumberOnlyWhenTheUserEntersIt) {
    RecordingView view;
    for (const FocusReason reason : {FocusReason::kFirstShow, FocusReason::kTab,
                                     FocusReason::kAccessKey, FocusReason::kRightButton}) {
        view.core.OnCodeNumberFocus(reason);
    }
    view.core.OnCodeNumberClick(MouseButton::kLeft);
    EXPECT_EQ(view.selections, 5);

    view.core.OnCodeNumberFocus(FocusReason::kMouse);
    view.core.OnCodeNumberFocus(FocusReason::kReturned);
    view.core.OnCodeNumberClick(MouseButton::kRight);
    view.core.OnCodeNumberClick(MouseButton::kMiddle);
    EXPECT_EQ(view.selections, 5);
}

TEST(MainWindowCoreTest, RefusesAHugeInputWithoutReadingItAll) {
    for (const CryptMode mode : {kModeEncrypt, kModeDecrypt}) {
        RecordingView view;
        view.core.Load();
        view.core.ModeSet(mode);
        view.input.assign(10'000'000, u'A');
        view.inputReads = 0;
        view.core.OnInputChange();
        EXPECT_EQ(view.inputReads, 0U) << mode;
        EXPECT_EQ(view.core.notice(), NoticeKind::kTooLong) << mode;
        EXPECT_TRUE(view.output.empty()) << mode;
    }
}

TEST(MainWindowCoreTest, ADisabledButtonDoesNothing) {
    RecordingView view;
    view.core.Load();
    // Held by the box but not yet reported: Clear is still disabled.
    view.input = u"abc";
    view.core.PressButton(Button::kClearInput);
    EXPECT_EQ(view.input, u"abc");
    view.core.OnInputChange();
    view.core.PressButton(Button::kClearInput);
    EXPECT_EQ(view.input, u"");
}

TEST(MainWindowCoreTest, LoadValidatesTheDefaultCodeThenSetsEncryptMode) {
    RecordingView view;
    view.core.Load();
    // First the code number's Change, while the mode is still unset; then ModeSet 1.
    const std::vector<std::pair<CryptMode, float>> expected{{CryptMode{}, 408153.0f},
                                                            {kModeEncrypt, 408153.0f}};
    EXPECT_EQ(view.recomputations, expected);
}

// Toggle sets the other mode through ModeSet, and so recomputes twice; every other value once.
TEST(MainWindowCoreTest, ModeSetRecomputesOnceAToggleTwice) {
    for (const int from : {kModeEncrypt, kModeDecrypt}) {
        for (const int what : {0, 1, 2, 3, 4, 255}) {
            RecordingView view;
            view.core.Load();
            view.core.ModeSet(static_cast<CryptMode>(from));
            view.recomputations.clear();
            view.core.ModeSet(static_cast<CryptMode>(what));
            EXPECT_EQ(view.recomputations.size(), what == kModeToggle ? 2U : 1U)
                << "ModeSet " << what << " from " << from;
        }
    }
}

TEST(MainWindowCoreTest, RandomCodeTakesTheGeneratorsNextValue) {
    RecordingView view;
    view.core.Load();
    for (int draw = 0; draw < 20; ++draw) {
        RandomGenerator ahead = ProcessGenerator();
        const std::string expected = RandomCodeText(ahead.NextValue());
        view.core.PickRandomCode();
        EXPECT_EQ(view.codeNumber, std::u16string(expected.begin(), expected.end()));
        EXPECT_EQ(ProcessGenerator().state(), ahead.state());
    }
}

TEST(MainWindowCoreTest, TheCipherTextBoxFollowsTheMode) {
    EXPECT_EQ(MainWindowCore::LookOf(kModeEncrypt).cipherBox, TextBox::kOutput);
    EXPECT_EQ(MainWindowCore::LookOf(kModeDecrypt).cipherBox, TextBox::kInput);
}

}  // namespace
}  // namespace vellumark
