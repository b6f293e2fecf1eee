#include "runtime/windows1252.h"

#include <gtest/gtest.h>

// The C library's own table is the independent witness. The Windows build has none, but the
// conversion has no code of its own there.
#if __has_include(<iconv.h>)
#include <iconv.h>
#define VELLUMARK_HAVE_ICONV 1
#endif

#include <array>

namespace vellumark {
namespace {

TEST(Windows1252, EveryByteHasOneCharacterAndBack) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    const std::u16string text = Windows1252ToUtf16(all);
    ASSERT_EQ(text.size(), 256u);
    const Windows1252Text back = Utf16ToWindows1252(text);
    EXPECT_EQ(back.bytes, all);
    EXPECT_FALSE(back.unmappable);

    const Windows1252Text viaUtf8 = Utf8ToWindows1252(Windows1252ToUtf8(all));
    EXPECT_EQ(viaUtf8.bytes, all);
    EXPECT_FALSE(viaUtf8.unmappable);
}

#ifdef VELLUMARK_HAVE_ICONV
// Every byte against the C library's own table, so that a slip in ours cannot hide behind the
// round trip. The five bytes that table leaves undefined keep the C1 control of their value.
TEST(Windows1252, EveryByteIsTheCharacterThatIconvGivesIt) {
    const iconv_t toUtf16 = iconv_open("UTF-16LE", "CP1252");
    ASSERT_NE(toUtf16, reinterpret_cast<iconv_t>(-1));
    int undefined = 0;
    for (int byte = 0; byte < 256; ++byte) {
        char in = static_cast<char>(byte);
        std::array<unsigned char, 4> out{};
        char* inPointer = &in;
        char* outPointer = reinterpret_cast<char*>(out.data());
        std::size_t inLeft = 1, outLeft = out.size();
        const bool defined = iconv(toUtf16, &inPointer, &inLeft, &outPointer, &outLeft) !=
                             static_cast<std::size_t>(-1);
        const auto expected = static_cast<char16_t>(defined ? out[0] | out[1] << 8 : byte);
        undefined += defined ? 0 : 1;
        EXPECT_EQ(Windows1252ToUtf16(std::string(1, in)), std::u16string(1, expected)) << byte;
    }
    iconv_close(toUtf16);
    EXPECT_EQ(undefined, 5);
}
#endif

TEST(Windows1252, ReportsTheFirstCharacterWithoutAByteAndWhereItStands) {
    // The emoji is one character though it takes two UTF-16 units.
    const Windows1252Text result = Utf16ToWindows1252(u"a\U0001F600b\u0100c");
    ASSERT_TRUE(result.unmappable);
    EXPECT_EQ(result.unmappable->character, U'\U0001F600');
    EXPECT_EQ(result.unmappable->position, 2u);
    EXPECT_EQ(result.bytes, std::string("a") + kSubstituteByte + "b" + kSubstituteByte + "c");
}

TEST(Windows1252, C1ControlsThatWindows1252RedefinesHaveNoByte) {
    const Windows1252Text result = Utf16ToWindows1252(u"\u0080");
    ASSERT_TRUE(result.unmappable);
    EXPECT_EQ(result.unmappable->character, U'\u0080');
}

TEST(Windows1252, LoneSurrogatesAndMalformedUtf8AreReported) {
    const std::u16string lone = {u'x', char16_t{0xD800}, u'y'};
    const Windows1252Text fromUtf16 = Utf16ToWindows1252(lone);
    ASSERT_TRUE(fromUtf16.unmappable);
    EXPECT_EQ(fromUtf16.unmappable->position, 2u);
    EXPECT_EQ(fromUtf16.bytes.size(), 3u);

    for (const std::string& bad :
         {std::string("a\xC3"), std::string("a\x80z"), std::string("a\xC0\xAFz"),
          std::string("a\xED\xA0\x80z"), std::string("a\xF5\x80\x80\x80z")}) {
        const Windows1252Text fromUtf8 = Utf8ToWindows1252(bad);
        ASSERT_TRUE(fromUtf8.unmappable) << bad;
        EXPECT_EQ(fromUtf8.unmappable->character, U'\uFFFD');
        EXPECT_EQ(fromUtf8.unmappable->position, 2u);
        EXPECT_EQ(fromUtf8.unmappable->offset, 1u);
        EXPECT_TRUE(fromUtf8.unmappable->malformed);
    }
}

TEST(Windows1252, Utf8DecodesEveryLength) {
    const Windows1252Text result = Utf8ToWindows1252("\x41\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(result.bytes, std::string("A\xE9\x80") + kSubstituteByte);
    ASSERT_TRUE(result.unmappable);
    EXPECT_EQ(result.unmappable->character, U'\U0001F600');
    EXPECT_EQ(result.unmappable->position, 4u);
    EXPECT_EQ(result.unmappable->offset, 6u);  // in bytes
    EXPECT_FALSE(result.unmappable->malformed);
}

TEST(Windows1252, SubstituteIsNeitherACipherSymbolNorWhiteSpace) {
    EXPECT_FALSE(std::isalnum(static_cast<unsigned char>(kSubstituteByte)));
    EXPECT_FALSE(std::isspace(static_cast<unsigned char>(kSubstituteByte)));
    EXPECT_NE(kSubstituteByte, '!');
    EXPECT_NE(kSubstituteByte, '?');
}

TEST(DescribeCharacter, NamesTheCodePointAndShowsPrintableOnes) {
    EXPECT_EQ(DescribeCharacter(U'\U0001F600'), "U+1F600 \"\xF0\x9F\x98\x80\"");
    EXPECT_EQ(DescribeCharacter(U'\u0100'), "U+0100 \"\xC4\x80\"");
    EXPECT_EQ(DescribeCharacter(U'\u0085'), "U+0085");
}

}  // namespace
}  // namespace vellumark
