// Cookies: capture, tidy-up and the table of merges.
#include <gtest/gtest.h>

#include "net/cookies.h"
#include "platform/codepage/codepage.h"

namespace pindora {
namespace {

Text capture(const std::vector<Text>& lines) {
    Text responseCookies;
    for (const Text& line : lines) captureCookie(line, responseCookies);
    tidyCookies(responseCookies, nullptr);
    return responseCookies;
}

TEST(CookieCapture, Lines) {
    EXPECT_EQ(capture({"Set-Cookie: sid=abc; path=/"}), "sid=abc");
    EXPECT_EQ(capture({"HTTP/1.1 200 OK", "Set-Cookie: a=1; path=/", "X: y", "Set-Cookie: b=2; HttpOnly"}), "a=1; b=2");
    EXPECT_EQ(capture({"Set-Cookie: x=1", "Set-Cookie: b=2;"}), "; b=2");
    EXPECT_EQ(capture({"set-cookie: a=1; path=/"}), "");
    EXPECT_EQ(capture({"HTTP/1.1 200 OK", "Content-Type: text/html"}), "");
    EXPECT_EQ(capture({}), "");
    EXPECT_EQ(capture({"Set-Cookie a=1; path=/"}), "");  // no colon: the empty entry, tidied
}

TEST(MergeCookies, Table) {
    struct Row {
        const char* cookies;
        const char* response;
        const char* merged;
        const char* responseAfter;
    } rows[] = {
        {"a=1; b=2", "b=3; c=4", "b=3; c=4; a=1", "b=3;c=4"},
        {"a=1; b=2", "a=deleted", "b=2", "a=deleted"},
        {"a=1; a=2", "", "a=1", ""},
        {"msg=hello world", "", "msg=helloworld", ""},
        {"", "", "", ""},
        {"", "x=1; y=2", "x=1; y=2", "x=1;y=2"},
        {"x=1; y=2; x=1", "", "x=1; y=2", ""},
        {"a=1", "a=1", "a=1", "a=1"},
        {"a=1; b=2", "b=deleted; c=3", "c=3; a=1", "b=deleted;c=3"},
        {"flag; a=1", "flag", "flag; a=1", "flag"},
        {"a=1", "; b=2", "; b=2; a=1", ";b=2"},
    };
    for (const Row& r : rows) {
        Text cookies = r.cookies, response = r.response;
        Text result = mergeCookies(cookies, response);
        EXPECT_EQ(result, r.merged) << r.cookies << " + " << r.response;
        EXPECT_EQ(cookies, r.merged) << r.cookies << " + " << r.response;
        EXPECT_EQ(response, r.responseAfter) << r.cookies << " + " << r.response;
    }
    Text cookies = utf8ToCp936("n=值　值"), response;  // the full-width space goes as well
    EXPECT_EQ(mergeCookies(cookies, response), utf8ToCp936("n=值值"));
}

TEST(MergeCookies, TidyMergesOnlyWhenGiven) {
    Text response = "b=3; ";
    Text cookies = "a=1";
    tidyCookies(response, &cookies);
    EXPECT_EQ(cookies, "b=3; a=1");
    EXPECT_EQ(response, "b=3");
}

TEST(CookieHelpers, NamesAndLists) {
    EXPECT_EQ(cookieName(" sid = abc"), "sid");
    EXPECT_EQ(cookieName("flag"), "flag");
    EXPECT_EQ(cookieName(" flag "), "flag");
    EXPECT_EQ(cookieName("=v"), "");
    EXPECT_TRUE(hasCookieNamed({"a=1", "b=2"}, "b"));
    EXPECT_FALSE(hasCookieNamed({"a=1", "b=2"}, "B"));
    EXPECT_FALSE(hasCookieNamed({}, "a"));
    EXPECT_EQ(indexOfText({"x", "y", "x"}, "x"), 1);
    EXPECT_EQ(indexOfText({"x", "y"}, "y"), 2);
    EXPECT_EQ(indexOfText({"x", "y"}, "z"), -1);
    EXPECT_EQ(joinDistinct("x; y; x", "; "), "x; y");
    EXPECT_EQ(joinDistinct("", "; "), "");
    EXPECT_EQ(joinDistinct("a;;a;", ";"), "a;");
    EXPECT_EQ(joinDistinct("x; y; ", "; "), "x; y");
}

}  // namespace
}  // namespace pindora
