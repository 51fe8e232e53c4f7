#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/regexp/regexp.h"

namespace pindora {
namespace {

const std::u16string kLoaderPattern =
    u"<a href=\"(.*?)\" class=\"image\" title=\".*?\" target=\"_blank\" style=\"[\\S\\s]*?<img src=\"(.*?)\" border";

struct Found {
    std::u16string value;
    int firstIndex;
    bool operator==(const Found&) const = default;
};

void PrintTo(const Found& found, std::ostream* os) {
    *os << "{" << ::testing::PrintToString(found.value) << " at " << found.firstIndex << "}";
}

std::shared_ptr<const RegExpMatchCollection> execute(std::u16string_view pattern, std::u16string_view subject,
                                                     bool ignoreCase, bool multiline, bool global) {
    RegExpEngine engine;
    engine.IgnoreCase(ignoreCase);
    engine.Multiline(multiline);
    engine.Global(global);
    engine.Pattern(pattern);
    return engine.Execute(subject);
}

std::vector<Found> found(const RegExpMatchCollection& matches) {
    std::vector<Found> out;
    for (int i = 0; i < matches.Count(); ++i) out.push_back({matches.Item(i)->Value(), matches.Item(i)->FirstIndex()});
    return out;
}

TEST(RegExpEngine, Dialect) {
    struct Case {
        const char* what;
        std::u16string pattern;
        std::u16string subject;
        bool ignoreCase, multiline, global;
        std::vector<Found> expected;
    };
    const Case cases[] = {
        {"dot stops at \\n and \\r", u"a.b", u"a\nb a\rb axb", false, false, true, {{u"axb", 8}}},
        {"[\\S\\s] takes line breaks", u"a[\\S\\s]b", u"a\nb a\rb", false, false, true, {{u"a\nb", 0}, {u"a\rb", 4}}},
        {"lazy", u"<(.*?)>", u"<x><yy>", false, false, true, {{u"<x>", 0}, {u"<yy>", 3}}},
        {"greedy for contrast", u"<(.*)>", u"<x><yy>", false, false, true, {{u"<x><yy>", 0}}},
        {"no overlaps", u"aa", u"aaaaa", false, false, true, {{u"aa", 0}, {u"aa", 2}}},
        {"first match only", u"a", u"aaa", false, false, false, {{u"a", 0}}},
        {"case respected", u"ab", u"AB ab", false, false, true, {{u"ab", 3}}},
        {"case ignored", u"ab", u"AB ab", true, false, true, {{u"AB", 0}, {u"ab", 3}}},
        {"case ignored beyond ASCII", u"ä", u"Ä", true, false, true, {{u"Ä", 0}}},
        {"empty match goes one further", u"x*", u"axxb", false, false, true,
         {{u"", 0}, {u"xx", 1}, {u"", 3}, {u"", 4}}},
        {"a character, not a unit", u".", u"中😀a", false, false, true, {{u"中", 0}, {u"😀", 1}, {u"a", 3}}},
        {"empty matches step over a surrogate pair", u"x*", u"😀", false, false, true, {{u"", 0}, {u"", 2}}},
        {"^ at line starts when multi-line", u"^b", u"a\nb\r\nb", false, true, true, {{u"b", 2}, {u"b", 5}}},
        {"^ at the start only otherwise", u"^b", u"b\nb", false, false, true, {{u"b", 0}}},
        {"$ at the very end otherwise", u"a$", u"a\na\n", false, false, true, {}},
        {"\\u escapes", u"\\u4e2d", u"中", false, false, true, {{u"中", 0}}},
        {"an unpaired surrogate is one character", u".", std::u16string{u'a', char16_t(0xD800), u'b'}, false, false,
         true, {{u"a", 0}, {u"\uFFFD", 1}, {u"b", 2}}},
    };
    for (const Case& c : cases) {
        auto matches = execute(c.pattern, c.subject, c.ignoreCase, c.multiline, c.global);
        ASSERT_NE(matches, nullptr) << c.what;
        EXPECT_EQ(found(*matches), c.expected) << c.what;
        EXPECT_FALSE(matches->LimitReached()) << c.what;
    }
}

TEST(RegExpEngine, GroupsAndItemsOutOfRange) {
    auto matches = execute(u"(a)|(b)", u"b", false, false, true);
    ASSERT_EQ(matches->Count(), 1);
    auto groups = matches->Item(0)->SubMatches();
    ASSERT_EQ(groups->Count(), 2);
    EXPECT_EQ(groups->Item(0), u"");  // took no part
    EXPECT_EQ(groups->Item(1), u"b");
    EXPECT_EQ(groups->Item(2), u"");
    EXPECT_EQ(groups->Item(-1), u"");
    EXPECT_EQ(matches->Item(1), nullptr);
    EXPECT_EQ(matches->Item(-1), nullptr);
}

TEST(RegExpEngine, RejectedPatternGivesNoCollection) {
    RegExpEngine engine;
    engine.Pattern(u"(a");
    EXPECT_EQ(engine.Execute(u"a"), nullptr);
    EXPECT_EQ(engine.Replace(u"a", u"b"), std::nullopt);
    engine.Pattern(u"[]a");  // an empty class matches nothing, as in the script engine
    auto matches = engine.Execute(u"a");
    ASSERT_NE(matches, nullptr);
    EXPECT_EQ(matches->Count(), 0);
}

TEST(RegExpEngine, Replace) {
    struct Case {
        std::u16string pattern, subject, replacement;
        bool global;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"(\\w+)@(\\w+)", u"a@b c@d", u"$2@$1", true, u"b@a d@c"},
        {u"(\\w+)@(\\w+)", u"a@b c@d", u"$2@$1", false, u"b@a c@d"},
        {u"b", u"abc", u"[$&$&]", true, u"a[bb]c"},
        {u"b", u"abc", u"[$`|$']", true, u"a[a|c]c"},
        {u"b", u"abc", u"$$", true, u"a$c"},
        {u"(b)", u"abc", u"$2$0$", true, u"a$2$0$c"},         // no such groups: kept as written
        {u"(b)", u"abc", u"$10", true, u"ab0c"},              // one group: $1 then "0"
        {u"(b)|(x)", u"abc", u"<$2>", true, u"a<>c"},         // a group that took no part
        {u"x*", u"ab", u"-", true, u"-a-b-"},
        {u"中", u"中文中", u"汉", true, u"汉文汉"},
    };
    for (const Case& c : cases) {
        RegExpEngine engine;
        engine.Global(c.global);
        engine.Pattern(c.pattern);
        EXPECT_EQ(engine.Replace(c.subject, c.replacement), c.expected) << ::testing::PrintToString(c.replacement);
    }
}

TEST(RegExpEngine, RunawaySearchStopsAtTheLimitKeepingEarlierMatches) {
    // (a+)+b backtracks exponentially over a run of "a" that is not followed by "b".
    std::u16string subject = u"x x " + std::u16string(40, u'a') + u"!b";
    auto matches = execute(u"x|(a+)+b", subject, false, false, true);
    ASSERT_NE(matches, nullptr);
    EXPECT_TRUE(matches->LimitReached());
    EXPECT_EQ(found(*matches), (std::vector<Found>{{u"x", 0}, {u"x", 2}}));
}

std::u16string pageOf(std::u16string_view unit, size_t size) {
    std::u16string page;
    while (page.size() < size) page += unit;
    return page;
}

TEST(RegExpEngine, HostilePagesEndWithTheRightResult) {
    // Two megabytes of anchors whose tail never comes: a plain search from each start runs to
    // the end of the page (of the line, for the first kind).
    const std::u16string hostile[] = {
        u"<a href=\"",
        u"<a href=\"thread-1.html\" class=\"image\" title=\"t\" target=\"_blank\" style=\"width:1px\">\n",
    };
    for (const auto& unit : hostile) {
        auto matches = execute(kLoaderPattern, pageOf(unit, 2 * 1024 * 1024), true, true, true);
        ASSERT_NE(matches, nullptr);
        EXPECT_EQ(matches->Count(), 0);
    }

    // The same heads followed at last by one tail: one match from the first head to the tail.
    std::u16string page = pageOf(hostile[1], 2 * 1024 * 1024) + u"<img src=\"z.jpg\" border";
    auto matches = execute(kLoaderPattern, page, true, true, true);
    ASSERT_NE(matches, nullptr);
    ASSERT_EQ(matches->Count(), 1);
    EXPECT_EQ(matches->Item(0)->FirstIndex(), 0);
    EXPECT_EQ(matches->Item(0)->SubMatches()->Item(0), u"thread-1.html");
    EXPECT_EQ(matches->Item(0)->SubMatches()->Item(1), u"z.jpg");
}

TEST(RegExpEngine, LargeOrdinaryPageStaysWithinTheLimit) {
    std::u16string page = pageOf(u"<div><a href=\"forum.php?mod=viewthread&tid=1\">title</a> by <b>x</b></div>\n",
                                 2 * 1024 * 1024);
    for (int i = 0; i < 6; ++i) {
        page += u"<a href=\"t" + std::u16string(1, char16_t(u'0' + i)) +
                u"\" class=\"image\" title=\"x\" target=\"_blank\" style=\"width:200px;\n height:100px\">\n"
                u"<img src=\"a.jpg\" border=\"0\"></a>\n";
    }
    auto matches = execute(kLoaderPattern, page, true, true, true);
    ASSERT_NE(matches, nullptr);
    EXPECT_FALSE(matches->LimitReached());
    ASSERT_EQ(matches->Count(), 6);
    EXPECT_EQ(matches->Item(5)->SubMatches()->Item(0), u"t5");
}

}  // namespace
}  // namespace pindora
