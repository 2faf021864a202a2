#include "core/Utf16Text.h"

#include <gtest/gtest.h>

namespace jorv {
namespace {

TEST(Utf16Text, RoundTripsAllPlanesAndReplacesMalformedInput) {
    const std::string text = "Track \xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xB5";  // é € and a note outside the BMP
    const std::u16string wide = Utf8ToUtf16(text);
    EXPECT_EQ(wide, u"Track \u00E9\u20AC\U0001F3B5");
    EXPECT_EQ(Utf16ToUtf8(wide), text);
    EXPECT_EQ(Utf8ToUtf16("a\xFF" "b\xC3"), u"a\uFFFDb\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD");  // overlong
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(Utf16Text, FieldsStopAtTheirWidthAndKeepUnitsAfterTheTerminator) {
    char16_t field[8];
    std::fill(std::begin(field), std::end(field), u'z');
    EXPECT_EQ(FieldText(field, 8), u"zzzzzzzz");  // no terminator: never read past the width
    EXPECT_TRUE(StoreField(field, "abc"));
    EXPECT_EQ(FieldToUtf8(field), "abc");
    EXPECT_EQ(field[4], u'z');
    EXPECT_TRUE(StoreField(field, "1234567"));
    EXPECT_FALSE(StoreField(field, "12345678"));
    EXPECT_EQ(FieldToUtf8(field), "1234567");
}

}  // namespace
}  // namespace jorv
