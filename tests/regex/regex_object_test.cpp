#include <gtest/gtest.h>

#include "platform/codepage/codepage.h"
#include "regex/regex_object.h"

namespace pindora {
namespace {

// Program text from a readable literal.
Text cp(const char* utf8) { return utf8ToCp936(utf8); }

TEST(RegexObject, DefaultsIgnoreCaseAndFindAll) {
    RegexObject regex;
    ASSERT_TRUE(regex.matchAll("ab", "AB ab"));
    EXPECT_EQ(regex.matchCount(), 2);
    EXPECT_EQ(regex.matchText(1), "AB");

    ASSERT_TRUE(regex.matchAll("ab", "AB ab", true));
    EXPECT_EQ(regex.matchCount(), 1);
    EXPECT_EQ(regex.matchText(1), "ab");

    ASSERT_TRUE(regex.matchAll("ab", "AB ab", std::nullopt, std::nullopt, false));
    EXPECT_EQ(regex.matchCount(), 1);

    // multi-line by default: "^" at every line start
    ASSERT_TRUE(regex.matchAll("^x", "x\nx"));
    EXPECT_EQ(regex.matchCount(), 2);
    ASSERT_TRUE(regex.matchAll("^x", "x\nx", std::nullopt, false));
    EXPECT_EQ(regex.matchCount(), 1);
}

TEST(RegexObject, EmptyResultsOutsideTheRanges) {
    RegexObject regex;
    ASSERT_TRUE(regex.matchAll("(a)(b)", "xab xab"));
    EXPECT_EQ(regex.subMatchCount(), 2);
    EXPECT_EQ(regex.subMatchText(1, 2), "b");
    EXPECT_EQ(regex.subMatchText(1, 3), "");
    EXPECT_EQ(regex.subMatchText(1, 0), "");
    EXPECT_EQ(regex.subMatchText(3, 1), "");
    EXPECT_EQ(regex.matchText(0), "");
    EXPECT_EQ(regex.matchText(3), "");
    int offset = 99;
    EXPECT_EQ(regex.matchText(3, &offset), "");
    EXPECT_EQ(offset, -1);
    EXPECT_EQ(regex.matchText(2, &offset), "ab");
    EXPECT_EQ(offset, 5);
}

TEST(RegexObject, NothingBeforeAnyMatch) {
    RegexObject regex;
    regex.noop();
    EXPECT_EQ(regex.matchCount(), 0);
    EXPECT_EQ(regex.subMatchCount(), 0);
    EXPECT_EQ(regex.pattern(), "");
    EXPECT_EQ(regex.matchText(1), "");
    EXPECT_EQ(regex.subMatchText(1, 1), "");
    EXPECT_EQ(regex.replace("x"), "");
}

TEST(RegexObject, RejectedPatternLeavesNoMatches) {
    RegexObject regex;
    ASSERT_TRUE(regex.matchAll("a", "aaa"));
    EXPECT_FALSE(regex.matchAll("(a", "aaa"));
    EXPECT_EQ(regex.matchCount(), 0);
    EXPECT_EQ(regex.matchText(1), "");
    EXPECT_EQ(regex.subMatchCount(), 0);
    EXPECT_EQ(regex.pattern(), "(a");
    EXPECT_EQ(regex.replace("b"), "");
}

TEST(RegexObject, QuoteMarker) {
    const Text pattern = cp("#引号(.*?)#引号");
    const Text quoted = cp("他说\"你好\"。");
    RegexObject regex;
    ASSERT_TRUE(regex.matchAll(pattern, quoted, std::nullopt, std::nullopt, std::nullopt, true));
    EXPECT_EQ(regex.pattern(), cp("\"(.*?)\""));
    ASSERT_EQ(regex.matchCount(), 1);
    EXPECT_EQ(regex.subMatchText(1, 1), cp("你好"));

    // Left out or false: the marker is literal text.
    for (std::optional<bool> marker : {std::optional<bool>(), std::optional<bool>(false)}) {
        ASSERT_TRUE(regex.matchAll(pattern, quoted, std::nullopt, std::nullopt, std::nullopt, marker));
        EXPECT_EQ(regex.matchCount(), 0);
        ASSERT_TRUE(regex.matchAll(pattern, cp("#引号x#引号"), std::nullopt, std::nullopt, std::nullopt, marker));
        EXPECT_EQ(regex.subMatchText(1, 1), "x");
    }
}

TEST(RegexObject, ByteOffsetsPastDoubleByteText) {
    struct Case {
        const char* what;
        const char* pattern;
        const char* subject;
        bool caseSensitive;
        int n, k;  // k 0: the match itself
        const char* text;
        int offset;
    };
    const Case cases[] = {
        {"after double-byte text", "cd", "中文ab中cd", false, 1, 0, "cd", 8},
        {"after two double-byte characters", "ab", "中中ab", false, 1, 0, "ab", 4},
        {"a double-byte match", "文", "中文", false, 1, 0, "文", 2},
        {"a group", "x(a)(b)", "中xab", false, 1, 2, "b", 4},
        {"a group's text found first earlier in the match", "ab(a)", "中aba", false, 1, 1, "a", 2},
        {"letter case respected in the search", "B(b)", "中Bb", true, 1, 1, "b", 3},
        {"the second of two equal matches", "a", "中a中a", false, 2, 0, "a", 5},
        {"a group of the second match", "(a)", "a中a", false, 2, 1, "a", 3},
    };
    for (const Case& c : cases) {
        RegexObject regex;
        ASSERT_TRUE(regex.matchAll(cp(c.pattern), cp(c.subject), c.caseSensitive)) << c.what;
        int offset = 99;
        Text text = c.k == 0 ? regex.matchText(c.n, &offset) : regex.subMatchText(c.n, c.k, &offset);
        EXPECT_EQ(text, cp(c.text)) << c.what;
        EXPECT_EQ(offset, c.offset) << c.what;
    }
}

// A list page as the forum serves it: Chinese titles, a style attribute over several lines,
// upper-case markup in the second item, and a broken anchor whose link would only close on the
// next line.
TEST(RegexObject, LoaderPatternOnAListPage) {
    const Text pattern = "<a href=\"(.*?)\" class=\"image\" title=\".*?\" target=\"_blank\" "
                         "style=\"[\\S\\s]*?<img src=\"(.*?)\" border";
    const Text page = cp(
        "<div class=\"waterfall\">\n"
        "<a href=\"forum.php?mod=viewthread&amp;tid=7\n\" class=\"image\" title=\"断行\" target=\"_blank\" "
        "style=\"\"></a>\n"
        "<li><a href=\"forum.php?mod=viewthread&amp;tid=101\" class=\"image\" title=\"可爱男生头像\" "
        "target=\"_blank\" style=\"display:block;\n  width:120px;\n  height:120px\">\n"
        "<img src=\"data/attachment/forum/101.jpg\" border=\"0\" alt=\"男生\"></a></li>\n"
        "<LI><A HREF=\"forum.php?mod=viewthread&amp;tid=102\" CLASS=\"image\" TITLE=\"情侣头像 二\" "
        "TARGET=\"_blank\" STYLE=\"display:block;\r\n  width:120px\">\r\n"
        "<IMG SRC=\"data/attachment/forum/102.gif\" BORDER=\"0\"></A></LI>\n"
        "</div>\n");
    RegexObject regex;
    ASSERT_TRUE(regex.matchAll(pattern, page));
    ASSERT_EQ(regex.matchCount(), 2);
    EXPECT_EQ(regex.subMatchCount(), 2);
    EXPECT_EQ(regex.subMatchText(1, 1), "forum.php?mod=viewthread&amp;tid=101");
    EXPECT_EQ(regex.subMatchText(1, 2), "data/attachment/forum/101.jpg");
    EXPECT_EQ(regex.subMatchText(2, 1), "forum.php?mod=viewthread&amp;tid=102");
    EXPECT_EQ(regex.subMatchText(2, 2), "data/attachment/forum/102.gif");

    // Case respected, the upper-case item is not found.
    ASSERT_TRUE(regex.matchAll(pattern, page, true));
    EXPECT_EQ(regex.matchCount(), 1);
}

TEST(RegexObject, HostilePageEndsWithNoMatch) {
    const Text pattern = "<a href=\"(.*?)\" class=\"image\" title=\".*?\" target=\"_blank\" "
                         "style=\"[\\S\\s]*?<img src=\"(.*?)\" border";
    Text page;
    for (int i = 0; i < 20000; ++i) {
        page += "<a href=\"forum.php?tid=1\" class=\"image\" title=\"" + cp("头像") +
                "\" target=\"_blank\" style=\"width:1px;height:1px;padding:0;margin:0;border:0;\">\n";
    }
    RegexObject regex;
    ASSERT_TRUE(regex.matchAll(pattern, page));
    EXPECT_EQ(regex.matchCount(), 0);
}

TEST(RegexObject, CopySharesTheResultsAndKeepsItsSubject) {
    RegexObject original;
    ASSERT_TRUE(original.matchAll("(b)", cp("a中b b")));
    RegexObject copy(original);
    EXPECT_EQ(copy.pattern(), "(b)");
    EXPECT_EQ(copy.matchCount(), 2);
    int offset = 0;
    EXPECT_EQ(copy.subMatchText(2, 1, &offset), "b");
    EXPECT_EQ(offset, 5);

    // A new search of the original leaves the copy with the old engine, matches and subject.
    ASSERT_TRUE(original.matchAll("x", "xyx"));
    EXPECT_EQ(copy.matchCount(), 2);
    EXPECT_EQ(copy.pattern(), "(b)");
    EXPECT_EQ(copy.replace("[$1]"), cp("a中[b] [b]"));
    EXPECT_EQ(original.replace("-"), "-y-");

    RegexObject assigned;
    assigned = original;
    EXPECT_EQ(assigned.matchCount(), 2);
    EXPECT_EQ(assigned.matchText(2, &offset), "x");
    EXPECT_EQ(offset, 2);
}

TEST(RegexObject, ReplaceUsesTheEnginesSyntax) {
    RegexObject regex;
    ASSERT_TRUE(regex.matchAll("(\\w+)@(\\w+)", cp("中 a@b c@d")));
    EXPECT_EQ(regex.replace("$2@$1"), cp("中 b@a d@c"));
    EXPECT_EQ(regex.replace(cp("“$&”")), cp("中 “a@b” “c@d”"));
    ASSERT_TRUE(regex.matchAll("(\\w+)@(\\w+)", cp("中 a@b c@d"), std::nullopt, std::nullopt, false));
    EXPECT_EQ(regex.replace("$$"), cp("中 $ c@d"));
}

}  // namespace
}  // namespace pindora
