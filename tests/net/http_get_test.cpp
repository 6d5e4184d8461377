#include "net/http_get.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <limits>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "net/page_fetch.h"
#include "platform/system_platform.h"
#include "support/loopback_http_server.h"
#include "support/thread_count.h"

namespace quintara {
namespace {

using namespace std::chrono_literals;
using testing::LoopbackHttpServer;

constexpr std::size_t kMebibyte = std::size_t{1} << 20;

// Serves `pieces` pieces of 1 MiB each, with a length announced or chunked.
void serveMebibytes(httplib::Response& response, std::size_t pieces, bool announceLength) {
    auto piece = std::make_shared<std::string>(kMebibyte, 'x');
    if (announceLength) {
        response.set_content_provider(pieces * kMebibyte, "application/octet-stream",
                                      [piece](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                                          const std::size_t inPiece = offset % kMebibyte;
                                          return sink.write(piece->data() + inPiece,
                                                            kMebibyte - inPiece);
                                      });
        return;
    }
    auto sent = std::make_shared<std::size_t>(0);
    response.set_chunked_content_provider(
        "application/octet-stream", [piece, sent, pieces](std::size_t, httplib::DataSink& sink) {
            if ((*sent)++ == pieces) {
                sink.done();
                return true;
            }
            return sink.write(piece->data(), piece->size());
        });
}

class HttpGetTest : public ::testing::Test {
protected:
    SystemPlatform platform;  // waits without a window
    // What the routes record; made before the server and gone after it.
    std::mutex seen;
    std::string cacheControl;
    std::string pragma;
    std::atomic<bool> slowReleased = false;
    std::atomic<bool> slowAnswered = false;

