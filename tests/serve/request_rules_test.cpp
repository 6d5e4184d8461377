// The rules a request is held to before anything is made for it, as plain
// data: where the server listens and whether only this machine reaches it,
// the token as presented and as read from a file, the refusals in their
// order, and the query values the API takes.
#include <gtest/gtest.h>

#include "serve/query_values.h"
#include "serve/request_guard.h"
#include "serve/listen_address.h"

namespace quintara {
namespace {

TEST(ListenAddress, ReadsHostAndPortAndKnowsLoopbackFromTheRest) {
    const auto port = listenAddressNamed("8350");
    ASSERT_TRUE(port);
    EXPECT_EQ(port->host, "127.0.0.1");
    EXPECT_EQ(port->port, 8350);
    EXPECT_TRUE(port->loopback());
    EXPECT_EQ(port->url(8350), "http://127.0.0.1:8350/");
    EXPECT_EQ(listenAddressNamed("[::1]:0")->url(41000), "http://[::1]:41000/");
    for (const std::string loopback : {"127.0.0.1:1", "127.200.3.4:80", "[::1]:8350", "localhost:8350"}) {
        ASSERT_TRUE(listenAddressNamed(loopback)) << loopback;
        EXPECT_TRUE(listenAddressNamed(loopback)->loopback()) << loopback;
    }
    for (const std::string other : {"0.0.0.0:8350", "128.0.0.1:80", "[::]:8350", "[::ffff:127.0.0.1]:80",
                                    "192.168.1.2:8350", "watch.example:80", "localhost.example:80"}) {
        ASSERT_TRUE(listenAddressNamed(other)) << other;
        EXPECT_FALSE(listenAddressNamed(other)->loopback()) << other;
    }
    for (const std::string bad : {"", ":", "80x", "-1", "65536", "127.0.0.1:", "::1:80", "[::1]80", "[nohost]:80",
                                  "a b:80", "host/x:80", "127.0.0.1:123456"}) {
        EXPECT_FALSE(listenAddressNamed(bad)) << bad;
    }
}

TEST(AccessToken, AdmitsItselfOnlyAndIsReadFromTheFirstLineOfAFile) {
    const auto token = AccessToken::of("s3cret");
    ASSERT_TRUE(token);
    EXPECT_TRUE(token->admits("s3cret"));
    for (const std::string other : {"", "s3cre", "s3crett", "S3cret", "s3cret "}) EXPECT_FALSE(token->admits(other));
    EXPECT_TRUE(AccessToken::ofFileText("  s3cret \r\nsecond line\n")->admits("s3cret"));
    for (const std::string& unusable : std::vector<std::string>{"", "two words", "tab\there", std::string(513, 'x'), "中文"}) {
        EXPECT_FALSE(AccessToken::of(unusable)) << unusable;
    }
    EXPECT_TRUE(AccessToken::of(std::string(512, 'x')));
    EXPECT_FALSE(AccessToken::ofFileText("\nthe token on line two\n"));
}

TEST(RequestGuard, RefusesHeadersThenMethodsAndBodiesThenTokensInThatOrder) {
    const QueryParameters none;
    const QueryParameters carried{{"token", "t0ken"}};
    const auto token = AccessToken::of("t0ken");
    const auto status = [&](std::string_view method, const QueryParameters& parameters, std::string_view authorization,
                            std::size_t bytes, const AccessToken* asked) {
        const auto refused = refusal({method, "/health", parameters, authorization, bytes}, asked);
        return refused ? refused->status : 200;
    };
    EXPECT_EQ(status("GET", none, "", 100, nullptr), 200);
    EXPECT_EQ(status("HEAD", none, "", kMostHeaderBytes, nullptr), 200);
    EXPECT_EQ(status("GET", none, "", kMostHeaderBytes + 1, &*token), 431);
    EXPECT_EQ(status("POST", none, "", 100, &*token), 405);
    EXPECT_EQ(status("get", none, "", 100, nullptr), 405);
    EXPECT_EQ(status("GET", none, "", 100, &*token), 401);
    EXPECT_EQ(status("GET", carried, "", 100, &*token), 200);
    EXPECT_EQ(status("GET", none, "Bearer t0ken", 100, &*token), 200);
    EXPECT_EQ(status("GET", none, "bearer   t0ken ", 100, &*token), 200);
    EXPECT_EQ(status("GET", carried, "Bearer other", 100, &*token), 401);
    EXPECT_EQ(status("GET", none, "t0ken", 100, &*token), 401);
    EXPECT_EQ(refusal({"GET", "/", none, "", 10, false, false}, &*token)->status, 400);  // no Host
    EXPECT_EQ(refusal({"GET", "/", none, "", 10, true}, &*token)->status, 413);
    EXPECT_EQ(refusal({"POST", "/", none, "", 10, true}, &*token)->status, 405);
    const auto refused = refusal({"DELETE", "/", none, "", 10}, nullptr);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->headers, (std::vector<std::pair<std::string, std::string>>{{"Allow", "GET, HEAD"}}));
}

TEST(QueryValues, TakeEachParameterOnceAndOnlyInItsBounds) {
    const auto limit = [](QueryParameters parameters) {
        const auto read = limitOf(parameters, 30, 1000);
        return std::holds_alternative<std::size_t>(read) ? static_cast<long>(std::get<std::size_t>(read)) : -1L;
    };
    EXPECT_EQ(limit({}), 30);
    EXPECT_EQ(limit({{"limit", "1"}}), 1);
    EXPECT_EQ(limit({{"limit", "1000"}}), 1000);
    EXPECT_EQ(limit({{"limit", "0007"}}), 7);
    for (const std::string bad : {"0", "1001", "", " 5", "5 ", "+5", "-5", "0x10", "1e3", "99999999999999999999"}) {
        EXPECT_EQ(limit({{"limit", bad}}), -1) << bad;
    }
    EXPECT_EQ(limit({{"limit", "5"}, {"limit", "5"}}), -1);
    EXPECT_EQ(std::get<QueryFault>(limitOf({{"limit", "0"}}, 30, 1000)).text, "limit 须为 1 至 1000 的整数");

    const auto view = viewOf({{"view", "前二"}}, kAllFiveView);
    ASSERT_TRUE(std::holds_alternative<ChartView>(view));
    EXPECT_EQ(std::get<ChartView>(view).size(), 2);
    EXPECT_TRUE(std::holds_alternative<QueryFault>(viewOf({{"view", "后四"}}, kAllFiveView)));

    const NamedRange fallback{DrawRange::all(), "all"};
    EXPECT_EQ(std::get<NamedRange>(rangeOf({}, fallback)).range, DrawRange::all());
    EXPECT_EQ(std::get<NamedRange>(rangeOf({{"range", "7d"}}, fallback)).range, DrawRange::lastDays(7));
    for (const std::string bad : {"all", "0", "1d", "20261201-001:", ":20261201-001", "20261202-001:20261201-001",
                                  "20261301-001:20261302-001", "2147483648"}) {
        EXPECT_TRUE(std::holds_alternative<QueryFault>(rangeOf({{"range", bad}}, fallback))) << bad;
    }
}

}  // namespace
}  // namespace quintara
