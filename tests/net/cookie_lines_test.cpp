// Cookies as the store keeps them: read from Set-Cookie values, written to
// and read from store lines, matched against requests.
#include <gtest/gtest.h>

#include "net/cookie_lines.h"

namespace quintara {
namespace {

constexpr std::time_t kNow = 1'800'000'000;

StoredCookie set(std::string_view value, std::string_view host = "127.0.0.1") {
    const auto cookie = cookieFromSetCookie(value, host, kNow);
    EXPECT_TRUE(cookie.has_value()) << value;
    return cookie.value_or(StoredCookie{});
}

TEST(CookieLines, ACookieIsStoredUnderItsHostWithPathSlash) {
    const StoredCookie cookie = set(" sid = a1b2 ; HttpOnly");
    EXPECT_EQ(cookie.name, "sid");
    EXPECT_EQ(cookie.value, "a1b2");
    EXPECT_EQ(cookie.domain, "127.0.0.1");
    EXPECT_EQ(cookie.path, "/");
    EXPECT_FALSE(cookie.subdomains);
    EXPECT_EQ(cookie.expires, 0);
}

TEST(CookieLines, PathSecureMaxAgeAndExpiresAreHonoured) {
    const StoredCookie cookie =
        set("k=v; Path=/list; Secure; Max-Age=60; Expires=Wed, 01 Jan 2020 00:00:00 GMT");
    EXPECT_EQ(cookie.path, "/list");
    EXPECT_TRUE(cookie.secure);
    EXPECT_EQ(cookie.expires, kNow + 60);
    EXPECT_EQ(set("k=v; expires=Wed, 01 Jan 2020 00:00:00 GMT").expires, 1'577'836'800);
    EXPECT_EQ(set("k=v; Max-Age=0").expires, 1);
}

TEST(CookieLines, ADomainMustHoldTheHost) {
    const StoredCookie parent = set("k=v; Domain=.LocalHost", "draws.localhost");
    EXPECT_EQ(parent.domain, "localhost");
    EXPECT_TRUE(parent.subdomains);
    EXPECT_FALSE(cookieFromSetCookie("k=v; Domain=other.localhost", "draws.localhost", kNow));
    EXPECT_FALSE(cookieFromSetCookie("k=v; Domain=calhost", "draws.localhost", kNow));
}

TEST(CookieLines, MalformedValuesAreNotStored) {
    EXPECT_FALSE(cookieFromSetCookie("no equals sign", "127.0.0.1", kNow));
    EXPECT_FALSE(cookieFromSetCookie("=v", "127.0.0.1", kNow));
    EXPECT_FALSE(cookieFromSetCookie("#k=v", "127.0.0.1", kNow));
    EXPECT_FALSE(cookieFromSetCookie("k=a\tb", "127.0.0.1", kNow));
    EXPECT_FALSE(cookieFromSetCookie("a; b=c", "127.0.0.1", kNow));
}

TEST(CookieLines, AStoreLineReadsBackAsTheSameCookie) {
    const StoredCookie cookie =
        set("k=v w; Path=/p; Domain=localhost; Secure; Max-Age=5", "a.localhost");
    EXPECT_EQ(netscapeLine(cookie), ".localhost\tTRUE\t/p\tTRUE\t1800000005\tk\tv w");
    const auto back = cookieFromNetscapeLine("#HttpOnly_" + netscapeLine(cookie));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->domain, "localhost");
    EXPECT_TRUE(back->subdomains);
    EXPECT_EQ(back->path, "/p");
    EXPECT_TRUE(back->secure);
    EXPECT_EQ(back->expires, kNow + 5);
    EXPECT_EQ(back->value, "v w");
    EXPECT_FALSE(cookieFromNetscapeLine("127.0.0.1\tFALSE\t/\tFALSE\tsoon\tk\tv"));
    EXPECT_FALSE(cookieFromNetscapeLine("127.0.0.1\tFALSE\t/"));
}

TEST(CookieLines, ARequestCarriesCookiesOfItsHostPathAndSecurity) {
    const StoredCookie cookie = set("k=v; Path=/list");
    EXPECT_TRUE(cookieApplies(cookie, "127.0.0.1", "/list", false, kNow));
    EXPECT_TRUE(cookieApplies(cookie, "127.0.0.1", "/list/new.xml?x=1", false, kNow));
    EXPECT_TRUE(cookieApplies(cookie, "127.0.0.1", "/list?x=1", false, kNow));
    EXPECT_FALSE(cookieApplies(cookie, "127.0.0.1", "/listing", false, kNow));
    EXPECT_FALSE(cookieApplies(cookie, "127.0.0.2", "/list", false, kNow));
    EXPECT_FALSE(cookieApplies(set("k=v; Secure"), "127.0.0.1", "/", false, kNow));
    EXPECT_TRUE(cookieApplies(set("k=v; Secure"), "127.0.0.1", "/", true, kNow));
    EXPECT_FALSE(cookieApplies(set("k=v; Max-Age=0"), "127.0.0.1", "/", false, kNow));
    const StoredCookie parent = set("k=v; Domain=localhost", "draws.localhost");
    EXPECT_TRUE(cookieApplies(parent, "a.localhost", "/", false, kNow));
    EXPECT_FALSE(cookieApplies(set("k=v", "localhost"), "a.localhost", "/", false, kNow));
}

}  // namespace
}  // namespace quintara