    LoopbackHttpServer server{[this](httplib::Server& routes) {
        routes.Get("/feed", [this](const httplib::Request& request, httplib::Response& response) {
            const std::lock_guard lock(seen);
            cacheControl = request.get_header_value("Cache-Control");
            pragma = request.get_header_value("Pragma");
            response.set_content(std::string("bytes\0\xff as sent", 15), "text/xml");
        });
        routes.Get("/missing", [](const httplib::Request&, httplib::Response& response) {
            response.status = 404;
            response.set_content("<html>not here, but a body</html>", "text/html");
        });
        routes.Get("/broken", [](const httplib::Request&, httplib::Response& response) {
            response.status = 500;
            response.set_content("expect=1 opencode=2 opentime", "text/plain");
        });
        routes.Get("/empty", [](const httplib::Request&, httplib::Response&) {});
        routes.Get(R"(/hop/(\d+))", [](const httplib::Request& request, httplib::Response& response) {
            const int left = std::stoi(request.matches[1]);
            response.set_redirect(left == 0 ? "/feed" : "/hop/" + std::to_string(left - 1));
        });
        routes.Get(R"(/mebibytes/(\d+)/(\w+))",
                   [](const httplib::Request& request, httplib::Response& response) {
                       serveMebibytes(response, std::stoul(request.matches[1]),
                                      request.matches[2] == "announced");
                   });
        // Answers once the test releases it, or after 5 s: a client back
        // before it answered did not wait for it.
        routes.Get("/slow", [this](const httplib::Request&, httplib::Response& response) {
            for (int wait = 0; wait < 500 && !slowReleased; ++wait) std::this_thread::sleep_for(10ms);
            slowAnswered = true;
            response.set_content("too late", "text/plain");
        });
    }};
};

TEST_F(HttpGetTest, TakesTheWholeBodyAsItsBytes) {
    EXPECT_EQ(httpGet(platform, server.address("/feed")), std::string("bytes\0\xff as sent", 15));
}

TEST_F(HttpGetTest, AsksForAnAnswerFromTheServerNotFromACache) {
    ASSERT_FALSE(httpGet(platform, server.address("/feed")).empty());
    const std::lock_guard lock(seen);
    EXPECT_EQ(cacheControl, "no-cache");
    EXPECT_EQ(pragma, "no-cache");
}

TEST_F(HttpGetTest, AnHttpErrorGivesNoBody) {
    EXPECT_EQ(httpGet(platform, server.address("/missing")), "");
    EXPECT_EQ(httpGet(platform, server.address("/broken")), "");
    EXPECT_EQ(httpGet(platform, server.address("/nowhere")), "");
}

TEST_F(HttpGetTest, AnEmptyBodyIsEmpty) {
    EXPECT_EQ(httpGet(platform, server.address("/empty")), "");
}

TEST_F(HttpGetTest, FollowsUpToFiveRedirects) {
    EXPECT_EQ(httpGet(platform, server.address("/hop/0")).size(), 15U);
    EXPECT_EQ(httpGet(platform, server.address("/hop/4")).size(), 15U);  // five redirects
    EXPECT_EQ(httpGet(platform, server.address("/hop/5")), "");          // six
}

TEST_F(HttpGetTest, ABodyOfSixtyFourMebibytesIsTakenAndALongerOneRefused) {
    const std::size_t limit = kResourceGetPolicy.bodyLimit;
    EXPECT_EQ(httpGet(platform, server.address("/mebibytes/64/announced")).size(), limit);
    EXPECT_EQ(httpGet(platform, server.address("/mebibytes/64/chunked")).size(), limit);
    EXPECT_EQ(httpGet(platform, server.address("/mebibytes/65/announced")), "");
    EXPECT_EQ(httpGet(platform, server.address("/mebibytes/65/chunked")), "");
}

TEST_F(HttpGetTest, AnUnreachableHostGivesNoBody) {
    EXPECT_EQ(httpGet(platform, "http://" + testing::closedLoopbackHost() + "/feed"), "");
    EXPECT_EQ(httpGet(platform, "not an address"), "");
    EXPECT_EQ(httpGet(platform, "file:///etc/hostname"), "");
}

TEST_F(HttpGetTest, AnAnswerLaterThanTheBoundGivesNoBody) {
    const std::string body =
        httpGet(platform, server.address("/slow"), {.connect = 1000ms, .whole = 200ms});
    slowReleased = true;
    EXPECT_EQ(body, "");
}

TEST_F(HttpGetTest, RequestsOnSeveralThreadsEachGetTheirOwnBody) {
    const auto fetch = [this](std::string_view path) {
        return httpGet(platform, server.address(path));
    };
    auto feed = std::async(std::launch::async, fetch, "/feed");
    auto large = std::async(std::launch::async, fetch, "/mebibytes/3/chunked");
    const std::string missing = fetch("/missing");
    EXPECT_EQ(feed.get().size(), 15U);
    EXPECT_EQ(large.get().size(), 3 * kMebibyte);
    EXPECT_EQ(missing, "");
}

// The system's wait, with the limit of each wait noted; `ended` makes every
// wait end at once unfinished, as when the program is ending.
class EndableNotingPlatform : public SystemPlatform {
public:
    bool waitDispatching(const std::function<bool()>& finished, int limitMs) override {
        limits.push_back(limitMs);
        return !ended && SystemPlatform::waitDispatching(finished, limitMs);
    }
    std::vector<int> limits;
    bool ended = false;
};

// And half a second more, so that a transfer past its bound says so itself.
TEST_F(HttpGetTest, TheCallerWaitsAsLongAsTheWholeTransferMay) {
    EndableNotingPlatform noting;
    EXPECT_EQ(httpGet(noting, server.address("/feed")).size(), 15U);
    EXPECT_EQ(httpGet(noting, server.address("/feed"), {.whole = 5s}).size(), 15U);
    EXPECT_EQ(httpGet(noting, server.address("/feed"), {.whole = 0ms}).size(), 15U);
    EXPECT_EQ(noting.limits, (std::vector<int>{30500, 5500, std::numeric_limits<int>::max()}));
}

TEST_F(HttpGetTest, AWaitThatEndsFirstStopsTheGetAtOnceAndLeavesNoThread) {
    ASSERT_EQ(httpGet(platform, server.address("/feed")).size(), 15U);  // the server's threads are up
    EndableNotingPlatform ending;
    ending.ended = true;
    const std::size_t threadsBefore = testing::threadCount();
    const std::string body = httpGet(ending, server.address("/slow"));
    EXPECT_FALSE(slowAnswered);
    slowReleased = true;
    EXPECT_EQ(body, "");
    EXPECT_EQ(testing::threadCountSettlingAt(threadsBefore), threadsBefore);
}

TEST_F(HttpGetTest, TheOutcomeTellsTheStatusTheErrorOrTheTimeOut) {
    const HttpGetResult found = fetchResource(server.address("/feed"));
    EXPECT_EQ(found.outcome.end, TransferEnd::Completed);
    EXPECT_EQ(found.outcome.httpStatus, 200);
    EXPECT_EQ(describeOutcome(found.outcome, found.body.size(), kResourceGetPolicy), "200, 15 bytes");

    const HttpGetResult missing = fetchResource(server.address("/missing"));
    EXPECT_EQ(missing.outcome.end, TransferEnd::Completed);
    EXPECT_EQ(missing.outcome.httpStatus, 404);
    EXPECT_EQ(missing.body, "");
    EXPECT_EQ(describeOutcome(missing.outcome, 0, kResourceGetPolicy),
              "404 (an error status: no body)");

    const HttpGetResult closed = fetchResource("http://" + testing::closedLoopbackHost() + "/x");
    EXPECT_EQ(closed.outcome.end, TransferEnd::Failed);
    EXPECT_EQ(closed.outcome.httpStatus, 0);
    EXPECT_FALSE(closed.outcome.error.empty());

    RequestPolicy hurried = kResourceGetPolicy;
    hurried.time.whole = 200ms;
    const HttpGetResult late = fetchResource(server.address("/slow"), hurried);
    slowReleased = true;
    EXPECT_EQ(late.outcome.end, TransferEnd::TimedOut);
    EXPECT_EQ(late.body, "");

    const HttpGetResult tooLarge = fetchResource(server.address("/mebibytes/65/chunked"));
    EXPECT_EQ(tooLarge.outcome.end, TransferEnd::OverBounds);
}

TEST_F(HttpGetTest, AStopEndsAFetchAtOnce) {
    std::stop_source stop;
    auto fetched = std::async(std::launch::async, [&] {
        return fetchResource(server.address("/slow"), kResourceGetPolicy, stop.get_token());
    });
    std::this_thread::sleep_for(50ms);
    stop.request_stop();
    const HttpGetResult result = fetched.get();
    EXPECT_FALSE(slowAnswered);
    slowReleased = true;
    EXPECT_EQ(result.outcome.end, TransferEnd::Stopped);
    EXPECT_EQ(result.body, "");
}

TEST_F(HttpGetTest, APageFetchHandsOverThePageOrStopsWhenItEnds) {
    std::promise<std::string> page;
    {
        const PageFetch fetch(server.address("/feed"),
                              [&page](std::string body) { page.set_value(std::move(body)); });
        EXPECT_EQ(page.get_future().get().size(), 15U);
    }
    std::atomic<bool> arrived = false;
    {
        const PageFetch held(server.address("/slow"), [&arrived](std::string) { arrived = true; });
        std::this_thread::sleep_for(50ms);
    }
    EXPECT_FALSE(slowAnswered);
    slowReleased = true;
    EXPECT_FALSE(arrived);
}

}  // namespace
}  // namespace quintara
