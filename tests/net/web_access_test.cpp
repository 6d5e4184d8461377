// Web access against raw loopback servers that record the exact bytes of
// every request.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "net/request_headers.h"
#include "net/web_access.h"
#include "support/accept_line.h"
#include "support/raw_http_server.h"

namespace quintara {
namespace {

using testing::httpAnswer;
using testing::RawConnection;
using testing::answering;
using testing::RawHttpServer;

using testing::kAcceptLine;

RequestBlock block(std::string address, std::string extraHeaders = {}) {
    return {.address = std::move(address),
            .method = "GET",
            .extraHeaders = std::move(extraHeaders),
            .redirectSwitch = kFollowRedirects};
}

// The request line, Host and the agent, as every request starts.
std::string opening(std::string_view method, std::string_view target, const RawHttpServer& server,
                    std::string_view agent = kDefaultUserAgent) {
    return std::string(method) + " " + std::string(target) +
           " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server.port()) +
           "\r\nUser-Agent: " + std::string(agent) + "\r\n";
}

std::string defaultLines(std::string_view address) {
    return std::string(kAcceptLine) + "Referer: " + std::string(address) +
           "\r\nAccept-Language: zh-cn\r\n";
}

// A server that answers "ok" and keeps what it was sent.
class WebAccessWire : public ::testing::Test {
protected:
    // The one request that the web access of `request` put on the wire.
    std::string sent(RequestBlock& request) {
        webAccess(request);
        const std::vector<std::string> requests = server.requests();
        EXPECT_EQ(requests.size(), 1U);
        return requests.empty() ? std::string() : requests.back();
    }

