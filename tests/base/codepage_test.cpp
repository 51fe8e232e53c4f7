#include <gtest/gtest.h>

#include "platform/codepage/codepage.h"

namespace pindora {
namespace {

TEST(Codepage, ChineseRoundTripsThroughCp936) {
    const std::string utf8 = "男生头像";
    const std::string cp936 = utf8ToCp936(utf8);
    EXPECT_EQ(cp936, "\xC4\xD0\xC9\xFA\xCD\xB7\xCF\xF1");
    EXPECT_EQ(cp936ToUtf8(cp936), utf8);
    EXPECT_EQ(cp936ToUtf16(cp936), u"男生头像");
}

TEST(Codepage, InvalidUtf8BecomesReplacementAndTheRestSurvives) {
    EXPECT_EQ(utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(utf8ToUtf16("a\xE4\xB8" "b"), u"a\uFFFDb");        // truncated sequence
    EXPECT_EQ(utf8ToUtf16("end\xE4"), u"end\uFFFD");              // cut at the very end
    EXPECT_EQ(utf8ToUtf16(std::string("x\0y", 3)), std::u16string(u"x\0y", 3));
}

TEST(Codepage, UnmappableCharacterBecomesDefaultCharacter) {
    EXPECT_EQ(utf8ToCp936("a😀b"), "a?b");      // outside the BMP: one default character
    EXPECT_EQ(utf8ToCp936("ü"), "\xA8\xB9");     // in cp936
    EXPECT_EQ(utf8ToCp936("\xD8\xB4x"), "?x");   // Arabic letter, not in cp936
}

TEST(Codepage, BadCp936ByteDoesNotCutOffTheRest) {
    EXPECT_EQ(cp936ToUtf16("\x81 a\xC4\xD0"), u"? a男");  // 0x20 is no trail byte
    EXPECT_EQ(cp936ToUtf16("ok\xC4"), u"ok?");
}

TEST(Codepage, LeadBytes) {
    EXPECT_FALSE(isLeadByte(0x80));
    EXPECT_TRUE(isLeadByte(0x81));
    EXPECT_TRUE(isLeadByte(0xFE));
    EXPECT_FALSE(isLeadByte(0xFF));
    EXPECT_FALSE(isLeadByte('A'));
}

}  // namespace
}  // namespace pindora
