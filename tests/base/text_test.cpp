#include <gtest/gtest.h>

#include "base/text.h"
#include "platform/codepage/codepage.h"

namespace pindora {
namespace {

TEST(Text, FindStepsOverDoubleByteCharacters) {
    // "中A中" is D6 D0 41 D6 D0: the trail byte D0 is never a match start.
    const Text text = utf8ToCp936("中A中");
    EXPECT_EQ(findText(text, "A"), 3);
    EXPECT_EQ(findText(text, "\xD0"), -1);
    EXPECT_EQ(findText(text, utf8ToCp936("中")), 1);
    EXPECT_EQ(findText(text, utf8ToCp936("中"), 2), 4);
}

TEST(Text, FindPositionsAndCase) {
    struct Case { const char* text; const char* needle; int start; bool ignoreCase; int expected; };
    const Case cases[] = {
        {"Hello", "l", 1, false, 3},  {"Hello", "l", 4, false, 4}, {"Hello", "L", 1, false, -1},
        {"Hello", "L", 1, true, 3},   {"Hello", "x", 1, false, -1}, {"Hello", "H", 0, false, 1},
        {"Hello", "H", -5, false, 1}, {"Hello", "o", 6, false, -1}, {"", "a", 1, false, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(findText(c.text, c.needle, c.start, c.ignoreCase), c.expected)
            << c.text << " / " << c.needle << " from " << c.start;
    }
}

TEST(Text, CaseFoldingLeavesTrailBytesAlone) {
    // 0xB0 0x41 is one character whose trail byte looks like "A".
    const Text text = "\xB0\x41";
    EXPECT_EQ(toLowerText(text), text);
    EXPECT_EQ(findText(text, "\xB0\x61", 1, true), -1);
    EXPECT_EQ(toLowerText("HeLLo"), "hello");
}

TEST(Text, TrimRemovesAsciiAndFullWidthSpacesOnly) {
    EXPECT_EQ(trimText("  a b  "), "a b");
    EXPECT_EQ(trimText("\xA1\xA1 x\xA1\xA1"), "x");
    EXPECT_EQ(trimText("\tx\r\n"), "\tx\r\n");
    EXPECT_EQ(trimText("   "), "");
    // B0 A1 A1 ...: the trailing A1 A1 is not a full-width space but a trail byte + one byte.
    EXPECT_EQ(trimText("\xB0\xA1\xA1"), "\xB0\xA1\xA1");
}

TEST(Text, SplitKeepsInnerEmptyPiecesAndDropsTheLast) {
    using V = std::vector<Text>;
    EXPECT_EQ(splitText("a;;b", ";"), (V{"a", "", "b"}));
    EXPECT_EQ(splitText("a;b;", ";"), (V{"a", "b"}));
    EXPECT_EQ(splitText(";a", ";"), (V{"", "a"}));
    EXPECT_EQ(splitText("", ";"), V{});
    EXPECT_EQ(splitText("a\r\n\r\nb\r\n", "\r\n"), (V{"a", "", "b"}));
    EXPECT_EQ(splitText(";", ";"), (V{""}));
}

TEST(Text, ReplaceAllRespectsCase) {
    EXPECT_EQ(replaceText("a&amp;b&amp;c&AMP;", "&amp;", "&"), "a&b&c&AMP;");
    EXPECT_EQ(replaceText("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(replaceText("abc", "", "x"), "abc");
}

}  // namespace
}  // namespace pindora
