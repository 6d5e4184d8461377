// Background requests against loopback servers: the answer, the time-out
// and its text, prompt control and no thread left behind, the conversions.
#include <gtest/gtest.h>

#include <chrono>

#include "platform/system_platform.h"
#include "net/background_request.h"
#include "support/raw_http_server.h"
#include "support/thread_count.h"

namespace quintara {
namespace {

using std::chrono::milliseconds;
using testing::httpAnswer;
using testing::RawConnection;
using testing::answering;
using testing::RawHttpServer;
using testing::threadCount;
using testing::threadCountSettlingAt;

void silent(RawConnection& connection) {
    connection.readRequest();
    connection.waitForStop();
}

void dripping(RawConnection& connection) {
    if (connection.readRequest().empty() ||
        !connection.send("HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n")) {
        return;
    }
    while (connection.pause(milliseconds(100)) && connection.send("d")) {
    }
}

// The system's wait, with the limit each wait was given noted.
class NotingPlatform : public SystemPlatform {
public:
    bool waitDispatching(const std::function<bool()>& finished, int limitMs) override {
        limits.push_back(limitMs);
        return SystemPlatform::waitDispatching(finished, limitMs);
    }
    std::vector<int> limits;
};

TEST(BackgroundRequest, AnAnswerWithinTheLimitGivesBodyAndHeaders) {
    RawHttpServer server(answering(httpAnswer("opencode=1,2,3,4,5")));
    NotingPlatform platform;
    const BackgroundAnswer answer =
        backgroundRequest(platform, {.address = server.address("/list")});
    EXPECT_FALSE(answer.timedOut);
    EXPECT_EQ(answer.body, "opencode=1,2,3,4,5");
    EXPECT_EQ(answer.responseHeaders,
              "HTTP/1.1 200 OK\r\nContent-Length: 18\r\nConnection: close\r\n\r\n");
    ASSERT_EQ(platform.limits.size(), 1U);
    EXPECT_EQ(platform.limits[0], 60000);  // without a time-out
    ASSERT_EQ(server.requests().size(), 1U);
    EXPECT_TRUE(server.requests()[0].starts_with("GET /list HTTP/1.1\r\n"));
}

TEST(BackgroundRequest, AnAddressOfOnlySpacesMakesNoRequest) {
    NotingPlatform platform;
    const BackgroundAnswer answer = backgroundRequest(platform, {.address = "   "});
    EXPECT_EQ(answer.body, "");
    EXPECT_FALSE(answer.timedOut);
    EXPECT_TRUE(platform.limits.empty());
}

TEST(BackgroundRequest, APostCarriesItsBodyAndRedirectsAreFollowed) {
    RawHttpServer server([](RawConnection& connection) {
        const std::string request = connection.readRequest();
        if (request.starts_with("POST /old ")) {
            connection.send(httpAnswer("", "Location: /new\r\n", "301 Moved Permanently"));
        } else if (!request.empty()) {
            connection.send(httpAnswer("new place"));
        }
    });
    SystemPlatform platform;
    const BackgroundAnswer answer = backgroundRequest(
        platform, {.address = server.address("/old"), .post = true, .body = "q=1"});
    EXPECT_EQ(answer.body, "new place");
    ASSERT_EQ(server.requests().size(), 2U);
    EXPECT_TRUE(server.requests()[0].ends_with("Content-Length: 3\r\n\r\nq=1"));
    EXPECT_TRUE(server.requests()[1].starts_with("POST /new HTTP/1.1\r\n"));
    EXPECT_TRUE(server.requests()[1].ends_with("\r\n\r\nq=1"));
}

// The caller waits the second it allows for `handler`'s server and gets the
// time-out text, with every thread of the request gone.
void expectTimeOut(const RawHttpServer::Handler& handler) {
    constexpr int limitSeconds = 1;
    RawHttpServer server(handler);
    SystemPlatform platform;
    const std::size_t threadsBefore = threadCount();
    const auto start = std::chrono::steady_clock::now();
    const BackgroundAnswer answer = backgroundRequest(
        platform, {.address = server.address("/wait"), .timeoutSeconds = limitSeconds});
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(answer.timedOut);
    EXPECT_EQ(answer.outcome.end, TransferEnd::TimedOut);
    EXPECT_EQ(answer.body, kTimeoutText);
    EXPECT_EQ(answer.responseHeaders, "");
    EXPECT_GE(waited, std::chrono::seconds(limitSeconds));
    EXPECT_EQ(threadCountSettlingAt(threadsBefore), threadsBefore);
}

TEST(BackgroundRequest, ASilentServerTimesOut) { expectTimeOut(silent); }


TEST(BackgroundRequest, ABodyDrippingPastTheLimitTimesOut) { expectTimeOut(dripping); }

TEST(BackgroundRequest, ATimeOutOfZeroEndsAtOnce) {
    RawHttpServer server(silent);
    SystemPlatform platform;
    const BackgroundAnswer answer =
        backgroundRequest(platform, {.address = server.address("/wait"), .timeoutSeconds = 0});
    EXPECT_TRUE(answer.timedOut);
}

TEST(BackgroundRequest, ConversionOneTurnsUtf8IntoGbk) {
    RawHttpServer server(answering(httpAnswer("中文abc")));
    SystemPlatform platform;
    const BackgroundAnswer answer = backgroundRequest(
        platform, {.address = server.address("/u"), .conversion = BodyConversion::Utf8ToGbk});
    EXPECT_EQ(answer.body,
              "\xD6\xD0\xCE\xC4"
              "abc");
}

TEST(BackgroundRequest, ConversionTwoTurnsBig5IntoSimplifiedGbk) {
    RawHttpServer server(answering(httpAnswer("\xBB\x4F\xC6\x57\xB6\x7D\xBC\xFA")));  // 臺灣開獎
    SystemPlatform platform;
    const BackgroundAnswer answer = backgroundRequest(
        platform,
        {.address = server.address("/b"), .conversion = BodyConversion::Big5ToSimplifiedGbk});
    EXPECT_EQ(answer.body, "\xCC\xA8\xCD\xE5\xBF\xAA\xBD\xB1");  // 台湾开奖
}

TEST(BackgroundRequest, WithoutConversionTheBytesStayAsTheyCame) {
    const std::string bytes("\xBB\xB4\x00\xFF", 4);
    RawHttpServer server(answering(httpAnswer(bytes)));
    SystemPlatform platform;
    EXPECT_EQ(backgroundRequest(platform, {.address = server.address("/raw")}).body, bytes);
}

}  // namespace
}  // namespace quintara