    RawHttpServer server{answering(httpAnswer("ok"))};
};

TEST_F(WebAccessWire, WithoutExtraHeadersItHoldsTheDefaultLinesInOrder) {
    const std::string address = server.address("/static/list.xml?n=1");
    RequestBlock request = block(address);
    EXPECT_EQ(sent(request),
              opening("GET", "/static/list.xml?n=1", server) + defaultLines(address) + "\r\n");
    EXPECT_EQ(request.address, "ok");
    EXPECT_EQ(request.cookies, "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\n");
}

TEST_F(WebAccessWire, AcceptLanguageWithoutAcceptGetsNoAcceptLine) {
    const std::string address = server.address("/a");
    RequestBlock request = block(address, "Accept-Language: en\r\n");
    EXPECT_EQ(sent(request), opening("GET", "/a", server) +
                                 "Accept-Language: en\r\nReferer: " + address + "\r\n\r\n");
}

TEST_F(WebAccessWire, RefererNoSendsNoReferer) {
    RequestBlock request = block(server.address("/a"), "X-Trace: 7\r\nRefererNo\r\n");
    EXPECT_EQ(sent(request), opening("GET", "/a", server) + "X-Trace: 7\r\n" +
                                 std::string(kAcceptLine) + "Accept-Language: zh-cn\r\n\r\n");
}

TEST_F(WebAccessWire, AUserAgentOfTheExtraHeadersGoesOutOnceAfterHost) {
    const std::string address = server.address("/a");
    RequestBlock request = block(address, "X-Trace: 7\r\nUser-Agent:  Probe/1.0 \r\n");
    EXPECT_EQ(sent(request), opening("GET", "/a", server, "Probe/1.0") + "X-Trace: 7\r\n" +
                                 defaultLines(address) + "\r\n");
}

TEST_F(WebAccessWire, APostWithABodySendsTypeLengthCookiesAndTheBody) {
    const std::string address = server.address("/form");
    RequestBlock request = block(address);
    request.method = "POST";
    request.body = "a=1&b=2";
    request.cookies = "sid=9";
    EXPECT_EQ(sent(request), opening("POST", "/form", server) + defaultLines(address) +
                                 "Content-Type: application/x-www-form-urlencoded\r\n"
                                 "Content-Length: 7\r\nCookie: sid=9\r\n\r\na=1&b=2");
    EXPECT_EQ(request.address, "ok");
}

TEST_F(WebAccessWire, APostWithoutBodySendsNoTypeLengthOrCookies) {
    const std::string address = server.address("/form");
    RequestBlock request = block(address);
    request.method = "POST";
    request.cookies = "sid=9";
    EXPECT_EQ(sent(request), opening("POST", "/form", server) + defaultLines(address) + "\r\n");
}

TEST_F(WebAccessWire, ALargePostWaitsForNoContinue) {
    const std::string address = server.address("/form");
    RequestBlock request = block(address);
    request.method = "POST";
    request.body = std::string(200000, 'x');
    EXPECT_EQ(sent(request), opening("POST", "/form", server) + defaultLines(address) +
                                 "Content-Type: application/x-www-form-urlencoded\r\n"
                                 "Content-Length: 200000\r\n\r\n" +
                                 request.body);
    EXPECT_EQ(request.address, "ok");
}

TEST_F(WebAccessWire, AnAddressWithoutSchemeIsRequestedOverHttpAtItsPort) {
    const std::string address = "127.0.0.1:" + std::to_string(server.port()) + "/x";
    RequestBlock request = block(address);
    EXPECT_EQ(sent(request),
              opening("GET", "/x", server) + defaultLines("http://" + address) + "\r\n");
    EXPECT_EQ(request.address, "ok");
}

TEST(WebAccess, AProxyGetsTheRequestInAbsoluteForm) {
    RawHttpServer proxy(answering(httpAnswer("from the proxy")));
    const RawHttpServer origin(answering(httpAnswer("from the origin")));
    const std::string address = origin.address("/x?y=1");
    RequestBlock request = block(address);
    request.proxy = "127.0.0.1:" + std::to_string(proxy.port());
    webAccess(request);
    EXPECT_EQ(request.address, "from the proxy");
    EXPECT_TRUE(origin.requests().empty());
    ASSERT_EQ(proxy.requests().size(), 1U);
    EXPECT_EQ(proxy.requests()[0],
              opening("GET", address, origin) + defaultLines(address) + "\r\n");
}

RawHttpServer::Handler redirectingOnce() {
    return [](RawConnection& connection) {
        const std::string request = connection.readRequest();
        if (request.starts_with("GET /start ")) {
            connection.send(httpAnswer(
                "moved", "Location: /final\r\nSet-Cookie: hop=1; Path=/redirect\r\n", "302 Found"));
        } else if (!request.empty()) {
            connection.send(httpAnswer("arrived", "X-Last: yes\r\n"));
        }
    };
}

TEST(WebAccess, RedirectsAreFollowedAndOnlyTheFinalHeadersKept) {
    RawHttpServer server(redirectingOnce());
    RequestBlock request = block(server.address("/start"));
    webAccess(request);
    EXPECT_EQ(request.address, "arrived");
    EXPECT_EQ(request.cookies,
              "HTTP/1.1 200 OK\r\nContent-Length: 7\r\nConnection: close\r\nX-Last: yes\r\n\r\n");
    ASSERT_EQ(server.requests().size(), 2U);
    EXPECT_TRUE(server.requests()[1].starts_with("GET /final HTTP/1.1\r\n"));
}

TEST(WebAccess, AnyOtherSwitchThanTrueForbidsRedirects) {
    RawHttpServer server(redirectingOnce());
    RequestBlock request = block(server.address("/start"));
    request.redirectSwitch = "假";
    webAccess(request);
    EXPECT_EQ(request.address, "moved");
    EXPECT_TRUE(request.cookies.starts_with("HTTP/1.1 302 Found\r\n"));
    EXPECT_EQ(server.requests().size(), 1U);
}

TEST(WebAccess, AnEndlessRedirectStopsAfterTenHops) {
    RawHttpServer server(answering(httpAnswer("again", "Location: /loop\r\n", "302 Found")));
    RequestBlock request = block(server.address("/loop"));
    webAccess(request);
    EXPECT_EQ(server.requests().size(), 11U);
}

TEST(WebAccess, TwoSetCookieLinesAreStoredAndSentBackToThatHost) {
    RawHttpServer server(answering(httpAnswer(
        "ok",
        "Set-Cookie: first=1; Path=/cookies\r\nset-cookie: second=two words; path=/cookies\r\n")));
    RequestBlock setting = block(server.address("/cookies/set"));
    webAccess(setting);
    RequestBlock next = block(server.address("/cookies/next"));
    webAccess(next);
    ASSERT_EQ(server.requests().size(), 2U);
    EXPECT_EQ(server.requests()[1], opening("GET", "/cookies/next", server) +
                                        defaultLines(server.address("/cookies/next")) +
                                        "Cookie: first=1; second=two words\r\n\r\n");
    // Cookies the request carries itself replace the stored ones.
    RequestBlock own = block(server.address("/cookies/own"));
    own.cookies = "mine=3";
    webAccess(own);
    ASSERT_EQ(server.requests().size(), 3U);
    EXPECT_TRUE(server.requests()[2].ends_with("Accept-Language: zh-cn\r\nCookie: mine=3\r\n\r\n"));
}

TEST(WebAccess, HeadersPastTwoKilobytesComeBackWholeWithTheirCookies) {
    const std::string padding = "X-Padding: " + std::string(3000, 'p') + "\r\n";
    RawHttpServer server(
        answering(httpAnswer("ok", padding + "Set-Cookie: late=1; Path=/long\r\n")));
    RequestBlock setting = block(server.address("/long/set"));
    webAccess(setting);
    EXPECT_GT(setting.cookies.size(), 3000U);
    EXPECT_TRUE(setting.cookies.ends_with("Set-Cookie: late=1; Path=/long\r\n\r\n"));
    RequestBlock next = block(server.address("/long/next"));
    webAccess(next);
    ASSERT_EQ(server.requests().size(), 2U);
    EXPECT_TRUE(server.requests()[1].ends_with("Cookie: late=1\r\n\r\n"));
}

TEST(WebAccess, TheBodyOfAnErrorPageIsTheBody) {
    RawHttpServer server(answering(httpAnswer("no such page", {}, "404 Not Found")));
    RequestBlock request = block(server.address("/missing"));
    const FetchOutcome outcome = webAccess(request);
    EXPECT_EQ(outcome.end, TransferEnd::Completed);
    EXPECT_EQ(outcome.httpStatus, 404);
    EXPECT_EQ(request.address, "no such page");
    EXPECT_TRUE(request.cookies.starts_with("HTTP/1.1 404 Not Found\r\n"));
}

TEST(WebAccess, NoServerGivesAnEmptyBodyAndNoHeaders) {
    const std::string address = RawHttpServer(answering({})).address("/x");  // closed again
    RequestBlock request = block(address);
    request.cookies = "k=v";
    const FetchOutcome outcome = webAccess(request);
    EXPECT_EQ(outcome.end, TransferEnd::Failed);
    EXPECT_FALSE(outcome.error.empty());
    EXPECT_EQ(request.address, "");
    EXPECT_EQ(request.cookies, "");
}

TEST(WebAccess, ARequestThatCannotBeMadeKeepsTheCookiesText) {
    for (const std::string& address :
         {std::string("http://127.0.0.1:8/a b"), std::string("http://user@127.0.0.1/"),
          std::string("http:///x"), std::string("")}) {
        RequestBlock request = block(address);
        request.cookies = "k=v";
        webAccess(request);
        EXPECT_EQ(request.address, "") << address;
        EXPECT_EQ(request.cookies, "k=v") << address;
    }
    RequestBlock other = block("http://127.0.0.1:8/");
    other.method = "PUT";
    other.cookies = "k=v";
    webAccess(other);
    EXPECT_EQ(other.address, "");
    EXPECT_EQ(other.cookies, "k=v");
}

TEST(WebAccess, AConnectionClosedMidBodyLeavesWhatArrived) {
    RawHttpServer server([](RawConnection& connection) {
        if (connection.readRequest().empty()) return;
        connection.send("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\nfirst bytes");
    });
    RequestBlock request = block(server.address("/cut"));
    webAccess(request);
    EXPECT_EQ(request.address, "first bytes");
    EXPECT_TRUE(request.cookies.starts_with("HTTP/1.1 200 OK\r\n"));
}

RawHttpServer::Handler sendingBody(std::size_t size, bool announced) {
    return [size, announced](RawConnection& connection) {
        if (connection.readRequest().empty()) return;
        const std::string head =
            announced ? "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(size) + "\r\n\r\n"
                      : std::string("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
        if (!connection.send(head)) return;
        const std::string piece(1 << 20, 'b');
        for (std::size_t sent = 0; sent < size && connection.send(piece); sent += piece.size()) {
        }
    };
}

TEST(WebAccess, ABodyPast64MiBIsAFailure) {
    for (const bool announced : {true, false}) {
        RawHttpServer server(sendingBody(std::size_t{65} << 20, announced));
        RequestBlock request = block(server.address("/huge"));
        webAccess(request);
        EXPECT_EQ(request.address, "") << announced;
        EXPECT_EQ(request.cookies, "") << announced;
    }
}

TEST(WebAccess, ABodyOfSomeMegabytesComesWhole) {
    RawHttpServer server(sendingBody(std::size_t{3} << 20, false));
    RequestBlock request = block(server.address("/large"));
    webAccess(request);
    EXPECT_EQ(request.address, std::string(std::size_t{3} << 20, 'b'));
}

TEST(WebAccess, HeadersPastOneMebibyteAreAFailure) {
    RawHttpServer server([](RawConnection& connection) {
        if (connection.readRequest().empty() || !connection.send("HTTP/1.1 200 OK\r\n")) return;
        const std::string line = "X-Flood: " + std::string(1000, 'f') + "\r\n";
        for (int i = 0; i < 1200 && connection.send(line); ++i) {
        }
        connection.send("Content-Length: 2\r\n\r\nok");
    });
    RequestBlock request = block(server.address("/flood"));
    webAccess(request);
    EXPECT_TRUE(request.address.empty()) << request.address.size();
    EXPECT_TRUE(request.cookies.empty()) << request.cookies.size();
}

TEST(WebAccess, AStopFromAnotherThreadEndsAWaitingRequestAtOnce) {
    RawHttpServer server([](RawConnection& connection) {
        connection.readRequest();
        connection.waitForStop();
    });
    RequestBlock request = block(server.address("/silent"));
    std::stop_source stop;
    std::jthread stopper([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        stop.request_stop();
    });
    // The server never answers: back at all, the request was stopped.
    webAccess(request, stop.get_token());
    EXPECT_EQ(request.address, "");
}

}  // namespace
}  // namespace quintara
