// The main window's core against a view that records what it is told: what only the core
// can show, as the real windows' tests prove the wiring and the behaviour through it.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "engine/code_number.h"
#include "runtime/generator.h"
#include "tests/row_name.h"
#include "tests/window_core/recording_view.h"
#include "window_core/crypt_view.h"

namespace vellumark {
namespace {

// The rows of tests/behaviour show when entering the code number selects it; a left press
// selects it whole in any case, so no row sees a focus by the mouse that selects on its own.
TEST(MainWindowCoreTest, AFocusByTheMouseLeavesTheSelectionToThePress) {
    RecordingView view;
    view.core.OnCodeNumberFocus(FocusReason::kMouse);
    EXPECT_EQ(view.selections, 0);
}

TEST(MainWindowCoreTest, RefusesAHugeInputWithoutReadingItAll) {
    for (const CryptMode mode : {kModeEncrypt, kModeDecrypt}) {
        RecordingView view;
        view.core.Load();
        view.core.ModeSet(mode);
        view.input.assign(10'000'000, u'A');
        view.unitsRead = 0;
        view.core.OnInputChange();
        EXPECT_LT(view.unitsRead, view.input.size()) << mode;
        EXPECT_EQ(view.core.notice(), NoticeKind::kTooLong) << mode;
        EXPECT_TRUE(view.output.empty()) << mode;
        // Under an invalid code number the answer is the same whatever the input holds.
        view.codeNumber = u"x";
        view.core.OnCodeNumberChange();
        view.unitsRead = 0;
        view.core.OnInputChange();
        EXPECT_EQ(view.unitsRead, 0U) << mode;
        EXPECT_EQ(view.output, u"Invalid Code Number") << mode;
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

// Copy and Cut hand out no output that a refusal left behind, whether or not the box reports
// its edits (the row stale_output_is_not_handed_out shows the rest).
TEST(MainWindowCoreTest, CopyAndCutHandOutNoOutputOfARefusedInput) {
    for (const bool reportsEdits : {false, true}) {
        RecordingView view;
        view.reportsEdits = reportsEdits;
        view.core.Load();
        view.SetText(Control::kTxtIn, u"Hello");
        view.SetText(Control::kTxtIn, std::u16string(32767, u'a'));
        EXPECT_FALSE(view.copyEnabled) << reportsEdits;
        EXPECT_FALSE(view.cutEnabled) << reportsEdits;
    }
}

// A box that reports its edits gives the core's copy of the input; the decision from it must be
// the one from reading the whole box, without reading it.
struct EditRow {
    const char* name;
    CryptMode mode;
    std::u16string input;
    std::size_t position;
    std::size_t removed;
    std::u16string added;
};

void PrintTo(const EditRow& row, std::ostream* out) {
    *out << row.name;
}

class InputEditTest : public ::testing::TestWithParam<EditRow> {};

TEST_P(InputEditTest, DecidesAsFromTheWholeBoxWithoutReadingIt) {
    const EditRow& row = GetParam();
    RecordingView told;
    RecordingView untold;
    told.reportsEdits = true;
    for (RecordingView* view : {&told, &untold}) {
        view->core.Load();
        view->core.ModeSet(row.mode);
        view->SetText(Control::kTxtIn, row.input);
    }
    told.unitsRead = 0;
    told.Edit(row.position, row.removed, row.added);
    untold.Edit(row.position, row.removed, row.added);
    EXPECT_EQ(told.unitsRead, 0U);
    EXPECT_EQ(told.core.notice(), untold.core.notice());
    EXPECT_EQ(told.output, untold.output);
    EXPECT_EQ(
        told.output,
        ViewOfCrypt(told.input, row.mode, told.core.code_number()).output.value_or(told.output));
}

const std::u16string kBlanks(200'000, u' ');
const std::u16string kLongestCipher(43688, u'A');

INSTANTIATE_TEST_SUITE_P(
    Rows, InputEditTest,
    ::testing::Values(EditRow{"TypedAtTheEndAfterHugeBlanks", kModeDecrypt,
                              kBlanks + u"w76Yo!56g7VD3e?HPQA", kBlanks.size() + 19, 0, u"A"},
                      EditRow{"TypedIntoTheBlanks", kModeDecrypt, kBlanks + u"w76Yo!56", 1000, 0,
                              u"x"},
                      EditRow{"DeletedAcrossTheLimit", kModeDecrypt,
                              kLongestCipher + kLongestCipher, 40000, 45000, u""},
                      EditRow{"BlanksBetweenSurrogateHalvesDeleted", kModeDecrypt,
                              u"w76\xD83C" + kBlanks + u"\xDF75Yo", 4, kBlanks.size(), u""},
                      EditRow{"PasteReplacesEverything", kModeEncrypt, kBlanks + u"x", 0,
                              kBlanks.size() + 1, u"ab\ncd"},
                      EditRow{"TypedAtTheStartOfAHugeText", kModeEncrypt,
                              std::u16string(70000, u'a'), 0, 5000, u"z"}),
    RowName<EditRow>);

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

}  // namespace
}  // namespace vellumark
