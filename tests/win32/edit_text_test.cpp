#include "win32/edit_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace vellumark::win32 {
namespace {

struct EditTextRow {
    const char* name;
    std::u16string text;
    std::wstring shown;
};

void PrintTo(const EditTextRow& row, std::ostream* out) {
    *out << row.name;
}

class ForEditBoxTest : public testing::TestWithParam<EditTextRow> {};

TEST_P(ForEditBoxTest, ShowsEveryLineAndEveryCharacter) {
    EXPECT_EQ(ForEditBox(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ForEditBoxTest,
    testing::Values(EditTextRow{"Empty", u"", L""},
                    EditTextRow{"BareLineFeeds", u"one\ntwo\n\nthree", L"one\r\ntwo\r\n\r\nthree"},
                    EditTextRow{"CrLfKept", u"one\r\ntwo\r\n", L"one\r\ntwo\r\n"},
                    EditTextRow{"LoneCarriageReturnKept", u"one\rtwo", L"one\rtwo"},
                    EditTextRow{"LeadingLineFeed", u"\nx", L"\r\nx"},
                    EditTextRow{"NulShownAsReplacement", std::u16string(u"a\0b", 3),
                                L"a\xFFFD"
                                L"b"}),
    [](const testing::TestParamInfo<EditTextRow>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace vellumark::win32
