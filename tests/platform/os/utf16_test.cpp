#include "os/utf16.h"

#include <gtest/gtest.h>

TEST(Utf16, RoundTripsEveryPlane) {
    const std::u16string text = u"Steel \u00B0 \u2022\u00BF\u0192 \U0001F529 end";
    EXPECT_EQ(os::toUtf16(os::toUtf8(text)), text);
    EXPECT_EQ(os::toUtf8(u"\u00E9"), "\xC3\xA9");
}

TEST(Utf16, InvalidSequencesBecomeReplacementCharacters) {
    EXPECT_EQ(os::toUtf16("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(os::toUtf16("\xC3"), u"\uFFFD");                 // truncated at the end
    EXPECT_EQ(os::toUtf16("\xC0\xAF"), u"\uFFFD");             // overlong "/"
    EXPECT_EQ(os::toUtf16("\xED\xA0\x80"), u"\uFFFD");         // an encoded surrogate
    EXPECT_EQ(os::toUtf16("\xE2\x82x"), u"\uFFFDx");           // broken in the middle keeps what follows
    const char16_t lone[] = {u'a', 0xD800, u'b', 0};
    EXPECT_EQ(os::toUtf8(lone), "a\xEF\xBF\xBD" "b");
}

TEST(Utf16, Latin1MapsOneByteToOneCharacter) {
    EXPECT_EQ(os::fromLatin1("\xE9t\xE9"), u"\u00E9t\u00E9");
    EXPECT_EQ(os::toLatin1(u"\u00E9\u2022"), "\xE9?");
}
