// The texts a web access builds before anything goes on the wire: address
// parts, the user agent, the header text and the flags.
#include <gtest/gtest.h>

#include "net/address_parts.h"
#include "net/request_flags.h"
#include "net/request_headers.h"
#include "support/accept_line.h"

namespace quintara {
namespace {

using testing::kAcceptLine;

TEST(AddressParts, AnAddressWithoutSchemeIsPlainHttp) {
    const AddressParts parts = addressParts("127.0.0.1/static/list.xml");
    EXPECT_EQ(parts.address, "http://127.0.0.1/static/list.xml");
    EXPECT_EQ(parts.host, "127.0.0.1");
    EXPECT_EQ(parts.path, "/static/list.xml");
    EXPECT_EQ(parts.port, 80);
    EXPECT_FALSE(parts.secure);
}

TEST(AddressParts, HostIsLowerCaseWithoutPortAndPathKeepsItsQuery) {
    const AddressParts parts = addressParts("http://LocalHost:8080/i/api.html?do=code&issue=1");
    EXPECT_EQ(parts.host, "localhost");
    EXPECT_EQ(parts.port, 8080);
    EXPECT_EQ(parts.path, "/i/api.html?do=code&issue=1");
}

TEST(AddressParts, WithoutPathThePathIsSlash) {
    const AddressParts parts = addressParts("http://127.0.0.1:9");
    EXPECT_EQ(parts.path, "/");
    EXPECT_EQ(parts.port, 9);
}

TEST(AddressParts, ASecureAddressAlwaysConnectsTo443) {
    const AddressParts parts = addressParts("https://127.0.0.1:8443/x");
    EXPECT_TRUE(parts.secure);
    EXPECT_EQ(parts.port, 443);
    EXPECT_EQ(parts.host, "127.0.0.1");
    EXPECT_TRUE(addressParts("http://127.0.0.1/next?to=HTTPS://127.0.0.1/").secure);
}

TEST(AddressParts, AColonWithoutNumberMeans80AndANumberPastAnyPortMeans0) {
    EXPECT_EQ(addressParts("http://127.0.0.1:/x").port, 80);
    EXPECT_EQ(addressParts("http://127.0.0.1:99999/x").port, 0);
    EXPECT_EQ(addressParts("http://127.0.0.1:12345678901234567890/x").port, 0);
}

TEST(AddressParts, ASchemeInOtherLetterCaseIsNoScheme) {
    const AddressParts parts = addressParts("HTTP://127.0.0.1/x");
    EXPECT_EQ(parts.address, "http://HTTP://127.0.0.1/x");
    EXPECT_EQ(parts.host, "http");
}

TEST(UserAgent, TheExtraHeadersNameItInAnyLetterCase) {
    EXPECT_EQ(userAgentOf("X: 1\r\nUser-Agent:   Probe/1.0  \r\n"), "Probe/1.0");
    EXPECT_EQ(userAgentOf("user-agent: probe\r\n"), "probe");
    EXPECT_EQ(userAgentOf("X: 1\r\n"), kDefaultUserAgent);
}

RequestBlock get(std::string extraHeaders = {}, std::string cookies = {}) {
    return {.address = "http://127.0.0.1/a",
            .method = "GET",
            .extraHeaders = std::move(extraHeaders),
            .cookies = std::move(cookies)};
}

TEST(HeaderText, WithoutExtraHeadersItIsAcceptRefererAndLanguageInThisOrder) {
    EXPECT_EQ(requestHeaderText(get(), "http://127.0.0.1/a"),
              std::string(kAcceptLine) + "Referer: http://127.0.0.1/a\r\nAccept-Language: zh-cn\r\n");
}

TEST(HeaderText, AcceptLanguageKeepsTheAcceptLineAway) {
    EXPECT_EQ(requestHeaderText(get("Accept-Language: en\r\n"), "http://127.0.0.1/a"),
              "Accept-Language: en\r\nReferer: http://127.0.0.1/a\r\n");
}

TEST(HeaderText, TheRefererNoMarkerIsTakenOutAndNoRefererAdded) {
    EXPECT_EQ(requestHeaderText(get("X-Trace: 7\r\nrefererno\r\n"), "http://127.0.0.1/a"),
              "X-Trace: 7\r\n\r\n" + std::string(kAcceptLine) + "Accept-Language: zh-cn\r\n");
    EXPECT_EQ(
        requestHeaderText(get("Referer: http://127.0.0.1/\r\n"), "http://127.0.0.1/a"),
        "Referer: http://127.0.0.1/\r\n" + std::string(kAcceptLine) + "Accept-Language: zh-cn\r\n");
}

TEST(HeaderText, APostWithABodyGetsTypeLengthAndCookies) {
    RequestBlock block = get({}, "sid=9");
    block.method = "POST";
    block.body = "a=1&b=2";
    EXPECT_EQ(requestHeaderText(block, "http://127.0.0.1/a"),
              std::string(kAcceptLine) +
                  "Referer: http://127.0.0.1/a\r\nAccept-Language: zh-cn\r\n"
                  "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 7\r\n"
                  "Cookie: sid=9\r\n\r\n");
}

TEST(HeaderText, APostWithAnEmptyBodyGetsNoTypeLengthOrCookies) {
    RequestBlock block = get({}, "sid=9");
    block.method = "POST";
    EXPECT_EQ(requestHeaderText(block, "http://127.0.0.1/a"),
              std::string(kAcceptLine) + "Referer: http://127.0.0.1/a\r\nAccept-Language: zh-cn\r\n");
}

TEST(HeaderText, APostKeepsTheCallersOwnTypeAndLength) {
    RequestBlock block = get("Content-Type: text/plain\r\ncontent-length: 3\r\n");
    block.method = "POST";
    block.body = "abc";
    EXPECT_EQ(requestHeaderText(block, "http://127.0.0.1/a"),
              "Content-Type: text/plain\r\ncontent-length: 3\r\n" + std::string(kAcceptLine) +
                  "Referer: http://127.0.0.1/a\r\nAccept-Language: zh-cn\r\n");
}

TEST(HeaderText, AGetSendsItsCookiesTextUnlessItIsOnlySpaces) {
    EXPECT_TRUE(requestHeaderText(get({}, "k=v"), "x")
                    .ends_with("Accept-Language: zh-cn\r\nCookie: k=v\r\n"));
    EXPECT_TRUE(requestHeaderText(get({}, "   "), "x").ends_with("Accept-Language: zh-cn\r\n"));
}

TEST(RequestFlags, OwnCookiesKeepTheStoresAwayAndOnlyTrueFollowsRedirects) {
    const RequestFlags plain = requestFlags(" ", kFollowRedirects, false);
    EXPECT_FALSE(plain.noCookies);
    EXPECT_FALSE(plain.noAutoRedirect);
    EXPECT_TRUE(plain.ignoreRedirectToHttps);
    const RequestFlags own = requestFlags("k=v", "假", false);
    EXPECT_TRUE(own.noCookies);
    EXPECT_TRUE(own.noAutoRedirect);
}

TEST(RequestFlags, ASecureRequestKeepsOnlySecure) {
    const RequestFlags secure = requestFlags("k=v", "假", true);
    EXPECT_TRUE(secure.secure);
    EXPECT_FALSE(secure.noCookies);
    EXPECT_FALSE(secure.noAutoRedirect);
    EXPECT_FALSE(secure.ignoreRedirectToHttps);
}

}  // namespace
}  // namespace quintara
